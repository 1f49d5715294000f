#include <gtest/gtest.h>

#include <map>
#include <set>
#include <string>
#include <string_view>
#include <utility>

#include "config/LinkKeywords.h"
#include "launcher/bar/KeywordTable.h"
#include "launcher/bar/TextRules.h"
#include "platform/shell/HostCommands.h"
#include "platform/shell/KeywordPrograms.h"

namespace quivlane::test {
namespace {

using K = LinkKeywords;
using P = KeywordPrograms;

// Which program each keyword starts, paired apart from the table so that a row given the
// wrong program, or lost, shows.
const std::map<std::string_view, ProgramCall> kPrograms = {
    {K::kUtiliserLaLoupe, P::kMagnifier},
    {K::kParametresEcran, P::kDisplay},
    {K::kParametresSouris, P::kMouse},
    {K::kParametresClavier, P::kKeyboard},
    {K::kControleDuSon, P::kVolume},
    {K::kParametresImprimantes, P::kPrinters},
    {K::kOuvrirCorbeille, P::kRecycleBin},
    {K::kPosteDeTravail, P::kMyComputer},
    {K::kParametresWindows, P::kControlPanel},
    {K::kParametresAccessibilite, P::kAccessibility},
    {K::kParametresProgrammes, P::kPrograms},
    {K::kParametresInternet, P::kInternet},
    {K::kParametresLinguistiques, P::kRegion},
    {K::kParametresJoysticks, P::kJoysticks},
    {K::kParametresSons, P::kSounds},
    {K::kConnexionsReseau, P::kNetwork},
    {K::kComptesUtilisateurs, P::kUsers},
    {K::kSourcesDonneesOdbc, P::kOdbc},
    {K::kParametresAlimentation, P::kPower},
    {K::kProprietesSysteme, P::kSystem},
    {K::kParametresModems, P::kModems},
    {K::kParametresMisesAJour, P::kUpdates},
    {K::kOuvrirConsole, P::kConsole},
    {K::kAdresseIp, P::kIpAddress},
    {K::kAdresseIpDetails, P::kIpDetails},
    {K::kLancerCalculatrice, P::kCalculator},
    {K::kLancerBlocNotes, P::kNotepad},
    {K::kOutilConfigurationSysteme, P::kStartupTool},
    {K::kOutilBaseDeRegistres, P::kRegistryEditor},
    {K::kReglageDateHeure, P::kDateTime},
    {K::kRetraitClefUsb, P::kUsbRemoval},
};

const std::map<std::string_view, KeywordAction> kBuiltIns = {
    {K::kDefinirAlarme, KeywordAction::AlarmDialog},
    {K::kCacherQuivlane, KeywordAction::HideToTray},
    {K::kSaisirUrlSite, KeywordAction::UrlEntry},
    {K::kStopWindowsMsg, KeywordAction::AskShutDown},
    {K::kStopWindows, KeywordAction::ShutDown},
};

TEST(BarKeywordTableTest, EveryRowMatchesTheListedProgramOrAction) {
    std::map<std::string_view, int> seen;
    for (const KeywordRow& row : KeywordTable::Rows()) {
        ++seen[row.keyword];
        if (auto p = kPrograms.find(row.keyword); p != kPrograms.end()) {
            EXPECT_EQ(row.action, KeywordAction::StartProgram) << row.keyword;
            EXPECT_EQ(row.program, p->second.program) << row.keyword;
            EXPECT_EQ(row.parameters, p->second.parameters) << row.keyword;
        } else {
            ASSERT_TRUE(kBuiltIns.contains(row.keyword)) << "unexpected keyword " << row.keyword;
            EXPECT_EQ(row.action, kBuiltIns.at(row.keyword)) << row.keyword;
        }
    }
    EXPECT_EQ(seen.size(), kPrograms.size() + kBuiltIns.size());
    for (const auto& [keyword, count] : seen) {
        EXPECT_EQ(count, 1) << keyword;
    }
}

// The host shell finds its commands by the exact pair the bar hands it: a pair its table
// lacks leaves the keyword doing nothing, and a host row no keyword starts is dead.
TEST(BarKeywordTableTest, EveryProgramKeywordHasItsHostRowAndEveryHostRowAKeyword) {
    std::set<std::pair<std::string_view, std::string_view>> started;
    for (const KeywordRow& row : KeywordTable::Rows()) {
        if (row.action == KeywordAction::StartProgram) {
            started.insert({row.program, row.parameters});
            EXPECT_NE(HostCommands::Find(row.program, row.parameters), nullptr)
                << row.keyword << " starts " << row.program << " [" << row.parameters << "]";
        }
    }
    for (const HostCommandRow& host : HostCommands::Rows()) {
        EXPECT_TRUE(started.contains({host.call.program, host.call.parameters}))
            << "no keyword starts " << host.call.program << " [" << host.call.parameters << "]";
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
