// A simulated learner on 100 lines of the shipped library, trained once by the scheduler and
// once by uniform draws as the automatic player makes them: how many exercises until it
// recalls 90 % of the lines a day later. Both figures are printed; the exit status is 0 only
// when the scheduler needs fewer exercises. Usage: tavik_apprenant [biblio.csv]

#include "autoplay/tirage.h"
#include "library/fichier.h"
#include "library/lecture_biblio.h"
#include "training/session.h"

#include <cmath>
#include <iostream>
#include <random>
#include <stdexcept>

namespace tavik {

namespace {

constexpr int nb_lignes = 100;
constexpr int exercices_par_jour = 20;
constexpr int exercices_max = 20'000;
constexpr double objectif = 0.9;

// An exponential forgetting curve per line, R = exp(-t / S), t in days since its last review;
// the stability S is one day after the first review and grows 2.5 times with each further one.
struct Memoire
{
    std::vector<int> revues = std::vector<int>(nb_lignes);
    std::vector<double> derniere = std::vector<double>(nb_lignes);
    std::vector<double> stabilite = std::vector<double>(nb_lignes);

    double rappel(int l, double t) const
    {
        return revues[l] == 0 ? 0.0 : std::exp(-(t - derniere[l]) / stabilite[l]);
    }
    void revoit(int l, double t)
    {
        stabilite[l] = revues[l] == 0 ? 1.0 : stabilite[l] * 2.5;
        derniere[l] = t;
        ++revues[l];
    }
    double retenues(double t) const
    {
        double n = 0;
        for (int l = 0; l < nb_lignes; ++l) n += rappel(l, t);
        return n;
    }
};

struct Simulation
{
    Repertoire rep;
    std::vector<int> lignes; // the first 100 lines for black
    std::mt19937 gen {20240601};
    Memoire memoire;

    explicit Simulation(const std::filesystem::path& fichier)
    {
        std::string octets, raison;
        if (!lit_fichier(fichier, octets, raison)) throw std::runtime_error(raison);
        Biblio biblio;
        int nb = 0;
        for (LigneBiblio& ligne : lit_biblio(octets).lignes) biblio.lignes[nb++] = std::move(ligne);
        biblio.indexe(nb);
        // Only these lines exist for this learner: the repertoire is cut to them.
        Repertoire complet = construit_repertoire(biblio, nb);
        for (int l = 0; l < nb_lignes; ++l) rep.lignes.push_back(complet.lignes[l]);
        rep.rangees = complet.rangees;
        for (int l = 0; l < nb_lignes; ++l) lignes.push_back(l);
    }

    float hasard() { return std::uniform_real_distribution<float>(0.0f, 1.0f)(gen); }

    // The learner's move `coup`: known when it recalls a line of the exercise that goes on with
    // it; otherwise it first plays a wrong move, then `coup`, shown by the marks.
    template <typename Joue>
    void joue_apprenant(const Exercice& ex, Case coup, const std::vector<bool>& rappelees,
                        Joue joue)
    {
        Exercice essai = ex;
        essai.joue_utilisateur(coup);
        bool connu = false;
        for (const int l : essai.en_cours()) connu = connu || rappelees[l];
        if (!connu) {
            for (int i = 0; i < 64; ++i) {
                Exercice faux = ex;
                if (faux.joue_utilisateur(case_de(i)).jugement == Jugement::erreur) {
                    joue(case_de(i));
                    break;
                }
            }
        }
        joue(coup);
    }

    std::vector<bool> tire_rappels(double t)
    {
        std::vector<bool> r(nb_lignes);
        for (int l = 0; l < nb_lignes; ++l) r[l] = hasard() < memoire.rappel(l, t);
        return r;
    }

    // Exercises until 90 % are recalled a day later, each run by `exercice`.
    template <typename UnExercice> int jusqu_a_l_objectif(UnExercice exercice)
    {
        for (int n = 0; n < exercices_max;) {
            const int jour = n / exercices_par_jour;
            const double t = jour + 0.375 + (n % exercices_par_jour) / 1440.0;
            const int ligne = exercice(jour, t, tire_rappels(t));
            memoire.revoit(ligne, t);
            ++n;
            if (memoire.retenues(t + 1.0) >= objectif * nb_lignes) return n;
        }
        return exercices_max;
    }
};

int avec_le_planificateur(const std::filesystem::path& fichier)
{
    Simulation sim(fichier);
    Carnet carnet = Carnet::en_memoire();
    Moment maintenant;
    Session session(sim.rep, carnet, noir, sim.lignes,
                    {[&] { return maintenant; }, [&] { return sim.hasard(); }});
    return sim.jusqu_a_l_objectif([&](int jour, double t, const std::vector<bool>& rappelees) {
        maintenant = {static_cast<std::int64_t>(t * 86'400), jour};
        session.nouvel_exercice();
        while (!session.exercice().terminee()) {
            if (session.coup_programme()) continue;
            const Exercice& ex = session.exercice();
            // The panel names the line aimed at; in free practice the learner picks a way.
            std::vector<Case> coups = ex.coups_attendus();
            if (coups.empty()) coups = ex.coups_de_la_portee();
            const Case coup = coups[static_cast<std::size_t>(
                tire(sim.hasard(), static_cast<int>(coups.size())))];
            sim.joue_apprenant(ex, coup, rappelees, [&](Case c) { session.coup_utilisateur(c); });
        }
        return session.exercice().ligne_finie();
    });
}

int avec_des_tirages_uniformes(const std::filesystem::path& fichier)
{
    Simulation sim(fichier);
    return sim.jusqu_a_l_objectif([&](int, double, const std::vector<bool>& rappelees) {
        Exercice ex(sim.rep, sim.lignes, noir, -1);
        while (!ex.terminee()) {
            const float r = sim.hasard();
            if (ex.au_programme()) {
                ex.joue_programme(r);
                continue;
            }
            const std::vector<Case> coups = ex.coups_de_la_portee();
            const Case coup
                = coups[static_cast<std::size_t>(tire(r, static_cast<int>(coups.size())))];
            sim.joue_apprenant(ex, coup, rappelees, [&](Case c) { ex.joue_utilisateur(c); });
        }
        return ex.ligne_finie();
    });
}

} // namespace

} // namespace tavik

int main(int argc, char** argv)
{
    const std::filesystem::path fichier = argc > 1 ? argv[1] : TAVIK_DATA_DIR "/biblio.csv";
    const int planifie = tavik::avec_le_planificateur(fichier);
    const int uniforme = tavik::avec_des_tirages_uniformes(fichier);
    std::cout << "Exercises until 90 % of " << tavik::nb_lignes
              << " lines are recalled a day later (" << tavik::exercices_par_jour
              << " a day): scheduler " << planifie << ", uniform draws " << uniforme
              << (uniforme == tavik::exercices_max ? " (not reached)" : "") << "\n";
    if (planifie < uniforme) return 0;
    std::cerr << "the scheduler needs no fewer exercises than uniform draws\n";
    return 1;
}
