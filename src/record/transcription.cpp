#include "record/transcription.h"

#include "engine/regles.h"
#include "record/typographie.h"
#include "record/utf8.h"

#include <array>

namespace tavik {

namespace {

constexpr bool est_chiffre(char c)
{
    return c >= '0' && c <= '9';
}
constexpr char minuscule(char c)
{
    return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
}
constexpr bool suite_utf8(char c)
{
    return (static_cast<unsigned char>(c) & 0xC0) == 0x80;
}

// Whether `texte` begins with `modele` (lower case), whatever the case of its letters.
bool commence_par(std::string_view texte, std::string_view modele)
{
    if (texte.size() < modele.size()) return false;
    for (std::size_t i = 0; i < modele.size(); ++i)
        if (minuscule(texte[i]) != modele[i]) return false;
    return true;
}

// The ways of writing a pass, longest first so that "pass" is not read as "pa" then "ss".
constexpr std::array<std::string_view, 4> passes {"passe", "pass", "pa", "--"};

// The length of the blank that `reste` begins with, 0 when it begins with none. Every Unicode
// blank separates moves, as copied text may carry any: the non-breaking spaces of web pages
// and of French typography, the figure space of aligned columns, tabs and line breaks; and so
// do the zero-width space and the byte order mark that some files begin with.
std::size_t longueur_blanc(std::string_view reste)
{
    const std::size_t n = sequence_utf8(reste, 0);
    if (n == 0) return 0;
    const char32_t u = code_utf8(reste, 0, n);
    return blanc_unicode(u) || u == 0x200B || u == 0xFEFF ? n : 0;
}

const char* nom_couleur(int16_t couleur)
{
    return couleur == noir ? "noir" : "blanc";
}

// Replays the text's moves from the usual start; stops at the first fault.
class Lecteur
{
public:
    explicit Lecteur(std::string_view texte)
        : texte_(texte)
    {
    }

    LectureTranscription lit()
    {
        while (i_ < texte_.size() && !resultat_.refus) lit_element();
        if (!resultat_.refus && nb_coups_ == 0) refuse(0, "le texte ne contient aucun coup");
        if (!resultat_.refus && passe_forcee()) ajoute(Emplacement::passe());
        if (resultat_.refus) resultat_.partie.clear();
        return std::move(resultat_);
    }

private:
    void lit_element()
    {
        const std::string_view reste = texte_.substr(i_);
        if (const std::size_t blanc = longueur_blanc(reste)) {
            i_ += blanc;
        } else if (est_chiffre(reste[0])) {
            lit_numero();
        } else if (const std::size_t n = longueur_passe(reste)) {
            passe(n);
        } else {
            lit_coup();
        }
    }

    // "12." or "12...": a move number, skipped.
    void lit_numero()
    {
        std::size_t fin = i_;
        while (fin < texte_.size() && est_chiffre(texte_[fin])) ++fin;
        if (fin == texte_.size() || texte_[fin] != '.') {
            refuse(i_,
                   "le numéro " + guillemets(std::string(texte_.substr(i_, fin - i_)))
                       + " n'est pas suivi d'un point");
            return;
        }
        while (fin < texte_.size() && texte_[fin] == '.') ++fin;
        i_ = fin;
    }

    static std::size_t longueur_passe(std::string_view reste)
    {
        for (std::string_view p : passes)
            if (commence_par(reste, p)) return p.size();
        return 0;
    }

    void lit_coup()
    {
        const char lettre = minuscule(texte_[i_]);
        if (lettre < 'a' || lettre > 'h') {
            refuse(i_,
                   guillemets(visible(symbole(i_)))
                       + " n'est ni un coup, ni un passe, ni un numéro de coup");
            return;
        }
        Case c;
        const std::string_view coup = texte_.substr(i_, 2);
        if (!lit_case(coup, c)) {
            const std::string suite = i_ + 1 < texte_.size() ? visible(symbole(i_ + 1)) : "";
            refuse(i_,
                   "«\u00a0" + std::string(1, texte_[i_]) + suite + "\u00a0» n'est pas une case");
            return;
        }
        joue(c, coup);
    }

