#include "library/lecture_biblio.h"
#include "windows/plateau.h"

namespace tavik {

void Plateau::Form_Load()
{
    commentaires_ = table_commentaires();
    for (int k = 1; k < nb_emplacements; ++k) liste_coups()[k] = Emplacement::passe();
    lit_biblio();
    for (int r = 0; r < com_.nb_biblio; ++r) {
        std::string& bilan = com_.biblio.lignes[r][col_bilan];
        bilan = conv_abrev(bilan);
    }
    nouvelle_partie();
    affiche_tab(tab_);
    affiche_coups_possibles(tab_, image_coup_possible);
    joue_auto();
}

// Every load starts from an empty table, so a shorter record never shows cells of an
// earlier file. A file that cannot be read leaves the library empty; the game goes on.
void Plateau::lit_biblio()
{
    com_.biblio = Biblio {};
    com_.nb_biblio = 0;
    com_.biblio.indexe(0);

    const std::string nom = fichier_biblio_.filename().string();
    std::string octets;
    std::string raison;
    if (!services_.lit_fichier(fichier_biblio_, octets, raison)) {
        services_.message("Impossible de lire le fichier « " + nom + " » : " + raison
                          + ".\nLa bibliothèque d'ouvertures est vide.");
        return;
    }

    const LectureBiblio lecture = lit_enregistrements(decode_texte(octets));
    for (const std::string& enregistrement : lecture.enregistrements)
        com_.biblio.lignes[com_.nb_biblio++] = decoupe(enregistrement);
    com_.biblio.indexe(com_.nb_biblio);

    if (lecture.ignores > 0) {
        services_.message("Le fichier « " + nom + " » contient plus de "
                          + std::to_string(nb_lignes_biblio) + " ouvertures : seules les "
                          + std::to_string(nb_lignes_biblio) + " premières sont chargées, les "
                          + std::to_string(lecture.ignores) + " suivantes sont ignorées.");
    }
}

} // namespace tavik
