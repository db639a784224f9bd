#include "support.h"

#include <csignal>
#include <fstream>
#include <gtest/gtest.h>
#include <sys/wait.h>
#include <unistd.h>

namespace tavik::test {

namespace fs = std::filesystem;

namespace {

constexpr std::int64_t maintenant = 1'700'000'000;

void ecrit(const fs::path& p, const std::string& octets)
{
    std::ofstream(p, std::ios::binary) << octets;
}

bool enregistre(Carnet& c, const std::string& cle, int erreurs = 0)
{
    std::string raison;
    const auto nouvelle = [&](const std::optional<EtatLigne>&) {
        return apres_revue(nullptr, erreurs, 100, {});
    };
    return c.enregistre(noir, cle, nouvelle, {maintenant, 100, 3, 3 - erreurs, erreurs, 5}, raison)
        .has_value();
}

} // namespace

// A notebook in a folder that does not exist yet: the folder and the file are made; what is
// written, the settings included, is there when it is opened again.
TEST(Carnet, CreatedThenReopened)
{
    FichierTemporaire dossier("");
    const fs::path chemin = dossier.chemin().parent_path() / "donnees" / "entrainement.sqlite";
    {
        Carnet c = Carnet::ouvre(chemin, maintenant);
        EXPECT_EQ(c.avertissement() + "|" + c.chemin().string(), "|" + chemin.string());
        EXPECT_EQ(c.nouvelles_par_jour(), 10);
        std::string raison;
        ASSERT_TRUE(c.fixe_nouvelles_par_jour(4, raison) && enregistre(c, "C4C5")
                    && enregistre(c, "C4C5", 1));
        // A state whose fields all differ: a field written to or read from another's column
        // shows.
        const auto distinct = [](const std::optional<EtatLigne>& avant) {
            EXPECT_FALSE(avant.has_value());
            return EtatLigne {3, 2.36, 17, 1017, 955, 1000, 4, 7, 2};
        };
        ASSERT_TRUE(c.enregistre(blanc, "F5D6", distinct, {maintenant, 1000, 5, 4, 1, 2}, raison))
            << raison;
    }
    Carnet c = Carnet::ouvre(chemin, maintenant);
    EXPECT_EQ(c.avertissement(), "");
    EXPECT_EQ(c.nouvelles_par_jour(), 4);
    EXPECT_EQ(c.etats(noir),
              (std::map<std::string, EtatLigne> {{"C4C5", apres_revue(nullptr, 1, 100, {})}}));
    EXPECT_EQ(c.etats(blanc), (std::map<std::string, EtatLigne> {
                                  {"F5D6", {3, 2.36, 17, 1017, 955, 1000, 4, 7, 2}}}));
    EXPECT_EQ(c.activite(noir, 90, 110), (std::vector<JourActivite> {{100, 2, 1}}));
    // The history that the learner's retention is read from: each colour's own exercises.
    const std::vector<RevuePassee> noires = c.historique(noir), blanches = c.historique(blanc);
    ASSERT_EQ(noires.size(), 2u);
    EXPECT_EQ(noires[1], (RevuePassee {noires[0].ligne, 100, 5}));
    ASSERT_EQ(blanches.size(), 1u);
    EXPECT_EQ(blanches[0], (RevuePassee {blanches[0].ligne, 1000, 2}));
    EXPECT_NE(blanches[0].ligne, noires[0].ligne);
    EXPECT_TRUE(c.activite(noir, 101, 110).empty());
}

// A file that is not a notebook, a damaged one, one written by a newer version, or one of
// unexpected content is set aside under a free name with its bytes untouched (a second one in
// the same second gets a number); a fresh notebook works at once and the learner is told.
TEST(Carnet, UnusableFilesAreSetAsideNeverDeleted)
{
    const std::string stamp = horodatage_local(maintenant);
    const struct
    {
        const char* nom;
        std::function<void(const fs::path&)> prepare;
        std::string raison, mis_de_cote;
    } cas[] = {
        {"garbage", [](const fs::path& p) { ecrit(p, std::string(3000, 'x')); },
         "ce n'est pas un fichier d'entraînement", "corrompu-" + stamp},
        {"damaged",
         [](const fs::path& p) {
             {
                 Carnet c = Carnet::ouvre(p, maintenant);
                 for (int i = 0; i < 200; ++i) enregistre(c, "C4C5 " + std::to_string(i));
             }
             std::string octets = octets_du_fichier(p);
             for (std::size_t i = 4096; i < 12288 && i < octets.size(); ++i) octets[i] = '\x5A';
             ecrit(p, octets);
         },
         "fichier endommagé", "corrompu-" + stamp + "-2"},
        {"newer", [](const fs::path& p) { sql(p, "PRAGMA user_version = 7"); },
         "écrit par une version plus récente de Tavik", "version-7-" + stamp},
        {"incomplete",
         [](const fs::path& p) {
             sql(p, "PRAGMA user_version = 1; DROP TABLE reglage");
         },
         "contenu inattendu", "corrompu-" + stamp + "-3"},
    };
    FichierTemporaire fichier("", "entrainement.sqlite");
    const fs::path& p = fichier.chemin();
    std::map<fs::path, std::string> de_cote;
    for (const auto& c : cas) {
        SCOPED_TRACE(c.nom);
        c.prepare(p);
        const fs::path cote = p.string() + "." + c.mis_de_cote;
        de_cote[cote] = octets_du_fichier(p);
        Carnet carnet = Carnet::ouvre(p, maintenant);
        EXPECT_EQ(carnet.avertissement(),
                  "Le fichier d'entraînement «\u00a0entrainement.sqlite\u00a0» était inutilisable ("
                      + c.raison + "). Il a été mis de côté sous le nom «\u00a0"
                      + cote.filename().string()
                      + "\u00a0» et un nouveau fichier a été créé\u00a0: la progression repart de zéro.");
        EXPECT_EQ(carnet.chemin(), p);
        EXPECT_TRUE(carnet.etats(noir).empty());
        EXPECT_TRUE(enregistre(carnet, "C4C5"));
    }
    for (const auto& [cote, octets] : de_cote) EXPECT_EQ(octets_du_fichier(cote), octets) << cote;
}

// Where no file can be made, the progress lives in memory for the run, and the learner is told.
TEST(Carnet, NoFileAtAllKeepsTheProgressInMemory)
{
    FichierTemporaire fichier("un fichier, pas un dossier");
    Carnet c = Carnet::ouvre(fichier.chemin() / "entrainement.sqlite", maintenant);
    EXPECT_TRUE(c.chemin().empty());
    EXPECT_EQ(c.avertissement(),
              "Le fichier d'entraînement «\u00a0entrainement.sqlite\u00a0» n'a pas pu être créé "
              "(impossible de l'ouvrir)\u00a0: la progression de cette séance ne sera pas "
              "enregistrée.");
    EXPECT_TRUE(enregistre(c, "C4C5"));
    EXPECT_EQ(c.etats(noir).size(), 1u);
}

// A program killed in the middle of an exercise: every exercise finished before is in the file,
// the one in progress leaves no trace, and the file opens without complaint.
TEST(Carnet, KilledMidExerciseLosesOnlyThatExercise)
{
    FichierTemporaire fichier("", "entrainement.sqlite");
    const fs::path& p = fichier.chemin();
    HoteEntrainement hote;
    const pid_t enfant = fork();
    ASSERT_GE(enfant, 0);
    if (enfant == 0) {
        const BiblioChargee b(petite_biblio());
        const Repertoire rep = construit_repertoire(b.biblio, b.nb);
        Carnet carnet = Carnet::ouvre(p, hote.maintenant.secondes);
        Session s(rep, carnet, blanc, portee_complete(rep, blanc), hote.services());
        for (int i = 0; i < 3; ++i) {
            s.nouvel_exercice();
            while (!s.exercice().terminee())
                if (!s.coup_programme()) s.coup_utilisateur(s.exercice().coups_attendus().front());
        }
        s.nouvel_exercice(); // the program opens, the learner has yet to answer
        s.coup_programme();
        std::raise(SIGKILL);
    }
    int statut = 0;
    waitpid(enfant, &statut, 0);
    ASSERT_TRUE(WIFSIGNALED(statut) && WTERMSIG(statut) == SIGKILL);

    Carnet c = Carnet::ouvre(p, maintenant);
    EXPECT_EQ(c.avertissement(), "");
    std::vector<std::string> cles;
    for (const auto& [cle, etat] : c.etats(blanc)) cles.push_back(cle);
    EXPECT_EQ(cles, (std::vector<std::string> {"C4C5", "C4E3 F4C5", "C4E3 F6E6 F5G6"}));
    const Jour jour = hote.maintenant.jour;
    EXPECT_EQ(c.activite(blanc, jour, jour), (std::vector<JourActivite> {{jour, 3, 0}}));
}

// A write that fails is said, not taken for done; the session goes on from memory.
TEST(Carnet, AFailedWriteIsReported)
{
    FichierTemporaire fichier("", "entrainement.sqlite");
    const BiblioChargee b(petite_biblio());
    const Repertoire rep = construit_repertoire(b.biblio, b.nb);
    HoteEntrainement hote;
    Carnet carnet = Carnet::ouvre(fichier.chemin(), hote.maintenant.secondes);
    Session s(rep, carnet, blanc, {3}, hote.services()); // Parallèle
    sql(fichier.chemin(), "DROP TABLE revue");
    s.nouvel_exercice();
    s.coup_programme();
    s.coup_utilisateur(s.exercice().coups_attendus().front());
    ASSERT_TRUE(s.bilan());
    EXPECT_EQ(s.avertissement().rfind("La progression n'a pas pu être enregistrée (", 0), 0u)
        << s.avertissement();
    EXPECT_TRUE(s.etats()[3].has_value());
    EXPECT_TRUE(carnet.etats(blanc).empty()); // the line's row was rolled back with the review
}

} // namespace tavik::test
