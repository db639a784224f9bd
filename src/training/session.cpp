#include "training/session.h"

#include "library/cle_ligne.h"
#include "library/codes.h"

#include <cassert>

namespace tavik {

namespace {

Motif motif_de(Categorie c)
{
    switch (c) {
    case Categorie::due:
        return Motif::revision;
    case Categorie::nouvelle:
        return Motif::nouvelle;
    case Categorie::en_apprentissage:
        return Motif::reprise;
    case Categorie::connue:
        break;
    }
    return Motif::libre;
}

} // namespace

Etats etats_de(const Repertoire& rep, const Carnet& carnet, int16_t couleur)
{
    const std::map<std::string, EtatLigne> connus = carnet.etats(couleur);
    Etats etats(rep.lignes.size());
    for (std::size_t l = 0; l < rep.lignes.size(); ++l)
        if (const auto e = connus.find(rep.lignes[l].cle); e != connus.end()) etats[l] = e->second;
    return etats;
}

Progres progres_de(const Repertoire& rep, const Carnet& carnet, int16_t couleur,
                   std::span<const int> lignes, const Etats& etats, Jour aujourdhui,
                   const ParametresSm2& parametres)
{
    const std::vector<JourActivite> activite
        = carnet.activite(couleur, aujourdhui - (nb_jours_activite - 1), aujourdhui);
    return calcule_progres(rep, lignes, etats, aujourdhui, activite, parametres);
}

Session::Session(const Repertoire& rep, Carnet& carnet, int16_t couleur, std::vector<int> lignes,
                 ServicesEntrainement services, ParametresSm2 parametres)
    : rep_(rep)
    , carnet_(carnet)
    , couleur_(couleur)
    , lignes_(std::move(lignes))
    , services_(std::move(services))
    , parametres_(parametres)
    , etats_(etats_de(rep, carnet, couleur))
{
}

void Session::nouvel_exercice(int rotation)
{
    bilan_.reset();
    const Choix choix = choisit_ligne(lignes_, etats_, services_.maintenant().jour,
                                      carnet_.nouvelles_par_jour(), precedente_, parametres_);
    motif_ = choix.motif;
    exercice_.emplace(rep_, lignes_, couleur_, choix.ligne, rotation);
}

std::string Session::annonce() const
{
    if (vide()) return "Aucune ligne à entraîner pour cette couleur dans ce choix.";
    if (!exercice_ || exercice_->cible() < 0)
        return "Rien à revoir pour l'instant : entraînement libre.";
    const std::string nom = remplace_tout(rep_.nom(exercice_->cible()), "var.", "variante");
    switch (motif_) {
    case Motif::revision:
        return "Révision : " + nom;
    case Motif::reprise:
        return "À reprendre : " + nom;
    case Motif::nouvelle:
        return "Nouvelle ligne : " + nom + " (" + cle_de_ligne(exercice_->coups_de_la_cible())
            + ")";
    case Motif::libre:
        break;
    }
    return "Ligne : " + nom;
}

std::optional<Case> Session::coup_programme()
{
    if (!au_programme()) return std::nullopt;
    const Case c = exercice_->joue_programme(services_.hasard());
    if (exercice_->ligne_finie() >= 0) termine();
    return c;
}

Verdict Session::coup_utilisateur(Case c)
{
    if (!exercice_) return {};
    Verdict verdict = exercice_->joue_utilisateur(c);
    if (verdict.jugement == Jugement::autre_ligne) {
        // The learner chose another way: aim at the most pressing line down it.
        const Jour jour = services_.maintenant().jour;
        const int ligne = plus_pressante(exercice_->en_cours(), etats_, jour, parametres_);
        assert(ligne >= 0); // the move played goes along some line
        exercice_->vise(ligne);
        motif_ = motif_de(categorie(etats_[static_cast<std::size_t>(ligne)], jour, parametres_));
    }
    if (exercice_->ligne_finie() >= 0 && !bilan_) termine();
    return verdict;
}

void Session::tourne(Transformation t)
{
    if (exercice_) exercice_->tourne(t);
}

// The line is graded from its state in the notebook, which another copy of the program may
// have changed since this session read it; when the notebook cannot be written, from the state
// this session knows, so that the session goes on.
void Session::termine()
{
    const Moment m = services_.maintenant();
    const int ligne = exercice_->ligne_finie();
    const int erreurs = exercice_->erreurs();
    const MiseAJour mise_a_jour = [&](const std::optional<EtatLigne>& avant) {
        return apres_revue(avant ? &*avant : nullptr, erreurs, m.jour, parametres_);
    };
    const Revue revue {m.secondes,         m.jour,  exercice_->coups(), exercice_->trouves(),
                       erreurs, qualite_selon(erreurs, parametres_)};
    std::optional<EtatLigne>& etat = etats_[static_cast<std::size_t>(ligne)];
    std::string raison;
    if (std::optional<EtatLigne> ecrit
        = carnet_.enregistre(couleur_, rep_.lignes[ligne].cle, mise_a_jour, revue, raison)) {
        etat = *ecrit;
        avertissement_.clear();
    } else {
        etat = mise_a_jour(etat);
        avertissement_ = "La progression n'a pas pu être enregistrée (" + raison + ").";
    }
    precedente_ = ligne;
    bilan_ = exercice_->bilan();
}

Progres Session::progres() const
{
    return progres_de(rep_, carnet_, couleur_, lignes_, etats_, services_.maintenant().jour,
                      parametres_);
}

} // namespace tavik
