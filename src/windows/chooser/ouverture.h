#pragma once

#include "windows/controles.h"
#include "windows/main_window/plateau.h"
#include "windows/services.h"

#include <string>
#include <utility>
#include <vector>

namespace tavik {

// The opening chooser: every opening of the library by name; "Charger" loads the selected
// one onto the main window's board and goes to its end. A filter narrows the list to the
// names or the first moves typed; "À partir de F5" loads the lines turned to begin with F5.
class Ouverture
{
public:
    // The chooser lists the library again whenever the main window reads the library file: as
    // it stood, selection included, when the rows have not changed; anew otherwise.
    Ouverture(Plateau& plateau, Services services);
    ~Ouverture();
    Ouverture(const Ouverture&) = delete;
    Ouverture& operator=(const Ouverture&) = delete;

    Liste LstOuverture; // text: the name as written; data: the library row + 1
    ZoneTexte TxtFiltre; // part of a name, or the first moves of the lines listed
    CaseACocher ChkDepuisF5; // "À partir de F5": unticked, a line loads as written, from C4

    void Form_Load();
    // The list holds the rows that the filter finds; the selected row stays selected if it is
    // still listed.
    void TxtFiltre_Change();
    void Cmdcharger_Click();
    // A double click on an entry, or Enter in the list: the selected opening is loaded.
    void LstOuverture_DblClick() { Cmdcharger_Click(); }

    // The moves of an entry as a load plays them, in lower case ("c4e3f6e6f5", or
    // "f5d6c3d3c4" from F5): shown beside the name, so that two lines of one name differ.
    std::string coups_de(int entree) const;

private:
    void relit_biblio();
    // The names and move texts of the rows read last.
    std::vector<std::pair<std::string, std::string>> lignes_lues() const;

    Plateau& plateau_;
    Services services_;
    int abonnement_;
    std::vector<std::pair<std::string, std::string>> lues_;
};

} // namespace tavik
