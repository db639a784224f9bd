#include "database/partie_base.h"

#include "engine/grille.h"

namespace tavik {

Issue PartieBase::issue() const
{
    if (score_noir < 0) return Issue::inconnue;
    return score_noir > 32 ? Issue::noir : score_noir == 32 ? Issue::nul : Issue::blanc;
}

std::string texte_partie(const PartieBase& partie)
{
    std::string texte;
    for (int i = 0; i < partie.nb_coups; ++i) {
        const Case c = case_de(partie.coups[i]);
        texte += static_cast<char>('a' + c.colonne - 1);
        texte += static_cast<char>('0' + c.ligne);
    }
    return texte;
}

} // namespace tavik
