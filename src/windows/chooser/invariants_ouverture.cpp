#include "library/ligne_coups.h"
#include "windows/invariants.h"

namespace tavik {

std::vector<std::string> invariants_rompus(const Ouverture& o, const Plateau& p)
{
    std::vector<std::string> r;
    const FonCom& com = p.com();
    const Liste& l = o.LstOuverture;
    if (l.selection < -1 || l.selection >= l.nombre())
        r.push_back("the chooser's selection " + std::to_string(l.selection) + " is outside its "
                    + std::to_string(l.nombre()) + " entries");
    // With no filter, the list is the library's rows, in file order.
    if (o.TxtFiltre.texte.empty() && l.nombre() != com.nb_biblio)
        r.push_back("with no filter the chooser lists " + std::to_string(l.nombre()) + " of "
                    + std::to_string(com.nb_biblio) + " rows");
    int avant = 0;
    for (int i = 0; i < l.nombre(); ++i) {
        const int ligne = l.entrees[i].donnee;
        if (ligne <= avant || ligne > com.nb_biblio) {
            r.push_back("the chooser's entry " + std::to_string(i) + " names row "
                        + std::to_string(ligne) + ", out of file order or of the library");
            break;
        }
        avant = ligne;
        if (l.entrees[i].texte != com.biblio.lignes[ligne - 1][col_nom])
            r.push_back("the chooser's entry " + std::to_string(i) + " is not its row's name");
    }
    // The moves shown begin where a load begins (looked at on the first and the selected
    // entries, for a line that begins at C4 as the library writes it).
    for (const int i : {0, l.selection}) {
        if (i < 0 || i >= l.nombre()) continue;
        const int ligne = l.entrees[i].donnee;
        if (ligne < 1 || ligne > com.nb_biblio) continue;
        const std::string& ecrits = com.biblio.lignes[ligne - 1][col_coups];
        const std::string montres = o.coups_de(i);
        if (coups_sans_espaces(ecrits).starts_with("C4")
            && !montres.starts_with(o.ChkDepuisF5.cochee() ? "f5" : "c4"))
            r.push_back("the chooser shows " + montres + " for a line loaded "
                        + (o.ChkDepuisF5.cochee() ? "from F5" : "from C4"));
    }
    return r;
}

} // namespace tavik
