#include "training/session.h"

#include "library/cle_ligne.h"
#include "library/codes.h"

#include <algorithm>

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

// Rows written line by line, as one item: the counts added, the first and last days kept, the
// schedule of the row due soonest.
EtatLigne fusionne(const std::vector<EtatLigne>& rangs)
{
    EtatLigne e = *std::min_element(rangs.begin(), rangs.end(), [](const auto& a, const auto& b) {
        return a.echeance < b.echeance;
    });
    e.revues = e.echecs = 0;
    for (const EtatLigne& r : rangs) {
        e.revues += r.revues;
        e.echecs += r.echecs;
        e.premiere_revue = std::min(e.premiere_revue, r.premiere_revue);
        e.derniere_revue = std::max(e.derniere_revue, r.derniere_revue);
    }
    return e;
}

} // namespace

Etats etats_de(const Repertoire& rep, const ItemsCouleur& items, const Carnet& carnet,
               int16_t couleur)
{
    const std::map<std::string, EtatLigne> connus = carnet.etats(couleur);
    Etats etats(items.items.size());
    for (std::size_t i = 0; i < items.items.size(); ++i) {
        const ItemRepertoire& item = items.items[i];
        if (const auto e = connus.find(item.cle); e != connus.end()) {
            etats[i] = e->second;
            continue;
        }
        std::vector<EtatLigne> rangs;
        for (const int l : item.lignes)
            if (const auto e = connus.find(rep.lignes[static_cast<std::size_t>(l)].cle);
                e != connus.end())
                rangs.push_back(e->second);
        if (!rangs.empty()) etats[i] = fusionne(rangs);
    }
    return etats;
}

Progres progres_de(const ItemsCouleur& items, const Carnet& carnet, int16_t couleur,
                   std::span<const int> choix, const Etats& etats, Jour aujourdhui,
                   const ParametresSm2& parametres)
{
    const std::vector<JourActivite> activite
        = carnet.activite(couleur, aujourdhui - (nb_jours_activite - 1), aujourdhui);
    return calcule_progres(items, choix, etats, aujourdhui, activite, parametres);
}

Session::Session(const Repertoire& rep, Carnet& carnet, int16_t couleur, std::vector<int> lignes,
                 ServicesEntrainement services, ReglagesSession reglages, ParametresSm2 parametres)
    : rep_(rep)
    , carnet_(carnet)
    , couleur_(couleur)
    , lignes_(std::move(lignes))
    , services_(std::move(services))
    , reglages_(reglages)
    , parametres_(parametres)
    , items_(items_de(rep, couleur))
    , choix_(items_des_lignes(items_, lignes_))
    , ordre_nouveaux_(
          ordre_des_nouveaux(items_, reglages_.toute_la_bibliotheque, reglages_.parties_par_item))
    , etats_(etats_de(rep, items_, carnet, couleur))
    , retention_(retention_de(carnet.historique(couleur), parametres_.qualite_retenue,
                              parametres_.retention))
{
}

void Session::nouvel_exercice(int rotation)
{
    bilan_.reset();
    const Moment m = services_.maintenant();
    const Choix choix = choisit_ligne(
        choix_, etats_, {m.jour, carnet_.nouvelles_par_jour(), recentes_, ordre_nouveaux_},
        parametres_);
    std::optional<Case> premier;
    if (reglages_.depuis_f5) {
        Case f5 {5, 6};
        for (int k = 0; k < rotation; ++k) f5 = transforme(Transformation::rotation, f5);
        premier = f5;
    }
    exercice_.emplace(rep_, lignes_, couleur_, std::vector<int> {}, rotation, premier);
    vise(choix.ligne);
    motif_ = choix.motif;
    hesitations_ = 0;
    debut_du_tour_ = m.secondes;
}

// Aims the exercise at the item's lines that the game still goes towards.
void Session::vise(int item)
{
    item_ = item;
    exercice_->vise(item < 0 ? std::vector<int> {}
                             : items_.items[static_cast<std::size_t>(item)].lignes);
}

std::string Session::annonce() const
{
    if (vide()) return "Aucune ligne à entraîner pour cette couleur dans ce choix.";
    if (!exercice_ || item_ < 0) return "Rien à revoir pour l'instant\u00a0: entraînement libre.";
    const ItemRepertoire& item = items_.items[static_cast<std::size_t>(item_)];
    const std::string nom = remplace_tout(item.nom, "var.", "variante");
    switch (motif_) {
    case Motif::revision:
        return "Révision\u00a0: " + nom;
    case Motif::reprise:
        return "À reprendre\u00a0: " + nom;
    case Motif::nouvelle:
        return "Nouvelle ligne\u00a0: " + nom + " ("
            + cle_de_ligne(exercice_->coups_de_la_cible(item.coups.size())) + ")";
    case Motif::libre:
        break;
    }
    return "Ligne\u00a0: " + nom;
}

