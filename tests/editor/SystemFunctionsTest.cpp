#include "editor/SystemFunctions.h"

#include <gtest/gtest.h>

#include <set>
#include <string>
#include <utility>
#include <vector>

namespace quivlane {
namespace {

// The catalogue as the launcher's users know it, written out independently of the code.
const std::vector<std::pair<std::string, std::string>> kExpected = {
    {"Définir une alarme", "DEFINIR_ALARME"},
    {"Cacher Quivlane", "CACHER_QUIVLANE"},
    {"Ouvrir le Poste de Travail", "POSTE_DE_TRAVAIL"},
    {"Utiliser le lecteur MP3", "LECTEUR_MP3"},
    {"Utiliser le lecteur de CD audio", "LECTEUR_CD"},
    {"Contrôle du son", "CONTROLE_DU_SON"},
    {"Saisir l'adresse d'un site web", "SAISIR_URL_SITE"},
    {"Arrêter Windows", "STOP_WINDOWS"},
    {"Arrêter Windows (message de confirmation)", "STOP_WINDOWS_MSG"},
    {"Utiliser la loupe", "/opt/quivlane/qvlmg"},
    {"Ouvrir la corbeille", "OUVRIR_CORBEILLE"},
    {"Ouvrir une Console", "OUVRIR_CONSOLE"},
    {"Connaître son adresse IP", "ADRESSE_IP"},
    {"Connaître son adresse IP (détails)", "ADRESSE_IP_DETAILS"},
    {"Lancer la calculatrice", "LANCER_CALCULATRICE"},
    {"Ouvrir le bloc notes", "LANCER_BLOC_NOTES"},
    {"Retirer une clef USB", "RETRAIT_CLEF_USB"},
    {"Accès à la base de registres", "OUTIL_BASE_DE_REGISTRES"},
    {"Afficher le Panneau de Configuration", "PARAMETRES_WINDOWS"},
    {"Afficher Paramètres Ecran", "PARAMETRES_ECRAN"},
    {"Afficher Paramètres Souris", "PARAMETRES_SOURIS"},
    {"Afficher Paramètres Internet", "PARAMETRES_INTERNET"},
    {"Réglage Date et Heure", "REGLAGE_DATE_HEURE"},
    {"Afficher Paramètres Sons", "PARAMETRES_SONS"},
    {"Afficher Paramètres Clavier", "PARAMETRES_CLAVIER"},
    {"Afficher Paramètres Imprimantes", "PARAMETRES_IMPRIMANTES"},
    {"Afficher Gestion Comptes utilisateurs", "COMPTES_UTILISATEURS"},
    {"Afficher Paramètres Accessibilité", "PARAMETRES_ACCESSIBILITE"},
    {"Afficher Paramètres Linguistiques", "PARAMETRES_LINGUISTIQUES"},
    {"Afficher Paramètres Programmes", "PARAMETRES_PROGRAMMES"},
    {"Afficher Ajoût Matériel", "AJOUT_MATERIEL"},
    {"Afficher Paramètres Modems", "PARAMETRES_MODEMS"},
    {"Afficher Paramètres Joysticks", "PARAMETRES_JOYSTICKS"},
    {"Afficher Sources de données ODBC", "SOURCES_DONNEES_ODBC"},
    {"Afficher Connexions Réseau", "CONNEXIONS_RESEAU"},
    {"Afficher Paramètres Alimentation", "PARAMETRES_ALIMENTATION"},
    {"Afficher Propriétés Système", "PROPRIETES_SYSTEME"},
    {"Afficher Paramètres Mises à Jour", "PARAMETRES_MISES_A_JOUR"},
    {"Outil de configuration système", "OUTIL_CONFIGURATION_SYSTEME"},
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
    EXPECT_EQ(keywords.count("UTILISER_LA_LOUPE"), 0u);
}

TEST(SystemFunctionsTest, PositionsOutsideTheListGiveNothing) {
    for (int position : {-1, SystemFunctions::kCount, 1000}) {
        EXPECT_TRUE(SystemFunctions::DisplayName(position).empty());
        EXPECT_TRUE(SystemFunctions::Link(position, "/x/qvlmg").empty());
    }
}

}  // namespace
}  // namespace quivlane
