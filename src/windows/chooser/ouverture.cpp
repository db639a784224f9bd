#include "windows/chooser/ouverture.h"

#include "library/ligne_coups.h"
#include "orientation/transformations.h"
#include "record/typographie.h"
#include "record/utf8.h"
#include "windows/chooser/choix_ouvertures.h"

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
    , abonnement_(plateau_.abonne_lecture_biblio([this] { relit_biblio(); }))
{
}

Ouverture::~Ouverture()
{
    plateau_.desabonne_lecture_biblio(abonnement_);
}

std::vector<std::pair<std::string, std::string>> Ouverture::lignes_lues() const
{
    const FonCom& com = plateau_.com();
    std::vector<std::pair<std::string, std::string>> lignes;
    lignes.reserve(static_cast<std::size_t>(com.nb_biblio));
    for (int r = 0; r < com.nb_biblio; ++r)
        lignes.emplace_back(com.biblio.lignes[r][col_nom], com.biblio.lignes[r][col_coups]);
    return lignes;
}

void Ouverture::Form_Load()
{
    lues_ = lignes_lues();
    LstOuverture.vide();
    TxtFiltre_Change();
}

// The same rows read again keep the list, its filter and its selection: the selected entry
// still names the same line. Other rows are listed anew, nothing selected, so that "Charger"
// never loads a row of the new file under an old name.
void Ouverture::relit_biblio()
{
    if (lignes_lues() == lues_)
        TxtFiltre_Change();
    else
        Form_Load();
}

void Ouverture::TxtFiltre_Change()
{
    const int choix = LstOuverture.selection;
    const int ligne_choisie
        = choix >= 0 && choix < LstOuverture.nombre() ? LstOuverture.entrees[choix].donnee : 0;
    LstOuverture.vide();
    const FonCom& com = plateau_.com();
    for (const int r : lignes_filtrees(com.biblio, com.nb_biblio, TxtFiltre.texte)) {
        if (r + 1 == ligne_choisie) LstOuverture.selection = LstOuverture.nombre();
        LstOuverture.ajoute(com.biblio.lignes[r][col_nom], r + 1);
    }
}

std::string Ouverture::coups_de(int entree) const
{
    const int r = LstOuverture.entrees.at(entree).donnee - 1;
    const FonCom& com = plateau_.com();
    if (r < 0 || r >= com.nb_biblio) return {};
    return coups_montres(com.biblio.lignes[r][col_coups], ChkDepuisF5.cochee());
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
        services_.message("L'ouverture " + guillemets(nom_lisible(ligne[col_nom]))
                          + " ne peut pas être chargée\u00a0: " + *defaut + ".");
        return;
    }

    // The moves as the library writes them, rows as digit texts.
    const std::string s = coups_sans_espaces(ligne[col_coups]);
    std::vector<Emplacement> partie;
    for (std::size_t i = 0; i + 1 < s.size(); i += 2)
        partie.push_back(Emplacement::coup_charge(s[i], s[i + 1]));
    plateau_.charge_partie(partie);
    // From F5: the game turned on the board by the main window's own commands, so that the
    // orientation it records still maps the board onto the library.
    if (ChkDepuisF5.cochee())
        for (const Transformation t : orientation_de("F5").vers_jeu) {
            if (t == Transformation::rotation) plateau_.CmdRotation_Click();
            if (t == Transformation::sym_positive) plateau_.CmdSymPositive_Click();
            if (t == Transformation::sym_negative) plateau_.CmdSymNegative_Click();
        }
}

} // namespace tavik