std::optional<Case> Session::coup_programme()
{
    if (!au_programme()) return std::nullopt;
    const Case c = exercice_->joue_programme(services_.hasard());
    debut_du_tour_ = services_.maintenant().secondes;
    if (exercice_->ligne_finie() >= 0) termine();
    return c;
}

Verdict Session::coup_utilisateur(Case c)
{
    if (!exercice_) return {};
    const int erreurs_avant = exercice_->erreurs();
    Verdict verdict = exercice_->joue_utilisateur(c);
    if (verdict.jugement == Jugement::refuse) return verdict;
    const Moment m = services_.maintenant();
    if (verdict.jugement == Jugement::juste
        && m.secondes - debut_du_tour_ > parametres_.secondes_hesitation)
        ++hesitations_;
    debut_du_tour_ = m.secondes;
    if (verdict.jugement == Jugement::autre_ligne) {
        // The item under review was missed on the way: graded now, and its errors no longer
        // count against the way the learner took.
        if (item_ >= 0 && erreurs_avant > 0) {
            note(item_, qualite_selon(erreurs_avant, parametres_));
            exercice_->oublie_erreurs();
            hesitations_ = 0;
        }
        // The learner chose another way: aim at the most pressing item down it.
        const std::vector<int> par_la = items_des_lignes(items_, exercice_->en_cours());
        const int item = plus_pressante(par_la, etats_, m.jour, parametres_, ordre_nouveaux_);
        vise(item);
        motif_ = item < 0
            ? Motif::libre
            : motif_de(categorie(etats_[static_cast<std::size_t>(item)], m.jour, parametres_));
    }
    if (exercice_->ligne_finie() >= 0 && !bilan_) termine();
    return verdict;
}

void Session::tourne(Transformation t)
{
    if (exercice_) exercice_->tourne(t);
}

// Grades the item and writes it with one finished exercise. The item is graded from its state
// in the notebook, which another copy of the program may have changed since this session read
// it; an item never written yet, from the state folded from its lines' rows; when the notebook
// cannot be written, from the state this session knows, so that the session goes on.
void Session::note(int item, int qualite)
{
    const Moment m = services_.maintenant();
    std::optional<EtatLigne>& etat = etats_[static_cast<std::size_t>(item)];
    const std::optional<EtatLigne> connu = etat;
    // A review on a later day than the item's last one tells how well its step holds.
    Retention retention = retention_;
    const MiseAJour mise_a_jour = [&](const std::optional<EtatLigne>& avant) {
        const std::optional<EtatLigne>& base = avant ? avant : connu;
        retention = retention_;
        if (base && base->derniere_revue < m.jour)
            retention.ajoute(base->repetitions, m.jour - base->derniere_revue,
                             qualite >= parametres_.qualite_retenue);
        return apres_revue_notee(base ? &*base : nullptr, qualite, m.jour, parametres_, &retention);
    };
    const Revue revue {m.secondes,           m.jour, exercice_->coups(), exercice_->trouves(),
                       exercice_->erreurs(), qualite};
    std::string raison;
    if (std::optional<EtatLigne> ecrit
        = carnet_.enregistre(couleur_, items_.items[static_cast<std::size_t>(item)].cle,
                             mise_a_jour, revue, raison)) {
        etat = *ecrit;
        avertissement_.clear();
    } else {
        etat = mise_a_jour(etat);
        avertissement_ = "La progression n'a pas pu être enregistrée (" + raison + ").";
    }
    retention_ = retention;
    recentes_.push_back(item);
}

// A line that teaches the colour nothing (black's Parallèle) is shown, not graded.
void Session::termine()
{
    const int item = items_.de_ligne[static_cast<std::size_t>(exercice_->ligne_finie())];
    if (item >= 0) note(item, qualite_selon(exercice_->erreurs(), parametres_, hesitations_));
    bilan_ = exercice_->bilan();
}

Progres Session::progres() const
{
    return progres_de(items_, carnet_, couleur_, choix_, etats_, services_.maintenant().jour,
                      parametres_);
}

} // namespace tavik
