#pragma once

#include <cstdint>
#include <map>
#include <string>
#include <utility>
#include <vector>

#include "platform/cd/Mci.h"

namespace quivlane::test {

// Answers commands from a table (unknown commands succeed with an empty answer) and records
// them in order.
class ScriptedMci final : public Mci {
  public:
    struct Reply {
        std::uint32_t code = 0;
        std::string answer;
    };

    std::uint32_t SendString(const std::string& command, std::string& answer,
                             std::size_t answerSize) override;
    std::string ErrorString(std::uint32_t code) const override;

    std::map<std::string, Reply> replies;
    std::map<std::uint32_t, std::string> errorTexts;
    std::vector<std::string> commands;
    std::vector<std::size_t> answerSizes;
};

}  // namespace quivlane::test
