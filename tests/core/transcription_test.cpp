#include "record/transcription.h"
#include "support.h"

#include <gtest/gtest.h>

namespace tavik::test {

// A recorded game (played to its end by presses in jeu_complet_test): black passes in slot 13,
// after white's H4; A4 ends it.
constexpr const char* partie_connue
    = "F5 F6 F7 F4 D3 G5 H5 H6 G3 E3 F3 H4 -- F2 F1 E1 H2 F8 D1 C4 B5 E2 G6 D6 E6 A6 G8 H8 C3 E8 "
      "G1 G4 D2 E7 H7 C6 G7 C1 B1 D7 C5 C2 B7 B6 G2 C8 B2 H1 A5 H3 A8 C7 B4 A1 A2 B3 A7 B8 D8 A3 "
      "A4";
// The same game as other programs write it: lower case, no pass.
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
}

// The position is the character where the fault begins, counted in characters, not bytes.
TEST(Transcription, FaultsAreRefusedWithTheirPlaceAndReason)
{
    const std::string fin = std::string(texte_connu);
    const std::pair<std::string, std::string> cas[] = {
        {"", "1: le texte ne contient aucun coup"},
        {" 1. \n", "1: le texte ne contient aucun coup"},
        {"f5 d6 c9", "7: « c9 » n'est pas une case"},
        {"f5 d6 c", "7: « c » n'est pas une case"},
        {"f5 d6 cé", "7: « cé » n'est pas une case"},
        {"f5 x6", "4: « x » n'est ni un coup, ni un passe, ni un numéro de coup"},
        {"f5\u00a0d6\u00a0é3", "7: « é » n'est ni un coup, ni un passe, ni un numéro de coup"},
        {"f5, d6", "3: « , » n'est ni un coup, ni un passe, ni un numéro de coup"},
        {"f5 d6 12 c3", "7: le numéro « 12 » n'est pas suivi d'un point"},
        {"f5 f5", "4: le coup 2 « f5 » tombe sur une case occupée"},
        {"f5 d3", "4: le coup 2 « d3 » ne retourne aucun pion, blanc ne peut pas y jouer"},
        {"f5 d6 c3 pass", "10: « pass » : blanc a un coup jouable, il ne passe pas"},
        {"PA f5", "1: « PA » : noir a un coup jouable, il ne passe pas"},
        {fin + " h1",
         std::to_string(fin.size() + 2) + ": la partie est finie avant le coup 61 « h1 »"},
        {fin + "--", std::to_string(fin.size() + 1) + ": « -- » : la partie est finie"},
    };
    for (const auto& [texte, attendu] : cas) EXPECT_EQ(lu(texte), attendu) << texte;
}

// A game copied at every point of the record reads back as the record up to that point; the
// copy of the point of a pass reads back with the pass, as the board records it.
TEST(Transcription, CopyThenPasteGivesTheRecordedGame)
{
    Fenetre f;
    f.joue(std::string(partie_connue).erase(36, 3));
    Plateau& p = f.p();
    ASSERT_EQ(partie(p), partie_connue);
    EXPECT_EQ(ecrit_transcription(p.com().liste_coups, p.num_rejoue), texte_connu);
    EXPECT_EQ(ecrit_transcription(p.com().liste_coups, 1), "");
    for (int n = 2; n <= p.num_rejoue; ++n) {
        const std::string texte = ecrit_transcription(p.com().liste_coups, n);
        const int jusqua = n == 13 ? 14 : n; // slot 13 is the pass after H4
        EXPECT_EQ(lu(texte), std::string(partie_connue).substr(0, 3 * (jusqua - 1) - 1)) << n;
    }
}

} // namespace tavik::test
