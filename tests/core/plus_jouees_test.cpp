// With a game database, the drill's new lines come most played first, never before the line
// that they go on from: the counts against a plain count over the same games, the order
// against its definition, and a session that opens on the most played line.
#include "support.h"

#include "database/chargement_base.h"
#include "database/parties_par_ligne.h"
#include "library/symetries.h"
#include "windows/drill/entrainement.h"

#include <gtest/gtest.h>

#include <bit>
#include <random>

namespace tavik::test {
namespace {

using Textes = std::vector<std::string>;

// Games that follow a line of the repertoire for a while, each turned by a symmetry of the
// start, then go on with random legal moves: many games share the lines' positions.
std::vector<PartieBase> parties_sur_les_lignes(const Repertoire& rep, int nb, uint32_t graine)
{
    std::mt19937 hasard(graine);
    const int symetries[] = {0, 2, 4, 6}; // those that keep the start
    std::vector<PartieBase> parties;
    for (int g = 0; g < nb; ++g) {
        const std::vector<Case>& ligne = rep.lignes[hasard() % rep.lignes.size()].coups;
        const std::size_t suivis = hasard() % (ligne.size() + 1);
        const int s = symetries[hasard() % 4];
        PartieBase p;
        PositionJeu position;
        for (std::size_t k = 0; k < 24; ++k) {
            int coup = -1;
            if (k < suivis) {
                coup = image_index(s, index_de(ligne[k]));
            } else {
                const bool blanc = position.trait_effectif();
                const uint64_t jouables
                    = blanc ? coups_possibles(position.disques.blancs, position.disques.noirs)
                            : coups_possibles(position.disques.noirs, position.disques.blancs);
                if (jouables == 0) break;
                uint64_t reste = jouables;
                for (uint32_t n = hasard() % static_cast<uint32_t>(std::popcount(jouables)); n > 0; --n)
                    reste &= reste - 1;
                coup = std::countr_zero(reste);
            }
            EXPECT_TRUE(position.joue(coup));
            p.coups[p.nb_coups++] = static_cast<uint8_t>(coup);
        }
        parties.push_back(p);
    }
    return parties;
}

std::vector<int> indexes(const std::vector<Case>& coups)
{
    std::vector<int> i;
    for (const Case c : coups) i.push_back(index_de(c));
    return i;
}

bool commence(const std::vector<Case>& long_, const std::vector<Case>& court)
{
    return court.size() < long_.size() && std::equal(court.begin(), court.end(), long_.begin());
}

// The shipped library, its black items and 300 games along its lines.
struct SurLaBibliotheque
{
    Fenetre f {std::filesystem::path(TAVIK_DATA_DIR) / "biblio.csv"};
    Repertoire rep = construit_repertoire(f.com->biblio, f.com->nb_biblio);
    ItemsCouleur items = items_de(rep, noir);
    std::vector<PartieBase> parties = parties_sur_les_lignes(rep, 300, 7);
    std::vector<int> comptes;

