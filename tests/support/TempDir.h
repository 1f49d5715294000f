#pragma once

#include <filesystem>
#include <string>

namespace quivlane::test {

// A fresh directory under the system's temporary folder, removed with its contents.
class TempDir {
  public:
    TempDir();
    ~TempDir();
    TempDir(const TempDir&) = delete;
    TempDir& operator=(const TempDir&) = delete;

    const std::filesystem::path& Path() const { return path_; }
    std::string File(const std::string& name) const { return (path_ / name).string(); }
    void Write(const std::string& name, const std::string& contents) const;
    std::string Read(const std::string& name) const;

  private:
    std::filesystem::path path_;
};

// Whole contents of a file, or empty when it cannot be read.
std::string ReadFile(const std::string& path);
void WriteFile(const std::string& path, const std::string& contents);

}  // namespace quivlane::test
