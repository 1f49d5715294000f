#include "editor/SystemFunctions.h"

#include <gtest/gtest.h>

#include <set>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "config/LinkKeywords.h"

namespace quivlane {
namespace {

using K = LinkKeywords;

// The catalogue as the launcher's users know it: each name paired with its keyword apart from
// the code, so that a swapped or shifted entry shows.
const std::vector<std::pair<std::string_view, std::string_view>> kExpected = {
    {"Définir une alarme", K::kDefinirAlarme},
    {"Cacher Quivlane", K::kCacherQuivlane},
    {"Ouvrir le Poste de Travail", K::kPosteDeTravail},
    {"Utiliser le lecteur MP3", K::kLecteurMp3},
    {"Utiliser le lecteur de CD audio", K::kLecteurCd},
    {"Contrôle du son", K::kControleDuSon},
    {"Saisir l'adresse d'un site web", K::kSaisirUrlSite},
    {"Arrêter Windows", K::kStopWindows},
    {"Arrêter Windows (message de confirmation)", K::kStopWindowsMsg},
    {"Utiliser la loupe", "/opt/quivlane/qvlmg"},
    {"Ouvrir la corbeille", K::kOuvrirCorbeille},
    {"Ouvrir une Console", K::kOuvrirConsole},
    {"Connaître son adresse IP", K::kAdresseIp},
    {"Connaître son adresse IP (détails)", K::kAdresseIpDetails},
    {"Lancer la calculatrice", K::kLancerCalculatrice},
    {"Ouvrir le bloc notes", K::kLancerBlocNotes},
    {"Retirer une clef USB", K::kRetraitClefUsb},
    {"Accès à la base de registres", K::kOutilBaseDeRegistres},
    {"Afficher le Panneau de Configuration", K::kParametresWindows},
    {"Afficher Paramètres Ecran", K::kParametresEcran},
    {"Afficher Paramètres Souris", K::kParametresSouris},
    {"Afficher Paramètres Internet", K::kParametresInternet},
    {"Réglage Date et Heure", K::kReglageDateHeure},
    {"Afficher Paramètres Sons", K::kParametresSons},
    {"Afficher Paramètres Clavier", K::kParametresClavier},
    {"Afficher Paramètres Imprimantes", K::kParametresImprimantes},
    {"Afficher Gestion Comptes utilisateurs", K::kComptesUtilisateurs},
    {"Afficher Paramètres Accessibilité", K::kParametresAccessibilite},
    {"Afficher Paramètres Linguistiques", K::kParametresLinguistiques},
    {"Afficher Paramètres Programmes", K::kParametresProgrammes},
    {"Afficher Ajoût Matériel", "AJOUT_MATERIEL"},
    {"Afficher Paramètres Modems", K::kParametresModems},
    {"Afficher Paramètres Joysticks", K::kParametresJoysticks},
    {"Afficher Sources de données ODBC", K::kSourcesDonneesOdbc},
    {"Afficher Connexions Réseau", K::kConnexionsReseau},
    {"Afficher Paramètres Alimentation", K::kParametresAlimentation},
    {"Afficher Propriétés Système", K::kProprietesSysteme},
    {"Afficher Paramètres Mises à Jour", K::kParametresMisesAJour},
    {"Outil de configuration système", K::kOutilConfigurationSysteme},
};

TEST(SystemFunctionsTest, ListsEveryEntryInItsPlaceWithItsLink) {
    ASSERT_EQ(SystemFunctions::kCount, static_cast<int>(kExpected.size()));
    for (int i = 0; i < SystemFunctions::kCount; ++i) {
        const auto& [name, link] = kExpected[static_cast<std::size_t>(i)];
        EXPECT_EQ(SystemFunctions::DisplayName(i), name) << i;
        EXPECT_EQ(SystemFunctions::Link(i, "/opt/quivlane/qvlmg"), link) << i;
    }
}

TEST(SystemFunctionsTest, ThirtyEightDistinctKeywordsAndOnePath) {
    std::set<std::string> keywords;
    for (int i = 0; i < SystemFunctions::kCount; ++i) {
        if (i != SystemFunctions::kMagnifier) {
            keywords.insert(SystemFunctions::Link(i, "unused"));
        }
    }
    EXPECT_EQ(keywords.size(), 38u);
    EXPECT_EQ(keywords.count(std::string(K::kUtiliserLaLoupe)), 0u);
}

TEST(SystemFunctionsTest, PositionsOutsideTheListGiveNothing) {
    for (int position : {-1, SystemFunctions::kCount, 1000}) {
        EXPECT_TRUE(SystemFunctions::DisplayName(position).empty());
        EXPECT_TRUE(SystemFunctions::Link(position, "/x/qvlmg").empty());
    }
}

}  // namespace
}  // namespace quivlane
