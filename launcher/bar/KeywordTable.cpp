#include "launcher/bar/KeywordTable.h"

#include <array>

#include "config/LinkKeywords.h"
#include "platform/shell/KeywordPrograms.h"

namespace quivlane {

namespace {

using enum KeywordAction;
using K = LinkKeywords;
using P = KeywordPrograms;

constexpr KeywordRow Does(std::string_view keyword, KeywordAction action) {
    return KeywordRow{keyword, action, "", ""};
}

constexpr KeywordRow Starts(std::string_view keyword, ProgramCall call) {
    return KeywordRow{keyword, StartProgram, call.program, call.parameters};
}

constexpr std::array kRows{
    Does(K::kDefinirAlarme, AlarmDialog),
    Does(K::kCacherQuivlane, HideToTray),
    Starts(K::kUtiliserLaLoupe, P::kMagnifier),
    Does(K::kSaisirUrlSite, UrlEntry),
    Starts(K::kParametresEcran, P::kDisplay),
    Starts(K::kParametresSouris, P::kMouse),
    Starts(K::kParametresClavier, P::kKeyboard),
    Starts(K::kControleDuSon, P::kVolume),
    Starts(K::kParametresImprimantes, P::kPrinters),
    Starts(K::kOuvrirCorbeille, P::kRecycleBin),
    Starts(K::kPosteDeTravail, P::kMyComputer),
    Starts(K::kParametresWindows, P::kControlPanel),
    Starts(K::kParametresAccessibilite, P::kAccessibility),
    Starts(K::kParametresProgrammes, P::kPrograms),
    Starts(K::kParametresInternet, P::kInternet),
    Starts(K::kParametresLinguistiques, P::kRegion),
    Starts(K::kParametresJoysticks, P::kJoysticks),
    Starts(K::kParametresSons, P::kSounds),
    Starts(K::kConnexionsReseau, P::kNetwork),
    Starts(K::kComptesUtilisateurs, P::kUsers),
    Starts(K::kSourcesDonneesOdbc, P::kOdbc),
    Starts(K::kParametresAlimentation, P::kPower),
    Starts(K::kProprietesSysteme, P::kSystem),
    Starts(K::kParametresModems, P::kModems),
    Starts(K::kParametresMisesAJour, P::kUpdates),
    Does(K::kStopWindowsMsg, AskShutDown),
    Does(K::kStopWindows, ShutDown),
    Starts(K::kOuvrirConsole, P::kConsole),
    Starts(K::kAdresseIp, P::kIpAddress),
    Starts(K::kAdresseIpDetails, P::kIpDetails),
    Starts(K::kLancerCalculatrice, P::kCalculator),
    Starts(K::kLancerBlocNotes, P::kNotepad),
    Starts(K::kOutilConfigurationSysteme, P::kStartupTool),
    Starts(K::kOutilBaseDeRegistres, P::kRegistryEditor),
    Starts(K::kReglageDateHeure, P::kDateTime),
    Starts(K::kRetraitClefUsb, P::kUsbRemoval),
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
