#include "windows/main_window/plateau.h"

namespace tavik {

Plateau::Plateau(FonCom& com, Services services, std::filesystem::path fichier_biblio)
    : Plateau(com, std::move(services), {{Endroit::nomme, std::move(fichier_biblio)}})
{
}

Plateau::Plateau(FonCom& com, Services services, std::vector<Candidat> candidats)
    : com_(com)
    , services_(std::move(services))
    , candidats_(std::move(candidats))
{
    controles.chk_voir_coup.sur_clic([this] { chk_voir_coup_Click(); });
    controles.ChkVoirOuverture.sur_clic([this] { ChkVoirOuverture_Click(); });
    controles.ChkNoirAuto.sur_clic([this] { ChkNoirAuto_Click(); });
    controles.ChkBlancAuto.sur_clic([this] { ChkBlancAuto_Click(); });
}

void Plateau::init_jeu()
{
    for (auto& ligne : tab_) ligne.fill(bord);
    for (int ligne = 1; ligne <= 8; ++ligne)
        for (int colonne = 1; colonne <= 8; ++colonne) tab_[ligne][colonne] = vide;

    // A quarter turn of the usual start exchanges the colours of the four centre squares.
    const bool droit = rotation == 0 || rotation == 2;
    tab_[4][4] = tab_[5][5] = droit ? blanc : noir; // D4, E5
    tab_[4][5] = tab_[5][4] = droit ? noir : blanc; // E4, D5

    controles.nb_noir.legende = "2";
    controles.nb_blanc.legende = "2";
    joueur_ = noir;
}

void Plateau::nouvelle_partie()
{
    rotation = 0;
    init_jeu();
    controles.quijoue = image_noir;
    num_coup = 1;
    num_rejoue = 0;
    controles.LstCoup.vide();
    controles.TxtSuivant = {"", false};
    efface_panneau();
    controles.CmdDebut.actif = false;
    controles.CmdPrecedent.actif = false;
    controles.CmdSuivant.actif = false;
    controles.CmdFin.actif = false;
}

void Plateau::recommence()
{
    for (int k = 1; k < nb_emplacements; ++k) liste_coups()[k] = Emplacement::passe();
    nouvelle_partie();
    rafraichit();
}

void Plateau::efface_panneau()
{
    efface_etiquettes();
    controles.LstSuite.vide();
}

void Plateau::efface_etiquettes()
{
    controles.LblOuverture.legende.clear();
    controles.LblBilan.legende.clear();
    controles.LblCommentaire.legende.clear();
}

} // namespace tavik
