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

const std::string kRundll = "rundll32.exe";
const std::string kExplorer = "explorer.exe";
const std::string kCmd = "cmd.exe";

std::vector<HostCommandRow> BuildRows() {
    return {
        {"qvlmg.exe",
         "",
         {HostCommand{{"qvlmg"}, {}, {}, true}, Run({"qvlmg"}), Run({"kmag"}), Run({"magnus"})}},
        {kRundll, "SHELL32.DLL,Control_RunDLL desk.cpl,,0",
         SettingsPage("display", "kcm_kscreen", "xfce4-display-settings")},
        {kRundll, "shell32,Control_RunDLL  main.cpl,,0",
         SettingsPage("mouse", "kcm_mouse", "xfce4-mouse-settings")},
        {kRundll, "shell32,Control_RunDLL  main.cpl,@1,0",
         SettingsPage("keyboard", "kcm_keyboard", "xfce4-keyboard-settings")},
        {"sndvol32", "",
         FirstOf({{"pavucontrol"},
                  {"pavucontrol-qt"},
                  {"gnome-control-center", "sound"},
                  {"systemsettings", "kcm_pulseaudio"}})},
        {kExplorer, " ::{2227A280-3AEA-1069-A2DE-08002B30309D}",
         FirstOf({{"system-config-printer"},
                  {"gnome-control-center", "printers"},
                  {"systemsettings", "kcm_printer_manager"}})},
        {kExplorer, " ::{645FF040-5081-101B-9F08-00AA002F954E}",
         FirstOf({{"xdg-open", "trash:///"}, {"gio", "open", "trash:///"}})},
        // The computer's own drives and folders: the file manager at the root.
        {kExplorer, " ::{20D04FE0-3AEA-1069-A2D8-08002B30309D}",
         FirstOf({{"xdg-open", "/"}, {"gio", "open", "/"}})},
        {kRundll, "shell32,Control_RunDLL ,,0",
         FirstOf({{"gnome-control-center"},
                  {"systemsettings"},
                  {"systemsettings5"},
                  {"xfce4-settings-manager"}})},
        {kRundll, "shell32,Control_RunDLL  access.cpl,,0",
         SettingsPage("universal-access", "kcm_access", "xfce4-accessibility-settings")},
        {kRundll, "shell32,Control_RunDLL  appwiz.cpl,,0",
         FirstOf({{"gnome-software"}, {"plasma-discover"}})},
        {kRundll, "shell32,Control_RunDLL  inetcpl.cpl,,0",
         FirstOf({{"gnome-control-center", "network"}, {"systemsettings", "kcm_proxy"}})},
        {kRundll, "shell32,Control_RunDLL  intl.cpl,,0",
         SettingsPage("region", "kcm_regionandlang", "")},
        {kRundll, "shell32,Control_RunDLL  joy.cpl,,0",
         FirstOf({{"jstest-gtk"}, {"systemsettings", "kcm_gamecontroller"}})},
        {kRundll, "shell32,Control_RunDLL  mmsys.cpl,,0",
         FirstOf({{"gnome-control-center", "sound"},
                  {"systemsettings", "kcm_pulseaudio"},
                  {"pavucontrol"},
                  {"pavucontrol-qt"}})},
        {kRundll, "shell32,Control_RunDLL  ncpa.cpl,,0",
         FirstOf({{"gnome-control-center", "network"},
                  {"systemsettings", "kcm_networkmanagement"},
                  {"nm-connection-editor"}})},
        {kRundll, "shell32,Control_RunDLL  nusrmgr.cpl,,0",
         FirstOf({{"gnome-control-center", "user-accounts"},
                  {"systemsettings", "kcm_users"},
                  {"users-admin"}})},
        // No desktop ships an ODBC manager; the row exists so the keyword is known.
        {kRundll, "shell32,Control_RunDLL  odbccp32.cpl,,0", {}},
        {kRundll, "shell32,Control_RunDLL  powercfg.cpl,,0",
         SettingsPage("power", "kcm_powerdevilprofilesconfig", "xfce4-power-manager-settings")},
        {kRundll, "shell32,Control_RunDLL  sysdm.cpl,,0",
         FirstOf({{"gnome-control-center", "info-overview"},
                  {"kinfocenter"},
                  {"systemsettings", "kcm_about-distro"}})},
        {kRundll, "shell32,Control_RunDLL  telephon.cpl,,0", FirstOf({{"modem-manager-gui"}})},
        {kRundll, "shell32,Control_RunDLL  wuaucpl.cpl,,0",
         FirstOf({{"update-manager"},
                  {"gnome-software", "--mode=updates"},
                  {"plasma-discover", "--mode", "update"}})},
        {kCmd, "/K CD \\", ConsoleAtRoot()},
        {kCmd, "/K ipconfig.exe", TerminalShowing({"ip", "address"})},
        {kCmd, "/K ipconfig.exe /ALL", TerminalShowing({"ip", "-details", "address"})},
        {"calc.exe", "",
         FirstOf({{"gnome-calculator"}, {"kcalc"}, {"galculator"}, {"mate-calc"}, {"xcalc"}})},
        {"notepad.exe", "",
         FirstOf(
             {{"gnome-text-editor"}, {"gedit"}, {"kwrite"}, {"mousepad"}, {"pluma"}, {"xedit"}})},
        // What starts with the session.
        {"msconfig.exe", "",
         FirstOf({{"gnome-session-properties"},
                  {"systemsettings", "kcm_autostart"},
                  {"xfce4-session-settings"}})},
        {"regedit.exe", "", FirstOf({{"dconf-editor"}})},
        {kRundll, "shell32,Control_RunDLL  timedate.cpl,,0",
         SettingsPage("datetime", "kcm_clock", "")},
        // Safe removal of a USB key: the disk tool can power a drive off.
        {kRundll, "shell32, Control_RunDLLA hotplug.dll,,0", FirstOf({{"gnome-disks"}})},
    };
}

}  // namespace

const std::vector<HostCommandRow>& HostCommands::Rows() {
    static const std::vector<HostCommandRow> rows = BuildRows();
    return rows;
}

const HostCommandRow* HostCommands::Find(const std::string& program,
                                         const std::string& parameters) {
    for (const HostCommandRow& row : Rows()) {
        if (row.program == program && row.parameters == parameters) {
            return &row;
        }
    }
    return nullptr;
}

std::vector<HostCommand> HostCommands::Candidates(const std::string& program,
                                                  const std::string& parameters) {
    const HostCommandRow* row = Find(program, parameters);
    return row != nullptr ? row->candidates : std::vector<HostCommand>();
}

}  // namespace quivlane
