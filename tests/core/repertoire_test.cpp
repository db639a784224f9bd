#include "library/cle_ligne.h"
#include "library/fichier.h"
#include "library/lecture_biblio.h"
#include "library/ligne_coups.h"
#include "library/symetries.h"
#include "support.h"
#include "training/forme_commune.h"
#include "training/items.h"
#include "training/repertoire.h"

#include <gtest/gtest.h>

namespace tavik::test {

namespace {

std::string forme(const std::string& partie, int rotation = 0)
{
    FormeCommune f(rotation);
    for (const Case c : cases_de_ligne(partie)) {
        if (!f.jouable(c)) return "illegal " + notation(c);
        f.joue(c);
    }
    return cle_de_ligne(f.coups());
}

} // namespace

// The four first moves of the usual start begin one line written four ways; after C4 C3 D3 the
// board is its own mirror image, and the lines that go on on either side of the diagonal are
// one line again (the shipped library writes the Zebra both ways under one name); after C4
// alone the board has no symmetry. Move by move, the drill finds the same form, also from the
// turned start and on every shipped line played half a turn away.
TEST(FormeCommune, KnownFormsFoundAlikeMoveByMoveOnEveryShippedLine)
{
    const auto les_deux = [](const char* ligne, const char* attendue) {
        EXPECT_EQ(cle_de_ligne(forme_commune(cases_de_ligne(ligne))), attendue) << ligne;
        EXPECT_EQ(forme(ligne), attendue) << ligne;
    };
    for (const char* l : {"C4E3 F6E6 F5", "D3C5 F6F5 E6", "F5D6 C3D3 C4", "E6F4 C3C4 D3"})
        les_deux(l, "C4E3 F6E6 F5");
    for (const char* l : {"C4C3 D3E3 F6E6 F5", "C4C3 D3C5 F6F5 E6", "E6F6 F5F4 C3C4 D3"})
        les_deux(l, "C4C3 D3C5 F6F5 E6");
    les_deux("C4C3 D3E3 F6C5 F3E6 D6C7 C6D7 B4", "C4C3 D3C5 F6E3 C6F5 F4G3 F3G4 D2");
    les_deux("C4C5", "C4C5");
    EXPECT_EQ(forme("E3F5 C6C5 D6", 1), "C4E3 F6E6 F5");
    EXPECT_EQ(forme("E3"), "illegal E3");

    std::string octets, raison;
    ASSERT_TRUE(lit_fichier(TAVIK_DATA_DIR "/biblio.csv", octets, raison)) << raison;
    int lignes = 0;
    for (const LigneBiblio& ligne : lit_biblio(octets).lignes) {
        if (defaut_de_ligne(ligne[col_coups])) continue;
        const std::vector<Case> c = cases_de_ligne(ligne[col_coups]);
        FormeCommune droite, retournee;
        for (const Case coup : c) {
            droite.joue(coup);
            retournee.joue(
                {static_cast<int16_t>(9 - coup.ligne), static_cast<int16_t>(9 - coup.colonne)});
        }
        EXPECT_EQ(droite.coups(), forme_commune(c)) << ligne[col_coups];
        EXPECT_EQ(retournee.coups(), forme_commune(c)) << ligne[col_coups];
        ++lignes;
    }
    EXPECT_GT(lignes, 700);
    // The lookup's map of a board move into the library's orientation, which names the row.
    EXPECT_EQ(vers_biblio("F5", case_ecrite("D6")), case_ecrite("E3"));
    EXPECT_EQ(vers_biblio("E3", case_ecrite("F5")), case_ecrite("E3"));
}

// Lines are the library lines that nothing goes on from, their mirror forms together; rows that
// cannot be played are left out, rows that lines go through stay as openings. A line repeated,
// or written again in lower case, is one line.
TEST(Repertoire, LinesFromTheLibrary)
{
    const BiblioChargee b(petite_biblio());
    const Repertoire rep = construit_repertoire(b.biblio, b.nb);
    std::vector<std::string> cles;
    for (const LigneRepertoire& l : rep.lignes) cles.push_back(l.cle);
    EXPECT_EQ(cles,
              (std::vector<std::string> {"C4E3 F6E6 F5G6", "C4E3 F6E6 F5C5 F4", "C4C3 D3C5 F6F5 E6",
                                         "C4C5", "C4E3 F4C5 E6"}));
    ASSERT_EQ(rep.rangees.size(), 8u);
    EXPECT_EQ(rep.rangees[0].ligne + rep.rangees[1].ligne, -2);
    EXPECT_EQ(rep.lignes[2].formes, (std::vector<int> {4, 5}));
    EXPECT_EQ(rep.nom(1), "Tigre centrale");
    EXPECT_EQ(rep.rangees[2].commentaire, "voir F5/n+=");

    const BiblioChargee r(
        {"A;;C4E3 F6", "B;;c4e3 f6", "C;;C4E3 F6E6", "D;;C4C3 D3E3", "E;;C4C3 D3C5 F6"});
    const Repertoire rep2 = construit_repertoire(r.biblio, r.nb);
    cles.clear();
    for (const LigneRepertoire& l : rep2.lignes) cles.push_back(l.cle);
    EXPECT_EQ(cles, (std::vector<std::string> {"C4E3 F6E6", "C4C3 D3C5 F6"}));
    EXPECT_EQ(rep2.rangees[3].ligne, -1); // D is the mirror of E's beginning
}

// The choices of lines: every line where the colour has a move, the lines through the board's
// position in any orientation, the lines through one opening picked by name.
TEST(Repertoire, ChoicesOfLines)
{
    const BiblioChargee b(petite_biblio());
    const Repertoire rep = construit_repertoire(b.biblio, b.nb);
    const auto par_position = [&](const std::string& partie, int passe = 0) {
        ListeCoups liste {};
        int num_coup = 1;
        for (const Case c : cases_de_ligne(partie)) liste[num_coup++] = Emplacement::coup(c);
        if (passe) liste[passe] = Emplacement::passe();
        return portee_position(rep, noir, liste, num_coup);
    };
    using V = std::vector<int>;
    EXPECT_EQ(portee_complete(rep, blanc), (V {0, 1, 2, 3, 4}));
    EXPECT_EQ(par_position(""), (V {0, 1, 2, 3, 4}));
    EXPECT_EQ(par_position("F5D6"), (V {0, 1, 4}));
    EXPECT_EQ(par_position("F5D6 C3"), (V {0, 1}));
    EXPECT_EQ(par_position("D3C3 C4"), V {2});
    EXPECT_EQ(par_position("D3C3 C4C5"), V {2}); // the E3 side, mirrored by D3
    EXPECT_EQ(par_position("F5D6 C3D3 C4B3 B4"), V {}); // past the end of Bill
    EXPECT_EQ(par_position("F5D6", 2), V {});

    EXPECT_EQ(portee_ouverture(rep, noir, 1), (V {0, 1}));
    EXPECT_EQ(portee_ouverture(rep, noir, 5), V {2});
    EXPECT_EQ(portee_ouverture(rep, noir, 8), V {}); // not a playable row
    EXPECT_EQ(ouvertures_par_nom(rep, "TIGRE"), (V {1, 3, 4, 5}));
    EXPECT_EQ(ouvertures_par_nom(rep, "").size(), rep.rangees.size());

    EXPECT_EQ(coups_de_couleur(1, noir) * 100 + coups_de_couleur(1, blanc) * 10
                  + coups_de_couleur(5, blanc),
              102);
}

} // namespace tavik::test

