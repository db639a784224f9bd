#include "record/liste_texte.h"

namespace tavik {

namespace {

// " 1" to " 9", then "10", "11", ...
std::string numero(int n)
{
    return (n < 10 ? " " : "") + std::to_string(n);
}

std::string texte_coup(const Emplacement& e)
{
    return e.est_passe() ? "--" : e.texte();
}

} // namespace

std::vector<std::string> lignes_liste_coups(const ListeCoups& liste, int num_coup)
{
    std::vector<std::string> lignes;
    for (int i = 1; i <= num_coup - 1 && i < nb_emplacements; i += 2) {
        std::string ligne = numero(i) + ". " + texte_coup(liste[i]);
        if (i + 1 < num_coup && i + 1 < nb_emplacements)
            ligne += "  " + numero(i + 1) + ". " + texte_coup(liste[i + 1]);
        lignes.push_back(std::move(ligne));
    }
    return lignes;
}

std::string texte_suivant(const ListeCoups& liste, int num_coup)
{
    if (num_coup < 1 || num_coup >= nb_emplacements) return {};
    return std::to_string(num_coup) + ". " + texte_coup(liste[num_coup]);
}

} // namespace tavik
