#include "tests/support/Mp3Fixtures.h"

#include <fcntl.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cmath>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <random>
#include <stdexcept>

#include "media/Mp3Engine.h"
#include "tests/support/TempDir.h"

extern char** environ;

namespace quivlane::test {

namespace {

void PutLe(std::string& out, std::uint32_t value, int bytes) {
    for (int i = 0; i < bytes; ++i) {
        out.push_back(static_cast<char>((value >> (8 * i)) & 0xFF));
    }
}

// Written beside the target and renamed, so parallel test processes never see half a file.
std::string UniqueTemp(const std::string& target) {
    return target + ".tmp" + std::to_string(::getpid());
}

}  // namespace

std::string Mp3Fixtures::Directory() {
    const char* build = std::getenv("QUIVLANE_TEST_BINARY_DIR");
    std::filesystem::path dir;
    if (build != nullptr && *build != '\0') {
        dir = std::filesystem::path(build) / "tests" / "media" / "fixtures";
    } else {
#ifdef QUIVLANE_MEDIA_FIXTURE_DIR
        dir = QUIVLANE_MEDIA_FIXTURE_DIR;
#else
        dir = std::filesystem::temp_directory_path() / "quivlane-fixtures";
#endif
    }
    std::filesystem::create_directories(dir);
    return dir.string();
}

std::string Mp3Fixtures::MakeWav(const std::string& name, int rate, int channels, double seconds) {
    const std::string path = Directory() + "/" + name;
    if (std::filesystem::exists(path)) {
        return path;
    }
    const auto frames = static_cast<std::uint32_t>(rate * seconds);
    std::string pcm;
    pcm.reserve(static_cast<std::size_t>(frames) * channels * 2);
    std::mt19937 noise(static_cast<std::uint32_t>(rate * 7 + channels));
    std::uniform_real_distribution<double> jitter(-1.0, 1.0);
    const double pi = std::acos(-1.0);
    for (std::uint32_t n = 0; n < frames; ++n) {
        const double t = static_cast<double>(n) / rate;
        for (int c = 0; c < channels; ++c) {
            const double f1 = 220.0 * (c + 1);
            const double sweep = 300.0 + 1200.0 * t;
            double v = 0.35 * std::sin(2 * pi * f1 * t) + 0.25 * std::sin(2 * pi * sweep * t) +
                       0.1 * std::sin(2 * pi * 3170.0 * t) + 0.08 * jitter(noise);
            v = std::clamp(v, -1.0, 1.0);
            PutLe(pcm, static_cast<std::uint16_t>(static_cast<std::int16_t>(v * 30000)), 2);
        }
    }
    std::string wav = "RIFF";
    PutLe(wav, static_cast<std::uint32_t>(36 + pcm.size()), 4);
    wav += "WAVEfmt ";
    PutLe(wav, 16, 4);
    PutLe(wav, 1, 2);
    PutLe(wav, static_cast<std::uint32_t>(channels), 2);
    PutLe(wav, static_cast<std::uint32_t>(rate), 4);
    PutLe(wav, static_cast<std::uint32_t>(rate * channels * 2), 4);
    PutLe(wav, static_cast<std::uint32_t>(channels * 2), 2);
    PutLe(wav, 16, 2);
    wav += "data";
    PutLe(wav, static_cast<std::uint32_t>(pcm.size()), 4);
    wav += pcm;
    const std::string temp = UniqueTemp(path);
    WriteFile(temp, wav);
    std::filesystem::rename(temp, path);
    return path;
}

int Mp3Fixtures::Run(const std::vector<std::string>& argv, const std::string& stdoutPath) {
    std::vector<char*> args;
    args.reserve(argv.size() + 1);
    for (const std::string& a : argv) {
        args.push_back(const_cast<char*>(a.c_str()));
    }
    args.push_back(nullptr);
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    const std::string out = stdoutPath.empty() ? std::string("/dev/null") : stdoutPath;
    posix_spawn_file_actions_addopen(&actions, 1, out.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
    posix_spawn_file_actions_addopen(&actions, 0, "/dev/null", O_RDONLY, 0);
    pid_t pid = 0;
    const int spawned = posix_spawnp(&pid, args[0], &actions, nullptr, args.data(), environ);
    posix_spawn_file_actions_destroy(&actions);
    if (spawned != 0) {
        return -1;
    }
    int status = 0;
    while (::waitpid(pid, &status, 0) < 0) {
        if (errno != EINTR) {
            return -1;
        }
    }
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

std::string Mp3Fixtures::Encode(const std::string& name, const std::string& program,
                                const std::string& wav, const std::vector<std::string>& args) {
    const std::string path = Directory() + "/" + name;
    if (std::filesystem::exists(path)) {
        return path;
    }
    const std::string temp = UniqueTemp(path);
    std::vector<std::string> argv{program};
    argv.insert(argv.end(), args.begin(), args.end());
    argv.push_back(wav);
    argv.push_back(temp);
    if (Run(argv) != 0) {
        throw std::runtime_error(program + " failed for " + name);
    }
    std::filesystem::rename(temp, path);
    return path;
}

std::string Mp3Fixtures::DecodeWithMpg123(const std::string& mp3) {
    TempDir dir;
    const std::string out = dir.File("decoded.raw");
    if (Run({"mpg123", "-q", "--no-gapless", "-s", mp3}, out) != 0) {
        throw std::runtime_error("mpg123 failed for " + mp3);
    }
    return ReadFile(out);
}

std::vector<std::size_t> Mp3Fixtures::FrameOffsets(const std::string& bytes) {
    std::vector<std::size_t> offsets;
    const auto* p = reinterpret_cast<const unsigned char*>(bytes.data());
    std::size_t i = 0;
    // Skip an ID3v2 tag by its declared size.
    if (bytes.size() > 10 && bytes.compare(0, 3, "ID3") == 0) {
        i = 10 + ((p[6] & 0x7F) << 21 | (p[7] & 0x7F) << 14 | (p[8] & 0x7F) << 7 | (p[9] & 0x7F));
    }
    while (i + 4 <= bytes.size()) {
        const std::uint32_t word = static_cast<std::uint32_t>(p[i]) << 24 |
                                   static_cast<std::uint32_t>(p[i + 1]) << 16 |
                                   static_cast<std::uint32_t>(p[i + 2]) << 8 | p[i + 3];
        FrameHeader header;
        if (Mp3Engine::ParseHeader(word, header) == 0 || header.frameSize < 24) {
            if (!offsets.empty()) {
                break;
            }
            ++i;
            continue;
        }
        offsets.push_back(i);
        i += static_cast<std::size_t>(header.frameSize);
    }
    return offsets;
}

}  // namespace quivlane::test
