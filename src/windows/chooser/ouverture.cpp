#include "windows/chooser/ouverture.h"

#include "library/ligne_coups.h"
#include "record/utf8.h"

#include <algorithm>
#include <vector>

namespace tavik {

namespace {

std::string nom_lisible(const std::string& nom)
{
    return nom.find_first_not_of(" \t") == std::string::npos ? "(sans nom)" : visible(nom);
}

} // namespace

Ouverture::Ouverture(Plateau& plateau, Services services)
    : plateau_(plateau)
    , services_(std::move(services))
    , abonnement_(plateau_.abonne_lecture_biblio([this] { Form_Load(); }))
{
}

Ouverture::~Ouverture()
{
    plateau_.desabonne_lecture_biblio(abonnement_);
}

void Ouverture::Form_Load()
{
    LstOuverture.vide();
    const FonCom& com = plateau_.com();
    for (int i = 1; i <= com.nb_biblio; ++i)
        LstOuverture.ajoute(com.biblio.lignes[i - 1][col_nom], i);
}

void Ouverture::Cmdcharger_Click()
{
    const int choix = LstOuverture.selection;
    if (plateau_.occupe() || choix < 0 || choix >= LstOuverture.nombre()) return;
    const FonCom& com = plateau_.com();
    const int r = LstOuverture.entrees[choix].donnee - 1;
    if (r < 0 || r >= com.nb_biblio) return;

    const LigneBiblio& ligne = com.biblio.lignes[r];
    // A faulty line is refused before anything changes: the game on the board stays.
    if (const std::optional<std::string> defaut = defaut_de_ligne(ligne[col_coups])) {
        services_.message("L'ouverture « " + nom_lisible(ligne[col_nom])
                          + " » ne peut pas être chargée : " + *defaut + ".");
        return;
    }

    // The moves as the library writes them, rows as digit texts.
    const std::string s = coups_sans_espaces(ligne[col_coups]);
    std::vector<Emplacement> partie;
    for (std::size_t i = 0; i + 1 < s.size(); i += 2)
        partie.push_back(Emplacement::coup_charge(s[i], s[i + 1]));
    plateau_.charge_partie(partie);
}

} // namespace tavik
