#include "entrainement_support.h"
#include "support.h"

#include <csignal>
#include <fstream>
#include <gtest/gtest.h>
#include <sqlite3.h>
#include <sys/wait.h>
#include <unistd.h>

namespace tavik::test {

namespace fs = std::filesystem;

namespace {

constexpr std::int64_t maintenant = 1'700'000'000;

std::string contenu(const fs::path& p)
{
    std::ifstream f(p, std::ios::binary);
    return {std::istreambuf_iterator<char>(f), std::istreambuf_iterator<char>()};
}

void ecrit(const fs::path& p, const std::string& octets)
{
    std::ofstream(p, std::ios::binary) << octets;
}

void sql(const fs::path& fichier, const std::string& requete)
{
    sqlite3* db = nullptr;
    sqlite3_open(fichier.c_str(), &db);
    EXPECT_EQ(sqlite3_exec(db, requete.c_str(), nullptr, nullptr, nullptr), SQLITE_OK)
        << sqlite3_errmsg(db);
    sqlite3_close(db);
}

bool enregistre(Carnet& c, const std::string& cle, int erreurs = 0)
{
    std::string raison;
    return c.enregistre(noir, cle, apres_revue(nullptr, erreurs, 100, {}),
                        {maintenant, 100, 3, 3 - erreurs, erreurs, 5}, raison);
}

} // namespace

// A notebook in a folder that does not exist yet: the folder and the file are made at the
// current version; what is written, the settings included, is there when it is opened again.
TEST(Carnet, CreatedThenReopened)
{
    FichierTemporaire dossier("");
    const fs::path chemin = dossier.chemin().parent_path() / "donnees" / "entrainement.sqlite";
    {
        Carnet c = Carnet::ouvre(chemin, maintenant);
        EXPECT_EQ(c.avertissement(), "");
        EXPECT_EQ(c.chemin(), chemin);
        EXPECT_EQ(c.nouvelles_par_jour(), 10);
        std::string raison;
        ASSERT_TRUE(c.fixe_nouvelles_par_jour(4, raison));
        ASSERT_TRUE(enregistre(c, "C4C5"));
        ASSERT_TRUE(enregistre(c, "C4C5", 1));
    }
    Carnet c = Carnet::ouvre(chemin, maintenant);
    EXPECT_EQ(c.avertissement(), "");
    EXPECT_EQ(c.nouvelles_par_jour(), 4);
    const auto etats = c.etats(noir);
    ASSERT_EQ(etats.size(), 1u);
    EXPECT_EQ(etats.at("C4C5"), apres_revue(nullptr, 1, 100, {}));
    EXPECT_TRUE(c.etats(blanc).empty());
    EXPECT_EQ(c.activite(noir, 90, 110), (std::vector<JourActivite> {{100, 2, 1}}));
    EXPECT_TRUE(c.activite(noir, 101, 110).empty());
}

// A file that is not a notebook, or a damaged one, or one written by a newer version, is set
// aside under a new name with its bytes untouched; a fresh notebook works at once and the
// learner is told.
TEST(Carnet, UnusableFilesAreSetAsideNeverDeleted)
{
    const std::string stamp = horodatage_local(maintenant);
    struct Cas
    {
        std::string nom;
        std::function<void(const fs::path&)> prepare;
        std::string raison;
        std::string mis_de_cote;
    };
    const std::vector<Cas> cas = {
        {"garbage", [](const fs::path& p) { ecrit(p, std::string(3000, 'x')); },
         "ce n'est pas un fichier d'entraînement", "corrompu-" + stamp},
        {"damaged",
         [](const fs::path& p) {
             {
                 Carnet c = Carnet::ouvre(p, maintenant);
                 for (int i = 0; i < 200; ++i) enregistre(c, "C4C5 " + std::to_string(i));
             }
             std::string octets = contenu(p);
             for (std::size_t i = 4096; i < 12288 && i < octets.size(); ++i) octets[i] = '\x5A';
             ecrit(p, octets);
         },
         "fichier endommagé", "corrompu-" + stamp},
        {"newer", [](const fs::path& p) { sql(p, "PRAGMA user_version = 7"); },
         "écrit par une version plus récente de Tavik", "version-7-" + stamp},
        {"stranger",
         [](const fs::path& p) { sql(p, "PRAGMA user_version = 1; CREATE TABLE t (x)"); },
         "contenu inattendu", "corrompu-" + stamp},
    };
    for (const Cas& c : cas) {
        SCOPED_TRACE(c.nom);
        FichierTemporaire fichier("", "entrainement.sqlite");
        const fs::path& p = fichier.chemin();
        c.prepare(p);
        const std::string avant = contenu(p);
        Carnet carnet = Carnet::ouvre(p, maintenant);
        const fs::path cote = p.string() + "." + c.mis_de_cote;
        EXPECT_EQ(carnet.avertissement(),
                  "Le fichier d'entraînement « entrainement.sqlite » était inutilisable ("
                      + c.raison + "). Il a été mis de côté sous le nom « "
                      + cote.filename().string()
                      + " » et un nouveau fichier a été créé : la progression repart de zéro.");
        EXPECT_EQ(contenu(cote), avant);
        EXPECT_EQ(carnet.chemin(), p);
        EXPECT_TRUE(carnet.etats(noir).empty());
        EXPECT_TRUE(enregistre(carnet, "C4C5"));
    }
}

// Set aside twice in the same second: the second name gets a number; the first is kept.
TEST(Carnet, SecondFileSetAsideTheSameSecond)
{
    FichierTemporaire fichier("pas une base de données", "entrainement.sqlite");
    const fs::path& p = fichier.chemin();
    Carnet::ouvre(p, maintenant);
    { // the fresh file is damaged in turn
        ecrit(p, "encore autre chose");
    }
    const Carnet c = Carnet::ouvre(p, maintenant);
    const std::string base = p.string() + ".corrompu-" + horodatage_local(maintenant);
    EXPECT_EQ(contenu(base), "pas une base de données");
    EXPECT_EQ(contenu(base + "-2"), "encore autre chose");
    EXPECT_NE(c.avertissement().find("-2 »"), std::string::npos);
}

// Where no file can be made, the progress lives in memory for the run, and the learner is told.
TEST(Carnet, NoFileAtAllKeepsTheProgressInMemory)
{
    FichierTemporaire fichier("un fichier, pas un dossier");
    const fs::path chemin = fichier.chemin() / "entrainement.sqlite";
    Carnet c = Carnet::ouvre(chemin, maintenant);
    EXPECT_TRUE(c.chemin().empty());
    EXPECT_EQ(c.avertissement(),
              "Le fichier d'entraînement « entrainement.sqlite » n'a pas pu "
              "être créé (impossible de l'ouvrir) : la progression de cette "
              "séance ne sera pas enregistrée.");
    EXPECT_TRUE(enregistre(c, "C4C5"));
    EXPECT_EQ(c.etats(noir).size(), 1u);
}

// A program killed in the middle of an exercise: every exercise finished before is in the file,
// the one in progress leaves no trace, and the file opens without complaint.
TEST(Carnet, KilledMidExerciseLosesOnlyThatExercise)
{
    FichierTemporaire fichier("", "entrainement.sqlite");
    const fs::path& p = fichier.chemin();
    const pid_t enfant = fork();
    ASSERT_GE(enfant, 0);
    if (enfant == 0) {
        const BiblioChargee b(petite_biblio());
        const Repertoire rep = construit_repertoire(b.biblio, b.nb);
        HoteEntrainement hote;
        Carnet carnet = Carnet::ouvre(p, hote.maintenant.secondes);
        Session s(rep, carnet, blanc, portee_complete(rep, blanc), hote.services());
        for (int i = 0; i < 3; ++i) {
            s.nouvel_exercice();
            while (!s.exercice().terminee()) {
                if (!s.coup_programme()) s.coup_utilisateur(s.exercice().coups_attendus().front());
            }
        }
        s.nouvel_exercice(); // Parallèle: the program opens, the learner has yet to answer
        s.coup_programme();
        std::raise(SIGKILL);
    }
    int statut = 0;
    waitpid(enfant, &statut, 0);
    ASSERT_TRUE(WIFSIGNALED(statut) && WTERMSIG(statut) == SIGKILL);

    Carnet c = Carnet::ouvre(p, maintenant);
    EXPECT_EQ(c.avertissement(), "");
    const auto etats = c.etats(blanc);
    EXPECT_EQ(etats.size(), 3u);
    EXPECT_TRUE(etats.contains("C4E3 F6E6 F5G6"));
    EXPECT_TRUE(etats.contains("C4E3 F6E6 F5C5 F4"));
    EXPECT_TRUE(etats.contains("C4C3 D3C5 F6F5 E6"));
    HoteEntrainement hote;
    ASSERT_EQ(c.activite(blanc, hote.maintenant.jour, hote.maintenant.jour).size(), 1u);
    EXPECT_EQ(c.activite(blanc, hote.maintenant.jour, hote.maintenant.jour)[0].revues, 3);
}

// A write that fails is said, not taken for done; the session goes on from memory.
TEST(Carnet, AFailedWriteIsReported)
{
    FichierTemporaire fichier("", "entrainement.sqlite");
    const BiblioChargee b(petite_biblio());
    const Repertoire rep = construit_repertoire(b.biblio, b.nb);
    HoteEntrainement hote;
    Carnet carnet = Carnet::ouvre(fichier.chemin(), hote.maintenant.secondes);
    Session s(rep, carnet, noir, {3}, hote.services());
    sql(fichier.chemin(), "DROP TABLE revue");
    s.nouvel_exercice();
    s.coup_utilisateur(case_ecrite("C4"));
    s.coup_programme();
    ASSERT_TRUE(s.bilan());
    EXPECT_EQ(s.avertissement().rfind("La progression n'a pas pu être enregistrée (", 0), 0u)
        << s.avertissement();
    EXPECT_TRUE(s.etats()[3].has_value());
    EXPECT_TRUE(carnet.etats(noir).empty()); // the line's row was rolled back with the review
}

} // namespace tavik::test
