#pragma once

#include "training/carnet.h"
#include "training/planning.h"
#include "training/items.h"

#include <span>
#include <string>
#include <vector>

namespace tavik {

// What the progress view shows for one colour and one choice of lines.

struct LigneFaible
{
    int ligne = -1; // the item, in the colour's items
    std::string nom;
    int revues = 0;
    int echecs = 0; // exercises with at least one wrong move
    double taux_erreur = 0; // echecs / revues
};

struct Progres
{
    int connues = 0;
    int dues = 0; // to review today: due or overdue, or failed and waiting to be found again
    int nouvelles = 0;
    int en_apprentissage = 0; // of those to review, the ones failed at their last exercise
    std::vector<LigneFaible> plus_faibles; // at most ten, the highest error rate first
    std::vector<JourActivite> jours; // the last 30 days, the oldest first, today last
};

inline constexpr int nb_plus_faibles = 10;
inline constexpr int nb_jours_activite = 30;

// `activite`: the days with exercises, in any order; days without any show as zero.
Progres calcule_progres(const ItemsCouleur& items, std::span<const int> choix, const Etats& etats,
                        Jour aujourdhui, std::span<const JourActivite> activite,
                        const ParametresSm2& p = {});

// "12 lignes connues, 3 à revoir aujourd'hui dont 2 en apprentissage, 80 nouvelles"
std::string resume(const Progres& progres);

// "Tigre : 3 échecs sur 5 (60 %)": exercises with a wrong move among those finished
std::string texte_ligne_faible(const LigneFaible& ligne);

} // namespace tavik
