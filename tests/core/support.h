#pragma once

#include "engine/regles.h"
#include "library/biblio.h"
#include "training/session.h"
#include "windows/chooser/ouverture.h"
#include "windows/main_window/plateau.h"

#include <deque>
#include <filesystem>
#include <functional>
#include <map>
#include <memory>
#include <ostream>
#include <string>
#include <vector>

namespace tavik {

// Opens the window's private state to the tests, which set up positions directly.
struct AccesPlateau
{
    static Grille& tab(Plateau& p) { return p.tab_; }
    static int16_t& joueur(Plateau& p) { return p.joueur_; }
};

} // namespace tavik

namespace tavik {
// A line's state, field by field, in the messages of failed checks.
void PrintTo(const EtatLigne& e, std::ostream* os);
} // namespace tavik

namespace tavik::test {

// Records the messages and pumps; a clock that moves on by `pas` at each reading; draws queued.
struct Hote
{
    std::vector<std::string> messages;
    double temps = 1000.0;
    double pas = 0.01;
    int pompes = 0;
    std::deque<float> tirages; // empty: every draw is 0
    std::function<void()> pendant_pompe; // runs at each pump, as user input would
    // The settings, as a file that outlives the windows: windows made again with this host's
    // services find what the first ones wrote.
    std::map<std::string, std::string> reglages;
    std::vector<std::string> questions; // asked by `confirme`, which answers `reponse`
    bool reponse = true;

    Services services();
};

// Runs `f` in a child process under an account that file permissions apply to (as root, which
// they do not bind, the `nobody` account); returns what `f` returned.
std::string sans_droits(const std::function<std::string()>& f);

// The bytes of a file, or nothing when it cannot be read.
std::string octets_du_fichier(const std::filesystem::path& chemin);

// A library file in a fresh temporary folder, removed with the object.
class FichierTemporaire
{
public:
    explicit FichierTemporaire(const std::string& contenu, const std::string& nom = "biblio.csv");
    ~FichierTemporaire();
    FichierTemporaire(const FichierTemporaire&) = delete;
    FichierTemporaire& operator=(const FichierTemporaire&) = delete;
    const std::filesystem::path& chemin() const { return chemin_; }

private:
    std::filesystem::path dossier_;
    std::filesystem::path chemin_;
};

// The main window (Form_Load run) and the chooser on a library given by its records.
struct Fenetre
{
    explicit Fenetre(const std::vector<std::string>& enregistrements = {});
    explicit Fenetre(const std::filesystem::path& fichier);

    Hote hote;
    std::unique_ptr<FichierTemporaire> fichier;
    std::unique_ptr<FonCom> com = std::make_unique<FonCom>();
    std::unique_ptr<Plateau> plateau;
    std::unique_ptr<Ouverture> ouverture;

    Plateau& p() { return *plateau; }
    Grille& tab() { return AccesPlateau::tab(*plateau); }
    int16_t joueur() const { return plateau->joueur(); }
    // Left press on a square written as "F5".
    void clic(const std::string& coup);
    // Plays moves written as "F5 D6 C3" (spaces optional) by left presses.
    void joue(const std::string& coups);
};

// A recorded game, "--" for a pass: black passes in slot 13, after white's H4; A4 in slot 61
// ends it at 25 to 39.
inline constexpr const char* partie_connue
    = "F5 F6 F7 F4 D3 G5 H5 H6 G3 E3 F3 H4 -- F2 F1 E1 H2 F8 D1 C4 B5 E2 G6 D6 E6 A6 G8 H8 C3 E8 "
      "G1 G4 D2 E7 H7 C6 G7 C1 B1 D7 C5 C2 B7 B6 G2 C8 B2 H1 A5 H3 A8 C7 B4 A1 A2 B3 A7 B8 D8 A3 "
      "A4";

// A library file's text: the header, then the records.
std::string fichier_de(const std::vector<std::string>& enregistrements);
// The tile index of a square written as "F5".
int index_de(const std::string& coup);
// The tiles as eight rows of picture numbers ("1" to "9", "0" for no picture).
std::string images(const Plateau& p);
// The live grid as eight rows of '.', 'x' and 'o'.
std::string image_grille(const Grille& g);
// The record's moves from slot 1 to num_rejoue - 1, "--" for a pass: "F5 D6 -- C3".
std::string partie(const Plateau& p);

// A library table filled from records and indexed, as the start sequence leaves it.
struct BiblioChargee
{
    explicit BiblioChargee(const std::vector<std::string>& enregistrements);
    Biblio biblio;
    int nb = 0;
};

// Lines of the shipped library: Bill and Tigre centrale part at white's third move, Cheval at
// black's second; Ishii tigre in both mirror forms. The last three rows cannot be played.
const std::vector<std::string>& petite_biblio();

// Five records as the library file writes them (evaluations as codes): for black the lines are
// Bill, Tigre centrale and Cheval, in this order; Bill and Tigre centrale go through the tiger
// and part at white's third move, Cheval leaves them at black's second. Bill has a comment.
const std::vector<std::string>& biblio_du_tigre();

// A clock that stays where it is put and a queue of draws (0 once empty).
struct HoteEntrainement
{
    Moment maintenant {1'700'000'000, 19'675};
    std::deque<float> tirages;
    ServicesEntrainement services();
    void lendemain()
    {
        maintenant.secondes += 86'400;
        ++maintenant.jour;
    }
};

Case case_ecrite(const std::string& coup); // "F5"
std::string texte(const std::vector<Case>& coups); // "F5 D6"

// Runs SQL on a notebook's file, as another program would; the rows it gives as "a|b|c".
std::vector<std::string> sql(const std::filesystem::path& fichier, const std::string& requete);
// A backup of the notebook's main file alone, made now without its log, as it opens: the file
// is copied beside itself under a fresh name, and the copy opened.
Carnet fichier_seul(const std::filesystem::path& carnet);

// The grid after the first `n` moves of a game, with the side that plays next, found with the
// grid rules alone: the plain count that the game database is checked against.
struct Etat
{
    Grille jeu = position_initiale();
    int16_t couleur = noir;
};
// Plays a legal move; then the side to move passes if it must; black once the game is over.
Etat apres_coup(Etat e, Case c);
// The first `n` moves of a game given as square indexes.
Etat rejoue(const std::vector<int>& coups, std::size_t n);
// Whether `b` is one of the eight images of `a`, same side to move: square by square.
bool meme_position(const Etat& a, const Etat& b);

} // namespace tavik::test
