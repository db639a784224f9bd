#include "engine/regles.h"
#include "windows/main_window/plateau.h"

namespace tavik {

void Plateau::rafraichit()
{
    affiche_tab(tab_);
    affiche_coups_possibles(tab_, image_coup_possible);
    affiche_suites();
}

void Plateau::installe_entraineur(Entraineur* entraineur)
{
    entraineur_ = entraineur;
    rafraichit(); // the drill's marks come and go with it
}

void Plateau::affiche_tab(const Grille& jeu)
{
    for (int16_t ligne = 1; ligne <= 8; ++ligne)
        for (int16_t colonne = 1; colonne <= 8; ++colonne)
            controles.plateau[index_de({ligne, colonne})] = jeu[ligne][colonne];
}

void Plateau::affiche_coups_possibles(const Grille& jeu, int8_t num_image)
{
    if (!controles.chk_voir_coup.cochee()) return;
    for (int16_t ligne = 1; ligne <= 8; ++ligne)
        for (int16_t colonne = 1; colonne <= 8; ++colonne)
            if (test_coup_possible(jeu, joueur_, ligne, colonne))
                controles.plateau[index_de({ligne, colonne})] = num_image;
}

// 6 or 7 (black or white to move), 8 or 9 when the legal-move marks are shown too.
int8_t Plateau::image_suite() const
{
    return static_cast<int8_t>(joueur_ + 4 + 2 * (controles.chk_voir_coup.cochee() ? 1 : 0));
}

// The library continuations when "Coups d'ouv." is ticked and no exercise hides them; then,
// whatever the box, the moves that a drill on the board marks after a wrong move, with the
// same picture.
void Plateau::affiche_suites()
{
    if (controles.ChkVoirOuverture.cochee() && !suites_cachees()) {
        for (const Liste::Entree& entree : controles.LstSuite.entrees) {
            Case c;
            if (lit_case(std::string_view(entree.texte).substr(0, 2), c))
                controles.plateau[index_de(c)] = image_suite();
        }
    }
    if (entraineur_)
        for (const int index : entraineur_->marques())
            if (index >= 0 && index < 64) controles.plateau[index] = image_suite();
}

void Plateau::pose_pion(int index)
{
    struct Pose
    {
        bool& drapeau;
        explicit Pose(bool& d)
            : drapeau(d)
        {
            drapeau = true;
        }
        ~Pose() { drapeau = false; }
    } pose(en_pose_);

    for (int cycle = 0; cycle < 2; ++cycle) {
        controles.plateau[index] = static_cast<int8_t>(joueur_);
        wait(0.1);
        controles.plateau[index] = image_suite();
        wait(0.1);
    }
}

void Plateau::wait(double n)
{
    const double start = services_.horloge();
    while (services_.horloge() - start <= n) services_.traite_evenements();
}

} // namespace tavik
