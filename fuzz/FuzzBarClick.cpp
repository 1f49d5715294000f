// A bar button with an arbitrary label and link, clicked, then a tick at an arbitrary time:
// whatever the bytes, nothing crashes, the display never gets more than it can show, and only
// links that the routing gives to the shell are opened.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>

#include "launcher/bar/BarController.h"
#include "launcher/bar/TextRules.h"
#include "tests/support/BarFakes.h"
#include "tests/support/FakePorts.h"

using namespace quivlane;
using namespace quivlane::test;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size < 4) {
        return 0;
    }
    const std::uint8_t flags = data[0];
    const std::string rest(reinterpret_cast<const char*>(data + 4), size - 4);
    const std::size_t cut = rest.find('\n');
    const std::string label = rest.substr(0, cut);
    const std::string link = cut == std::string::npos ? std::string() : rest.substr(cut + 1);

    RecordingBarView view;
    MapSettingsStore settings;
    ManualClock clock;
    RecordingShell shell;
    RecordingSound sound;
    RecordingPower power;
    ScriptedMessageBoxes boxes;
    ScriptedAlarm alarm;
    alarm.answer = flags & 1 ? "ANNULEE" : link.substr(0, 5);
    settings.values[{"PARAMETRES", "SON"}] = flags & 2 ? "OUI" : "NON";
    settings.values[{"PARAMETRES", "HORLOGE"}] = flags & 4 ? "OUI" : "NON";
    settings.values[{"BOUTON1", "TEXTE"}] = label;
    settings.values[{"BOUTON1", "LIEN"}] = link;
    BarController bar(view, settings, BarPorts{clock, shell, sound, power, boxes});
    bar.SetFeatures({nullptr, nullptr, &alarm, nullptr});
    bar.StartUp("/fuzz/Quivlane.xml");
    clock.Set({2000 + data[1] % 40, 1 + data[2] % 12, 1 + data[3] % 28, data[1] % 24, data[2] % 60,
               data[3] % 60});
    bar.OnButtonClicked(1000);
    bar.OnTimer(BarController::kTickTimerId);
    bar.OnTimer(BarController::kTickTimerId);

    for (const std::string& text : view.painted) {
        // Greetings scroll and may be longer; nothing else is.
        if (TextRules::CharacterCount(text) > TextRules::kDisplayCells &&
            !text.starts_with("QUIVLANE VOUS SOUHAITE")) {
            std::abort();
        }
    }
    for (const RecordingShell::Request& request : shell.requests) {
        if (request.kind == "open" && !BarController::GoesToShell(request.target)) {
            std::abort();
        }
    }
    return 0;
}
