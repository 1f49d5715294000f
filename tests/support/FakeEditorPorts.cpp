#include "tests/support/FakeEditorPorts.h"

namespace quivlane::test {

namespace {

std::optional<std::string> Next(std::deque<std::optional<std::string>>& queue) {
    if (queue.empty()) {
        return std::nullopt;
    }
    auto answer = queue.front();
    queue.pop_front();
    return answer;
}

}  // namespace

std::optional<std::string> ScriptedChoosers::ChooseFolder(const std::string& title,
                                                          const std::string& initialPath,
                                                          UserFolder startFolder) {
    folderTitles.push_back(title);
    folderStarts.emplace_back(initialPath, startFolder);
    return Next(folders);
}

std::optional<std::string> ScriptedChoosers::ChooseFile(const std::string& /*title*/,
                                                        const std::string& filter) {
    fileFilters.push_back(filter);
    return Next(files);
}

std::optional<std::string> MemoryRegistry::ReadString(const std::string& subkey,
                                                      const std::string& valueName) {
    const auto found = values.find({subkey, valueName});
    if (found == values.end()) {
        return std::nullopt;
    }
    return found->second;
}

bool MemoryRegistry::WriteString(const std::string& subkey, const std::string& valueName,
                                 const std::string& value) {
    writes.push_back(value);
    if (refuseWrites) {
        return false;
    }
    values[{subkey, valueName}] = value;
    return true;
}

void RecordingSettingsStore::SetPath(const std::string& path) {
    inner_.SetPath(path);
}

std::string RecordingSettingsStore::GetValue(const std::string& section, const std::string& key,
                                             const std::string& defaultValue) {
    ++reads;
    return inner_.GetValue(section, key, defaultValue);
}

int RecordingSettingsStore::SetValue(const std::string& section, const std::string& key,
                                     const std::string& value) {
    writes.push_back({section, key, value});
    return inner_.SetValue(section, key, value);
}

int RecordingSettingsStore::ChangeValue(const std::string& section, const std::string& key,
                                        const ValueChange& change) {
    ++reads;
    return inner_.ChangeValue(section, key, [&](const std::optional<std::string>& current) {
        std::optional<std::string> next = change(current);
        if (next) {
            writes.push_back({section, key, *next});
        }
        return next;
    });
}

}  // namespace quivlane::test
