// The engine's decoding cost against mpg123 on the same file, measured side by side, and
// the worker's CPU use while playing at real time.
#include <benchmark/benchmark.h>
#include <fcntl.h>
#include <spawn.h>
#include <sys/resource.h>
#include <sys/wait.h>

#include <chrono>
#include <string>
#include <vector>

#include "media/Mp3Engine.h"
#include "tests/support/Mp3Fixtures.h"
#include "tests/support/ScriptedWaveOutDevice.h"

extern char** environ;

namespace {

using quivlane::Mp3Engine;
using quivlane::test::Mp3Fixtures;
using quivlane::test::ScriptedWaveOutDevice;

double Seconds(const timeval& t) {
    return static_cast<double>(t.tv_sec) + t.tv_usec / 1e6;
}

double ProcessCpu() {
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return Seconds(usage.ru_utime) + Seconds(usage.ru_stime);
}

const std::string& LongFile() {
    static const std::string path = [] {
        const std::string wav = Mp3Fixtures::MakeWav("bench120.wav", 44100, 2, 120.0);
        return Mp3Fixtures::Encode("bench120.mp3", "lame", wav, {"--quiet", "-b", "192"});
    }();
    return path;
}

const std::string& ShortFile() {
    static const std::string path = [] {
        const std::string wav = Mp3Fixtures::MakeWav("bench4.wav", 44100, 2, 4.0);
        return Mp3Fixtures::Encode("bench4.mp3", "lame", wav, {"--quiet", "-b", "128"});
    }();
    return path;
}

// CPU seconds mpg123 spends decoding the file to nothing, from its own rusage.
double Mpg123Cpu(const std::string& path) {
    std::vector<std::string> argv{"mpg123", "-q", "--no-gapless", "-w", "/dev/null", path};
    std::vector<char*> args;
    for (std::string& a : argv) {
        args.push_back(a.data());
    }
    args.push_back(nullptr);
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, 1, "/dev/null", O_WRONLY, 0);
    pid_t pid = 0;
    const int spawned = posix_spawnp(&pid, "mpg123", &actions, nullptr, args.data(), environ);
    posix_spawn_file_actions_destroy(&actions);
    if (spawned != 0) {
        return -1;
    }
    int status = 0;
    rusage usage{};
    if (wait4(pid, &status, 0, &usage) < 0 || !WIFEXITED(status) || WEXITSTATUS(status) != 0) {
        return -1;
    }
    return Seconds(usage.ru_utime) + Seconds(usage.ru_stime);
}

double EngineCpu(const std::string& path) {
    ScriptedWaveOutDevice device(ScriptedWaveOutDevice::Mode::Immediate);
    device.SetRecording(false);
    Mp3Engine engine(device);
    if (engine.OpenMp3File(path, 10000, 0, 0) != 1) {
        return -1;
    }
    const double before = ProcessCpu();
    engine.Play();
    device.WaitForCloses(1);
    return ProcessCpu() - before;
}

void BM_EngineAgainstMpg123(benchmark::State& state) {
    const std::string& path = LongFile();
    double engine = 0;
    double reference = 0;
    for (auto _ : state) {
        const double e = EngineCpu(path);
        const double r = Mpg123Cpu(path);
        if (e < 0 || r < 0) {
            state.SkipWithError("decoding failed");
            return;
        }
        engine += e;
        reference += r;
    }
    state.counters["engine_cpu_s"] = engine / state.iterations();
    state.counters["mpg123_cpu_s"] = reference / state.iterations();
    state.counters["cpu_ratio"] = reference > 0 ? engine / reference : 0;
}
BENCHMARK(BM_EngineAgainstMpg123)->Iterations(5)->Unit(benchmark::kMillisecond);

// Real-time playing on a device that holds each buffer for its duration: the worker
// must sleep between refills, so the process CPU is a small share of the wall time.
void BM_PacedPlayback(benchmark::State& state) {
    const std::string& path = ShortFile();
    double cpu = 0;
    double wall = 0;
    for (auto _ : state) {
        ScriptedWaveOutDevice device(ScriptedWaveOutDevice::Mode::Paced);
        device.SetRecording(false);
        Mp3Engine engine(device);
        if (engine.OpenMp3File(path, 1000, 0, 0) != 1) {
            state.SkipWithError("open failed");
            return;
        }
        const auto start = std::chrono::steady_clock::now();
        const double before = ProcessCpu();
        engine.Play();
        device.WaitForCloses(1);
        cpu += ProcessCpu() - before;
        wall += std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    }
    state.counters["cpu_s"] = cpu / state.iterations();
    state.counters["wall_s"] = wall / state.iterations();
    state.counters["cpu_share_pct"] = wall > 0 ? 100.0 * cpu / wall : 0;
}
BENCHMARK(BM_PacedPlayback)->Iterations(1)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
