#pragma once

#include "library/biblio.h"
#include "record/liste_coups.h"

#include <cstdint>

namespace tavik {

// The tables shared by the main window and the opening chooser for the program's lifetime.
struct FonCom
{
    ListeCoups liste_coups {};
    Biblio biblio;
    int16_t nb_biblio = 0;
};

} // namespace tavik
