#pragma once

#include <deque>
#include <map>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "config/SettingsStore.h"
#include "platform/autostart/Registry.h"
#include "platform/dialogs/Choosers.h"
#include "platform/dialogs/Clipboard.h"

namespace quivlane::test {

// Choosers that answer from queues (cancel when a queue runs dry) and record what was asked.
class ScriptedChoosers final : public Choosers {
  public:
    std::optional<std::string> ChooseFolder(const std::string& title,
                                            const std::string& initialPath,
                                            UserFolder startFolder) override;
    std::optional<std::string> ChooseFile(const std::string& title,
                                          const std::string& filter) override;

    std::deque<std::optional<std::string>> folders;
    std::deque<std::optional<std::string>> files;
    std::vector<std::string> folderTitles;
    std::vector<std::pair<std::string, UserFolder>> folderStarts;  // initial path, start folder
    std::vector<std::string> fileFilters;
};

class ScriptedClipboard final : public Clipboard {
  public:
    std::optional<std::string> Text() override { return text; }
    std::optional<std::string> text;
};

// The registry as a map of (subkey, value name) to data; writes can be refused.
class MemoryRegistry final : public Registry {
  public:
    std::optional<std::string> ReadString(const std::string& subkey,
                                          const std::string& valueName) override;
    bool WriteString(const std::string& subkey, const std::string& valueName,
                     const std::string& value) override;

    std::map<std::pair<std::string, std::string>, std::string> values;
    std::vector<std::string> writes;  // the data of each write, in order
    bool refuseWrites = false;
};

// Passes every call to a real store and records the writes in order.
class RecordingSettingsStore final : public SettingsStore {
  public:
    struct Write {
        std::string section;
        std::string key;
        std::string value;
        bool operator==(const Write&) const = default;
    };
    explicit RecordingSettingsStore(SettingsStore& inner) : inner_(inner) {}

    void SetPath(const std::string& path) override;
    std::string GetValue(const std::string& section, const std::string& key,
                         const std::string& defaultValue) override;
    int SetValue(const std::string& section, const std::string& key,
                 const std::string& value) override;
    // The inner store's own (locked) step; a change that gives a text counts as a write.
    int ChangeValue(const std::string& section, const std::string& key,
                    const ValueChange& change) override;

    std::vector<Write> writes;
    int reads = 0;

  private:
    SettingsStore& inner_;
};

}  // namespace quivlane::test