namespace tavik::test {

namespace {

std::vector<std::string> cles_des_items(const ItemsCouleur& items, std::span<const int> ordre = {})
{
    std::vector<std::string> cles(items.items.size());
    for (std::size_t i = 0; i < items.items.size(); ++i)
        cles[ordre.empty() ? i : static_cast<std::size_t>(ordre[i])] = items.items[i].cle;
    return cles;
}

} // namespace

// Lines that part only at the opponent's last move are one item for the learner's colour, named
// by the row where the item ends; each colour cuts the lines at its own last move.
TEST(Items, LinesThatDifferOnlyInTheOpponentsLastMovesAreOne)
{
    const BiblioChargee b({"Tigre;;C4E3 F6E6 F5;eq;", "Bill;;C4E3 F6E6 F5G6;n+=;",
                           "Tigre c5;;C4E3 F6E6 F5C5;eq;", "Parallèle;;C4C5;b+;",
                           "Cheval;;C4E3 F4C5 E6;b+=;"});
    const Repertoire rep = construit_repertoire(b.biblio, b.nb);
    ASSERT_EQ(rep.lignes.size(), 4u);
    const ItemsCouleur noirs = items_de(rep, noir);
    // Parallèle teaches black nothing: its first move is free.
    EXPECT_EQ(cles_des_items(noirs), (std::vector<std::string> {"C4E3 F6E6 F5", "C4E3 F4C5 E6"}));
    EXPECT_EQ(noirs.items[0].lignes, (std::vector<int> {0, 1}));
    EXPECT_EQ(noirs.items[0].nom, "Tigre");
    EXPECT_EQ(noirs.items[1].nom, "Cheval");
    EXPECT_EQ(noirs.de_ligne, (std::vector<int> {0, 0, -1, 1}));
    EXPECT_EQ(items_des_lignes(noirs, std::vector<int> {3, 1, 2, 0}), (std::vector<int> {1, 0}));

    const ItemsCouleur blancs = items_de(rep, blanc);
    EXPECT_EQ(cles_des_items(blancs),
              (std::vector<std::string> {"C4E3 F6E6 F5G6", "C4E3 F6E6 F5C5", "C4C5", "C4E3 F4C5"}));
}

// New items come shorter first, so an item before those that go on from it, then in file
// order; for the whole library, the items with a row bad for the colour on their way last.
TEST(Items, NewItemsParentFirstBadOnesLast)
{
    const BiblioChargee b({"Profonde;;C4E3 F6E6 F5C5 F4;eq;", "Courte;;C4E3 F6E6 F5G6;eq;",
                           "Mauvaise;;C4C3;b+;", "Mauvaise suite;;C4C3 D3C5 F6;eq;",
                           "Bonne;;C4C5;Avantage à noir.;", "Perdante;;C4E3 F4;Avantage à blanc.;",
                           "Perdante suite;;C4E3 F4C5 E6;n+;"});
    const Repertoire rep = construit_repertoire(b.biblio, b.nb);
    const ItemsCouleur noirs = items_de(rep, noir);
    ASSERT_EQ(cles_des_items(noirs),
              (std::vector<std::string> {"C4E3 F6E6 F5C5 F4", "C4E3 F6E6 F5", "C4C3 D3C5 F6",
                                         "C4E3 F4C5 E6"}));
    EXPECT_EQ(cles_des_items(noirs, ordre_des_nouveaux(noirs, false)),
              (std::vector<std::string> {"C4E3 F6E6 F5", "C4C3 D3C5 F6", "C4E3 F4C5 E6",
                                         "C4E3 F6E6 F5C5 F4"}));
    EXPECT_EQ(cles_des_items(noirs, ordre_des_nouveaux(noirs, true)),
              (std::vector<std::string> {"C4E3 F6E6 F5", "C4E3 F6E6 F5C5 F4", "C4C3 D3C5 F6",
                                         "C4E3 F4C5 E6"}));
    std::vector<bool> mauvais;
    for (const ItemRepertoire& i : noirs.items) mauvais.push_back(i.defavorable);
    EXPECT_EQ(mauvais, (std::vector<bool> {false, false, true, true}));
    // For white the same codes are good news, and black's advantage is bad.
    const ItemsCouleur blancs = items_de(rep, blanc);
    std::vector<std::string> mauvais_blancs;
    for (const ItemRepertoire& i : blancs.items)
        if (i.defavorable) mauvais_blancs.push_back(i.cle);
    EXPECT_EQ(mauvais_blancs, (std::vector<std::string> {"C4C5"}));
    EXPECT_TRUE(evaluation_defavorable("n--", noir));
    EXPECT_FALSE(evaluation_defavorable("Léger avantage à blanc.", noir));
}

} // namespace tavik::test
