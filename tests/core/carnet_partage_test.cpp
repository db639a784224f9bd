// Two copies of the program training on one notebook file at once.

#include "support.h"

#include <csignal>
#include <gtest/gtest.h>
#include <iostream>
#include <sys/wait.h>
#include <unistd.h>

namespace tavik::test {

namespace fs = std::filesystem;

namespace {

// Tigre centrale (C4E3 F6E6 F5C5 F4), the only line of the choice, for black.
constexpr int tigre_centrale = 1;

struct Copie
{
    Copie(const fs::path& fichier, const Repertoire& rep, HoteEntrainement& hote)
        : carnet(Carnet::ouvre(fichier, hote.maintenant.secondes))
        , session(rep, carnet, noir, {tigre_centrale}, hote.services())
    {
    }

    // One exercise of the line, with a wrong move (D6 for F5) when `rate`.
    void exercice(bool rate)
    {
        session.nouvel_exercice();
        for (const char* coup : {"C4", "F6", "F5", "F4"}) {
            if (rate && std::string(coup) == "F5") session.coup_utilisateur(case_ecrite("D6"));
            session.coup_utilisateur(case_ecrite(coup));
            while (session.coup_programme()) {}
        }
        ASSERT_TRUE(session.bilan());
        EXPECT_EQ(session.avertissement(), "");
    }

    Carnet carnet;
    Session session;
};

struct Livre
{
    FichierTemporaire fichier {"", "entrainement.sqlite"};
    BiblioChargee biblio {petite_biblio()};
    Repertoire rep = construit_repertoire(biblio.biblio, biblio.nb);
    HoteEntrainement hote;
};

std::string compte(const fs::path& f)
{
    return sql(f, "SELECT (SELECT count(*) FROM revue) || '|' || revues || '|' || echecs FROM "
                  "ligne")
        .at(0);
}

} // namespace

// Two copies take turns on the same line, one exercise each, over twenty days: every exercise is
// a row, and the line's state is the one that the 200 exercises give in the order they were
// made, the lapses of either copy included.
TEST(CarnetPartage, TwoCopiesTakingTurnsAddUp)
{
    Livre l;
    Copie a(l.fichier.chemin(), l.rep, l.hote), b(l.fichier.chemin(), l.rep, l.hote);
    std::optional<EtatLigne> attendu;
    int echecs = 0;
    for (int i = 0; i < 200; ++i) {
        if (i % 10 == 9) l.hote.lendemain();
        const bool rate = i % 7 == 3 || i % 11 == 4;
        (i % 2 ? b : a).exercice(rate);
        attendu = apres_revue(attendu ? &*attendu : nullptr, rate, l.hote.maintenant.jour, {});
        echecs += rate;
    }
    EXPECT_EQ(compte(l.fichier.chemin()), "200|200|" + std::to_string(echecs));
    const std::string cle = l.rep.lignes[tigre_centrale].cle;
    EXPECT_EQ(a.carnet.etats(noir), (std::map<std::string, EtatLigne> {{cle, *attendu}}));
    // Each copy's session knows the state it wrote last.
    EXPECT_EQ(b.session.etats()[tigre_centrale], attendu);
}

// Two processes open a file that does not exist yet at the same moment, then take turns, 100
// exercises each: none is lost, and the line's counts add up.
TEST(CarnetPartage, TwoProcessesTakingTurnsAddUp)
{
    Livre l;
    int depart[2], tour[2][2];
    ASSERT_EQ(pipe(depart), 0);
    ASSERT_EQ(pipe(tour[0]), 0);
    ASSERT_EQ(pipe(tour[1]), 0);
    std::vector<pid_t> enfants;
    for (int copie = 0; copie < 2; ++copie) {
        const pid_t pid = fork();
        ASSERT_GE(pid, 0);
        if (pid == 0) {
            char jeton = 0;
            std::signal(SIGPIPE, SIG_IGN); // the last turn is passed to a copy that is done
            for (const int fd : {depart[1], tour[copie][1], tour[1 - copie][0]}) close(fd);
            [[maybe_unused]] auto lu = read(depart[0], &jeton, 1); // both start together
            Copie c(l.fichier.chemin(), l.rep, l.hote);
            std::string dit = c.carnet.avertissement();
            for (int i = 0; i < 100; ++i) {
                if (copie == 1 || i > 0) lu = read(tour[copie][0], &jeton, 1);
                c.exercice(i % 5 == copie);
                dit += c.session.avertissement();
                [[maybe_unused]] auto ecrit = write(tour[1 - copie][1], &jeton, 1);
            }
            std::cerr << dit; // the failure's reason, in the test's output
            _exit(dit.empty() && !testing::Test::HasFailure() ? 0 : 1);
        }
        enfants.push_back(pid);
    }
    // Closed here, so that a copy that dies ends the other's wait.
    for (const int fd : {depart[0], depart[1], tour[0][0], tour[0][1], tour[1][0], tour[1][1]})
        close(fd);
    for (const pid_t pid : enfants) {
        int statut = 0;
        waitpid(pid, &statut, 0);
        EXPECT_TRUE(WIFEXITED(statut) && WEXITSTATUS(statut) == 0);
    }
    EXPECT_EQ(compte(l.fichier.chemin()), "200|200|40");
}

} // namespace tavik::test
