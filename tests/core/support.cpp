#include "support.h"

#include "library/fichier.h"
#include "library/lecture_biblio.h"
#include "library/symetries.h"

#include <atomic>
#include <fstream>
#include <gtest/gtest.h>
#include <iterator>
#include <sqlite3.h>
#include <stdexcept>
#include <sys/wait.h>
#include <unistd.h>

namespace tavik {
void PrintTo(const EtatLigne& e, std::ostream* os)
{
    *os << "{repetitions " << e.repetitions << ", facilite " << e.facilite << ", intervalle "
        << e.intervalle << ", echeance " << e.echeance << ", premiere_revue " << e.premiere_revue
        << ", derniere_revue " << e.derniere_revue << ", derniere_qualite " << e.derniere_qualite
        << ", revues " << e.revues << ", echecs " << e.echecs << "}";
}
} // namespace tavik

namespace tavik::test {

namespace {

float tire(std::deque<float>& tirages)
{
    if (tirages.empty()) return 0.0f;
    const float r = tirages.front();
    tirages.pop_front();
    return r;
}

} // namespace

Services Hote::services()
{
    return {
        .message = [this](const std::string& texte) { messages.push_back(texte); },
        .horloge = [this] { return temps += pas; },
        .traite_evenements =
            [this] {
                ++pompes;
                if (pendant_pompe) pendant_pompe();
            },
        .hasard = [this] { return tire(tirages); },
        .lit_fichier = &tavik::lit_fichier,
        .confirme =
            [this](const std::string& question, const std::string&) {
                questions.push_back(question);
                return reponse;
            },
        .lit_reglage = [this](const std::string& cle) { return reglages[cle]; },
        .ecrit_reglage
        = [this](const std::string& cle, const std::string& valeur) { reglages[cle] = valeur; },
    };
}

std::string octets_du_fichier(const std::filesystem::path& chemin)
{
    std::ifstream f(chemin, std::ios::binary);
    return {std::istreambuf_iterator<char>(f), std::istreambuf_iterator<char>()};
}

FichierTemporaire::FichierTemporaire(const std::string& contenu, const std::string& nom)
{
    static std::atomic<int> compteur {0};
    dossier_ = std::filesystem::temp_directory_path()
        / ("tavik-test-" + std::to_string(::getpid()) + "-" + std::to_string(compteur++));
    std::filesystem::create_directories(dossier_);
    chemin_ = dossier_ / nom;
    std::ofstream(chemin_, std::ios::binary) << contenu;
}

FichierTemporaire::~FichierTemporaire()
{
    std::error_code ignoree;
    std::filesystem::remove_all(dossier_, ignoree);
}

std::string fichier_de(const std::vector<std::string>& enregistrements)
{
    std::string contenu = "Nom;Name;Coups;Bilan;Commentaire;Sources\n";
    for (const std::string& e : enregistrements) contenu += e + "\n";
    return contenu;
}

Fenetre::Fenetre(const std::vector<std::string>& enregistrements)
    : fichier(std::make_unique<FichierTemporaire>(fichier_de(enregistrements)))
    , plateau(std::make_unique<Plateau>(*com, hote.services(), fichier->chemin()))
    , ouverture(std::make_unique<Ouverture>(*plateau, hote.services()))
{
    plateau->Form_Load();
}

Fenetre::Fenetre(const std::filesystem::path& chemin)
    : plateau(std::make_unique<Plateau>(*com, hote.services(), chemin))
    , ouverture(std::make_unique<Ouverture>(*plateau, hote.services()))
{
    plateau->Form_Load();
}

void Fenetre::clic(const std::string& coup)
{
    plateau->plateau_MouseDown(index_de(coup), bouton_gauche);
}

void Fenetre::joue(const std::string& coups)
{
    std::string s;
    for (const char c : coups)
        if (c != ' ') s += c;
    for (std::size_t i = 0; i + 1 < s.size(); i += 2) clic(s.substr(i, 2));
}

int index_de(const std::string& coup)
{
    return tavik::index_de(case_ecrite(coup));
}

std::string images(const Plateau& p)
{
    std::string s;
    for (int i = 0; i < 64; ++i) {
        s += static_cast<char>('0' + p.controles.plateau[i]);
        if (i % 8 == 7) s += '\n';
    }
    return s;
}

std::string image_grille(const Grille& g)
{
    std::string s;
    for (int ligne = 1; ligne <= 8; ++ligne) {
        for (int colonne = 1; colonne <= 8; ++colonne)
            s += g[ligne][colonne] == noir ? 'x' : g[ligne][colonne] == blanc ? 'o' : '.';
        s += '\n';
    }
    return s;
}

std::string partie(const Plateau& p)
{
    std::string s;
    for (int k = 1; k < p.num_rejoue; ++k) {
        const Emplacement& e = p.com().liste_coups[k];
        if (!s.empty()) s += ' ';
        s += e.est_passe() ? "--" : e.texte();
    }
    return s;
}

BiblioChargee::BiblioChargee(const std::vector<std::string>& enregistrements)
{
    for (const std::string& e : enregistrements) biblio.lignes[nb++] = decoupe(e);
    biblio.indexe(nb);
}

const std::vector<std::string>& petite_biblio()
{
    static const std::vector<std::string> lignes = {
        "Perpendiculaire;;C4E3;eq;",
        "Tigre;;C4E3 F6E6 F5;eq;",
        "Bill;;C4E3 F6E6 F5G6;Léger avantage à noir.;voir F5/n+=",
        "Tigre centrale;;c4e3 f6e6 f5c5 f4;Egalité.;",
        "Ishii tigre;;C4C3 D3C5 F6F5 E6;Egalité.;côté C5",
        "Ishii tigre;;C4C3 D3E3 F6E6 F5;Egalité.;côté E3",
        "Parallèle;;C4C5;Avantage à noir.;",
        "Cheval;;C4E3 F4C5 E6;Léger avantage à blanc.;",
        "Coup illégal;;C4E3 F6F6;;",
        "Autre orientation;;F5D6 C3;;",
        "Pas une case;;C4E3 Z9;;",
    };
    return lignes;
}

const std::vector<std::string>& biblio_du_tigre()
{
    static const std::vector<std::string> lignes = {
        "Perpendiculaire;;C4E3;eq;",
        "Tigre;;C4E3 F6E6 F5;eq;",
        "Bill;;C4E3 F6E6 F5G6;n+=;voir F5/n+=",
        "Tigre centrale;;C4E3 F6E6 F5C5 F4;eq;",
        "Cheval;;C4E3 F4C5 E6;b+=;",
    };
    return lignes;
}

ServicesEntrainement HoteEntrainement::services()
{
    return {
        .maintenant = [this] { return maintenant; },
        .hasard = [this] { return tire(tirages); },
    };
}

Case case_ecrite(const std::string& coup)
{
    Case c;
    if (!lit_case(coup, c)) throw std::invalid_argument("not a square: " + coup);
    return c;
}

std::string texte(const std::vector<Case>& coups)
{
    std::string s;
    for (const Case c : coups) s += (s.empty() ? "" : " ") + notation(c);
    return s;
}

std::vector<std::string> sql(const std::filesystem::path& fichier, const std::string& requete)
{
    sqlite3* db = nullptr;
    sqlite3_open(fichier.c_str(), &db);
    std::vector<std::string> lignes;
    const auto rappel = [](void* v, int n, char** valeurs, char**) {
        std::string ligne;
        for (int i = 0; i < n; ++i)
            ligne += (i ? "|" : "") + std::string(valeurs[i] ? valeurs[i] : "");
        static_cast<std::vector<std::string>*>(v)->push_back(ligne);
        return 0;
    };
    EXPECT_EQ(sqlite3_exec(db, requete.c_str(), rappel, &lignes, nullptr), SQLITE_OK)
        << sqlite3_errmsg(db);
    sqlite3_close(db);
    return lignes;
}

Carnet fichier_seul(const std::filesystem::path& carnet)
{
    static std::atomic<int> compteur {0};
    std::filesystem::path copie = carnet;
    copie += ".seul-" + std::to_string(compteur++);
    std::filesystem::copy_file(carnet, copie);
    return Carnet::ouvre(copie, 0);
}

std::string sans_droits(const std::function<std::string()>& f)
{
    int tube[2];
    if (pipe(tube) != 0) return "pipe";
    const pid_t pid = fork();
    if (pid == 0) {
        close(tube[0]);
        if (geteuid() == 0 && (setgid(65534) != 0 || setuid(65534) != 0)) _exit(2);
        const std::string dit = f();
        [[maybe_unused]] const auto ecrit = write(tube[1], dit.data(), dit.size());
        _exit(0);
    }
    close(tube[1]);
    std::string dit;
    char tampon[4096];
    for (ssize_t n; (n = read(tube[0], tampon, sizeof tampon)) > 0;) dit.append(tampon, n);
    close(tube[0]);
    int statut = 0;
    waitpid(pid, &statut, 0);
    EXPECT_TRUE(WIFEXITED(statut) && WEXITSTATUS(statut) == 0) << statut;
    return dit;
}

Etat apres_coup(Etat e, Case c)
{
    coup_joue(e.jeu, e.couleur, c.ligne, c.colonne);
    e.jeu[c.ligne][c.colonne] = static_cast<int8_t>(e.couleur);
    e.couleur = adversaire(e.couleur);
    if (!joueur_passe(e.jeu, e.couleur)) e.couleur = adversaire(e.couleur);
    if (partie_finie(e.jeu)) e.couleur = noir;
    return e;
}
Etat rejoue(const std::vector<int>& coups, std::size_t n)
{
    Etat e;
    for (std::size_t i = 0; i < n; ++i) e = apres_coup(e, case_de(coups[i]));
    return e;
}

bool meme_position(const Etat& a, const Etat& b)
{
    if (a.couleur != b.couleur) return false;
    for (int s = 0; s < nb_symetries; ++s) {
        bool pareil = true;
        for (int i = 0; i < 64 && pareil; ++i) {
            const Case c = case_de(i), d = image(s, c);
            pareil = a.jeu[c.ligne][c.colonne] == b.jeu[d.ligne][d.colonne];
        }
        if (pareil) return true;
    }
    return false;
}

} // namespace tavik::test
