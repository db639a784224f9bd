// The games window's actions: drawn, applied as its Qt window applies them, and described.

#include "actions_parties.h"

#include "actions_entrainement.h"

#include <bit>

namespace tavik::fuzz {

namespace {

ActionParties sorte(const Action& a)
{
    return static_cast<ActionParties>(a.valeur);
}

Action action(ActionParties sorte, int entree = -1)
{
    return {.genre = Genre::parties, .entree = entree, .valeur = static_cast<int>(sorte)};
}

// The list's row that a draw `v` selects, or none, as `entree_de` does for lists.
int rangee_de(int v, const Tableau& t)
{
    Liste l;
    l.entrees.resize(static_cast<std::size_t>(t.nombre()));
    return entree_de(v, l);
}

} // namespace

Action action_parties(Source& source, int param, const Parties* g)
{
    if (param < 8) return action(ActionParties::ouvre);
    if (param < 12) return action(ActionParties::ferme);
    if (param < 20) return action(ActionParties::annule);
    if (param < 32) return action(ActionParties::ajoute);
    const int v = param << 8 | source.octet();
    if (param < 44) return action(ActionParties::retire, g ? entree_de(v, g->LstFichiers) : -1);
    if (param < 192) return action(ActionParties::coup, g ? rangee_de(v, g->LstSuivants) : -1);
    return action(ActionParties::partie, g ? rangee_de(v, g->LstParties) : -1);
}

void applique_parties(const Action& a, Parties& g)
{
    switch (sorte(a)) {
    case ActionParties::annule:
        if (g.CmdAnnuler.actif) g.CmdAnnuler_Click();
        return;
    case ActionParties::ajoute:
        return g.ajoute_fichiers({"autre.txt", "WTH_2000.wtb"});
    case ActionParties::retire:
        g.LstFichiers_Click(a.entree);
        if (g.CmdRetirer.actif) g.CmdRetirer_Click();
        return;
    case ActionParties::coup:
        return g.LstSuivants_Click(a.entree);
    case ActionParties::partie:
        return g.LstParties_DblClick(a.entree);
    case ActionParties::ouvre:
    case ActionParties::ferme:
        return;
    }
}

std::string decrit_parties(const Action& a)
{
    const std::string entree = " entry " + std::to_string(a.entree);
    switch (sorte(a)) {
    case ActionParties::ouvre:
        return "\"Parties\"";
    case ActionParties::ferme:
        return "games window closed";
    case ActionParties::annule:
        return "the games window's \"Annuler\"";
    case ActionParties::ajoute:
        return "games files added";
    case ActionParties::retire:
        return "\"Retirer\" on file" + entree;
    case ActionParties::coup:
        return "click on the next move" + entree;
    case ActionParties::partie:
        return "double click on the game" + entree;
    }
    return "?";
}

const Base& base_de_test()
{
    static const Base base = [] {
        Base b;
        b.fichiers = {"WTH_2000.wtb"};
        SourceGraine hasard(2000);
        for (int n = 0; n < 400; ++n) {
            PartieBase p;
            PositionJeu position;
            for (;;) {
                const Disques& d = position.disques;
                const bool blanc = position.trait_effectif();
                uint64_t possibles = blanc ? coups_possibles(d.blancs, d.noirs)
                                           : coups_possibles(d.noirs, d.blancs);
                if (!possibles) break;
                // The first legal squares more often, so that the games share their openings.
                for (int saut = hasard.octet() % 4 ? 0 : hasard.octet() % std::popcount(possibles);
                     saut > 0; --saut)
                    possibles &= possibles - 1;
                const int c = std::countr_zero(possibles);
                position.joue(c);
                p.coups[p.nb_coups++] = static_cast<uint8_t>(c);
            }
            p.score_noir = static_cast<int8_t>(std::popcount(position.disques.noirs));
            p.annee = 2000;
            b.parties.push_back(p);
        }
        b.index.construit(b.parties, 60);
        return b;
    }();
    return base;
}

} // namespace tavik::fuzz