    SurLaBibliotheque()
    {
        IndexPositions index;
        index.construit(parties, 60);
        std::vector<std::vector<Case>> fins;
        for (const ItemRepertoire& i : items.items) fins.push_back(i.coups);
        comptes = parties_au_bout(index, fins);
    }
};

} // namespace

TEST(PlusJouees, GamesThroughEachItemsEndMatchAPlainCount)
{
    const SurLaBibliotheque b;
    ASSERT_GT(b.items.items.size(), 100u);
    std::vector<std::vector<Etat>> etats; // every position of every game, once
    for (const PartieBase& p : b.parties) {
        etats.push_back({Etat {}});
        for (int k = 0; k < p.nb_coups; ++k)
            etats.back().push_back(apres_coup(etats.back().back(), case_de(p.coups[static_cast<std::size_t>(k)])));
    }
    int plus = 0;
    for (std::size_t i = 0; i < b.items.items.size(); ++i) {
        const std::vector<Case>& coups = b.items.items[i].coups;
        const Etat fin = rejoue(indexes(coups), coups.size());
        int nb = 0;
        for (const std::vector<Etat>& e : etats)
            nb += e.size() > coups.size() && meme_position(e[coups.size()], fin);
        EXPECT_EQ(b.comptes[i], nb) << b.items.items[i].cle;
        plus = std::max(plus, nb);
    }
    EXPECT_GT(plus, 10); // the games do meet on the lines
}

// Every item, in the order, is the most played of those left (ties in the order without
// games), or one of the items that it goes on from.
TEST(PlusJouees, MostPlayedFirstAndNeverBeforeItsParent)
{
    const SurLaBibliotheque b;
    const std::vector<ItemRepertoire>& items = b.items.items;
    const std::vector<int> sans = ordre_des_nouveaux(b.items, false);
    const std::vector<int> ordre = ordre_des_nouveaux(b.items, false, b.comptes);
    std::vector<int> suite(items.size());
    for (std::size_t i = 0; i < items.size(); ++i) suite[static_cast<std::size_t>(ordre[i])] = static_cast<int>(i);

    for (std::size_t a = 0; a < items.size(); ++a)
        for (std::size_t c = 0; c < items.size(); ++c)
            if (commence(items[c].coups, items[a].coups)) {
                EXPECT_LT(ordre[a], ordre[c]) << items[a].cle << " / " << items[c].cle;
            }

    const auto avant = [&](int x, int y) {
        const auto ux = static_cast<std::size_t>(x), uy = static_cast<std::size_t>(y);
        return b.comptes[ux] != b.comptes[uy] ? b.comptes[ux] > b.comptes[uy] : sans[ux] < sans[uy];
    };
    for (std::size_t k = 0; k < suite.size(); ++k) {
        const int meilleur = *std::min_element(suite.begin() + static_cast<long>(k), suite.end(), avant);
        const int x = suite[k];
        EXPECT_TRUE(x == meilleur
                    || commence(items[static_cast<std::size_t>(meilleur)].coups,
                                items[static_cast<std::size_t>(x)].coups))
            << "place " << k << ": " << items[static_cast<std::size_t>(x)].cle;
    }
}

// A line more played than its parent comes right after it; equal counts keep the order.
TEST(PlusJouees, AChildMorePlayedThanItsParentWaitsForIt)
{
    const BiblioChargee b({"Profonde;;C4E3 F6E6 F5C5 F4;eq;", "Courte;;C4E3 F6E6 F5G6;eq;",
                           "Mauvaise;;C4C3;b+;", "Mauvaise suite;;C4C3 D3C5 F6;eq;",
                           "Perdante suite;;C4E3 F4C5 E6;n+;"});
    const Repertoire rep = construit_repertoire(b.biblio, b.nb);
    const ItemsCouleur noirs = items_de(rep, noir);
    ASSERT_EQ(noirs.items.size(), 4u);
    const auto cles = [&](const std::vector<int>& ordre) {
        Textes c(4);
        for (std::size_t i = 0; i < 4; ++i) c[static_cast<std::size_t>(ordre[i])] = noirs.items[i].cle;
        return c;
    };
    const Textes courte_d_abord {"C4E3 F6E6 F5", "C4C3 D3C5 F6", "C4E3 F4C5 E6", "C4E3 F6E6 F5C5 F4"};
    EXPECT_EQ(cles(ordre_des_nouveaux(noirs, false, std::vector<int> {0, 0, 0, 0})), courte_d_abord);
    EXPECT_EQ(cles(ordre_des_nouveaux(noirs, false, std::vector<int> {9, 2, 0, 5})),
              (Textes {"C4E3 F6E6 F5", "C4E3 F6E6 F5C5 F4", "C4E3 F4C5 E6", "C4C3 D3C5 F6"}));
    // For the whole library the bad ones come last, however much they are played.
    EXPECT_EQ(cles(ordre_des_nouveaux(noirs, true, std::vector<int> {0, 0, 3, 7})),
              (Textes {"C4E3 F4C5 E6", "C4E3 F6E6 F5", "C4E3 F6E6 F5C5 F4", "C4C3 D3C5 F6"}));
}

// The training window, given the base's index, opens on the line that the games play most.
TEST(PlusJouees, TheDrillStartsOnTheMostPlayedNewLine)
{
    Fenetre f({"Tigre;;C4E3 F6E6 F5;eq;", "Bill;;C4E3 F6E6 F5G6;eq;",
               "Cheval;;C4E3 F4C5 E6;eq;"});
    // Cheval twice (once as the library writes it), the tiger once.
    FichierTemporaire jeux("f5 d6 c5 f4 d3\nc4 e3 f4 c5 e6\nf5 d6 c3 d3 c4\n",
                           "mes_parties.txt");
    const std::vector<std::filesystem::path> fichiers {jeux.chemin()};
    const Base base = charge_base(fichiers, 60);
    const auto premiere = [&](const IndexPositions* index) {
        Entrainement e(f.p(), f.hote.services(), std::nullopt);
        e.Form_Load();
        e.base_chargee(index);
        e.CmdCommencer_Click();
        EXPECT_TRUE(e.en_seance());
        const Session& s = *e.session();
        return s.items().items[static_cast<std::size_t>(s.item_vise())].nom;
    };
    EXPECT_EQ(premiere(nullptr), "Tigre"); // shorter first
    EXPECT_EQ(premiere(&base.index), "Cheval"); // two games against one
}

} // namespace tavik::test
