#include "tests/support/StandInCommands.h"

#include <sys/stat.h>

#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <sstream>
#include <thread>

namespace quivlane::test {

namespace {

// Single quotes for sh: the record path is ours, but a temp folder may contain anything.
std::string ShQuote(const std::string& text) {
    std::string quoted = "'";
    for (char c : text) {
        quoted += c == '\'' ? std::string("'\\''") : std::string(1, c);
    }
    return quoted + "'";
}

}  // namespace

void SleepMs(int ms) {
    std::this_thread::sleep_for(std::chrono::milliseconds(ms));
}

StandInCommands::StandInCommands() : folder_((dir_.Path() / "bin").string()) {
    std::filesystem::create_directory(folder_);
    if (const char* path = std::getenv("PATH")) {
        savedPath_ = path;
    }
    setenv("PATH", folder_.c_str(), 1);
}

StandInCommands::~StandInCommands() {
    if (savedPath_) {
        setenv("PATH", savedPath_->c_str(), 1);
    } else {
        unsetenv("PATH");
    }
}

std::string StandInCommands::RecordPath(const std::string& name) const {
    return dir_.File(name + ".record");
}

void StandInCommands::WriteRecorder(const std::string& path, const std::string& name) const {
    // Builtins only: PATH holds nothing but stand-ins. Output on stdout and stderr shows
    // whether the standard streams were taken away from us.
    std::string out = ShQuote(RecordPath(name));
    std::string script =
        "#!/bin/sh\n"
        "echo stand-in-stdout\n"
        "echo stand-in-stderr >&2\n"
        "{\n"
        "  printf 'cwd=%s\\n' \"$PWD\"\n"
        "  printf 'pid=%s\\n' \"$$\"\n"
        "  for a in \"$@\"; do printf 'arg=%s\\n' \"$a\"; done\n"
        "  printf 'end\\n'\n"
        "} > " +
        out + "\n";
    WriteFile(path, script);
    chmod(path.c_str(), 0755);
}

std::string StandInCommands::Add(const std::string& name) {
    std::string path = folder_ + "/" + name;
    WriteRecorder(path, name);
    return path;
}

std::string StandInCommands::AddRaw(const std::string& name, const std::string& contents) {
    std::string path = folder_ + "/" + name;
    WriteFile(path, contents);
    chmod(path.c_str(), 0755);
    return path;
}

bool StandInCommands::Ran(const std::string& name) const {
    return std::filesystem::exists(RecordPath(name));
}

std::optional<StandInCommands::Record> StandInCommands::WaitFor(const std::string& name) const {
    const std::string path = RecordPath(name);
    bool complete = PollUntil([&] {
        std::string text = ReadFile(path);
        return text.size() >= 4 && text.compare(text.size() - 4, 4, "end\n") == 0;
    });
    if (!complete) {
        return std::nullopt;
    }
    Record record;
    std::istringstream lines(ReadFile(path));
    std::string line;
    while (std::getline(lines, line)) {
        if (line.rfind("cwd=", 0) == 0) {
            record.workingDirectory = line.substr(4);
        } else if (line.rfind("pid=", 0) == 0) {
            record.pid = std::atoi(line.c_str() + 4);
        } else if (line.rfind("arg=", 0) == 0) {
            record.args.push_back(line.substr(4));
        }
    }
    return record;
}

}  // namespace quivlane::test
