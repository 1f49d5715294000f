#include "launcher/bar/KeywordTable.h"

#include <array>

namespace quivlane {

namespace {

using enum KeywordAction;

constexpr std::string_view kRundll = "rundll32.exe";
constexpr std::string_view kExplorer = "explorer.exe";
constexpr std::string_view kCmd = "cmd.exe";

constexpr std::array kRows{
    KeywordRow{"DEFINIR_ALARME", AlarmDialog, "", ""},
    KeywordRow{"CACHER_QUIVLANE", HideToTray, "", ""},
    KeywordRow{"UTILISER_LA_LOUPE", StartProgram, "qvlmg.exe", ""},
    KeywordRow{"SAISIR_URL_SITE", UrlEntry, "", ""},
    KeywordRow{"PARAMETRES_ECRAN", StartProgram, kRundll, "SHELL32.DLL,Control_RunDLL desk.cpl,,0"},
    KeywordRow{"PARAMETRES_SOURIS", StartProgram, kRundll, "shell32,Control_RunDLL  main.cpl,,0"},
    KeywordRow{"PARAMETRES_CLAVIER", StartProgram, kRundll,
               "shell32,Control_RunDLL  main.cpl,@1,0"},
    KeywordRow{"CONTROLE_DU_SON", StartProgram, "sndvol32", ""},
    KeywordRow{"PARAMETRES_IMPRIMANTES", StartProgram, kExplorer,
               " ::{2227A280-3AEA-1069-A2DE-08002B30309D}"},
    KeywordRow{"OUVRIR_CORBEILLE", StartProgram, kExplorer,
               " ::{645FF040-5081-101B-9F08-00AA002F954E}"},
    KeywordRow{"POSTE_DE_TRAVAIL", StartProgram, kExplorer,
               " ::{20D04FE0-3AEA-1069-A2D8-08002B30309D}"},
    KeywordRow{"PARAMETRES_WINDOWS", StartProgram, kRundll, "shell32,Control_RunDLL ,,0"},
    KeywordRow{"PARAMETRES_ACCESSIBILITE", StartProgram, kRundll,
               "shell32,Control_RunDLL  access.cpl,,0"},
    KeywordRow{"PARAMETRES_PROGRAMMES", StartProgram, kRundll,
               "shell32,Control_RunDLL  appwiz.cpl,,0"},
    KeywordRow{"PARAMETRES_INTERNET", StartProgram, kRundll,
               "shell32,Control_RunDLL  inetcpl.cpl,,0"},
    KeywordRow{"PARAMETRES_LINGUISTIQUES", StartProgram, kRundll,
               "shell32,Control_RunDLL  intl.cpl,,0"},
    KeywordRow{"PARAMETRES_JOYSTICKS", StartProgram, kRundll, "shell32,Control_RunDLL  joy.cpl,,0"},
    KeywordRow{"PARAMETRES_SONS", StartProgram, kRundll, "shell32,Control_RunDLL  mmsys.cpl,,0"},
    KeywordRow{"CONNEXIONS_RESEAU", StartProgram, kRundll, "shell32,Control_RunDLL  ncpa.cpl,,0"},
    KeywordRow{"COMPTES_UTILISATEURS", StartProgram, kRundll,
               "shell32,Control_RunDLL  nusrmgr.cpl,,0"},
    KeywordRow{"SOURCES_DONNEES_ODBC", StartProgram, kRundll,
               "shell32,Control_RunDLL  odbccp32.cpl,,0"},
    KeywordRow{"PARAMETRES_ALIMENTATION", StartProgram, kRundll,
               "shell32,Control_RunDLL  powercfg.cpl,,0"},
    KeywordRow{"PROPRIETES_SYSTEME", StartProgram, kRundll, "shell32,Control_RunDLL  sysdm.cpl,,0"},
    KeywordRow{"PARAMETRES_MODEMS", StartProgram, kRundll,
               "shell32,Control_RunDLL  telephon.cpl,,0"},
    KeywordRow{"PARAMETRES_MISES_A_JOUR", StartProgram, kRundll,
               "shell32,Control_RunDLL  wuaucpl.cpl,,0"},
    KeywordRow{"STOP_WINDOWS_MSG", AskShutDown, "", ""},
    KeywordRow{"STOP_WINDOWS", ShutDown, "", ""},
    // The console opens at the root of the current drive: "/K" and "CD \" joined by a blank.
    KeywordRow{"OUVRIR_CONSOLE", StartProgram, kCmd, "/K CD \\"},
    KeywordRow{"ADRESSE_IP", StartProgram, kCmd, "/K ipconfig.exe"},
    KeywordRow{"ADRESSE_IP_DETAILS", StartProgram, kCmd, "/K ipconfig.exe /ALL"},
    KeywordRow{"LANCER_CALCULATRICE", StartProgram, "calc.exe", ""},
    KeywordRow{"LANCER_BLOC_NOTES", StartProgram, "notepad.exe", ""},
    KeywordRow{"OUTIL_CONFIGURATION_SYSTEME", StartProgram, "msconfig.exe", ""},
    KeywordRow{"OUTIL_BASE_DE_REGISTRES", StartProgram, "regedit.exe", ""},
    KeywordRow{"REGLAGE_DATE_HEURE", StartProgram, kRundll,
               "shell32,Control_RunDLL  timedate.cpl,,0"},
    KeywordRow{"RETRAIT_CLEF_USB", StartProgram, kRundll,
               "shell32, Control_RunDLLA hotplug.dll,,0"},
};

}  // namespace

std::span<const KeywordRow> KeywordTable::Rows() {
    return kRows;
}

bool KeywordTable::Matches(const KeywordRow& row, std::string_view link) {
    if (row.action == KeywordAction::AlarmDialog) {
        return link.starts_with(row.keyword);
    }
    return link == row.keyword;
}

}  // namespace quivlane
