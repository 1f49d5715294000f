#include "base/UniqueFd.h"

#include <unistd.h>

namespace quivlane {

UniqueFd::~UniqueFd() {
    Close();
}

void UniqueFd::Reset(int fd) {
    Close();
    fd_ = fd;
}

bool UniqueFd::Close() {
    if (fd_ < 0) {
        return true;
    }
    const int result = ::close(fd_);
    fd_ = -1;
    return result == 0;
}

}  // namespace quivlane
