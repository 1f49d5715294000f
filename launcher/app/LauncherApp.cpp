#include "launcher/app/LauncherApp.h"

#include <fcntl.h>
#include <signal.h>
#include <unistd.h>
#include <QEvent>
#include <QSocketNotifier>
#include <QTimer>
#include <QTranslator>

#include <array>
#include <cerrno>
#include <chrono>
#include <cstdio>
#include <ctime>
#include <memory>
#include <string_view>

#include "config/XmlSettingsStore.h"
#include "controls/QtTranslations.h"
#include "launcher/alarm/BarAlarm.h"
#include "launcher/app/BarRunLoop.h"
#include "launcher/bar/BarTooltips.h"
#include "launcher/bar/LauncherBar.h"
#include "launcher/bus/DesktopBus.h"
#include "launcher/players/BarPlayers.h"
#include "launcher/players/CdMenu.h"
#include "launcher/players/Mp3FolderPlayer.h"
#include "launcher/tray/BarTray.h"
#include "platform/audio/LazySound.h"
#include "platform/audio/SdlSound.h"
#include "platform/audio/SdlWaveOutDevice.h"
#include "platform/cd/CdioDrive.h"
#include "platform/cd/MciInterpreter.h"
#include "platform/clock/SystemClock.h"
#include "platform/dialogs/QtChoosers.h"
#include "platform/dialogs/QtMessageBoxes.h"
#include "platform/power/SystemdPower.h"
#include "platform/shell/XdgShell.h"

namespace quivlane {

namespace {

// A hook for the start-up benchmark: with QUIVLANE_EXIT_AFTER_SHOW=1 the bar prints
// a marker with the wall-clock time of its first paint (microseconds since the epoch, so a
// script can subtract its own start time) and ends at once, without the farewell.
class ExitAfterFirstPaint final : public QObject {
  public:
    explicit ExitAfterFirstPaint(LauncherBar& bar) : bar_(bar) {}

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (watched == &bar_ && event->type() == QEvent::Paint && !done_) {
            done_ = true;
            const auto now = std::chrono::duration_cast<std::chrono::microseconds>(
                std::chrono::system_clock::now().time_since_epoch());
            std::printf("quivlane: shown at %lld\n", static_cast<long long>(now.count()));
            std::fflush(stdout);
            QTimer::singleShot(0, &bar_, [this] { bar_.done(QDialog::Accepted); });
        }
        return false;
    }

  private:
    LauncherBar& bar_;
    bool done_ = false;
};

// SIGTERM and SIGINT end the bar the way its own close does (alarms and players released,
// the farewell shown): the handler only writes to a pipe, the event loop does the rest.
class TerminationSignals final {
  public:
    explicit TerminationSignals(LauncherBar& bar) {
        if (::pipe2(pipe_.data(), O_CLOEXEC | O_NONBLOCK) != 0) {
            pipe_ = {-1, -1};
            return;
        }
        writeEnd_ = pipe_[1];
        notifier_ = std::make_unique<QSocketNotifier>(pipe_[0], QSocketNotifier::Read);
        QObject::connect(notifier_.get(), &QSocketNotifier::activated, &bar, [this, &bar] {
            std::array<char, 16> drained{};
            while (::read(pipe_[0], drained.data(), drained.size()) > 0) {
            }
            if (!closing_) {
                closing_ = true;
                bar.reject();
            }
        });
        struct sigaction action {};
        action.sa_handler = &TerminationSignals::OnSignal;
        sigemptyset(&action.sa_mask);
        action.sa_flags = SA_RESTART;
        sigaction(SIGTERM, &action, &oldTerm_);
        sigaction(SIGINT, &action, &oldInt_);
    }
    ~TerminationSignals() {
        if (pipe_[0] < 0) {
            return;
        }
        sigaction(SIGTERM, &oldTerm_, nullptr);
        sigaction(SIGINT, &oldInt_, nullptr);
        writeEnd_ = -1;
        notifier_.reset();
        ::close(pipe_[0]);
        ::close(pipe_[1]);
    }
    TerminationSignals(const TerminationSignals&) = delete;
    TerminationSignals& operator=(const TerminationSignals&) = delete;

  private:
    static void OnSignal(int) {
        const int saved = errno;
        const char byte = 1;
        [[maybe_unused]] const ssize_t written = ::write(writeEnd_, &byte, 1);
        errno = saved;
    }

    static inline volatile sig_atomic_t writeEnd_ = -1;
    std::array<int, 2> pipe_{-1, -1};
    std::unique_ptr<QSocketNotifier> notifier_;
    struct sigaction oldTerm_ {};
    struct sigaction oldInt_ {};
    bool closing_ = false;
};

}  // namespace

void LauncherApp::ChooseWindowSystem(int argc, char* argv[]) {
    for (int i = 1; i < argc; ++i) {
        const std::string_view arg(argv[i]);
        if (arg == "-platform" || arg == "--platform") {
            return;
        }
    }
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM") && !qEnvironmentVariableIsEmpty("DISPLAY")) {
        qputenv("QT_QPA_PLATFORM", "xcb");
    }
}

int LauncherApp::Run(const std::string& programPath) {
    const auto qtTexts = QtTranslations::InstallFrench();
    SystemClock clock;
    XdgShell shell;
    LazySound sound([] { return std::make_unique<SdlSound>(); });
    SystemdPower power;
    QtMessageBoxes messageBoxes;
    XmlSettingsStore store(messageBoxes);

    LauncherBar bar(BarPorts{clock, shell, sound, power, messageBoxes}, store, programPath);
    FeaturePorts features;
    BarAlarm alarm(store, programPath.substr(0, programPath.rfind('/') + 1), &bar);
    features.alarm = &alarm;
    BarTray tray(bar, bar, clock);
    features.tray = &tray;
    // Audio opens only when a file plays.
    SdlWaveOutDevice waveOut;
    QtChoosers mp3Choosers(&bar);
    Mp3FolderPlayer mp3(bar.Controller(), store, waveOut, clock, mp3Choosers,
                        Mp3FolderPlayer::SeededRandom(static_cast<unsigned>(std::time(nullptr))));
    BarPlayers players(mp3);
    features.players = &players;
    MciInterpreter mci([](const std::string& element) -> std::unique_ptr<CdDrive> {
        return CdioDrive::Open(element);
    });
    QtChoosers cdChoosers(&bar);
    // The folder chooser has no status line for the initial text; it starts at the desktop.
    CdMenu cdMenu(
        bar, BarPorts{clock, shell, sound, power, messageBoxes}, mci,
        [&bar](const std::string& text) { bar.Controller().ShowMessage(text); },
        [&cdChoosers](const std::string& instruction, const std::string& /*initial*/) {
            return cdChoosers.ChooseFolder(instruction, std::string(), UserFolder::Desktop)
                .value_or(std::string());
        });
    players.SetCdMenu(&cdMenu);
    BarTooltips tooltips(bar, shell);
    features.tooltips = &tooltips;
    bar.SetFeatures(features);
    DesktopBus desktopBus(bar, bar.Controller(), mp3, players);
    ExitAfterFirstPaint measuring(bar);
    if (qEnvironmentVariable("QUIVLANE_EXIT_AFTER_SHOW") == QStringLiteral("1")) {
        bar.installEventFilter(&measuring);
    }
    TerminationSignals terminating(bar);
    bar.Start();
    // Not exec(): hiding the bar into the tray would end that loop.
    BarRunLoop::Run(bar);
    return 0;
}

}  // namespace quivlane
