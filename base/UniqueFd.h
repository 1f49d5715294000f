#pragma once

namespace quivlane {

// Owns a POSIX file descriptor and closes it once.
class UniqueFd {
  public:
    explicit UniqueFd(int fd = -1) : fd_(fd) {}
    ~UniqueFd();
    UniqueFd(const UniqueFd&) = delete;
    UniqueFd& operator=(const UniqueFd&) = delete;

    int Get() const { return fd_; }
    bool Valid() const { return fd_ >= 0; }
    // Closes the descriptor held, if any, and takes fd.
    void Reset(int fd = -1);
    // Closes now and reports the result: for a written file a late write error shows up here.
    bool Close();

  private:
    int fd_;
};

}  // namespace quivlane
