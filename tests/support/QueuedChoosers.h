#pragma once

#include <deque>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "platform/dialogs/Choosers.h"

namespace quivlane::test {

// Choosers that answer from a queue (cancel when it runs dry) and record what was asked.
class QueuedChoosers final : public Choosers {
  public:
    std::optional<std::string> ChooseFolder(const std::string& title,
                                            const std::string& initialPath,
                                            UserFolder startFolder) override {
        folderRequests.emplace_back(title, initialPath);
        startFolders.push_back(startFolder);
        return Next();
    }
    std::optional<std::string> ChooseFile(const std::string& title,
                                          const std::string& filter) override {
        fileRequests.emplace_back(title, filter);
        return Next();
    }

    std::deque<std::optional<std::string>> answers;
    std::vector<std::pair<std::string, std::string>> folderRequests;  // title, initial path
    std::vector<UserFolder> startFolders;
    std::vector<std::pair<std::string, std::string>> fileRequests;  // title, filter

  private:
    std::optional<std::string> Next() {
        if (answers.empty()) {
            return std::nullopt;
        }
        std::optional<std::string> answer = std::move(answers.front());
        answers.pop_front();
        return answer;
    }
};

}  // namespace quivlane::test
