#include "training/progres.h"

#include "library/codes.h"

#include <algorithm>
#include <cmath>

namespace tavik {

Progres calcule_progres(const ItemsCouleur& items, std::span<const int> choix, const Etats& etats,
                        Jour aujourdhui, std::span<const JourActivite> activite,
                        const ParametresSm2& p)
{
    Progres progres;
    for (const int l : choix) {
        const std::optional<EtatLigne>& e = etats[static_cast<std::size_t>(l)];
        switch (categorie(e, aujourdhui, p)) {
        case Categorie::nouvelle:
            ++progres.nouvelles;
            break;
        case Categorie::due:
            ++progres.dues;
            break;
        case Categorie::en_apprentissage:
            ++progres.dues;
            ++progres.en_apprentissage;
            break;
        case Categorie::connue:
            ++progres.connues;
            break;
        }
        if (e && e->echecs > 0)
            progres.plus_faibles.push_back(
                {l, remplace_tout(items.items[static_cast<std::size_t>(l)].nom, "var.", "variante"),
                 e->revues, e->echecs, static_cast<double>(e->echecs) / e->revues});
    }
    // The highest rate first; at equal rates the line failed more often, then file order.
    std::sort(progres.plus_faibles.begin(), progres.plus_faibles.end(),
              [](const LigneFaible& a, const LigneFaible& b) {
                  if (a.taux_erreur != b.taux_erreur) return a.taux_erreur > b.taux_erreur;
                  if (a.echecs != b.echecs) return a.echecs > b.echecs;
                  return a.ligne < b.ligne;
              });
    if (progres.plus_faibles.size() > nb_plus_faibles) progres.plus_faibles.resize(nb_plus_faibles);

    for (int i = nb_jours_activite - 1; i >= 0; --i)
        progres.jours.push_back({aujourdhui - i, 0, 0});
    for (const JourActivite& j : activite) {
        const int i = j.jour - (aujourdhui - (nb_jours_activite - 1));
        if (i >= 0 && i < nb_jours_activite) progres.jours[static_cast<std::size_t>(i)] = j;
    }
    return progres;
}

namespace {

// "1 ligne connue", "2 lignes connues", "0 ligne connue": French uses the singular up to one.
std::string nombre(int n, const std::string& un, const std::string& plusieurs)
{
    return std::to_string(n) + " " + (n > 1 ? plusieurs : un);
}

} // namespace

std::string resume(const Progres& p)
{
    return nombre(p.connues, "ligne connue", "lignes connues") + ", " + std::to_string(p.dues)
        + " à revoir aujourd'hui dont " + std::to_string(p.en_apprentissage) + " en apprentissage, "
        + nombre(p.nouvelles, "nouvelle", "nouvelles");
}

std::string texte_ligne_faible(const LigneFaible& l)
{
    const auto pourcent = static_cast<int>(std::lround(100 * l.taux_erreur));
    return l.nom + "\u00a0: " + nombre(l.echecs, "échec", "échecs") + " sur "
        + std::to_string(l.revues) + " (" + std::to_string(pourcent) + "\u00a0%)";
}

} // namespace tavik
