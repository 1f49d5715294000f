#pragma once

#include <gtest/gtest.h>

#include <string>

#include "launcher/bar/BarController.h"
#include "tests/support/BarFakes.h"
#include "tests/support/FakePorts.h"

namespace quivlane::test {

class BarFixture : public ::testing::Test {
  protected:
    static constexpr const char* kConfigPath = "/opt/quivlane/Quivlane.xml";

    void Set(const std::string& section, const std::string& key, const std::string& value) {
        settings.values[{section, key}] = value;
    }
    void Button(int n, const std::string& label, const std::string& link,
                const std::string& colour = "NOIR", const std::string& comment = "") {
        const std::string record = "BOUTON" + std::to_string(n);
        Set(record, "TEXTE", label);
        Set(record, "LIEN", link);
        Set(record, "COULEURTEXTE", colour);
        Set(record, "COMMENTAIRE", comment);
    }
    // The file the editor writes when none exists: every element present and empty.
    void Skeleton() {
        for (const char* key :
             {"SON", "AUTOSTART", "BOUTONQUITTER", "TOOLTIPS", "AUTOHIDE", "HORLOGE"}) {
            Set("PARAMETRES", key, "");
        }
        for (int n = 1; n <= 19; ++n) {
            const std::string record = "BOUTON" + std::to_string(n);
            Set(record, "TEXTE", "");
            Set(record, "LIEN", "");
            Set(record, "COMMENTAIRE", "");
        }
    }
    void Start() {
        bar.SetFeatures({&players, &tray, &alarm, &tooltips});
        bar.StartUp(kConfigPath);
    }
    void At(int year, int month, int day, int hour, int minute, int second) {
        clock.Set({year, month, day, hour, minute, second});
    }
    void Tick() { bar.OnTimer(BarController::kTickTimerId); }

    RecordingBarView view;
    MapSettingsStore settings;
    ManualClock clock;
    RecordingShell shell;
    RecordingSound sound;
    RecordingPower power;
    ScriptedMessageBoxes boxes;
    RecordingPlayers players;
    RecordingTray tray;
    ScriptedAlarm alarm;
    RecordingTooltips tooltips;
    BarController bar{view, settings, BarPorts{clock, shell, sound, power, boxes}};
};

}  // namespace quivlane::test
