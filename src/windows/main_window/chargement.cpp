#include "library/lecture_biblio.h"
#include "windows/main_window/messages_chargement.h"
#include "windows/main_window/plateau.h"

#include <utility>

namespace tavik {

void Plateau::Form_Load()
{
    commentaires_ = table_commentaires();
    for (int k = 1; k < nb_emplacements; ++k) liste_coups()[k] = Emplacement::passe();
    const std::optional<std::string> message = charge_biblio();
    for (int r = 0; r < com_.nb_biblio; ++r) {
        std::string& bilan = com_.biblio.lignes[r][col_bilan];
        bilan = conv_abrev(bilan);
    }
    // The windows that show the library take it up as this window uses it.
    for (const auto& lecteur : lecteurs_biblio_) lecteur.second();
    nouvelle_partie();
    affiche_tab(tab_);
    affiche_coups_possibles(tab_, image_coup_possible);
    if (!message) {
        joue_auto();
        return;
    }

    // What happened to the file and what the automatic player has to say after its first
    // move share one box: one press of "Jouer" never brings two.
    std::string suite;
    {
        const auto montre = std::exchange(services_.message, [&suite](const std::string& texte) {
            suite += (suite.empty() ? "" : "\n\n") + texte;
        });
        joue_auto();
        services_.message = montre;
    }
    services_.message(suite.empty() ? *message : *message + "\n\n" + suite);
}

// Every load starts from an empty table, so a shorter record never shows cells of an
// earlier file, and a file that cannot be read or used leaves the library empty; the game
// goes on. The caller shows the one message, if any, that says what happened to the file.
std::optional<std::string> Plateau::charge_biblio()
{
    com_.biblio = Biblio {};
    com_.nb_biblio = 0;

    const std::optional<std::filesystem::path>& fichier = trouve_biblio();
    std::string octets;
    std::string raison;
    std::optional<std::string> message;
    if (!fichier) {
        message = message_biblio_introuvable(candidats_);
    } else if (services_.lit_fichier(*fichier, octets, raison)) {
        LectureBiblio lecture = lit_biblio(octets);
        for (LigneBiblio& ligne : lecture.lignes)
            com_.biblio.lignes[com_.nb_biblio++] = std::move(ligne);
        message = message_lecture(fichier->string(), lecture.rapport);
    } else {
        message = message_fichier_illisible(fichier->string(), raison);
    }
    com_.biblio.indexe(com_.nb_biblio);
    return message;
}

int Plateau::abonne_lecture_biblio(std::function<void()> rappel)
{
    lecteurs_biblio_.emplace(++dernier_lecteur_, std::move(rappel));
    return dernier_lecteur_;
}

void Plateau::desabonne_lecture_biblio(int numero)
{
    lecteurs_biblio_.erase(numero);
}

} // namespace tavik
