#pragma once

#include "training/repertoire.h"

#include <cstdint>
#include <span>
#include <string>
#include <vector>

namespace tavik {

// What the learner of one colour trains: an item is what they must decide. Lines that agree up
// to the learner's last own move teach the same moves and differ only in the opponent's last
// reply, so they are one item, keyed by that common beginning ("C4E3 F6E6 F5" for black's item
// of the lines C4E3 F6E6 F5G6 and C4E3 F6E6 F5D3).

struct ItemRepertoire
{
    std::string cle; // its moves in the common form as a key: the key of its progress
    std::vector<Case> coups; // the lines' common form up to the learner's last move
    std::vector<int> lignes; // its lines, in file order
    std::string nom; // the library row that ends where the item ends, or its first line's
    bool defavorable = false; // a row on its way is evaluated bad for the learner's colour
};

struct ItemsCouleur
{
    std::vector<ItemRepertoire> items; // in the order of their first line
    std::vector<int> de_ligne; // per line of the repertoire: its item, or -1 when the colour
                               // has no move to find in it (black's first move is free)
};

ItemsCouleur items_de(const Repertoire& rep, int16_t couleur);

// The items of some lines, each once, in the order of their first line there.
std::vector<int> items_des_lignes(const ItemsCouleur& items, std::span<const int> lignes);

// The order in which new items come, per item (lower first): an item before the items that go
// on from it (the shorter first), then in file order; with `defavorables_a_la_fin`, the items
// that the library judges bad for the learner come after all the others. With `parties` (per
// item, the games of a database through the position where it ends), the most played come
// first, ties in the order above, and still never before an item that they go on from.
std::vector<int> ordre_des_nouveaux(const ItemsCouleur& items, bool defavorables_a_la_fin,
                                    std::span<const int> parties = {});

// Whether an evaluation, as a code ("b+") or as its French text, says that `couleur` stands
// clearly worse.
bool evaluation_defavorable(const std::string& bilan, int16_t couleur);

} // namespace tavik
