#include "media/Mpg123Decoder.h"

#include <mpg123.h>

#include <mutex>

namespace quivlane {

namespace {

void InitLibraryOnce() {
    static std::once_flag once;
    std::call_once(once, [] { mpg123_init(); });
}

}  // namespace

Mpg123Decoder::Mpg123Decoder() {
    InitLibraryOnce();
    int error = MPG123_OK;
    handle_ = mpg123_new(nullptr, &error);
    if (handle_ == nullptr) {
        return;
    }
    mpg123_param(handle_, MPG123_ADD_FLAGS, MPG123_QUIET, 0.0);
    // Every frame's samples are wanted as decoded: the engine does its own framing.
    mpg123_param(handle_, MPG123_REMOVE_FLAGS, MPG123_GAPLESS, 0.0);
    // Native rate and channel count, always 16-bit signed.
    mpg123_format_none(handle_);
    const long* rates = nullptr;
    std::size_t count = 0;
    mpg123_rates(&rates, &count);
    for (std::size_t i = 0; i < count; ++i) {
        mpg123_format(handle_, rates[i], MPG123_MONO | MPG123_STEREO, MPG123_ENC_SIGNED_16);
    }
}

Mpg123Decoder::~Mpg123Decoder() {
    if (handle_ != nullptr) {
        mpg123_delete(handle_);
    }
}

bool Mpg123Decoder::Reset() {
    if (handle_ == nullptr) {
        return false;
    }
    if (open_) {
        mpg123_close(handle_);
    }
    open_ = mpg123_open_feed(handle_) == MPG123_OK;
    return open_;
}

Mpg123Decoder::Result Mpg123Decoder::Decode(const std::uint8_t* input, std::size_t inputSize,
                                            std::uint8_t* output, std::size_t capacity,
                                            std::size_t& produced) {
    produced = 0;
    if (!open_ && !Reset()) {
        return Result::Error;
    }
    if (capacity == 0) {
        // Asked for nothing: libmpg123 would parse ahead instead of returning.
        return Result::NeedMore;
    }
    const unsigned char* in = input;
    std::size_t inSize = input == nullptr ? 0 : inputSize;
    for (int spins = 0;; ++spins) {
        std::size_t done = 0;
        const int result = mpg123_decode(handle_, in, inSize, output, capacity, &done);
        in = nullptr;
        inSize = 0;
        produced = done;
        const bool success = result == MPG123_OK || result == MPG123_NEW_FORMAT;
        // A format notice or a frame without samples: ask again rather than report an
        // empty frame, which the engine would take as progress forever.
        if (success && done == 0 && spins < 64) {
            continue;
        }
        if (success) {
            return done > 0 ? Result::Frame : Result::NeedMore;
        }
        if (result == MPG123_NEED_MORE || result == MPG123_DONE) {
            return done > 0 ? Result::Frame : Result::NeedMore;
        }
        return Result::Error;
    }
}

void Mpg123Decoder::Release() {
    if (open_) {
        mpg123_close(handle_);
        open_ = false;
    }
}

}  // namespace quivlane
