// The "Mes parties" page's actions: drawn, applied as its Qt page applies them, and described.

#include "actions_mes_parties.h"

#include "actions_entrainement.h"
#include "database/parties_texte.h"

#include <iterator>

namespace tavik::fuzz {

namespace {

// The names typed: none, part of two players' names, one player, nobody.
constexpr const char* joueurs[] = {"", "du", "MARTIN", "zzz"};

} // namespace

Action action_mes_parties(Source& source, int param)
{
    const int tirage = source.octet() << 8 | source.octet();
    if (param < 64) return {.genre = Genre::source_mes_parties, .valeur = tirage};
    if (param < 112)
        return {.genre = Genre::joueur_mes_parties,
                .valeur = param % static_cast<int>(std::size(joueurs))};
    if (param < 176) return {.genre = Genre::charge_mes_parties, .valeur = tirage};
    if (param < 212) return {.genre = Genre::ajoute_mes_parties};
    if (param < 232) return {.genre = Genre::retire_mes_parties};
    return {.genre = Genre::base_mes_parties};
}

bool de_mes_parties(Genre genre)
{
    return genre >= Genre::source_mes_parties && genre <= Genre::base_mes_parties;
}

void applique_mes_parties(const Action& a, MesParties& m, const Base& base)
{
    switch (a.genre) {
    case Genre::source_mes_parties:
        m.LstSource.selection = entree_de(a.valeur, m.LstSource);
        return m.LstSource_Click();
    case Genre::joueur_mes_parties:
        if (!m.TxtJoueur.actif) return;
        m.TxtJoueur.texte = joueurs[a.valeur];
        return m.TxtJoueur_Change();
    case Genre::charge_mes_parties:
        m.selection = a.valeur % 16 == 0 || m.LstParties.empty()
            ? -1
            : (a.valeur / 16) % static_cast<int>(m.LstParties.size());
        return m.LstParties_DblClick();
    case Genre::ajoute_mes_parties:
        if (m.CmdAjouter.actif) m.CmdAjouter_Click();
        return;
    case Genre::retire_mes_parties:
        if (m.CmdRetirer.actif) m.CmdRetirer_Click();
        return;
    case Genre::base_mes_parties:
        return m.base_chargee(m.base() ? nullptr : &base);
    default:
        return;
    }
}

std::string decrit_mes_parties(const Action& a)
{
    switch (a.genre) {
    case Genre::source_mes_parties:
        return "\"Mes parties\": source " + std::to_string(a.valeur);
    case Genre::joueur_mes_parties:
        return "\"Mes parties\": player \"" + std::string(joueurs[a.valeur]) + "\"";
    case Genre::charge_mes_parties:
        return "\"Mes parties\": double click on game draw " + std::to_string(a.valeur);
    case Genre::ajoute_mes_parties:
        return "\"Ajouter ces lignes à l'entraînement\"";
    case Genre::retire_mes_parties:
        return "\"Retirer ces lignes de l'entraînement\"";
    case Genre::base_mes_parties:
        return "\"Mes parties\": the base withdrawn or handed over";
    default:
        return "?";
    }
}

namespace {

Base construit_base_d_essai()
{
    Base base;
    base.fichiers = {"miennes.txt", "WTH_2001.wtb"};
    base.joueurs = {"Dupont Jean", "Martin Paul", "Durand Anne"};
    base.parties = lit_parties_texte("f5 d6 c3 d3 c4 f3\n"
                                     "c4 e3 f6 e6 f5 c6\n"
                                     "f5 d6 c4 d3 c3 f3\n"
                                     "f5 d6 c3 d3 c4 f4 e3 f6\n"
                                     "f5 f6 e6 f4\n"
                                     "f5 f4\n",
                                     "miennes.txt")
                       .parties;
    const LectureTexte tournoi
        = lit_parties_texte("f5 d6 c5 f4 d3\nf5 d6 c3 d3 c4 f4\nd3 c5 f6 f5 e6\n", "WTH_2001.wtb");
    for (std::size_t k = 0; k < tournoi.parties.size(); ++k) {
        PartieBase p = tournoi.parties[k];
        p.fichier = 1;
        p.annee = 2001;
        p.noir = static_cast<int32_t>(k % 3);
        p.blanc = static_cast<int32_t>((k + 1) % 3);
        p.score_noir = static_cast<int8_t>(30 + k);
        base.parties.push_back(p);
    }
    base.index.construit(base.parties, 60);
    return base;
}

} // namespace

// Read and indexed once per process: the fuzz targets build a harness for every input, and
// each harness gets a copy of its own.
Base base_d_essai()
{
    static const Base modele = construit_base_d_essai();
    return modele;
}

} // namespace tavik::fuzz
