#pragma once

#include "engine/controles.h"
#include "engine/plateau.h"
#include "engine/services.h"

#include <optional>
#include <string>
#include <string_view>

namespace tavik {

// Why a library move text cannot be loaded onto the board, or nothing when it can: its
// moves, spaces removed, must be whole squares that are legal one after the other from the
// start, black first, and fit in the record.
std::optional<std::string> defaut_de_ligne(std::string_view coups);

// The opening chooser: every opening of the library by name; "Charger" loads the selected
// one onto the main window's board and goes to its end.
class Ouverture
{
public:
    Ouverture(Plateau& plateau, Services services);

    Liste LstOuverture; // text: the name as written; data: the library row + 1

    void Form_Load();
    void Cmdcharger_Click();

private:
    Plateau& plateau_;
    Services services_;
};

} // namespace tavik
