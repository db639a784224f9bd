#pragma once

#include "windows/controles.h"
#include "windows/main_window/plateau.h"
#include "windows/services.h"

#include <string>
#include <string_view>

namespace tavik {

// The opening chooser: every opening of the library by name; "Charger" loads the selected
// one onto the main window's board and goes to its end.
class Ouverture
{
public:
    // The chooser lists the library again, its selection cleared, whenever the main window
    // reads the library file.
    Ouverture(Plateau& plateau, Services services);
    ~Ouverture();
    Ouverture(const Ouverture&) = delete;
    Ouverture& operator=(const Ouverture&) = delete;

    Liste LstOuverture; // text: the name as written; data: the library row + 1

    void Form_Load();
    void Cmdcharger_Click();

private:
    Plateau& plateau_;
    Services services_;
    int abonnement_;
};

} // namespace tavik
