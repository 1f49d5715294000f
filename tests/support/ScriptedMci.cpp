#include "tests/support/ScriptedMci.h"

namespace quivlane::test {

std::uint32_t ScriptedMci::SendString(const std::string& command, std::string& answer,
                                      std::size_t answerSize) {
    commands.push_back(command);
    answerSizes.push_back(answerSize);
    const auto found = replies.find(command);
    if (found == replies.end()) {
        answer.clear();
        return 0;
    }
    answer = found->second.answer;
    return found->second.code;
}

std::string ScriptedMci::ErrorString(std::uint32_t code) const {
    const auto found = errorTexts.find(code);
    return found == errorTexts.end() ? std::string() : found->second;
}

}  // namespace quivlane::test
