// Fuzz target: a sequence of user actions on the windows loaded with the shipped library.
// The input's bytes choose the actions (two or three bytes each, see tire_action) and the
// automatic player's draws; every invariant is checked after each action.

#include "harnais.h"
#include "library/fichier.h"

#include <cstddef>
#include <cstdint>
#include <string>

using namespace tavik;
using namespace tavik::fuzz;

namespace {

const std::string& biblio_livree()
{
    static const std::string octets = [] {
        std::string contenu;
        std::string raison;
        if (!lit_fichier(TAVIK_BIBLIO, contenu, raison))
            echoue("cannot read " TAVIK_BIBLIO ": " + raison + "\n");
        return contenu;
    }();
    return octets;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    SourceOctets source({data, size});
    Harnais harnais(biblio_livree(), source);
    if (!harnais.rompus_au_chargement().empty())
        echoue(rapport(harnais.rompus_au_chargement(), "the start", harnais.plateau()));

    for (int numero = 1; !source.epuisee(); ++numero) {
        const Action action = tire_action(source, harnais.plateau(), harnais.ouverture(),
                                          harnais.entrainement(), harnais.parties());
        const std::vector<std::string> rompus = harnais.joue(action);
        if (!rompus.empty())
            echoue("action " + std::to_string(numero) + " "
                   + rapport(rompus, decrit(action), harnais.plateau()));
    }
    return 0;
}
