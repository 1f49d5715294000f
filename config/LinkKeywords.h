#pragma once

#include <string_view>

namespace quivlane {

// The built-in functions a button's link names, written once for the bar that runs them and
// the editor that offers them; a link must hold one exactly (case and all).
struct LinkKeywords {
    static constexpr std::string_view kLecteurMp3 = "LECTEUR_MP3";
    static constexpr std::string_view kLecteurCd = "LECTEUR_CD";
    static constexpr std::string_view kDefinirAlarme = "DEFINIR_ALARME";
    static constexpr std::string_view kCacherQuivlane = "CACHER_QUIVLANE";
    static constexpr std::string_view kUtiliserLaLoupe = "UTILISER_LA_LOUPE";
    static constexpr std::string_view kSaisirUrlSite = "SAISIR_URL_SITE";
    static constexpr std::string_view kParametresEcran = "PARAMETRES_ECRAN";
    static constexpr std::string_view kParametresSouris = "PARAMETRES_SOURIS";
    static constexpr std::string_view kParametresClavier = "PARAMETRES_CLAVIER";
    static constexpr std::string_view kControleDuSon = "CONTROLE_DU_SON";
    static constexpr std::string_view kParametresImprimantes = "PARAMETRES_IMPRIMANTES";
    static constexpr std::string_view kOuvrirCorbeille = "OUVRIR_CORBEILLE";
    static constexpr std::string_view kPosteDeTravail = "POSTE_DE_TRAVAIL";
    static constexpr std::string_view kParametresWindows = "PARAMETRES_WINDOWS";
    static constexpr std::string_view kParametresAccessibilite = "PARAMETRES_ACCESSIBILITE";
    static constexpr std::string_view kParametresProgrammes = "PARAMETRES_PROGRAMMES";
    static constexpr std::string_view kParametresInternet = "PARAMETRES_INTERNET";
    static constexpr std::string_view kParametresLinguistiques = "PARAMETRES_LINGUISTIQUES";
    static constexpr std::string_view kParametresJoysticks = "PARAMETRES_JOYSTICKS";
    static constexpr std::string_view kParametresSons = "PARAMETRES_SONS";
    static constexpr std::string_view kConnexionsReseau = "CONNEXIONS_RESEAU";
    static constexpr std::string_view kComptesUtilisateurs = "COMPTES_UTILISATEURS";
    static constexpr std::string_view kSourcesDonneesOdbc = "SOURCES_DONNEES_ODBC";
    static constexpr std::string_view kParametresAlimentation = "PARAMETRES_ALIMENTATION";
    static constexpr std::string_view kProprietesSysteme = "PROPRIETES_SYSTEME";
    static constexpr std::string_view kParametresModems = "PARAMETRES_MODEMS";
    static constexpr std::string_view kParametresMisesAJour = "PARAMETRES_MISES_A_JOUR";
    static constexpr std::string_view kStopWindowsMsg = "STOP_WINDOWS_MSG";
    static constexpr std::string_view kStopWindows = "STOP_WINDOWS";
    static constexpr std::string_view kOuvrirConsole = "OUVRIR_CONSOLE";
    static constexpr std::string_view kAdresseIp = "ADRESSE_IP";
    static constexpr std::string_view kAdresseIpDetails = "ADRESSE_IP_DETAILS";
    static constexpr std::string_view kLancerCalculatrice = "LANCER_CALCULATRICE";
    static constexpr std::string_view kLancerBlocNotes = "LANCER_BLOC_NOTES";
    static constexpr std::string_view kOutilConfigurationSysteme = "OUTIL_CONFIGURATION_SYSTEME";
    static constexpr std::string_view kOutilBaseDeRegistres = "OUTIL_BASE_DE_REGISTRES";
    static constexpr std::string_view kReglageDateHeure = "REGLAGE_DATE_HEURE";
    static constexpr std::string_view kRetraitClefUsb = "RETRAIT_CLEF_USB";
};

}  // namespace quivlane
