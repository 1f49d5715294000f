#include "editor/SystemFunctions.h"

#include <array>

namespace quivlane {

namespace {

struct Entry {
    std::string_view name;
    std::string_view keyword;  // empty for the magnifier, whose link is a path
};

constexpr std::array<Entry, SystemFunctions::kCount> kEntries{{
    {"Définir une alarme", "DEFINIR_ALARME"},
    {"Cacher Quivlane", "CACHER_QUIVLANE"},
    {"Ouvrir le Poste de Travail", "POSTE_DE_TRAVAIL"},
    {"Utiliser le lecteur MP3", "LECTEUR_MP3"},
    {"Utiliser le lecteur de CD audio", "LECTEUR_CD"},
    {"Contrôle du son", "CONTROLE_DU_SON"},
    {"Saisir l'adresse d'un site web", "SAISIR_URL_SITE"},
    {"Arrêter Windows", "STOP_WINDOWS"},
    {"Arrêter Windows (message de confirmation)", "STOP_WINDOWS_MSG"},
    {"Utiliser la loupe", ""},
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
