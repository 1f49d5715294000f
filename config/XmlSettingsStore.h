#pragma once

#include <chrono>
#include <memory>
#include <string>
#include <vector>

#include "base/AtomicFileWriter.h"
#include "config/SettingsStore.h"
#include "platform/dialogs/MessageBoxes.h"

namespace pugi {
class xml_document;
class xml_node;
}  // namespace pugi

namespace quivlane {

// Key/value view of the XML configuration file. Every call parses the file afresh and every
// write saves the whole document, so two programs sharing the file always see each other's
// last save. Strings are UTF-8. A file that is not well-formed XML is never written.
class XmlSettingsStore final : public SettingsStore {
  public:
    static constexpr int kOk = 0;
    static constexpr int kNotLoaded = -1;
    static constexpr int kNoElement = -2;
    static constexpr int kTextFailed = -3;
    static constexpr int kSaveFailed = -4;

    static constexpr const char* kMalformedCaption = "LoadXML Malformed XML Error";
    static constexpr const char* kEmptyDocument =
        "<?xml version=\"1.0\" ?><XMLConfigSettings></XMLConfigSettings>";

    explicit XmlSettingsStore(MessageBoxes& messageBoxes);
    XmlSettingsStore(MessageBoxes& messageBoxes, AtomicFileWriter writer);
    ~XmlSettingsStore() override;
    XmlSettingsStore(const XmlSettingsStore&) = delete;
    XmlSettingsStore& operator=(const XmlSettingsStore&) = delete;

    void SetPath(const std::string& path) override;
    const std::string& Path() const { return path_; }

    // The element's text, or defaultValue when it is absent or the file cannot be used. An
    // element that exists but is empty gives "".
    std::string GetValue(const std::string& section, const std::string& key,
                         const std::string& defaultValue) override;

    // Writes value as the element's only content, creating the path, and saves the file.
    // Returns kOk, kNotLoaded, kNoElement, kTextFailed or kSaveFailed.
    int SetValue(const std::string& section, const std::string& key,
                 const std::string& value) override;
    // Load, change and save under the file's lock (FileLock), so that two programs writing in
    // turn never undo each other. kSaveFailed with failure Locked when the other program kept
    // the file for longer than kLockPatience.
    int ChangeValue(const std::string& section, const std::string& key,
                    const ValueChange& change) override;

    // Why the last write failed, and the file or folder concerned; failure None after a
    // success or a write that changed nothing.
    const SaveOutcome& LastError() const { return lastError_; }
    // The same as a sentence for a message box; "" when nothing failed.
    std::string LastErrorText() const;

    static constexpr std::chrono::milliseconds kLockPatience{1000};

  private:
    static std::vector<std::string> SplitPath(const std::string& section, const std::string& key);
    bool LoadDocument();
    pugi::xml_node FindElement(pugi::xml_node start, const std::vector<std::string>& components,
                               bool create);
    bool SaveDocument();
    void ReleaseDocument();

    MessageBoxes& messageBoxes_;
    AtomicFileWriter writer_;
    std::unique_ptr<pugi::xml_document> document_;
    std::string documentText_;  // parsed in place: lives as long as document_
    std::string path_;
    SaveOutcome lastError_;
};

}  // namespace quivlane
