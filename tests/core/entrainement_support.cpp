#include "entrainement_support.h"

#include "library/lecture_biblio.h"

#include <gtest/gtest.h>
#include <sqlite3.h>
#include <stdexcept>

namespace tavik::test {

BiblioChargee::BiblioChargee(const std::vector<std::string>& enregistrements)
{
    for (const std::string& e : enregistrements) biblio.lignes[nb++] = decoupe(e);
    biblio.indexe(nb);
}

const std::vector<std::string>& petite_biblio()
{
    static const std::vector<std::string> lignes = {
        "Perpendiculaire;;C4E3;eq;",
        "Tigre;;C4E3 F6E6 F5;eq;",
        "Bill;;C4E3 F6E6 F5G6;Léger avantage à noir.;voir F5/n+=",
        "Tigre centrale;;c4e3 f6e6 f5c5 f4;Egalité.;",
        "Ishii tigre;;C4C3 D3C5 F6F5 E6;Egalité.;côté C5",
        "Ishii tigre;;C4C3 D3E3 F6E6 F5;Egalité.;côté E3",
        "Parallèle;;C4C5;Avantage à noir.;",
        "Cheval;;C4E3 F4C5 E6;Léger avantage à blanc.;",
        "Coup illégal;;C4E3 F6F6;;",
        "Autre orientation;;F5D6 C3;;",
        "Pas une case;;C4E3 Z9;;",
    };
    return lignes;
}

ServicesEntrainement HoteEntrainement::services()
{
    return {
        .maintenant = [this] { return maintenant; },
        .hasard =
            [this] {
                if (tirages.empty()) return 0.0f;
                const float r = tirages.front();
                tirages.pop_front();
                return r;
            },
    };
}

Case case_ecrite(const std::string& coup)
{
    Case c;
    if (!lit_case(coup, c)) throw std::invalid_argument("not a square: " + coup);
    return c;
}

std::string texte(const std::vector<Case>& coups)
{
    std::string s;
    for (const Case c : coups) s += (s.empty() ? "" : " ") + notation(c);
    return s;
}

std::vector<std::string> sql(const std::filesystem::path& fichier, const std::string& requete)
{
    sqlite3* db = nullptr;
    sqlite3_open(fichier.c_str(), &db);
    std::vector<std::string> lignes;
    const auto rappel = [](void* v, int n, char** valeurs, char**) {
        std::string ligne;
        for (int i = 0; i < n; ++i)
            ligne += (i ? "|" : "") + std::string(valeurs[i] ? valeurs[i] : "");
        static_cast<std::vector<std::string>*>(v)->push_back(ligne);
        return 0;
    };
    EXPECT_EQ(sqlite3_exec(db, requete.c_str(), rappel, &lignes, nullptr), SQLITE_OK)
        << sqlite3_errmsg(db);
    sqlite3_close(db);
    return lignes;
}

} // namespace tavik::test
