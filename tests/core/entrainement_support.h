#pragma once

#include "library/biblio.h"
#include "training/session.h"

#include <deque>
#include <filesystem>
#include <string>
#include <vector>

namespace tavik::test {

// A library table filled from records ("name;english;moves;evaluation;comment") and indexed,
// as the start sequence leaves it.
struct BiblioChargee
{
    explicit BiblioChargee(const std::vector<std::string>& enregistrements);
    Biblio biblio;
    int nb = 0;
};

// Lines of the shipped library. Bill and Tigre centrale go through Tigre and part at white's
// third move; Cheval leaves them at black's second; Ishii tigre is written in both of its
// mirror forms; Parallèle has one move for each colour. The last three rows cannot be played.
const std::vector<std::string>& petite_biblio();

// A clock that stays where it is put and a queue of draws (0 once empty).
struct HoteEntrainement
{
    Moment maintenant {1'700'000'000, 19'675};
    std::deque<float> tirages;
    ServicesEntrainement services();
    void lendemain()
    {
        maintenant.secondes += 86'400;
        ++maintenant.jour;
    }
};

Case case_ecrite(const std::string& coup); // "F5"
std::string texte(const std::vector<Case>& coups); // "F5 D6"

// Runs SQL on a notebook's file, as another program would; the rows it gives as "a|b|c".
std::vector<std::string> sql(const std::filesystem::path& fichier, const std::string& requete);

} // namespace tavik::test
