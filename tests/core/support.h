#pragma once

#include "windows/ouverture.h"
#include "windows/plateau.h"

#include <deque>
#include <filesystem>
#include <functional>
#include <memory>
#include <string>
#include <vector>

namespace tavik {

// Opens the window's private state to the tests, which set up positions directly.
struct AccesPlateau
{
    static Grille& tab(Plateau& p) { return p.tab_; }
    static const Grille& tab_copie(const Plateau& p) { return p.tab_copie_; }
    static int16_t& joueur(Plateau& p) { return p.joueur_; }
    static const ListeCoups& jeu_normalise(const Plateau& p) { return p.jeu_normalise_; }
    static bool en_pose(const Plateau& p) { return p.en_pose_; }
};

} // namespace tavik

namespace tavik::test {

// A host that records what the core asks of it: messages shown, a clock that moves on by
// `pas` seconds at each reading, events pumped, and random draws taken from a queue.
struct Hote
{
    std::vector<std::string> messages;
    double temps = 1000.0;
    double pas = 0.01;
    int pompes = 0;
    std::deque<float> tirages; // empty: every draw is 0
    std::function<void()> pendant_pompe; // runs at each pump, as user input would
    std::function<void(const std::string&)> pendant_message;

    Services services();
};

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

// The main window and the chooser on a library given as its records (the header is added),
// loaded as the program starts: Form_Load has run.
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

// The tile index of a square written as "F5".
int index_de(const std::string& coup);
// The tiles as eight rows of picture numbers ("1" to "9", "0" for no picture).
std::string images(const Plateau& p);
// The live grid as eight rows of '.', 'x' and 'o'.
std::string image_grille(const Grille& g);
// The record's moves from slot 1 to num_rejoue - 1, "--" for a pass: "F5 D6 -- C3".
std::string partie(const Plateau& p);

} // namespace tavik::test
