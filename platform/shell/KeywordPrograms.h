#pragma once

#include <string_view>

namespace quivlane {

// A program and its parameter string as one of the bar's keywords starts it.
struct ProgramCall {
    std::string_view program;
    std::string_view parameters;

    friend constexpr bool operator==(const ProgramCall&, const ProgramCall&) = default;
};

// The programs the bar's keywords start, written once: the keyword table hands them to the
// Shell and the host table finds its equivalents by them, byte for byte. They stay as the
// Windows originals list them (double blanks included).
struct KeywordPrograms {
    static constexpr std::string_view kRundll = "rundll32.exe";
    static constexpr std::string_view kExplorer = "explorer.exe";
    static constexpr std::string_view kCmd = "cmd.exe";

    static constexpr ProgramCall kMagnifier{"qvlmg.exe", ""};
    static constexpr ProgramCall kDisplay{kRundll, "SHELL32.DLL,Control_RunDLL desk.cpl,,0"};
    static constexpr ProgramCall kMouse{kRundll, "shell32,Control_RunDLL  main.cpl,,0"};
    static constexpr ProgramCall kKeyboard{kRundll, "shell32,Control_RunDLL  main.cpl,@1,0"};
    static constexpr ProgramCall kVolume{"sndvol32", ""};
    static constexpr ProgramCall kPrinters{kExplorer, " ::{2227A280-3AEA-1069-A2DE-08002B30309D}"};
    static constexpr ProgramCall kRecycleBin{kExplorer,
                                             " ::{645FF040-5081-101B-9F08-00AA002F954E}"};
    static constexpr ProgramCall kMyComputer{kExplorer,
                                             " ::{20D04FE0-3AEA-1069-A2D8-08002B30309D}"};
    static constexpr ProgramCall kControlPanel{kRundll, "shell32,Control_RunDLL ,,0"};
    static constexpr ProgramCall kAccessibility{kRundll, "shell32,Control_RunDLL  access.cpl,,0"};
    static constexpr ProgramCall kPrograms{kRundll, "shell32,Control_RunDLL  appwiz.cpl,,0"};
    static constexpr ProgramCall kInternet{kRundll, "shell32,Control_RunDLL  inetcpl.cpl,,0"};
    static constexpr ProgramCall kRegion{kRundll, "shell32,Control_RunDLL  intl.cpl,,0"};
    static constexpr ProgramCall kJoysticks{kRundll, "shell32,Control_RunDLL  joy.cpl,,0"};
    static constexpr ProgramCall kSounds{kRundll, "shell32,Control_RunDLL  mmsys.cpl,,0"};
    static constexpr ProgramCall kNetwork{kRundll, "shell32,Control_RunDLL  ncpa.cpl,,0"};
    static constexpr ProgramCall kUsers{kRundll, "shell32,Control_RunDLL  nusrmgr.cpl,,0"};
    static constexpr ProgramCall kOdbc{kRundll, "shell32,Control_RunDLL  odbccp32.cpl,,0"};
    static constexpr ProgramCall kPower{kRundll, "shell32,Control_RunDLL  powercfg.cpl,,0"};
    static constexpr ProgramCall kSystem{kRundll, "shell32,Control_RunDLL  sysdm.cpl,,0"};
    static constexpr ProgramCall kModems{kRundll, "shell32,Control_RunDLL  telephon.cpl,,0"};
    static constexpr ProgramCall kUpdates{kRundll, "shell32,Control_RunDLL  wuaucpl.cpl,,0"};
    // The console opens at the root of the current drive: "/K" and "CD \" joined by a blank.
    static constexpr ProgramCall kConsole{kCmd, "/K CD \\"};
    static constexpr ProgramCall kIpAddress{kCmd, "/K ipconfig.exe"};
    static constexpr ProgramCall kIpDetails{kCmd, "/K ipconfig.exe /ALL"};
    static constexpr ProgramCall kCalculator{"calc.exe", ""};
    static constexpr ProgramCall kNotepad{"notepad.exe", ""};
    static constexpr ProgramCall kStartupTool{"msconfig.exe", ""};
    static constexpr ProgramCall kRegistryEditor{"regedit.exe", ""};
    static constexpr ProgramCall kDateTime{kRundll, "shell32,Control_RunDLL  timedate.cpl,,0"};
    static constexpr ProgramCall kUsbRemoval{kRundll, "shell32, Control_RunDLLA hotplug.dll,,0"};
};

}  // namespace quivlane
