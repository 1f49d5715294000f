#include "platform/shell/HostCommands.h"

#include <utility>

namespace quivlane {

namespace {

using Argv = std::vector<std::string>;

HostCommand Run(Argv argv) {
    return HostCommand{std::move(argv), {}, {}, false};
}

// A settings page: the GNOME panel, the Plasma module, then the Xfce tool (any may be empty).
std::vector<HostCommand> SettingsPage(const std::string& gnomePanel, const std::string& kcm,
                                      const std::string& xfceTool) {
    std::vector<HostCommand> list;
    Argv gnome{"gnome-control-center"};
    if (!gnomePanel.empty()) {
        gnome.push_back(gnomePanel);
    }
    list.push_back(Run(gnome));
    if (!kcm.empty()) {
        list.push_back(Run({"systemsettings", kcm}));
        list.push_back(Run({"systemsettings5", kcm}));
    } else {
        list.push_back(Run({"systemsettings"}));
        list.push_back(Run({"systemsettings5"}));
    }
    if (!xfceTool.empty()) {
        list.push_back(Run({xfceTool}));
    }
    return list;
}

// A terminal that shows the output of `command` and stays open, as "cmd /K" does. Terminals
// without a hold option run it under watch, which keeps the window up and the text current.
std::vector<HostCommand> TerminalShowing(const Argv& command) {
    Argv watched{"watch", "-x"};
    watched.insert(watched.end(), command.begin(), command.end());
    auto with = [](Argv head, const Argv& tail) {
        head.insert(head.end(), tail.begin(), tail.end());
        return head;
    };
    const std::string& tool = command.front();
    return {
        HostCommand{with({"x-terminal-emulator", "-e"}, watched), {"watch", tool}, {}, false},
        HostCommand{with({"gnome-terminal", "--"}, watched), {"watch", tool}, {}, false},
        HostCommand{with({"konsole", "--hold", "-e"}, command), {tool}, {}, false},
        HostCommand{with({"xfce4-terminal", "--hold", "-x"}, command), {tool}, {}, false},
        HostCommand{with({"xterm", "-hold", "-e"}, command), {tool}, {}, false},
    };
}

std::vector<HostCommand> ConsoleAtRoot() {
    std::vector<HostCommand> list;
    for (const char* terminal :
         {"x-terminal-emulator", "gnome-terminal", "konsole", "xfce4-terminal", "xterm"}) {
        list.push_back(HostCommand{{terminal}, {}, "/", false});
    }
    return list;
}

std::vector<HostCommand> FirstOf(std::initializer_list<Argv> commands) {
    std::vector<HostCommand> list;
    for (const Argv& argv : commands) {
        list.push_back(Run(argv));
    }
    return list;
}

using P = KeywordPrograms;

std::vector<HostCommandRow> BuildRows() {
    return {
        {P::kMagnifier,
         {HostCommand{{"qvlmg"}, {}, {}, true}, Run({"qvlmg"}), Run({"kmag"}), Run({"magnus"})}},
        {P::kDisplay, SettingsPage("display", "kcm_kscreen", "xfce4-display-settings")},
        {P::kMouse, SettingsPage("mouse", "kcm_mouse", "xfce4-mouse-settings")},
        {P::kKeyboard, SettingsPage("keyboard", "kcm_keyboard", "xfce4-keyboard-settings")},
        {P::kVolume, FirstOf({{"pavucontrol"},
                              {"pavucontrol-qt"},
                              {"gnome-control-center", "sound"},
                              {"systemsettings", "kcm_pulseaudio"}})},
        {P::kPrinters, FirstOf({{"system-config-printer"},
                                {"gnome-control-center", "printers"},
                                {"systemsettings", "kcm_printer_manager"}})},
        {P::kRecycleBin, FirstOf({{"xdg-open", "trash:///"}, {"gio", "open", "trash:///"}})},
        // The computer's own drives and folders: the file manager at the root.
        {P::kMyComputer, FirstOf({{"xdg-open", "/"}, {"gio", "open", "/"}})},
        {P::kControlPanel, FirstOf({{"gnome-control-center"},
                                    {"systemsettings"},
                                    {"systemsettings5"},
                                    {"xfce4-settings-manager"}})},
        {P::kAccessibility,
         SettingsPage("universal-access", "kcm_access", "xfce4-accessibility-settings")},
        {P::kPrograms, FirstOf({{"gnome-software"}, {"plasma-discover"}})},
        {P::kInternet,
         FirstOf({{"gnome-control-center", "network"}, {"systemsettings", "kcm_proxy"}})},
        {P::kRegion, SettingsPage("region", "kcm_regionandlang", "")},
        {P::kJoysticks, FirstOf({{"jstest-gtk"}, {"systemsettings", "kcm_gamecontroller"}})},
        {P::kSounds, FirstOf({{"gnome-control-center", "sound"},
                              {"systemsettings", "kcm_pulseaudio"},
                              {"pavucontrol"},
                              {"pavucontrol-qt"}})},
        {P::kNetwork, FirstOf({{"gnome-control-center", "network"},
                               {"systemsettings", "kcm_networkmanagement"},
                               {"nm-connection-editor"}})},
        {P::kUsers, FirstOf({{"gnome-control-center", "user-accounts"},
                             {"systemsettings", "kcm_users"},
                             {"users-admin"}})},
        // No desktop ships an ODBC manager; the row exists so the keyword is known.
        {P::kOdbc, {}},
        {P::kPower,
         SettingsPage("power", "kcm_powerdevilprofilesconfig", "xfce4-power-manager-settings")},
        {P::kSystem, FirstOf({{"gnome-control-center", "info-overview"},
                              {"kinfocenter"},
                              {"systemsettings", "kcm_about-distro"}})},
        {P::kModems, FirstOf({{"modem-manager-gui"}})},
        {P::kUpdates, FirstOf({{"update-manager"},
                               {"gnome-software", "--mode=updates"},
                               {"plasma-discover", "--mode", "update"}})},
        {P::kConsole, ConsoleAtRoot()},
        {P::kIpAddress, TerminalShowing({"ip", "address"})},
        {P::kIpDetails, TerminalShowing({"ip", "-details", "address"})},
        {P::kCalculator,
         FirstOf({{"gnome-calculator"}, {"kcalc"}, {"galculator"}, {"mate-calc"}, {"xcalc"}})},
        {P::kNotepad,
         FirstOf(
             {{"gnome-text-editor"}, {"gedit"}, {"kwrite"}, {"mousepad"}, {"pluma"}, {"xedit"}})},
        // What starts with the session.
        {P::kStartupTool, FirstOf({{"gnome-session-properties"},
                                   {"systemsettings", "kcm_autostart"},
                                   {"xfce4-session-settings"}})},
        {P::kRegistryEditor, FirstOf({{"dconf-editor"}})},
        {P::kDateTime, SettingsPage("datetime", "kcm_clock", "")},
        // Safe removal of a USB key: the disk tool can power a drive off.
        {P::kUsbRemoval, FirstOf({{"gnome-disks"}})},
    };
}

}  // namespace

const std::vector<HostCommandRow>& HostCommands::Rows() {
    static const std::vector<HostCommandRow> rows = BuildRows();
    return rows;
}

const HostCommandRow* HostCommands::Find(std::string_view program, std::string_view parameters) {
    for (const HostCommandRow& row : Rows()) {
        if (row.call == ProgramCall{program, parameters}) {
            return &row;
        }
    }
    return nullptr;
}

std::vector<HostCommand> HostCommands::Candidates(std::string_view program,
                                                  std::string_view parameters) {
    const HostCommandRow* row = Find(program, parameters);
    return row != nullptr ? row->candidates : std::vector<HostCommand>();
}

}  // namespace quivlane
