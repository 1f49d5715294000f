#include "editor/RegistryValue.h"

#include <utility>

namespace quivlane {

RegistryValue::RegistryValue(Registry& registry, const std::string& path,
                             const std::string& defaultValue, bool forceWrite)
    : registry_(registry), defaultValue_(defaultValue), forceWrite_(forceWrite) {
    const auto first = path.find_first_not_of('\\');
    const std::string trimmed = first == std::string::npos ? std::string() : path.substr(first);
    const auto last = trimmed.rfind('\\');
    if (last == std::string::npos) {
        valueName_ = trimmed;
    } else {
        subkey_ = trimmed.substr(0, last);
        valueName_ = trimmed.substr(last + 1);
        const auto end = subkey_.find_last_not_of('\\');
        subkey_.erase(end == std::string::npos ? 0 : end + 1);
    }
    Read();
}

void RegistryValue::Read() {
    if (auto data = registry_.ReadString(subkey_, valueName_)) {
        currentValue_ = std::move(*data);
        done_ = true;
    }
}

void RegistryValue::Set(const std::string& value) {
    if (value != currentValue_ || forceWrite_) {
        currentValue_ = value;
        Write();
    }
}

void RegistryValue::Write() {
    done_ = registry_.WriteString(subkey_, valueName_, currentValue_);
}

}  // namespace quivlane
