#pragma once

// The layouts the windows must show right after they open: every control's place, size,
// caption, font and initial state, in the client area of its parent, written down from the
// windows' design, never read from the code that builds them.

#include <QByteArray>
#include <QRect>
#include <iterator>
#include <vector>

namespace disposition {

// clang-format off
enum class Genre { fenetre, bouton, case_a_cocher, etiquette, liste, zone_de_texte, cadre, image,
                   tuile, ligne, option, onglets, nombre, graphique };
enum class Police { aucune, normale, grasse, lourde, fixe, arial_12, lourde_12 };
// clang-format on
enum class Etat { actif, inactif, cache, choisi, redimensionnable }; // choisi: chosen or ticked

// One control as the window must show it right after it opens.
struct Controle
{
    const char* parent; // a window, "Score" (the frame) or "seance" and "progres" (tab pages)
    Genre genre;
    const char* nom; // the control's name, or nullptr: found by its caption, else by its place
    const char* texte; // its caption now; nullptr when its content is free
    QRect place; // in its parent's client area; a line from left to right at top
    Police police = Police::aucune;
    Etat etat = Etat::actif;
    bool centre = false;
};

using G = Genre;
using P = Police;

// clang-format off
inline const Controle controles_fixes[] {
    {"plateau", G::fenetre, "plateau", "Tavik V1.4", {0, 0, 481, 539}, P::normale,
     Etat::redimensionnable},
    {"plateau", G::image, nullptr, nullptr, {8, 8, 100, 30}},
    {"plateau", G::bouton, "cmd_jouer", "Jouer", {176, 8, 65, 17}, P::normale},
    {"plateau", G::bouton, "CmdChager", "Ouvertures", {248, 8, 65, 17}, P::normale},
    {"plateau", G::bouton, "CmdEntrainer", "Entraîner", {320, 8, 65, 17}, P::normale},
    {"plateau", G::bouton, "CmdParties", "Parties", {112, 8, 57, 17}, P::normale},
    {"plateau", G::bouton, "CmdInfo", "À propos…", {408, 8, 65, 17}, P::normale},
    {"plateau", G::ligne, nullptr, nullptr, {QPoint(112, 32), QPoint(472, 32)}},
    {"plateau", G::image, nullptr, nullptr, {8, 40, 304, 304}},
    {"plateau", G::tuile, "quijoue", nullptr, {320, 64, 33, 33}},
    {"plateau", G::cadre, "Score", "Score", {360, 40, 113, 73}, P::grasse},
    {"Score", G::etiquette, nullptr, "Joueur noir\u00a0:", {8, 24, 65, 17}, P::normale},
    {"Score", G::etiquette, "nb_noir", "2", {88, 24, 17, 17}, P::lourde},
    {"Score", G::etiquette, nullptr, "Joueur blanc\u00a0:", {8, 48, 81, 17}, P::normale},
    {"Score", G::etiquette, "nb_blanc", "2", {88, 48, 17, 17}, P::lourde},
    {"plateau", G::liste, "LstCoup", nullptr, {320, 128, 153, 186}, P::fixe},
    {"plateau", G::zone_de_texte, "TxtSuivant", "", {320, 328, 153, 19}, P::fixe, Etat::cache},
    {"plateau", G::case_a_cocher, "chk_voir_coup", "", {8, 352, 14, 17}, P::normale},
    {"plateau", G::etiquette, nullptr, "Coups", {24, 354, 49, 17}, P::normale},
    {"plateau", G::case_a_cocher, "ChkVoirOuverture", "", {8, 368, 14, 17}, P::normale},
    {"plateau", G::etiquette, nullptr, "Coups d'ouv.", {24, 370, 73, 17}, P::normale},
    {"plateau", G::bouton, "CmdDebut", "<<", {104, 360, 25, 17}, P::normale, Etat::inactif},
    {"plateau", G::bouton, "CmdPrecedent", "<", {136, 360, 17, 17}, P::normale, Etat::inactif},
    {"plateau", G::bouton, "CmdSuivant", ">", {168, 360, 17, 17}, P::normale, Etat::inactif},
    {"plateau", G::bouton, "CmdFin", ">>", {192, 360, 25, 17}, P::normale, Etat::inactif},
    {"plateau", G::case_a_cocher, "ChkNoirAuto", "", {232, 352, 14, 17}, P::normale},
    {"plateau", G::etiquette, nullptr, "Noir auto", {248, 354, 49, 17}, P::normale},
    {"plateau", G::case_a_cocher, "ChkBlancAuto", "", {232, 368, 14, 17}, P::normale},
    {"plateau", G::etiquette, nullptr, "Blanc auto", {248, 370, 73, 17}, P::normale},
    {"plateau", G::bouton, "CmdSymPositive", "Sym /", {320, 360, 41, 17}, P::normale},
    {"plateau", G::bouton, "CmdSymNegative", "Sym \\", {376, 360, 41, 17}, P::normale},
    {"plateau", G::bouton, "CmdRotation", "Rot", {432, 360, 41, 17}, P::normale},
    {"plateau", G::ligne, nullptr, nullptr, {QPoint(8, 392), QPoint(472, 392)}},
    {"plateau", G::etiquette, nullptr, "Ouverture\u00a0:", {8, 400, 73, 17}, P::grasse},
    {"plateau", G::etiquette, "LblOuverture", "", {24, 416, 201, 33}, P::normale},
    {"plateau", G::etiquette, nullptr, "Bilan\u00a0:", {8, 448, 81, 17}, P::grasse},
    {"plateau", G::etiquette, "LblBilan", "", {24, 464, 193, 17}, P::normale},
    {"plateau", G::etiquette, nullptr, "Commentaire\u00a0:", {8, 480, 145, 17}, P::grasse},
    {"plateau", G::etiquette, "LblCommentaire", "", {24, 496, 209, 41}, P::normale},
    {"plateau", G::liste, "LstSuite", nullptr, {232, 400, 241, 134}, P::normale},

    {"ouverture", G::fenetre, "ouverture", "Tavik - Liste des ouvertures", {0, 0, 336, 539},
     P::normale, Etat::redimensionnable},
    {"ouverture", G::etiquette, nullptr, "Choisissez l'ouverture à charger", {8, 8, 321, 25},
     P::normale, Etat::actif, true},
    {"ouverture", G::zone_de_texte, "TxtFiltre", "", {8, 32, 321, 21}, P::normale},
    {"ouverture", G::liste, "LstOuverture", nullptr, {8, 58, 321, 433}, P::normale},
    {"ouverture", G::case_a_cocher, "ChkDepuisF5", "À partir de F5", {8, 508, 113, 17},
     P::normale},
    {"ouverture", G::bouton, "Cmdcharger", "Charger", {223, 504, 105, 25}, P::normale},

    {"Info", G::fenetre, "Info", "À propos…", {0, 0, 399, 239}, P::normale},
    {"Info", G::image, nullptr, nullptr, {8, 8, 100, 30}},
    {"Info", G::ligne, nullptr, nullptr, {QPoint(112, 32), QPoint(392, 32)}},
    // The title: a base label, and the initials of its five words over it in a heavy face.
    {"Info", G::etiquette, nullptr, nullptr, {8, 40, 393, 25}, P::arial_12},
    {"Info", G::etiquette, nullptr, nullptr, {9, 37, 17, 25}, P::lourde_12},
    {"Info", G::etiquette, nullptr, nullptr, {108, 37, 17, 25}, P::lourde_12},
    {"Info", G::etiquette, nullptr, nullptr, {216, 37, 17, 25}, P::lourde_12},
    {"Info", G::etiquette, nullptr, nullptr, {248, 37, 17, 25}, P::lourde_12},
    {"Info", G::etiquette, nullptr, nullptr, {339, 37, 17, 25}, P::lourde_12},
    {"Info", G::ligne, nullptr, nullptr, {QPoint(8, 64), QPoint(392, 64)}},
    {"Info", G::etiquette, nullptr, nullptr, {0, 72, 385, 17}, P::normale, Etat::actif, true},
    {"Info", G::etiquette, nullptr, nullptr, {8, 104, 385, 41}, P::normale},
    {"Info", G::etiquette, nullptr, "Nouvelle version, mise à jour\u00a0:", {24, 160, 169, 17},
     P::normale},
    {"Info", G::etiquette, nullptr, nullptr, {176, 160, 185, 17}, P::normale},
    {"Info", G::etiquette, nullptr, "Commentaires, informations\u00a0:", {24, 184, 137, 17},
     P::normale},
    {"Info", G::etiquette, nullptr, nullptr, {176, 184, 153, 17}, P::normale},
    {"Info", G::bouton, "CmdOk", "OK", {168, 208, 73, 25}, P::normale},

    {"entrainement", G::fenetre, "entrainement", "Tavik - Entraînement", {0, 0, 330, 539},
     P::normale},
    {"entrainement", G::etiquette, nullptr, "Couleur\u00a0:", {8, 10, 57, 17}, P::normale},
    {"entrainement", G::option, "OptNoir", "Noir", {72, 10, 57, 17}, P::normale, Etat::choisi},
    {"entrainement", G::option, "OptBlanc", "Blanc", {136, 10, 65, 17}, P::normale},
    {"entrainement", G::case_a_cocher, "ChkDepuisF5", "À partir de F5", {212, 10, 110, 17},
     P::normale, Etat::choisi},
    {"entrainement", G::onglets, "onglets", nullptr, {8, 34, 314, 497}, P::normale},

    {"seance", G::etiquette, nullptr, "Lignes à entraîner\u00a0:", {8, 8, 185, 17}, P::grasse},
    {"seance", G::option, "OptTout", "Toute la bibliothèque", {16, 26, 273, 17}, P::normale,
     Etat::choisi},
    {"seance", G::option, "OptPosition", "Les lignes de la position du plateau",
     {16, 44, 273, 17}, P::normale},
    {"seance", G::option, "OptOuverture", "Une ouverture\u00a0:", {16, 62, 273, 17}, P::normale},
    {"seance", G::zone_de_texte, "TxtFiltre", "", {32, 82, 257, 19}, P::normale},
    {"seance", G::liste, "LstOuverture", nullptr, {32, 104, 257, 86}, P::normale},
    {"seance", G::option, "OptMesParties", "Lignes de mes parties (aucune)", {16, 194, 193, 17},
     P::normale},
    {"seance", G::bouton, "CmdViderMesParties", "Vider…", {216, 190, 73, 25}, P::normale,
     Etat::inactif},
    {"seance", G::bouton, "CmdCommencer", "Commencer", {8, 218, 89, 25}, P::normale},
    {"seance", G::bouton, "CmdArreter", "Arrêter", {104, 218, 89, 25}, P::normale, Etat::inactif},
    {"seance", G::bouton, "CmdSuivant", "Suivant", {200, 218, 89, 25}, P::normale, Etat::inactif},
    {"seance", G::ligne, nullptr, nullptr, {QPoint(8, 251), QPoint(288, 251)}},
    {"seance", G::etiquette, "LblAnnonce", "", {8, 258, 281, 33}, P::grasse},
    {"seance", G::etiquette, "LblMessage",
     "Choisissez la couleur et les lignes, puis appuyez sur «\u00a0Commencer\u00a0».", {8, 294, 281, 41},
     P::normale},
    {"seance", G::etiquette, nullptr, "Ligne\u00a0:", {8, 340, 81, 17}, P::grasse},
    {"seance", G::etiquette, "LblLigne", "", {96, 340, 193, 33}, P::normale},
    {"seance", G::etiquette, nullptr, "Bilan\u00a0:", {8, 374, 81, 17}, P::grasse},
    {"seance", G::etiquette, "LblBilan", "", {96, 374, 193, 17}, P::normale},
    {"seance", G::etiquette, nullptr, "Commentaire\u00a0:", {8, 392, 81, 17}, P::grasse},
    {"seance", G::etiquette, "LblCommentaire", "", {96, 392, 193, 41}, P::normale},
    {"seance", G::etiquette, nullptr, "Score\u00a0:", {8, 436, 81, 17}, P::grasse},
    {"seance", G::etiquette, "LblScore", "", {96, 436, 193, 17}, P::normale},

    {"progres", G::etiquette, "LblProgres", nullptr, {8, 8, 281, 17}, P::grasse},
    {"progres", G::etiquette, nullptr, "Lignes connues\u00a0:", {16, 30, 137, 17}, P::normale},
    {"progres", G::etiquette, "LblConnues", "0", {160, 30, 57, 17}, P::normale},
    {"progres", G::etiquette, nullptr, "À revoir aujourd'hui\u00a0:", {16, 48, 137, 17}, P::normale},
    {"progres", G::etiquette, "LblDues", "0", {160, 48, 57, 17}, P::normale},
    {"progres", G::etiquette, nullptr, "Nouvelles\u00a0:", {16, 66, 137, 17}, P::normale},
    {"progres", G::etiquette, "LblNouvelles", nullptr, {160, 66, 57, 17}, P::normale},
    {"progres", G::etiquette, nullptr, "En apprentissage\u00a0:", {16, 84, 137, 17}, P::normale},
    {"progres", G::etiquette, "LblApprentissage", "0", {160, 84, 57, 17}, P::normale},
    {"progres", G::etiquette, nullptr, "Les lignes les plus faibles\u00a0:", {8, 108, 281, 17},
     P::grasse},
    {"progres", G::liste, "LstFaibles", nullptr, {8, 126, 281, 110}, P::normale},
    {"progres", G::etiquette, nullptr, "Les 30 derniers jours\u00a0:", {8, 244, 281, 17}, P::grasse},
    {"progres", G::graphique, "graphique", nullptr, {8, 262, 281, 140}, P::normale},
    {"progres", G::etiquette, nullptr, "Nouvelles lignes par jour\u00a0:", {8, 412, 153, 17},
     P::normale},
    {"progres", G::nombre, "TxtNouvelles", nullptr, {168, 410, 57, 21}, P::normale},
    {"progres", G::bouton, "CmdExporter", "Exporter la progression…", {8, 438, 137, 25},
     P::normale},
    {"progres", G::bouton, "CmdImporter", "Importer une progression…", {152, 438, 137, 25},
     P::normale},
};
// clang-format on

// The fixed controls, then the 64 tiles of the board, row by row from A1.
inline std::vector<Controle> table()
{
    static QByteArray noms[64];
    std::vector<Controle> t(std::begin(controles_fixes), std::end(controles_fixes));
    for (int i = 0; i < 64; ++i) {
        noms[i] = "plateau_" + QByteArray::number(i);
        const QRect place(32 + 32 * (i % 8), 64 + 32 * (i / 8), 32, 32);
        t.push_back({"plateau", G::tuile, noms[i].constData(), nullptr, place});
    }
    return t;
}
} // namespace disposition
