#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

namespace quivlane {

// Media-control command strings ("play cdaudio from 00:02:00"), as the host's textual
// device interface takes them. Device names and keywords are case-insensitive.
class Mci {
  public:
    virtual ~Mci() = default;
    // Runs one command. 0 on success, otherwise an error code. The answer is cut to
    // answerSize - 1 characters, as a buffer of answerSize bytes would hold it.
    virtual std::uint32_t SendString(const std::string& command, std::string& answer,
                                     std::size_t answerSize) = 0;
    // The description of an error code; empty when the code has none.
    virtual std::string ErrorString(std::uint32_t code) const = 0;
};

}  // namespace quivlane
