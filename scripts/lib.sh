# Shared by the scripts: configure and build one configuration in build/<name>.
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)

# configure_and_build <name> [cmake options...]
configure_and_build() {
    local name=$1
    shift
    cmake -S "$root" -B "$root/build/$name" -G Ninja "$@" >/dev/null
    cmake --build "$root/build/$name" -j2
}
