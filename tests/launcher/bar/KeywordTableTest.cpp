#include <gtest/gtest.h>

#include <map>
#include <string>
#include <utility>

#include "launcher/bar/KeywordTable.h"
#include "launcher/bar/TextRules.h"

namespace quivlane::test {
namespace {

// The programs the Windows original starts, typed in again from its documentation.
const std::map<std::string, std::pair<std::string, std::string>> kPrograms = {
    {"UTILISER_LA_LOUPE", {"qvlmg.exe", ""}},
    {"PARAMETRES_ECRAN", {"rundll32.exe", "SHELL32.DLL,Control_RunDLL desk.cpl,,0"}},
    {"PARAMETRES_SOURIS", {"rundll32.exe", "shell32,Control_RunDLL  main.cpl,,0"}},
    {"PARAMETRES_CLAVIER", {"rundll32.exe", "shell32,Control_RunDLL  main.cpl,@1,0"}},
    {"CONTROLE_DU_SON", {"sndvol32", ""}},
    {"PARAMETRES_IMPRIMANTES", {"explorer.exe", " ::{2227A280-3AEA-1069-A2DE-08002B30309D}"}},
    {"OUVRIR_CORBEILLE", {"explorer.exe", " ::{645FF040-5081-101B-9F08-00AA002F954E}"}},
    {"POSTE_DE_TRAVAIL", {"explorer.exe", " ::{20D04FE0-3AEA-1069-A2D8-08002B30309D}"}},
    {"PARAMETRES_WINDOWS", {"rundll32.exe", "shell32,Control_RunDLL ,,0"}},
    {"PARAMETRES_ACCESSIBILITE", {"rundll32.exe", "shell32,Control_RunDLL  access.cpl,,0"}},
    {"PARAMETRES_PROGRAMMES", {"rundll32.exe", "shell32,Control_RunDLL  appwiz.cpl,,0"}},
    {"PARAMETRES_INTERNET", {"rundll32.exe", "shell32,Control_RunDLL  inetcpl.cpl,,0"}},
    {"PARAMETRES_LINGUISTIQUES", {"rundll32.exe", "shell32,Control_RunDLL  intl.cpl,,0"}},
    {"PARAMETRES_JOYSTICKS", {"rundll32.exe", "shell32,Control_RunDLL  joy.cpl,,0"}},
    {"PARAMETRES_SONS", {"rundll32.exe", "shell32,Control_RunDLL  mmsys.cpl,,0"}},
    {"CONNEXIONS_RESEAU", {"rundll32.exe", "shell32,Control_RunDLL  ncpa.cpl,,0"}},
    {"COMPTES_UTILISATEURS", {"rundll32.exe", "shell32,Control_RunDLL  nusrmgr.cpl,,0"}},
    {"SOURCES_DONNEES_ODBC", {"rundll32.exe", "shell32,Control_RunDLL  odbccp32.cpl,,0"}},
    {"PARAMETRES_ALIMENTATION", {"rundll32.exe", "shell32,Control_RunDLL  powercfg.cpl,,0"}},
    {"PROPRIETES_SYSTEME", {"rundll32.exe", "shell32,Control_RunDLL  sysdm.cpl,,0"}},
    {"PARAMETRES_MODEMS", {"rundll32.exe", "shell32,Control_RunDLL  telephon.cpl,,0"}},
    {"PARAMETRES_MISES_A_JOUR", {"rundll32.exe", "shell32,Control_RunDLL  wuaucpl.cpl,,0"}},
    {"OUVRIR_CONSOLE", {"cmd.exe", "/K CD \\"}},
    {"ADRESSE_IP", {"cmd.exe", "/K ipconfig.exe"}},
    {"ADRESSE_IP_DETAILS", {"cmd.exe", "/K ipconfig.exe /ALL"}},
    {"LANCER_CALCULATRICE", {"calc.exe", ""}},
    {"LANCER_BLOC_NOTES", {"notepad.exe", ""}},
    {"OUTIL_CONFIGURATION_SYSTEME", {"msconfig.exe", ""}},
    {"OUTIL_BASE_DE_REGISTRES", {"regedit.exe", ""}},
    {"REGLAGE_DATE_HEURE", {"rundll32.exe", "shell32,Control_RunDLL  timedate.cpl,,0"}},
    {"RETRAIT_CLEF_USB", {"rundll32.exe", "shell32, Control_RunDLLA hotplug.dll,,0"}},
};

const std::map<std::string, KeywordAction> kBuiltIns = {
    {"DEFINIR_ALARME", KeywordAction::AlarmDialog},
    {"CACHER_QUIVLANE", KeywordAction::HideToTray},
    {"SAISIR_URL_SITE", KeywordAction::UrlEntry},
    {"STOP_WINDOWS_MSG", KeywordAction::AskShutDown},
    {"STOP_WINDOWS", KeywordAction::ShutDown},
};

TEST(BarKeywordTableTest, EveryRowMatchesTheListedProgramOrAction) {
    std::map<std::string, int> seen;
    for (const KeywordRow& row : KeywordTable::Rows()) {
        const std::string keyword(row.keyword);
        ++seen[keyword];
        if (auto p = kPrograms.find(keyword); p != kPrograms.end()) {
            EXPECT_EQ(row.action, KeywordAction::StartProgram) << keyword;
            EXPECT_EQ(row.program, p->second.first) << keyword;
            EXPECT_EQ(row.parameters, p->second.second) << keyword;
        } else {
            ASSERT_TRUE(kBuiltIns.contains(keyword)) << "unexpected keyword " << keyword;
            EXPECT_EQ(row.action, kBuiltIns.at(keyword)) << keyword;
        }
    }
    EXPECT_EQ(seen.size(), kPrograms.size() + kBuiltIns.size());
    for (const auto& [keyword, count] : seen) {
        EXPECT_EQ(count, 1) << keyword;
    }
}

TEST(BarKeywordTableTest, MatchingIsWholeLinkExceptTheAlarmPrefix) {
    auto matching = [](const std::string& link) {
        std::string found;
        for (const KeywordRow& row : KeywordTable::Rows()) {
            if (KeywordTable::Matches(row, link)) {
                found += std::string(row.keyword) + ";";
            }
        }
        return found;
    };
    EXPECT_EQ(matching("STOP_WINDOWS"), "STOP_WINDOWS;");
    EXPECT_EQ(matching("STOP_WINDOWS_MSG"), "STOP_WINDOWS_MSG;");
    EXPECT_EQ(matching("ADRESSE_IP_DETAILS"), "ADRESSE_IP_DETAILS;");
    EXPECT_EQ(matching("DEFINIR_ALARME?07:30"), "DEFINIR_ALARME;");
    EXPECT_EQ(matching("lancer_calculatrice"), "");
    EXPECT_EQ(matching("LANCER_CALCULATRICE "), "");
    EXPECT_EQ(matching("LECTEUR_MP3"), "");
    EXPECT_EQ(matching("LECTEUR_CD"), "");
}

TEST(BarTextRulesTest, FoldsOnlySmallAccentedLetters) {
    EXPECT_EQ(TextRules::FoldAccents("àâäéèêëïîôöùç"), "aaaeeeeiioouc");
    EXPECT_EQ(TextRules::FoldAccents("ÉCOLE Noël û ÿ €"), "ÉCOLE Noel û ÿ €");
    EXPECT_EQ(TextRules::FoldAccents(""), "");
}

TEST(BarTextRulesTest, CentresByCharactersNotBytes) {
    EXPECT_EQ(TextRules::CharacterCount("Café"), 4u);
    EXPECT_EQ(TextRules::CentreCaption(""), std::string(14, ' '));
    EXPECT_EQ(TextRules::CentreCaption("Ab"), "      Ab      ");
    EXPECT_EQ(TextRules::CentreCaption("Abc"), "     Abc      ");
    EXPECT_EQ(TextRules::CentreCaption("Noël"), "     Noël     ");
    EXPECT_EQ(TextRules::CentreCaption("ABCDEFGHIJKLM"), "ABCDEFGHIJKLM ");
    EXPECT_EQ(TextRules::CentreCaption("ABCDEFGHIJKLMNOP"), "ABCDEFGHIJKLMNOP");
}

}  // namespace
}  // namespace quivlane::test
