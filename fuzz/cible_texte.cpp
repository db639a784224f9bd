// Fuzz target: one text through every parser of the program's texts: a library record split
// into its columns, a move text turned by the three maps, the lookup's cut of the next move
// from a library line, an evaluation code, a comment turned into the label's text, a chooser
// line loaded onto the board or refused, a game pasted as text, and the library checker on
// the text as a whole file and as the moves of a file's one line.

#include "harnais.h"
#include "library/lecture_biblio.h"
#include "library/ligne_coups.h"
#include "library/recherche.h"
#include "library/texte.h"
#include "library/verification.h"
#include "orientation/transformations.h"
#include "record/transcription.h"

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

using namespace tavik;
using namespace tavik::fuzz;

namespace {

// A record with at most five separators is its columns joined again; none but the sixth
// column holds a separator.
void verifie_decoupe(const std::string& s)
{
    const LigneBiblio ligne = decoupe(s);
    for (int col = 0; col + 1 < nb_colonnes_biblio; ++col)
        exige(ligne[col].find(';') == std::string::npos, "a column holds no separator");
    const auto separateurs = std::count(s.begin(), s.end(), ';');
    if (separateurs >= nb_colonnes_biblio) return;
    std::string rejoint = ligne[0];
    for (int col = 1; col <= separateurs; ++col) rejoint += ";" + ligne[col];
    exige(rejoint == s, "the columns joined again give the record");
}

// Four quarter turns, or two equal mirrors, give a square back in upper case; anything that is
// not a square comes back unchanged.
void verifie_transformations(std::string_view coup)
{
    Case c;
    const std::string attendu = lit_case(coup, c) ? notation(c) : std::string(coup);
    std::string tourne(coup);
    for (int k = 0; k < 4; ++k) tourne = rot_coup(tourne);
    exige(tourne == attendu, "four quarter turns give the move back");
    exige(SymPos_coup(SymPos_coup(coup)) == attendu, "two \"Sym /\" give the move back");
    exige(SymNeg_coup(SymNeg_coup(coup)) == attendu, "two \"Sym \\\" give the move back");
}

// A library whose one line is the text, looked up with a game made of the text's first
// `longueur` characters: every continuation is a square, and the line is exact when it is the
// game without its trailing blanks.
void verifie_recherche(const std::string& s, std::size_t longueur)
{
    Biblio biblio {.lignes = std::vector<LigneBiblio>(1), .index = {}};
    biblio.lignes[0][col_coups] = s;
    biblio.indexe(1);
    const std::string jeu = majuscules(std::string_view(s).substr(0, longueur));
    const Correspondances trouvees = cherche_dans(biblio, 1, jeu);
    for (const Continuation& suite : trouvees.suivantes) {
        Case c;
        exige(lit_case(suite.coup, c), "a continuation is a square");
    }
    exige(trouvees.exactes.empty() == (majuscules(s) != sans_blancs_finaux(jeu)),
          "a line is exact when it is the game");
}

// A game pasted as text on a new game: read, it writes out and reads back the same; pasted,
// it is loaded whole, or refused with one message and the board left alone.
void verifie_transcription(Harnais& harnais, const std::string& s)
{
    const LectureTranscription lecture = lit_transcription(s);
    if (lecture.refus) {
        exige(lecture.refus->position >= 1
                  && lecture.refus->position <= static_cast<int>(s.size()) + 1,
              "a refusal points inside the text");
    } else {
        exige(lecture.partie.size() < static_cast<std::size_t>(nb_emplacements),
              "a game fits the record");
        ListeCoups liste {};
        std::copy(lecture.partie.begin(), lecture.partie.end(), liste.begin() + 1);
        const std::string ecrit
            = ecrit_transcription(liste, static_cast<int>(lecture.partie.size()) + 1);
        const LectureTranscription relue = lit_transcription(ecrit);
        exige(!relue.refus && relue.partie == lecture.partie,
              "a game written out reads back the same");
    }

    harnais.presse_papiers() = s;
    joue_sans_faute(harnais, {.genre = Genre::colle});
    const Plateau& p = harnais.plateau();
    if (lecture.refus) {
        exige(harnais.messages().size() == 1 && p.num_rejoue == 0,
              "a refused game leaves the board alone and says why");
    } else {
        exige(harnais.messages().empty(), "a game read is loaded without a message");
        exige(p.num_rejoue == static_cast<int>(lecture.partie.size()) + 1,
              "the whole game is loaded");
    }
    joue_sans_faute(harnais, {.genre = Genre::copie});
}

// The chooser's one line holds the text as its moves, its evaluation and its comment: a sound
// line is loaded whole, a faulty one refused with one message and the board left alone.
void verifie_chargement(Harnais& harnais, const std::string& s)
{
    Plateau& p = harnais.plateau();
    FonCom& com = p.com();
    com.biblio.lignes[0] = {"Ligne", "", s, p.conv_abrev(s), s, ""};
    com.nb_biblio = 1;
    com.biblio.indexe(1);
    joue_sans_faute(harnais, {.genre = Genre::rouvre_choix});
    const std::string avant = texte_partie(p);
    joue_sans_faute(harnais, {.genre = Genre::charger, .entree = 0});

    if (defaut_de_ligne(s)) {
        exige(harnais.messages().size() == 1, "a faulty line is refused with a message");
        exige(texte_partie(p) == avant, "a faulty line leaves the game alone");
        return;
    }
    exige(harnais.messages().empty(), "a sound line loads without a message");
    std::string partie;
    for (int k = 1; k < p.num_rejoue; ++k) partie += com.liste_coups[k].texte();
    exige(partie == coups_sans_espaces(s), "the record holds the line's moves");
    // The comment again, in another orientation of the same game.
    joue_sans_faute(harnais, {.genre = Genre::rotation});
    exige(p.ConvCommentJeu(s).find('/') == std::string::npos, "a comment's \"/\" are line breaks");
}

// The checker's findings are in line order, the file's own first, and its exit status says
// whether any is an error.
std::vector<Constat> verifie(std::string_view octets)
{
    std::vector<Constat> constats = verifie_biblio(octets);
    std::size_t precedente = 0;
    bool erreur = false;
    for (const Constat& c : constats) {
        exige(c.ligne >= precedente && c.nombre >= 1, "the checker's findings are in line order");
        precedente = c.ligne;
        erreur |= c.gravite == Gravite::erreur;
    }
    exige(code_verification(constats) == (erreur ? 1 : 0),
          "the checker's status follows its errors");
    return constats;
}

// The text as a file, then as the moves of a file's one line: a move text that the chooser
// refuses is an error of that line, or of the whole file, for the checker. Whether the text
// is a library to take from the working folder.
void verifie_verification(const std::string& s)
{
    // A file free of errors is a library wherever it lies, and so is one with the header.
    const int code = code_verification(verifie(s));
    exige(code == 1 || est_une_biblio(s), "a file without errors is a library");
    // A NUL byte makes a file unreadable as text (it is refused before its header is read).
    const std::string premiere = s.substr(0, s.find_first_of("\r\n"));
    if (premiere.find('\0') == std::string::npos)
        exige(est_une_biblio("Nom;Name;Coups\n" + premiere),
              "a file with this program's header is a library");
    if (s.find_first_of(";\r\n") != std::string::npos) return;
    const std::vector<Constat> constats
        = verifie("Nom;Name;Coups;Bilan;Commentaire;Sources\nLigne;;" + s);
    const auto erreur_ligne_2 = [](const Constat& c) {
        return c.gravite == Gravite::erreur
            && (c.ligne == 0 || (c.ligne <= 2 && 2 < c.ligne + c.nombre));
    };
    if (defaut_de_ligne(s))
        exige(std::any_of(constats.begin(), constats.end(), erreur_ligne_2),
              "a line that the chooser refuses is an error for the checker");
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string s(reinterpret_cast<const char*>(data), size);
    verifie_decoupe(s);
    verifie_transformations(std::string_view(s).substr(0, 2));
    verifie_recherche(s, size == 0 ? 0 : data[0] % (size + 1));
    verifie_verification(s);
    SourceOctets aucun_tirage({});
    Harnais harnais("Nom;Name;Coups;Bilan;Commentaire;Sources\n", aucun_tirage);
    verifie_transcription(harnais, s);
    verifie_chargement(harnais, s);
    return 0;
}
