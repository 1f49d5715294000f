#include "editor/SystemFunctions.h"

#include <array>

#include "config/LinkKeywords.h"

namespace quivlane {

namespace {

using K = LinkKeywords;

struct Entry {
    std::string_view name;
    std::string_view keyword;  // empty for the magnifier, whose link is a path
};

constexpr std::array<Entry, SystemFunctions::kCount> kEntries{{
    {"Définir une alarme", K::kDefinirAlarme},
    {"Cacher Quivlane", K::kCacherQuivlane},
    {"Ouvrir le Poste de Travail", K::kPosteDeTravail},
    {"Utiliser le lecteur MP3", K::kLecteurMp3},
    {"Utiliser le lecteur de CD audio", K::kLecteurCd},
    {"Contrôle du son", K::kControleDuSon},
    {"Saisir l'adresse d'un site web", K::kSaisirUrlSite},
    {"Arrêter Windows", K::kStopWindows},
    {"Arrêter Windows (message de confirmation)", K::kStopWindowsMsg},
    {"Utiliser la loupe", ""},
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
    // Offered as the original editor offers it, though the bar has no action for it.
    {"Afficher Ajoût Matériel", "AJOUT_MATERIEL"},
    {"Afficher Paramètres Modems", K::kParametresModems},
    {"Afficher Paramètres Joysticks", K::kParametresJoysticks},
    {"Afficher Sources de données ODBC", K::kSourcesDonneesOdbc},
    {"Afficher Connexions Réseau", K::kConnexionsReseau},
    {"Afficher Paramètres Alimentation", K::kParametresAlimentation},
    {"Afficher Propriétés Système", K::kProprietesSysteme},
    {"Afficher Paramètres Mises à Jour", K::kParametresMisesAJour},
    {"Outil de configuration système", K::kOutilConfigurationSysteme},
}};

bool InRange(int position) {
    return position >= 0 && position < SystemFunctions::kCount;
}

}  // namespace

std::string_view SystemFunctions::DisplayName(int position) {
    return InRange(position) ? kEntries[static_cast<std::size_t>(position)].name
                             : std::string_view();
}

std::string SystemFunctions::Link(int position, const std::string& magnifierPath) {
    if (!InRange(position)) {
        return {};
    }
    if (position == kMagnifier) {
        return magnifierPath;
    }
    return std::string(kEntries[static_cast<std::size_t>(position)].keyword);
}

}  // namespace quivlane
