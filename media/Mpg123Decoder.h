#pragma once

#include <cstddef>
#include <cstdint>

struct mpg123_handle_struct;

namespace quivlane {

// libmpg123's feed interface reduced to what the engine needs: whole frames in,
// 16-bit interleaved PCM out.
class Mpg123Decoder {
  public:
    enum class Result { Frame, NeedMore, Error };

    Mpg123Decoder();
    ~Mpg123Decoder();
    Mpg123Decoder(const Mpg123Decoder&) = delete;
    Mpg123Decoder& operator=(const Mpg123Decoder&) = delete;

    // A fresh decoder state; false when the library refuses.
    bool Reset();
    // Feeds inputSize bytes (may be 0) and takes at most capacity bytes of PCM.
    Result Decode(const std::uint8_t* input, std::size_t inputSize, std::uint8_t* output,
                  std::size_t capacity, std::size_t& produced);
    // Drops buffered input.
    void Release();

  private:
    mpg123_handle_struct* handle_ = nullptr;
    bool open_ = false;
};

}  // namespace quivlane
