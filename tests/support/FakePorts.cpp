#include "tests/support/FakePorts.h"

#include <ctime>

namespace quivlane::test {

void ManualClock::Wait(int milliseconds) {
    waits.push_back(milliseconds);
    pendingMs_ += milliseconds;
    AdvanceSeconds(pendingMs_ / 1000);
    pendingMs_ %= 1000;
}

void ManualClock::AdvanceSeconds(int seconds) {
    if (seconds == 0) {
        return;
    }
    std::tm t{};
    t.tm_year = now_.year - 1900;
    t.tm_mon = now_.month - 1;
    t.tm_mday = now_.day;
    t.tm_hour = now_.hour;
    t.tm_min = now_.minute;
    t.tm_sec = now_.second + seconds;
    // timegm normalises the fields without any time zone or daylight saving shifts.
    std::time_t flat = timegm(&t);
    std::tm out{};
    gmtime_r(&flat, &out);
    now_ = {out.tm_year + 1900, out.tm_mon + 1, out.tm_mday, out.tm_hour, out.tm_min, out.tm_sec};
}

bool RecordingShell::Open(const std::string& target) {
    requests.push_back({"open", target, ""});
    return result;
}

bool RecordingShell::OpenInBrowser(const std::string& address) {
    requests.push_back({"browser", address, ""});
    return result;
}

bool RecordingShell::Start(const std::string& program, const std::string& parameters) {
    requests.push_back({"start", program, parameters});
    return result;
}

void RecordingSound::Beep(int frequencyHz, int durationMs) {
    beeps.push_back({frequencyHz, durationMs});
}

bool RecordingSound::PlayWaveAsync(const std::string& path) {
    waves.push_back(path);
    return waveResult;
}

bool RecordingPower::ShutDown() {
    ++shutDowns;
    return result;
}

void ScriptedMessageBoxes::Show(const std::string& text, const std::string& caption,
                                MessageIcon /*icon*/) {
    boxes.push_back({text, caption, false});
}

bool ScriptedMessageBoxes::AskYesNo(const std::string& text, const std::string& caption,
                                    MessageIcon /*icon*/) {
    boxes.push_back({text, caption, true});
    if (answers.empty()) {
        return false;
    }
    bool answer = answers.front();
    answers.pop_front();
    return answer;
}

}  // namespace quivlane::test
