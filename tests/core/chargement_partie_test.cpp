#include "support.h"

#include <gtest/gtest.h>

namespace tavik::test {

// Everything that the window shows of the game, and its orientation.
static std::string etat(Fenetre& f)
{
    const Plateau& p = f.p();
    const ControlesPlateau& c = p.controles;
    std::string s = image_grille(f.tab()) + partie(p) + "|" + std::to_string(p.num_coup) + "/"
        + std::to_string(p.num_rejoue) + "|" + std::to_string(p.rotation)
        + std::to_string(p.sym_positive) + std::to_string(p.sym_negative) + "|"
        + std::to_string(f.joueur()) + "|" + c.nb_noir.legende + "-" + c.nb_blanc.legende + "|"
        + c.LblOuverture.legende + "|" + "01"[c.CmdDebut.actif] + "01"[c.CmdPrecedent.actif]
        + "01"[c.CmdSuivant.actif] + "01"[c.CmdFin.actif] + "01"[c.TxtSuivant.visible];
    for (const Liste::Entree& e : c.LstCoup.entrees) s += "|" + e.texte;
    for (const Liste::Entree& e : c.LstSuite.entrees) s += "|" + e.texte;
    return s;
}

static const std::vector<std::string> biblio
    = {"Tigre;;C4E3 F6E6 F5", "Tigre long;;C4E3 F6E6 F5G6"};

// A pasted game replaces a turned and mirrored game and shows exactly as the chooser shows
// the same line; a faulty text, or one that arrives while a disc is placed, changes nothing.
TEST(ChargementPartie, PastedGameShowsAsTheChooserLoadsItOrIsRefused)
{
    Fenetre collee(biblio), choisie(biblio);
    for (Fenetre* f : {&collee, &choisie}) {
        f->joue("F5 D6 C3 D3");
        f->p().CmdRotation_Click();
        f->p().CmdSymPositive_Click();
        f->p().CmdPrecedent_Click();
    }
    collee.p().charge_transcription("1. c4 E3 2. f6e6\n3. F5");
    choisie.ouverture->Form_Load();
    choisie.ouverture->LstOuverture.selection = 0;
    choisie.ouverture->Cmdcharger_Click();
    EXPECT_EQ(etat(collee), etat(choisie));
    const Plateau& p = collee.p();
    EXPECT_EQ(partie(p), "C4 E3 F6 E6 F5");
    EXPECT_EQ(p.num_coup * 100 + p.num_rejoue * 10 + p.rotation + p.sym_positive, 660);
    EXPECT_TRUE(collee.hote.messages.empty());

    const std::string avant = etat(collee);
    collee.p().charge_transcription("c4 e3 f6 d3");
    EXPECT_EQ(etat(collee), avant);
    ASSERT_EQ(collee.hote.messages.size(), 1u);
    EXPECT_EQ(collee.hote.messages[0],
              "Cette partie ne peut pas être chargée : au caractère 10, le coup 4 « d3 » ne "
              "retourne aucun pion, blanc ne peut pas y jouer.");

    collee.hote.pendant_pompe = [&] { collee.p().charge_transcription("f5d6"); };
    collee.clic("G6");
    EXPECT_EQ(partie(collee.p()), "C4 E3 F6 E6 F5 G6");
    EXPECT_EQ(collee.hote.messages.size(), 1u);
}

// The text ends at the current point and is always written from the usual start: a game
// turned an odd number of quarter turns is turned back first.
TEST(ChargementPartie, CopyEndsAtTheCurrentPointFromTheUsualStart)
{
    Fenetre f;
    Plateau& p = f.p();
    EXPECT_EQ(p.transcription(), "");
    f.joue("F5 D6 C3 D3 C4");
    p.CmdPrecedent_Click();
    EXPECT_EQ(p.transcription(), "f5d6c3d3");
    const char* tournees[] = {"f5d6c3d3", "c4e3f6e6", "f5d6c3d3", "f5d6c3d3"};
    for (const char* attendue : tournees) {
        p.CmdRotation_Click();
        EXPECT_EQ(p.transcription(), attendue) << p.rotation;
    }
    p.CmdRotation_Click(); // rotation 1, then mirrored: any image of the game reads back
    p.CmdSymNegative_Click();
    const std::string texte = p.transcription();
    EXPECT_EQ(texte, "d3c5f6f5");
    p.charge_transcription(texte);
    EXPECT_TRUE(f.hote.messages.empty());
    EXPECT_EQ(partie(p), "D3 C5 F6 F5");
    EXPECT_EQ(p.transcription(), texte);
}

} // namespace tavik::test
