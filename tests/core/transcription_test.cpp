#include "record/transcription.h"
#include "support.h"

#include <gtest/gtest.h>

namespace tavik::test {

// The recorded game as other programs write it: lower case, no pass.
constexpr const char* texte_connu = "f5f6f7f4d3g5h5h6g3e3f3h4f2f1e1h2f8d1c4b5e2g6d6e6a6g8h8c3e8g1g4"
                                    "d2e7h7c6g7c1b1d7c5c2b7b6g2c8b2h1a5h3a8c7b4a1a2b3a7b8d8a3a4";

// The slots read, "--" for a pass, or the refusal as "position: reason".
static std::string lu(std::string_view texte)
{
    const LectureTranscription l = lit_transcription(texte);
    if (l.refus) {
        EXPECT_TRUE(l.partie.empty());
        return std::to_string(l.refus->position) + ": " + l.refus->raison;
    }
    std::string s;
    for (const Emplacement& e : l.partie)
        s += (s.empty() ? "" : " ") + (e.est_passe() ? "--" : e.texte());
    return s;
}

TEST(Transcription, LooseWritingsGiveTheGame)
{
    const std::pair<std::string, std::string> cas[] = {
        {"f5d6c3d3c4", "F5 D6 C3 D3 C4"},
        {"F5D6C3 d3 C4", "F5 D6 C3 D3 C4"},
        {"1. f5 d6 2. c3 d3 3. c4", "F5 D6 C3 D3 C4"},
        {"  1.F5 D6\r\n2.C3\t3...d3 c4\n", "F5 D6 C3 D3 C4"},
        {"\ufefff5\u00a0d6\u202fc3", "F5 D6 C3"}, // a byte order mark, non-breaking spaces
        // The pass after white's H4 is found, or accepted where it is written.
        {texte_connu, partie_connue},
        {"f5f6f7f4d3g5h5h6g3e3f3h4 pass f2", "F5 F6 F7 F4 D3 G5 H5 H6 G3 E3 F3 H4 -- F2"},
        {"f5f6f7f4d3g5h5h6g3e3f3h4 PA f2", "F5 F6 F7 F4 D3 G5 H5 H6 G3 E3 F3 H4 -- F2"},
        {"f5f6f7f4d3g5h5h6g3e3f3h4--f2", "F5 F6 F7 F4 D3 G5 H5 H6 G3 E3 F3 H4 -- F2"},
        // A pass forced after the last move is recorded, written or not, as the board does.
        {"f5f6f7f4d3g5h5h6g3e3f3h4", "F5 F6 F7 F4 D3 G5 H5 H6 G3 E3 F3 H4 --"},
        {"f5f6f7f4d3g5h5h6g3e3f3h4 passe", "F5 F6 F7 F4 D3 G5 H5 H6 G3 E3 F3 H4 --"},
    };
    for (const auto& [texte, attendu] : cas) EXPECT_EQ(lu(texte), attendu) << texte;
    // Every blank of Unicode (its White_Space property) separates, the zero-width space too.
    for (const char* blanc :
         {"\t",     "\n",     "\v",     "\f",     "\r",     " ",      "\u0085", "\u00a0", "\u1680",
          "\u2000", "\u2001", "\u2002", "\u2003", "\u2004", "\u2005", "\u2006", "\u2007", "\u2008",
          "\u2009", "\u200a", "\u2028", "\u2029", "\u202f", "\u205f", "\u3000", "\u200b"})
        EXPECT_EQ(lu(std::string("f5") + blanc + "d6" + blanc + blanc + "c3"), "F5 D6 C3") << blanc;
}

// The position is the character where the fault begins, counted in characters, not bytes.
TEST(Transcription, FaultsAreRefusedWithTheirPlaceAndReason)
{
    const std::string fin = std::string(texte_connu);
    const std::pair<std::string, std::string> cas[] = {
        {"", "1: le texte ne contient aucun coup"},
        {" 1. \n", "1: le texte ne contient aucun coup"},
        {"f5 d6 c9", "7: «\u00a0c9\u00a0» n'est pas une case"},
        {"f5 d6 c", "7: «\u00a0c\u00a0» n'est pas une case"},
        {"f5 d6 cé", "7: «\u00a0cé\u00a0» n'est pas une case"},
        {"f5 x6", "4: «\u00a0x\u00a0» n'est ni un coup, ni un passe, ni un numéro de coup"},
        {"f5\u00a0d6\u00a0é3",
         "7: «\u00a0é\u00a0» n'est ni un coup, ni un passe, ni un numéro de coup"},
        {"f5, d6", "3: «\u00a0,\u00a0» n'est ni un coup, ni un passe, ni un numéro de coup"},
        // An invisible character is named by its code.
        {"f5\u2007d6\u200dc3",
         "6: «\u00a0[U+200D]\u00a0» n'est ni un coup, ni un passe, ni un numéro de coup"},
        {"f5 d6\x01",
         "6: «\u00a0[U+0001]\u00a0» n'est ni un coup, ni un passe, ni un numéro de coup"},
        {"f5 d6 c\u2060", "7: «\u00a0c[U+2060]\u00a0» n'est pas une case"},
        {"f5 d6 12 c3", "7: le numéro «\u00a012\u00a0» n'est pas suivi d'un point"},
        {"f5 f5", "4: le coup 2 «\u00a0f5\u00a0» tombe sur une case occupée"},
        {"f5 d3",
         "4: le coup 2 «\u00a0d3\u00a0» ne retourne aucun pion, blanc ne peut pas y jouer"},
        {"f5 d6 c3 pass", "10: «\u00a0pass\u00a0»\u00a0: blanc a un coup jouable, il ne passe pas"},
        {"PA f5", "1: «\u00a0PA\u00a0»\u00a0: noir a un coup jouable, il ne passe pas"},
        {fin + " h1",
         std::to_string(fin.size() + 2)
             + ": la partie est finie avant le coup 61 «\u00a0h1\u00a0»"},
        {fin + "--",
         std::to_string(fin.size() + 1) + ": «\u00a0--\u00a0»\u00a0: la partie est finie"},
    };
    for (const auto& [texte, attendu] : cas) EXPECT_EQ(lu(texte), attendu) << texte;
}

// A game copied at every point of the record reads back as the record up to that point; the
// copy of the point of a pass reads back with the pass, as the board records it. The copy is
// always written from the usual start: a game turned an odd number of quarter turns is turned
// back first, and any image of the game reads back as itself.
TEST(Transcription, CopyThenPasteGivesTheRecordedGameFromTheUsualStart)
{
    Fenetre f;
    Plateau& p = f.p();
    EXPECT_EQ(p.transcription(), "");
    f.joue(std::string(partie_connue).erase(36, 3));
    ASSERT_EQ(partie(p), partie_connue);
    EXPECT_EQ(p.transcription(), texte_connu);
    for (int n = 2; n <= p.num_rejoue; ++n) {
        const std::string texte = ecrit_transcription(p.com().liste_coups, n);
        const int jusqua = n == 13 ? 14 : n; // slot 13 is the pass after H4
        EXPECT_EQ(lu(texte), std::string(partie_connue).substr(0, 3 * (jusqua - 1) - 1)) << n;
    }

    p.CmdDebut_Click();
    for (int i = 0; i < 4; ++i) p.CmdSuivant_Click();
    for (const char* attendue : {"f5f6f7f4", "c4c3c2c5", "f5f6f7f4", "f5f6f7f4"}) {
        p.CmdRotation_Click();
        EXPECT_EQ(p.transcription(), attendue) << p.rotation;
    }
    p.CmdRotation_Click(); // rotation 1, then mirrored: the game's image about A8-H1
    p.CmdSymNegative_Click();
    EXPECT_EQ(p.transcription(), "d3c3b3e3");
    p.charge_transcription("d3c3b3e3");
    EXPECT_EQ(f.hote.messages.size(), 1U); // the result of the game played, only
    EXPECT_EQ(partie(p), "D3 C3 B3 E3");
    EXPECT_EQ(p.transcription(), "d3c3b3e3");
}

// What the window shows of the game and its orientation (the buttons are its invariants).
static std::string etat(Fenetre& f)
{
    const Plateau& p = f.p();
    const ControlesPlateau& c = p.controles;
    std::string s = image_grille(f.tab()) + partie(p) + "|" + std::to_string(p.num_coup) + "/"
        + std::to_string(p.num_rejoue) + "|" + std::to_string(p.rotation)
        + std::to_string(p.sym_positive) + std::to_string(p.sym_negative) + "|"
        + std::to_string(f.joueur()) + "|" + c.nb_noir.legende + "-" + c.nb_blanc.legende + "|"
        + c.LblOuverture.legende;
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
              "Cette partie ne peut pas être chargée\u00a0: au caractère 10, le coup 4 "
              "«\u00a0d3\u00a0» ne "
              "retourne aucun pion, blanc ne peut pas y jouer.");

    collee.hote.pendant_pompe = [&] { collee.p().charge_transcription("f5d6"); };
    collee.clic("G6");
    EXPECT_EQ(partie(collee.p()), "C4 E3 F6 E6 F5 G6");
    EXPECT_EQ(collee.hote.messages.size(), 1u);
}

} // namespace tavik::test