    void joue(Case c, std::string_view coup)
    {
        const std::string cite = "le coup " + std::to_string(nb_coups_ + 1) + " «\u00a0"
            + std::string(coup) + "\u00a0»";
        if (!joueur_passe(jeu_, couleur_)) {
            if (!passe_forcee()) {
                refuse(i_, "la partie est finie avant " + cite);
                return;
            }
            ajoute(Emplacement::passe());
        }
        if (jeu_[c.ligne][c.colonne] != vide) {
            refuse(i_, cite + " tombe sur une case occupée");
            return;
        }
        if (!test_coup_possible(jeu_, couleur_, c.ligne, c.colonne)) {
            refuse(i_,
                   cite + " ne retourne aucun pion, " + nom_couleur(couleur_)
                       + " ne peut pas y jouer");
            return;
        }
        coup_joue(jeu_, couleur_, c.ligne, c.colonne);
        jeu_[c.ligne][c.colonne] = static_cast<int8_t>(couleur_);
        ++nb_coups_;
        ajoute(Emplacement::coup(c));
        i_ += coup.size();
    }

    // A pass written in the text: only where the side to move has no move and the other has.
    void passe(std::size_t longueur)
    {
        const std::string cite = guillemets(texte_.substr(i_, longueur));
        if (joueur_passe(jeu_, couleur_)) {
            refuse(i_,
                   cite + "\u00a0: " + nom_couleur(couleur_)
                       + " a un coup jouable, il ne passe pas");
            return;
        }
        if (!passe_forcee()) {
            refuse(i_, cite + "\u00a0: la partie est finie");
            return;
        }
        ajoute(Emplacement::passe());
        i_ += longueur;
    }

    // The side to move has no legal square while the other side has one.
    bool passe_forcee() const
    {
        return !joueur_passe(jeu_, couleur_) && joueur_passe(jeu_, adversaire(couleur_));
    }

    // Every slot hands the turn over. A game that the rules allow always fits the record.
    void ajoute(Emplacement e)
    {
        if (resultat_.partie.size() + 1 >= static_cast<std::size_t>(nb_emplacements)) {
            refuse(i_, "la partie est trop longue");
            return;
        }
        resultat_.partie.push_back(std::move(e));
        couleur_ = adversaire(couleur_);
    }

    // The character at byte `octet`, whole even when it takes several bytes in UTF-8.
    std::string_view symbole(std::size_t octet) const
    {
        std::size_t fin = octet + 1;
        while (fin < texte_.size() && suite_utf8(texte_[fin])) ++fin;
        return texte_.substr(octet, fin - octet);
    }

    void refuse(std::size_t octet, std::string raison)
    {
        int position = 1;
        for (std::size_t k = 0; k < octet && k < texte_.size(); ++k)
            position += suite_utf8(texte_[k]) ? 0 : 1;
        resultat_.refus = Refus {position, std::move(raison)};
    }

    std::string_view texte_;
    std::size_t i_ = 0; // the byte being read
    Grille jeu_ = position_initiale();
    int16_t couleur_ = noir; // the side to move
    int nb_coups_ = 0; // moves read, passes left out
    LectureTranscription resultat_;
};

} // namespace

LectureTranscription lit_transcription(std::string_view texte)
{
    return Lecteur(texte).lit();
}

std::string ecrit_transcription(const ListeCoups& liste, int num_coup)
{
    std::string texte;
    for (int k = 1; k < num_coup && k < nb_emplacements; ++k) {
        if (const std::optional<Case> c = liste[k].case_jouee()) {
            texte += minuscule(static_cast<char>(64 + c->colonne));
            texte += static_cast<char>('0' + c->ligne);
        }
    }
    return texte;
}

} // namespace tavik
