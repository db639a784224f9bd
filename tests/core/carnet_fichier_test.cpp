// The notebook's file and what is around it: another program's database, a file or folder that
// may not be written, a notebook of the previous layout, and the log copied into the file.

#include "support.h"

#include <algorithm>
#include <gtest/gtest.h>
#include <sys/stat.h>

namespace tavik::test {

namespace fs = std::filesystem;

namespace {

constexpr std::int64_t maintenant = 1'700'000'000;

// The files beside `p`, but the log files that SQLite may leave beside a file it read.
std::vector<std::string> dossier_de(const fs::path& p)
{
    std::vector<std::string> noms;
    for (const auto& e : fs::directory_iterator(p.parent_path())) {
        const std::string nom = e.path().filename();
        if (!nom.ends_with("-shm") && !nom.ends_with("-wal")) noms.push_back(nom);
    }
    std::sort(noms.begin(), noms.end());
    return noms;
}

std::optional<EtatLigne> exercice(Carnet& c, const std::string& cle, std::string& raison,
                                  int erreurs = 0)
{
    const MiseAJour m = [&](const std::optional<EtatLigne>& avant) {
        return apres_revue(avant ? &*avant : nullptr, erreurs, 100, {});
    };
    return c.enregistre(noir, cle, m, {maintenant, 100, 3, 3 - erreurs, erreurs, 5}, raison);
}

} // namespace

// Another program's database at the notebook's place, unmarked or marked as its own (even with
// tables named as ours): not a byte of it changes, nothing is set aside, the learner is told in
// French where it is, and the session's progress is kept in memory.
TEST(CarnetFichier, AnotherProgramsDatabaseIsLeftAlone)
{
    const struct
    {
        const char* nom;
        std::string schema;
    } cas[] = {
        {"unmarked", "CREATE TABLE t (x); INSERT INTO t VALUES (1)"},
        {"marked", "PRAGMA application_id = 1234; PRAGMA user_version = 1; CREATE TABLE ligne "
                   "(x); CREATE TABLE revue (x); CREATE TABLE reglage (x)"},
        {"in its log", "PRAGMA journal_mode = WAL; CREATE TABLE t (x)"},
    };
    for (const auto& c : cas) {
        SCOPED_TRACE(c.nom);
        FichierTemporaire fichier("", "entrainement.sqlite");
        const fs::path& p = fichier.chemin();
        sql(p, c.schema);
        const std::string avant = octets_du_fichier(p);
        const std::vector<std::string> noms = dossier_de(p);
        {
            Carnet carnet = Carnet::ouvre(p, maintenant);
            EXPECT_EQ(carnet.avertissement(),
                      "Le fichier «\u00a0entrainement.sqlite\u00a0» du dossier «\u00a0"
                          + p.parent_path().string()
                          + "\u00a0» appartient à un autre programme\u00a0: Tavik le laisse tel quel. "
                            "Déplacez-le ou renommez-le pour que la progression soit enregistrée"
                            "\u00a0; d'ici là, la progression de cette séance ne sera pas "
                            "enregistrée.");
            EXPECT_TRUE(carnet.chemin().empty());
            std::string raison;
            EXPECT_TRUE(exercice(carnet, "C4C5", raison));
        }
        EXPECT_EQ(octets_du_fichier(p), avant);
        EXPECT_EQ(dossier_de(p), noms);
    }
}

// A notebook that may be read but not written, because of the file or of its folder: its
// progress shows, the learner is told that new results cannot be saved, a result is refused
// with a French reason, and the file is neither changed nor set aside.
TEST(CarnetFichier, ANotebookThatMayNotBeWrittenIsRead)
{
    const struct
    {
        const char* nom;
        mode_t fichier, dossier;
    } cas[] = {{"read-only file", 0644, 0777}, {"read-only folder", 0666, 0755}};
    for (const auto& c : cas) {
        SCOPED_TRACE(c.nom);
        FichierTemporaire fichier("", "entrainement.sqlite");
        const fs::path& p = fichier.chemin();
        {
            Carnet carnet = Carnet::ouvre(p, maintenant);
            std::string raison;
            ASSERT_TRUE(exercice(carnet, "C4C5", raison) && exercice(carnet, "C4E3", raison, 1));
        }
        chmod(p.c_str(), c.fichier);
        chmod(p.parent_path().c_str(), c.dossier);
        const std::string avant = octets_du_fichier(p);
        const std::vector<std::string> noms = dossier_de(p);
        EXPECT_EQ(sans_droits([&] {
                      Carnet carnet = Carnet::ouvre(p, maintenant);
                      std::string raison, fixe;
                      const bool ecrit = exercice(carnet, "C4C5", raison).has_value();
                      carnet.fixe_nouvelles_par_jour(3, fixe);
                      return carnet.avertissement() + "|" + carnet.chemin().filename().string()
                          + "|" + std::to_string(carnet.etats(noir).size()) + "|"
                          + std::to_string(carnet.activite(noir, 100, 100).at(0).revues) + "|"
                          + std::to_string(ecrit) + "|" + raison + "|" + fixe;
                  }),
                  "Le fichier d'entraînement «\u00a0entrainement.sqlite\u00a0» est en lecture seule\u00a0: la "
                  "progression est affichée, mais les résultats des nouveaux exercices ne "
                  "pourront pas être enregistrés.|entrainement.sqlite|2|2|0|fichier en lecture "
                  "seule|fichier en lecture seule");
        EXPECT_EQ(octets_du_fichier(p), avant);
        EXPECT_EQ(dossier_de(p), noms);
    }
}

// An unusable file in a folder that may not be written cannot be set aside: it stays as it
// is, the progress is kept in memory, and the system's reason reaches the learner in French.
TEST(CarnetFichier, AnUnusableFileThatCannotBeSetAsideIsSaidInFrench)
{
    FichierTemporaire fichier(std::string(3000, 'x'), "entrainement.sqlite");
    const fs::path& p = fichier.chemin();
    chmod(p.parent_path().c_str(), 0755);
    EXPECT_EQ(sans_droits([&] {
                  Carnet carnet = Carnet::ouvre(p, maintenant);
                  std::string raison;
                  return carnet.avertissement() + "|"
                      + std::to_string(exercice(carnet, "C4C5", raison).has_value());
              }),
              "Le fichier d'entraînement «\u00a0entrainement.sqlite\u00a0» est inutilisable (ce n'est pas "
              "un fichier d'entraînement) et n'a pas pu être mis de côté (accès refusé)\u00a0: la "
              "progression de cette séance ne sera pas enregistrée.|1");
    EXPECT_EQ(octets_du_fichier(p), std::string(3000, 'x'));
}

// The file as the first version of the program wrote it: unmarked, without the exercises'
// identities.
const std::string carnet_version_1 = R"sql(
CREATE TABLE ligne (id INTEGER PRIMARY KEY, couleur INTEGER NOT NULL CHECK (couleur IN (2, 3)),
    cle TEXT NOT NULL, repetitions INTEGER NOT NULL, facilite REAL NOT NULL,
    intervalle INTEGER NOT NULL, echeance INTEGER NOT NULL, premiere_revue INTEGER NOT NULL,
    derniere_revue INTEGER NOT NULL, derniere_qualite INTEGER NOT NULL, revues INTEGER NOT NULL,
    echecs INTEGER NOT NULL, UNIQUE (couleur, cle));
CREATE TABLE revue (id INTEGER PRIMARY KEY, ligne INTEGER NOT NULL REFERENCES ligne (id),
    instant INTEGER NOT NULL, jour INTEGER NOT NULL, coups INTEGER NOT NULL,
    trouves INTEGER NOT NULL, erreurs INTEGER NOT NULL, qualite INTEGER NOT NULL);
CREATE INDEX revue_par_jour ON revue (jour);
CREATE TABLE reglage (cle TEXT PRIMARY KEY, valeur INTEGER NOT NULL);
INSERT INTO ligne VALUES (1, 2, 'C4C5', 2, 2.6, 6, 106, 99, 100, 5, 2, 0);
INSERT INTO revue VALUES (1, 1, 1700000000, 99, 1, 1, 0, 5), (2, 1, 1700086400, 100, 1, 1, 0, 5);
INSERT INTO reglage VALUES ('nouvelles_par_jour', 4);
PRAGMA user_version = 1;
)sql";

