#include "launcher/bar/BarController.h"

#include <cstdio>

#include "config/ConfigPaths.h"
#include "config/LabelColour.h"
#include "config/LinkFormats.h"
#include "config/LinkKeywords.h"
#include "launcher/bar/KeywordTable.h"
#include "launcher/bar/TextRules.h"

namespace quivlane {

namespace {

constexpr Rgb kUnlit{50, 60, 80};
constexpr Rgb kMessageLit{100, 255, 255};
constexpr Rgb kClickLit{255, 60, 0};
constexpr Rgb kFarewellLit{239, 224, 80};
constexpr Rgb kQuitCaption{255, 0, 0};

constexpr std::string_view kCdKeyword = LinkKeywords::kLecteurCd;
constexpr std::string_view kHideKeyword = LinkKeywords::kCacherQuivlane;

constexpr int kFirstPlayerCommand = 32771;
constexpr int kLastPlayerCommand = 32788;

std::string Replaced(std::string text, char from, char to) {
    for (char& c : text) {
        if (c == from) {
            c = to;
        }
    }
    return text;
}

std::string TwoDigits(int value) {
    char buffer[8];
    std::snprintf(buffer, sizeof buffer, "%02d", value);
    return buffer;
}

}  // namespace

BarController::BarController(BarView& view, SettingsStore& settings, BarPorts ports)
    : view_(view), settings_(settings), ports_(ports) {}

void BarController::StartUp(const std::string& configPath) {
    configPath_ = configPath;
    players_ = PlayerState{};
    closed_ = false;

    const LauncherConfig file =
        ReadLauncherConfig(settings_, configPath_, std::string(kHideKeyword));
    switches_ = file.settings;
    buttons_ = file.buttons;

    for (ButtonAlarm& alarm : alarms_) {
        alarm.rung = false;
    }

    for (int index = 0; index < kButtonCount; ++index) {
        const int id = kFirstButtonId + index;
        const ButtonSettings& button = buttons_[index];
        alarms_[index].time = LinkFormats::AlarmTime(button.link);
        SetCaption(index, button.label);
        view_.SetButtonCaptionColour(id, CaptionColour(button.colourName));
        if (!alarms_[index].time.empty()) {
            SetCaption(index, "ALRM " + Replaced(alarms_[index].time, ';', ':'));
        }
        if (switches_.tooltipsOn && !button.comment.empty() && features_.tooltips != nullptr) {
            features_.tooltips->AddTool(id, "<h1>" + button.comment + "</h1>");
        }
    }

    view_.SetButtonCaptionColour(kQuitButtonId, kQuitCaption);
    view_.SetQuitButtonVisible(switches_.quitButtonShown);
    if (switches_.tooltipsOn && features_.tooltips != nullptr) {
        features_.tooltips->AddTool(kQuitButtonId, "<h1>Quitter le programme</h1>");
    }

    hasTrayIcon_ = file.hideButtonId != -1;
    if (hasTrayIcon_) {
        if (features_.tray != nullptr) {
            features_.tray->Create();
        }
        hidden_ = false;
    }

    view_.SetDisplayColours(kBlack, kMessageLit, kUnlit);
    view_.SetDisplayText("  Quivlane  ");
    view_.PaintDisplayNow();

    autoHideState_ = AutoHideState::Shown;
    if (switches_.autoHideOn) {
        view_.StartTimer(kFadeTimerId, kFadePeriodMs);
    }
    view_.StartTimer(kTickTimerId, kTickPeriodMs);
}

void BarController::SetCaption(int index, const std::string& caption) {
    captions_[index] = caption;
    view_.SetButtonCaption(kFirstButtonId + index, caption);
}

void BarController::OnButtonClicked(int id) {
    if (closed_ || id < kFirstButtonId || id > kLastButtonId) {
        return;
    }
    const int index = id - kFirstButtonId;
    lastClickedId_ = id;
    view_.StopDisplayScroll();

    const ButtonSettings& button = buttons_[index];
    if (button.link.empty() || button.label.empty()) {
        if (switches_.soundOn) {
            ports_.sound.Beep(100, 150);
        }
        return;
    }
    if (switches_.soundOn) {
        ports_.sound.Beep(200, 100);
    }

    const std::string centred = TextRules::CentreCaption(TextRules::FoldAccents(captions_[index]));

    view_.SetLight(BarLight::Action, LightState::BrightRed);
    view_.SetDisplayColours(kBlack, kClickLit, kUnlit);
    view_.SetDisplayText("Patientez ... ");
    view_.PaintDisplayNow();
    if (switches_.clockOn) {
        view_.StopTimer(kTickTimerId);
    }

    // Copied: the alarm dialog's answer may rewrite the button while we still need the link.
    const std::string link = button.link;
    const bool isMp3 = LinkFormats::IsMp3Link(link);
    const bool isAlarm = LinkFormats::IsAlarmLink(link);

    if (GoesToShell(link)) {
        if (!isMp3 && !isAlarm) {
            ports_.shell.Open(link);
        }
    } else {
        if (isMp3) {
            players_.mp3Folder = LinkFormats::Mp3Folder(link);
            if (features_.players != nullptr) {
                features_.players->OpenMp3Menu(id, players_);
            }
        }
        if (link == kCdKeyword && features_.players != nullptr) {
            features_.players->OpenCdMenu(id, players_);
        }
        std::string alarmResult;
        DispatchKeyword(link, id, alarmResult);
        if (alarmResult == "ANNULEE") {
            alarms_[index].time.clear();
            SetCaption(index, "ALARME");
        } else if (!alarmResult.empty()) {
            alarms_[index].time = alarmResult;
            SetCaption(index, "ALRM " + alarmResult);
        }
    }

    if (!isMp3 && !isAlarm && link != kCdKeyword && link != kHideKeyword) {
        ports_.clock.Wait(1000);
        ShowMessage(centred);
    }
    if (switches_.clockOn) {
        ports_.clock.Wait(1000);
        view_.StartTimer(kTickTimerId, kTickPeriodMs);
    }
}

void BarController::DispatchKeyword(const std::string& link, int buttonId,
                                    std::string& alarmResult) {
    for (const KeywordRow& row : KeywordTable::Rows()) {
        if (!KeywordTable::Matches(row, link)) {
            continue;
        }
        switch (row.action) {
            case KeywordAction::AlarmDialog:
                if (features_.alarm != nullptr) {
                    alarmResult = features_.alarm->RunAlarmDialog(buttonId, configPath_);
                }
                break;
            case KeywordAction::HideToTray:
                if (!hidden_ && features_.tray != nullptr) {
                    hidden_ = features_.tray->MinimiseToTray();
                }
                break;
            case KeywordAction::StartProgram:
                ports_.shell.Start(std::string(row.program), std::string(row.parameters));
                break;
            case KeywordAction::UrlEntry: {
                const std::string address = view_.RunUrlEntryDialog();
                if (!address.empty() && address != "http://") {
                    ports_.shell.Open(address);
                }
                break;
            }
            case KeywordAction::AskShutDown:
                if (ports_.messageBoxes.AskYesNo("Voulez vous vraiment arrêter Windows ?",
                                                 "Quivlane", MessageIcon::Warning)) {
                    ShutDownComputer();
                }
                break;
            case KeywordAction::ShutDown:
                ShutDownComputer();
                break;
        }
    }
}

void BarController::ShutDownComputer() {
    // A refusal is silent by design: nothing to report on the bar.
    ports_.power.ShutDown();
}

void BarController::OnTimer(int id) {
    if (closed_) {
        return;
    }
    if (id == kFadeTimerId) {
        Fade();
    } else if (id == kTickTimerId) {
        Tick();
    }
}

void BarController::Fade() {
    switch (autoHideState_) {
        case AutoHideState::Shown:
            autoHideState_ = AutoHideState::Armed;
            break;
        case AutoHideState::Armed:
            view_.SetWindowAlpha(250);
            ports_.clock.Wait(100);
            view_.SetWindowAlpha(150);
            ports_.clock.Wait(100);
            view_.SetWindowAlpha(50);
            autoHideState_ = AutoHideState::Faded;
            break;
        case AutoHideState::Faded:
            break;
    }
}

void BarController::OnMouseMoveOverBar() {
    if (autoHideState_ != AutoHideState::Faded) {
        return;
    }
    view_.SetWindowAlpha(255);
    view_.SetColourKey(kColourKey);
    autoHideState_ = AutoHideState::Shown;
}

void BarController::Tick() {
    view_.SetLight(BarLight::Action, LightState::DarkRed);
    view_.SetLight(BarLight::Power, LightState::BrightRed);

    const LocalTime t = ports_.clock.Now();
    const std::string hh = TwoDigits(t.hour);
    const std::string mm = TwoDigits(t.minute);
    const std::string ss = TwoDigits(t.second);
    const std::string dd = TwoDigits(t.day);
    const std::string mo = TwoDigits(t.month);
    const std::string clockText = "   " + hh + ";" + mm + ";" + ss + "   ";
    const std::string minuteKey = dd + mo + hh + mm;
    const std::string secondKey = minuteKey + ss;
    const std::string alarmKey = hh + ":" + mm;

    for (ButtonAlarm& alarm : alarms_) {
        if (alarm.time == alarmKey) {
            if (!alarm.rung) {
                // The sound switch is not consulted: an alarm must be heard.
                // Beside the configuration in use, else the installed one; the working
                // folder's as a last resort.
                const std::string wave = ConfigPaths::FindDataFile(configPath_, "alarme.wav");
                ports_.sound.PlayWaveAsync(wave.empty() ? "alarme.wav" : wave);
                const std::string message = "ALARME ; " + Replaced(alarm.time, ':', ';');
                if (alarmWatcher_) {
                    const auto index = static_cast<std::size_t>(&alarm - alarms_.data());
                    alarmWatcher_(kFirstButtonId + static_cast<int>(index), buttons_[index].label,
                                  message);
                }
                ShowMessage(message);
                alarm.rung = true;
            }
        } else {
            alarm.rung = false;
        }
    }

    if (secondKey == "2902120000") {
        ShowGreeting("QUIVLANE VOUS SOUHAITE UNE BONNE ANNEE BISSEXTILE ");
    } else if (secondKey == "2512120000") {
        ShowGreeting("QUIVLANE VOUS SOUHAITE UN JOYEUX NOEL ");
    } else if (secondKey == "0101120000") {
        ShowGreeting("QUIVLANE VOUS SOUHAITE UNE TRES BONNE ANNEE ");
    }

    if (switches_.clockOn) {
        view_.SetDisplayColours(kBlack, ClockColour(t.hour), kUnlit);
        const bool greetingMinute =
            minuteKey == "29021200" || minuteKey == "25121200" || minuteKey == "01011200";
        if (!greetingMinute) {
            view_.SetLight(BarLight::Action, LightState::DarkRed);
            view_.StopDisplayScroll();
            view_.SetDisplayText(clockText);
            view_.PaintDisplayNow();
        }
    }

    if (features_.players != nullptr) {
        features_.players->Tick(players_);
    }
}

void BarController::ShowMessage(const std::string& text) {
    if (TextRules::CharacterCount(text) > TextRules::kDisplayCells) {
        return;
    }
    view_.SetDisplayColours(kBlack, kMessageLit, kUnlit);
    view_.SetDisplayText(TextRules::CentreCaption(text));
    view_.PaintDisplayNow();
    ports_.clock.Wait(1000);
}

void BarController::ShowGreeting(const std::string& text) {
    view_.SetLight(BarLight::Action, LightState::BrightGreen);
    // Greetings beep whatever the sound switch says.
    ports_.sound.Beep(100, 100);
    view_.SetDisplayText(text);
    view_.PaintDisplayNow();
    view_.StartDisplayScroll(300, 0);
}

int BarController::FindButtonWithLink(const std::string& text, int firstId) {
    return quivlane::FindButtonWithLink(settings_, configPath_, text, firstId);
}

void BarController::OnMenuCommand(int command) {
    if (closed_) {
        return;
    }
    if (command == kMenuQuitBar) {
        FarewellAndQuit();
    } else if (command == kMenuShowBar) {
        if (hidden_ && features_.tray != nullptr) {
            features_.tray->RestoreFromTray();
            hidden_ = false;
        }
    } else if (command >= kFirstPlayerCommand && command <= kLastPlayerCommand) {
        if (features_.players != nullptr) {
            features_.players->OnMenuCommand(command, players_);
        }
    }
}

void BarController::RunMenuUnderButton(int buttonId, const std::vector<MenuEntry>& entries) {
    const int command = view_.ShowMenuUnderButton(buttonId, entries);
    if (command != 0) {
        view_.PostCommand(command);
    }
}

void BarController::ReleaseTray() {
    if (hasTrayIcon_ && features_.tray != nullptr) {
        features_.tray->Remove();
    }
    hasTrayIcon_ = false;
}

void BarController::FarewellAndQuit() {
    view_.SetLight(BarLight::Power, LightState::DarkRed);
    view_.SetDisplayColours(kBlack, kFarewellLit, kUnlit);
    view_.SetDisplayText("  Au revoir !   ");
    view_.PaintDisplayNow();
    ports_.clock.Wait(1000);
    if (features_.players != nullptr) {
        features_.players->StopCd(players_);
    }
    ReleaseTray();
    closed_ = true;
    view_.EndBar(true);
}

void BarController::ReleaseOnClose() {
    if (closed_) {
        return;
    }
    players_.mp3Paths.clear();
    if (features_.players != nullptr) {
        features_.players->ReleaseAll(players_);
    }
    buttons_.fill(ButtonSettings{});
    ReleaseTray();
    // Timers may still deliver an event before the loop ends; the slots are gone by then.
    closed_ = true;
}

void BarController::OnDestroy() {
    view_.SetLight(BarLight::Power, LightState::DarkRed);
}

Rgb BarController::CaptionColour(const std::string& colourName) {
    return LabelColourFromName(colourName);
}

Rgb BarController::ClockColour(int hour) {
    if (hour < 8) {
        return {255, 0, 0};
    }
    if (hour < 16) {
        return {100, 200, 255};
    }
    return {0, 255, 0};
}

bool BarController::GoesToShell(const std::string& link) {
    // "/" separates paths here as the backslash does on the original host.
    const bool hasSeparator =
        link.find('\\') != std::string::npos || link.find('/') != std::string::npos;
    const bool mp3 = LinkFormats::IsMp3Link(link);
    if (hasSeparator && !mp3) {
        return true;
    }
    return link.find(':') != std::string::npos && !mp3 && !LinkFormats::IsAlarmLink(link);
}

}  // namespace quivlane
