#include "platform/shell/PosixProcessStarter.h"

#include <fcntl.h>
#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>

#include <cerrno>
#include <thread>

extern char** environ;

namespace quivlane {

namespace {

// Owns the spawn attributes and file actions for one start.
class SpawnSetup {
  public:
    SpawnSetup(bool newSession, const std::string& workingDirectory) {
        posix_spawnattr_init(&attr_);
        posix_spawn_file_actions_init(&actions_);
        sigset_t empty;
        sigemptyset(&empty);
        posix_spawnattr_setsigmask(&attr_, &empty);
        // Whatever we ignore (SIGPIPE, say) must not stay ignored in the program we start.
        sigset_t all;
        sigfillset(&all);
        posix_spawnattr_setsigdefault(&attr_, &all);
        short flags = POSIX_SPAWN_SETSIGMASK | POSIX_SPAWN_SETSIGDEF;
        if (newSession) {
            // Closing the terminal we were started from must not take the program with it.
            flags |= POSIX_SPAWN_SETSID;
        }
        posix_spawnattr_setflags(&attr_, flags);
        for (int fd = 0; fd <= 2; ++fd) {
            posix_spawn_file_actions_addopen(&actions_, fd, "/dev/null",
                                             fd == 0 ? O_RDONLY : O_WRONLY, 0);
        }
        if (!workingDirectory.empty()) {
            posix_spawn_file_actions_addchdir_np(&actions_, workingDirectory.c_str());
        }
    }
    ~SpawnSetup() {
        posix_spawn_file_actions_destroy(&actions_);
        posix_spawnattr_destroy(&attr_);
    }
    SpawnSetup(const SpawnSetup&) = delete;
    SpawnSetup& operator=(const SpawnSetup&) = delete;

    // The child's id, or -1.
    pid_t Spawn(const std::vector<std::string>& argv) {
        if (argv.empty() || argv.front().empty()) {
            return -1;
        }
        std::vector<char*> args;
        args.reserve(argv.size() + 1);
        for (const std::string& a : argv) {
            args.push_back(const_cast<char*>(a.c_str()));
        }
        args.push_back(nullptr);
        pid_t pid = -1;
        // glibc reports a failed exec here, so "cannot start" is known at once.
        if (posix_spawn(&pid, argv.front().c_str(), &actions_, &attr_, args.data(), environ) != 0) {
            return -1;
        }
        return pid;
    }

  private:
    posix_spawnattr_t attr_;
    posix_spawn_file_actions_t actions_;
};

int WaitFor(pid_t pid) {
    int status = 0;
    while (waitpid(pid, &status, 0) < 0) {
        if (errno != EINTR) {
            return -1;
        }
    }
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

}  // namespace

bool PosixProcessStarter::StartDetached(const std::vector<std::string>& argv,
                                        const std::string& workingDirectory) {
    SpawnSetup setup(true, workingDirectory);
    pid_t pid = setup.Spawn(argv);
    if (pid < 0) {
        return false;
    }
    // The program may outlive us; a thread that only waits for it keeps it from becoming a
    // zombie while we run, and dies with us if it is still waiting.
    std::thread([pid] { WaitFor(pid); }).detach();
    return true;
}

int PosixProcessStarter::RunAndWait(const std::vector<std::string>& argv) {
    SpawnSetup setup(false, {});
    pid_t pid = setup.Spawn(argv);
    return pid < 0 ? -1 : WaitFor(pid);
}

}  // namespace quivlane
