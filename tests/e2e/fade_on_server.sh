#!/usr/bin/env bash
# The bar's fade, read off a real X server step by step.
source "$(dirname "$0")/lib.sh"

start_x
QT_QPA_PLATFORM=xcb "$bin_dir/FadeOnServer" >"$work/fade.log" 2>&1 ||
    fail "the fade's steps did not reach the server in turn: $(cat "$work/fade.log")"
echo "fade on the server: ok"
