#include "library/codes.h"

namespace tavik {

TableCommentaires table_commentaires()
{
    return {{
        {"n++", "Gros avantage à noir, c'est gagné.", "Big advantage to black, it is won."},
        {"b++", "Gros avantage à blanc, c'est gagné.", "Big advantage to white, it is won."},
        {"n--", "Gros désavantage à noir, ça va être dur.",
         "Big disadvantage to black, it is going to be hard."},
        {"b--", "Gros désavantage à blanc, ça va être dur.",
         "Big disadvantage to white, it is going to be hard."},
        {"eq", "Égalité.", "Equality"},
        {"!?", "Coup intéressant, peut-être bon.", "Interesting move, maybe good."},
        {"n+", "Avantage à noir.", "Advantage to black."},
        {"b+", "Avantage à blanc.", "Advantage to white."},
        {"?!", "Coup douteux\u00a0!!", "Doubtful move!!"},
        {"n+=", "Léger avantage à noir.", "Small advantage to black."},
        {"b+=", "Léger avantage à blanc.", "Small advantage to white."},
        {">", ">", ">"},
        {"!bn", "! béton noir.", "! black concrete."},
        {"!bb", "! béton blanc.", "! White concrete."},
    }};
}

std::string conv_abrev(const TableCommentaires& table, std::string_view abrev)
{
    for (const CodeCommentaire& ligne : table)
        if (ligne.code == abrev) return ligne.francais;
    return {};
}

std::string code_court(const TableCommentaires& table, std::string_view bilan)
{
    if (bilan.empty()) return {};
    for (const CodeCommentaire& ligne : table) {
        if (ligne.francais != bilan) continue;
        if (ligne.code == "eq") return "=";
        std::string code = ligne.code;
        for (char& c : code)
            if (c == 'n' || c == 'b') c = static_cast<char>(c - 'a' + 'A');
        return code;
    }
    return {};
}

std::string remplace_tout(std::string_view s, std::string_view motif, std::string_view par)
{
    if (motif.empty()) return std::string(s);
    std::string resultat;
    for (std::size_t debut = 0;;) {
        const std::size_t trouve = s.find(motif, debut);
        resultat += s.substr(debut, trouve - debut);
        if (trouve == std::string_view::npos) return resultat;
        resultat += par;
        debut = trouve + motif.size();
    }
}

std::string remplace_codes(const TableCommentaires& table, std::string s)
{
    // Rows 0 to 5, then "n+=" and "b+=", then the rest: each code comes after every longer
    // code that contains it.
    constexpr std::array ordre = {0, 1, 2, 3, 4, 5, 9, 10, 6, 7, 8, 11, 12, 13};
    for (const int ligne : ordre) s = remplace_tout(s, table[ligne].code, table[ligne].francais);
    return s;
}

} // namespace tavik
