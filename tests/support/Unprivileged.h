#pragma once

#include <grp.h>
#include <pwd.h>
#include <sys/wait.h>
#include <unistd.h>

#include <functional>
#include <optional>
#include <string>

namespace quivlane::test {

// The user a test can act as when root's override of permissions would hide the case: the
// tester itself when it is not root, otherwise "nobody" with only its own group.
struct UnprivilegedUser {
    uid_t uid;
    gid_t gid;
};

inline std::optional<UnprivilegedUser> FindUnprivilegedUser() {
    if (::geteuid() != 0) {
        return UnprivilegedUser{::geteuid(), ::getegid()};
    }
    const passwd* nobody = ::getpwnam("nobody");
    if (nobody == nullptr) {
        return std::nullopt;
    }
    return UnprivilegedUser{nobody->pw_uid, nobody->pw_gid};
}

// Runs `work` in a child process as that user and returns what it returned, or nullopt when
// the child could not drop its privileges or died.
inline std::optional<std::string> RunUnprivileged(const std::function<std::string()>& work) {
    const std::optional<UnprivilegedUser> user = FindUnprivilegedUser();
    int pipeEnds[2];
    if (!user || ::pipe(pipeEnds) != 0) {
        return std::nullopt;
    }
    const pid_t child = ::fork();
    if (child == 0) {
        ::close(pipeEnds[0]);
        if (::geteuid() == 0 && (::setgroups(0, nullptr) != 0 || ::setgid(user->gid) != 0 ||
                                 ::setuid(user->uid) != 0)) {
            ::_exit(2);
        }
        const std::string result = work();
        const bool sent = ::write(pipeEnds[1], result.data(), result.size()) ==
                          static_cast<ssize_t>(result.size());
        ::_exit(sent ? 0 : 3);
    }
    ::close(pipeEnds[1]);
    std::string result;
    char buffer[4096];
    for (ssize_t got; (got = ::read(pipeEnds[0], buffer, sizeof buffer)) > 0;) {
        result.append(buffer, static_cast<std::size_t>(got));
    }
    ::close(pipeEnds[0]);
    int status = 0;
    if (child < 0 || ::waitpid(child, &status, 0) != child || !WIFEXITED(status) ||
        WEXITSTATUS(status) != 0) {
        return std::nullopt;
    }
    return result;
}

}  // namespace quivlane::test
