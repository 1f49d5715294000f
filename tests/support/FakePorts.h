#pragma once

#include <deque>
#include <string>
#include <vector>

#include "platform/audio/Sound.h"
#include "platform/clock/Clock.h"
#include "platform/dialogs/MessageBoxes.h"
#include "platform/power/Power.h"
#include "platform/shell/Shell.h"

namespace quivlane::test {

// A clock that only moves when told to; waits are recorded and advance it.
class ManualClock final : public Clock {
  public:
    LocalTime Now() const override { return now_; }
    void Wait(int milliseconds) override;
    void Set(const LocalTime& now) { now_ = now; }
    void AdvanceSeconds(int seconds);

    std::vector<int> waits;

  private:
    LocalTime now_{};
    int pendingMs_ = 0;
};

class RecordingShell final : public Shell {
  public:
    struct Request {
        std::string kind;  // "open", "browser" or "start"
        std::string target;
        std::string parameters;
        bool operator==(const Request&) const = default;
    };
    bool Open(const std::string& target) override;
    bool OpenInBrowser(const std::string& address) override;
    bool Start(const std::string& program, const std::string& parameters) override;

    std::vector<Request> requests;
    bool result = true;
};

class RecordingSound final : public Sound {
  public:
    struct BeepCall {
        int frequencyHz;
        int durationMs;
        bool operator==(const BeepCall&) const = default;
    };
    void Beep(int frequencyHz, int durationMs) override;
    bool PlayWaveAsync(const std::string& path) override;

    std::vector<BeepCall> beeps;
    std::vector<std::string> waves;
    bool waveResult = true;
};

class RecordingPower final : public Power {
  public:
    bool ShutDown() override;
    int shutDowns = 0;
    bool result = true;
};

// Records every box; questions take their answers from a queue (No when it runs dry).
class ScriptedMessageBoxes final : public MessageBoxes {
  public:
    struct Box {
        std::string text;
        std::string caption;
        bool question;
    };
    void Show(const std::string& text, const std::string& caption, MessageIcon icon) override;
    bool AskYesNo(const std::string& text, const std::string& caption, MessageIcon icon) override;

    std::vector<Box> boxes;
    std::deque<bool> answers;
};

}  // namespace quivlane::test
