#include "record/liste_coups.h"

#include <charconv>

namespace tavik {

namespace {

const int16_t* entier_de(const Cellule& c)
{
    return std::get_if<int16_t>(&c);
}
const std::string* texte_de(const Cellule& c)
{
    return std::get_if<std::string>(&c);
}

} // namespace

Emplacement Emplacement::coup(Case c)
{
    return {std::string(1, static_cast<char>(64 + c.colonne)), c.ligne};
}

Emplacement Emplacement::coup_charge(char lettre, char chiffre)
{
    return {std::string(1, lettre), std::string(1, chiffre)};
}

Emplacement Emplacement::passe()
{
    return {int16_t {-1}, int16_t {-1}};
}

bool Emplacement::est_passe() const
{
    const int16_t* n = entier_de(lettre);
    return n && *n == -1;
}

int16_t Emplacement::colonne_lue() const
{
    const std::string* t = texte_de(lettre);
    return t && !t->empty() ? static_cast<int16_t>(static_cast<unsigned char>((*t)[0]) - 64) : 0;
}

int16_t Emplacement::ligne_lue() const
{
    if (const int16_t* n = entier_de(ligne)) return *n;
    const std::string* t = texte_de(ligne);
    int16_t valeur = 0;
    if (t) std::from_chars(t->data(), t->data() + t->size(), valeur);
    return valeur;
}

std::optional<Case> Emplacement::case_jouee() const
{
    const std::string* l = texte_de(lettre);
    if (!l || l->size() != 1) return std::nullopt;
    const Case c {ligne_lue(), colonne_lue()};
    if (!sur_plateau(c)) return std::nullopt;
    return c;
}

std::string Emplacement::texte() const
{
    const auto ecrit = [](const Cellule& c) -> std::string {
        if (const int16_t* n = entier_de(c)) return std::to_string(*n);
        if (const std::string* t = texte_de(c)) return *t;
        return {};
    };
    return ecrit(lettre) + ecrit(ligne);
}

} // namespace tavik