// A notebook of the first version is ours: it is brought up to date, marked, and keeps its
// progress; each of its exercises gets an identity.
TEST(CarnetFichier, ANotebookOfTheFirstVersionIsKept)
{
    FichierTemporaire fichier("", "entrainement.sqlite");
    const fs::path& p = fichier.chemin();
    sql(p, carnet_version_1);
    Carnet carnet = Carnet::ouvre(p, maintenant);
    EXPECT_EQ(carnet.avertissement(), "");
    EXPECT_EQ(carnet.nouvelles_par_jour(), 4);
    EXPECT_EQ(carnet.etats(noir), (std::map<std::string, EtatLigne> {
                                      {"C4C5", {2, 2.6, 6, 106, 99, 100, 5, 2, 0}}}));
    EXPECT_EQ(sql(p, "PRAGMA application_id; PRAGMA user_version; SELECT count(DISTINCT "
                     "identifiant) FROM revue"),
              (std::vector<std::string> {"1413568075", "2", "2"}));
}

// The exercises are in the log until it is copied into the file, as at the end of a session:
// a copy of the file alone, made while the program runs, then holds them.
TEST(CarnetFichier, TheMainFileAloneHoldsTheExercisesOnceTheLogIsCopied)
{
    FichierTemporaire fichier("", "entrainement.sqlite");
    const fs::path& p = fichier.chemin();
    Carnet carnet = Carnet::ouvre(p, maintenant);
    std::string raison;
    ASSERT_TRUE(exercice(carnet, "C4C5", raison) && exercice(carnet, "C4E3", raison, 1));
    EXPECT_EQ(fichier_seul(p).activite(noir, 100, 100), std::vector<JourActivite> {});
    carnet.verse_le_journal();
    EXPECT_EQ(fichier_seul(p).activite(noir, 100, 100), std::vector<JourActivite>({{100, 2, 1}}));
    const fs::path copie = p.parent_path() / "copie.sqlite";
    fs::copy_file(p, copie);
    EXPECT_EQ(sql(copie, "SELECT cle, revues, echecs FROM ligne ORDER BY cle"),
              (std::vector<std::string> {"C4C5|1|0", "C4E3|1|1"}));
}

} // namespace tavik::test
