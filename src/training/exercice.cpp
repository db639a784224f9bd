#include "training/exercice.h"

#include "autoplay/tirage.h"
#include "library/codes.h"

#include <algorithm>
#include <array>
#include <cassert>
#include <utility>

namespace tavik {

std::string texte_score(int trouves, int coups)
{
    return std::to_string(trouves) + (trouves > 1 ? " coups sur " : " coup sur ")
        + std::to_string(coups) + (trouves > 1 ? " trouvés" : " trouvé") + " du premier coup";
}

namespace {

std::string liste_de_coups(const std::vector<Case>& coups)
{
    std::string texte;
    for (const Case c : coups) texte += (texte.empty() ? "" : ", ") + notation(c);
    return texte;
}

// The moves expected after a wrong one: those of the line under review (`de_la_ligne`), else
// of every line chosen; `hors_choix` when the move was a library move that leaves the lines
// chosen.
std::string message_erreur(const std::vector<Case>& coups, bool hors_choix, bool de_la_ligne)
{
    const bool un = coups.size() == 1;
    std::string attendus;
    if (de_la_ligne)
        attendus = un ? "Coup de la ligne\u00a0: " : "Coups de la ligne\u00a0: ";
    else if (hors_choix)
        attendus = un ? "Coup de ces lignes\u00a0: " : "Coups de ces lignes\u00a0: ";
    else
        attendus = un ? "Coup de la bibliothèque\u00a0: " : "Coups de la bibliothèque\u00a0: ";
    return std::string(hors_choix ? "Coup hors des lignes choisies. " : "Coup hors bibliothèque. ")
        + attendus + liste_de_coups(coups) + ".";
}

} // namespace

Exercice::Exercice(const Repertoire& rep, std::vector<int> lignes, int16_t couleur,
                   std::vector<int> cibles, int rotation, std::optional<Case> premier)
    : rep_(&rep)
    , couleur_(couleur)
    , cibles_(std::move(cibles))
    , premier_(premier)
    , forme_(rotation)
    , en_cours_(std::move(lignes))
{
}

void Exercice::vise(const std::vector<int>& lignes)
{
    cibles_.clear();
    for (const int l : lignes)
        if (std::find(en_cours_.begin(), en_cours_.end(), l) != en_cours_.end())
            cibles_.push_back(l);
}

std::vector<Case> Exercice::vers_plateau(const std::vector<int>& lignes) const
{
    // The distinct next moves first, in the order of the lines; each then has its own moves on
    // the board, since a move has one image in the common form.
    const std::size_t k = forme_.coups().size();
    std::array<bool, 64> vu {};
    std::vector<Case> coups;
    for (const int l : lignes) {
        const std::vector<Case>& ligne = rep_->lignes[l].coups;
        if (ligne.size() <= k
            || std::exchange(vu[static_cast<std::size_t>(index_de(ligne[k]))], true))
            continue;
        for (const Case c : forme_.antecedents(ligne[k])) coups.push_back(c);
    }
    return coups;
}

std::vector<Case> Exercice::coups_attendus() const
{
    return vers_plateau(cibles_);
}

std::vector<Case> Exercice::coups_de_la_portee() const
{
    return vers_plateau(en_cours_);
}

std::vector<Case> Exercice::coups_programme() const
{
    std::vector<Case> coups = coups_attendus();
    return coups.empty() ? coups_de_la_portee() : coups;
}

Case Exercice::joue_programme(float r)
{
    assert(au_programme());
    const std::vector<Case> coups = coups_programme();
    assert(!coups.empty());
    Case c = coups[static_cast<std::size_t>(tire(r, static_cast<int>(coups.size())))];
    if (joues_.empty() && premier_
        && std::find(coups.begin(), coups.end(), *premier_) != coups.end())
        c = *premier_;
    joue(c, lignes_suivant(forme_.image(c)));
    return c;
}

std::vector<int> Exercice::lignes_suivant(Case image) const
{
    const std::size_t k = forme_.coups().size();
    std::vector<int> suivent;
    for (const int l : en_cours_)
        if (rep_->lignes[l].coups.size() > k && rep_->lignes[l].coups[k] == image)
            suivent.push_back(l);
    return suivent;
}

bool Exercice::dans_la_bibliotheque(Case image) const
{
    std::vector<Case> apres = forme_.coups();
    apres.push_back(image);
    return std::any_of(rep_->rangees.begin(), rep_->rangees.end(), [&](const RangeeRepertoire& r) {
        return r.forme.size() >= apres.size()
            && std::equal(apres.begin(), apres.end(), r.forme.begin());
    });
}

Verdict Exercice::joue_utilisateur(Case c)
{
    if (terminee() || trait() != couleur_ || !forme_.jouable(c)) return {};
    const Case image = forme_.image(c);
    std::vector<int> suivent = lignes_suivant(image);

    if (suivent.empty()) {
        ++erreurs_;
        erreur_ici_ = true;
        std::vector<Case> coups = coups_programme();
        std::string message = message_erreur(coups, dans_la_bibliotheque(image), !cibles_.empty());
        return {Jugement::erreur, std::move(coups), std::move(message)};
    }

    std::vector<int> cibles;
    for (const int l : cibles_)
        if (std::find(suivent.begin(), suivent.end(), l) != suivent.end()) cibles.push_back(l);
    const bool vers_la_cible = cibles_.empty() || !cibles.empty();
    cibles_ = std::move(cibles);
    ++coups_;
    if (!erreur_ici_) ++trouves_;
    erreur_ici_ = false;
    joue(c, std::move(suivent));
    if (vers_la_cible) return {Jugement::juste, {}, {}};
    return {Jugement::autre_ligne, {}, "Autre ligne de la bibliothèque\u00a0: coup accepté."};
}

void Exercice::joue(Case c, std::vector<int> suivent)
{
    forme_.joue(c);
    joues_.push_back(c);
    en_cours_ = std::move(suivent);
    // Lines never go on from one another, so the line that ends here is the only one left.
    for (const int l : en_cours_)
        if (rep_->lignes[l].coups.size() == forme_.coups().size()) ligne_finie_ = l;
}

void Exercice::tourne(Transformation t)
{
    forme_.tourne(t);
    for (Case& c : joues_) c = transforme(t, c);
}

std::vector<Case> Exercice::coups_de_la_cible(std::size_t longueur) const
{
    if (cibles_.empty()) return {};
    std::vector<Case> coups = joues_;
    const std::vector<Case>& ligne = rep_->lignes[cibles_.front()].coups;
    FormeCommune forme = forme_;
    if (coups.empty() && premier_ && forme.jouable(*premier_)
        && forme.image(*premier_) == ligne.front()) {
        forme.joue(*premier_);
        coups.push_back(*premier_);
    }
    for (std::size_t k = coups.size(); k < std::min(ligne.size(), longueur); ++k)
        coups.push_back(forme.vers_plateau(ligne[k]));
    return coups;
}

Bilan Exercice::bilan() const
{
    assert(ligne_finie_ >= 0);
    // The row written as the game was played, in the library's orientation; the line's first
    // row when the game took a mirror form that the library does not write.
    const std::string premier = notation(joues_.front());
    std::vector<Case> dans_la_biblio;
    for (const Case c : joues_) dans_la_biblio.push_back(vers_biblio(premier, c));
    const LigneRepertoire& ligne = rep_->lignes[ligne_finie_];
    int forme = ligne.formes.front();
    for (const int f : ligne.formes)
        if (rep_->rangees[f].coups == dans_la_biblio) {
            forme = f;
            break;
        }
    const RangeeRepertoire& r = rep_->rangees[forme];
    return {ligne_finie_, r.rangee,      remplace_tout(r.nom, "var.", "variante"),
            r.bilan,      r.commentaire, coups_,
            trouves_,     erreurs_,      texte_score(trouves_, coups_)};
}

} // namespace tavik
