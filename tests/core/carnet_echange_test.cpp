// Exporting the progress and importing it into another notebook.

#include "support.h"

#include <fstream>
#include <gtest/gtest.h>

namespace tavik::test {

namespace fs = std::filesystem;

namespace {

// A notebook in a folder of its own, with its exercises on day `jour`.
struct Livre
{
    FichierTemporaire fichier {"", "entrainement.sqlite"};
    Carnet carnet = Carnet::ouvre(fichier.chemin(), 0);

    void exerce(const std::string& cle, Jour jour, int erreurs = 0)
    {
        const MiseAJour m = [&](const std::optional<EtatLigne>& avant) {
            return apres_revue(avant ? &*avant : nullptr, erreurs, jour, {});
        };
        std::string raison;
        ASSERT_TRUE(carnet.enregistre(noir, cle, m, {jour * 86'400LL, jour, 4, 4, erreurs, 5},
                                      raison))
            << raison;
    }

    fs::path exporte(const std::string& nom = "progression.sqlite")
    {
        const fs::path vers = fichier.chemin().parent_path() / nom;
        std::string raison;
        EXPECT_TRUE(carnet.exporte(vers, raison)) << raison;
        return vers;
    }

    std::string importe(const fs::path& depuis)
    {
        std::string raison;
        const std::optional<BilanImport> b = carnet.importe(depuis, raison);
        return b ? std::to_string(b->exercices) + " exercices, " + std::to_string(b->lignes)
                + " lignes"
                 : raison;
    }

    // Each line as "key: reviews/failures, first review, last review, due", then the days.
    std::string resume()
    {
        std::string texte;
        for (const auto& [cle, e] : carnet.etats(noir))
            texte += cle + ": " + std::to_string(e.revues) + "/" + std::to_string(e.echecs) + ", "
                + std::to_string(e.premiere_revue) + ", " + std::to_string(e.derniere_revue)
                + ", " + std::to_string(e.echeance) + "; ";
        for (const JourActivite& j : carnet.activite(noir, 0, 1000))
            texte += std::to_string(j.jour) + "=" + std::to_string(j.revues) + " ";
        return texte;
    }
};

} // namespace

// A backup brought back: the export is one whole file of ours, the notebook that imports it
// gets every line and day, and importing it again adds nothing. An export replaces the file it
// is given.
TEST(CarnetEchange, ExportedThenImportedIntoANewNotebook)
{
    Livre a;
    a.exerce("C4C5", 10);
    a.exerce("C4C5", 11, 1);
    a.exerce("C4E3", 11);
    const fs::path vers = a.exporte();
    a.exerce("C4E3", 12);
    EXPECT_EQ(a.exporte(), vers); // the same name: the file is replaced
    EXPECT_EQ(sql(vers, "PRAGMA application_id; PRAGMA journal_mode; SELECT count(*) FROM revue"),
              (std::vector<std::string> {"1413568075", "delete", "4"}));
    EXPECT_FALSE(fs::exists(vers.string() + "-wal"));

    Livre b;
    EXPECT_EQ(b.importe(vers), "4 exercices, 2 lignes");
    EXPECT_EQ(b.resume(), a.resume());
    EXPECT_EQ(b.importe(vers), "0 exercices, 0 lignes");
    EXPECT_EQ(b.resume(), a.resume());
}

// Two computers trained from the same notebook: each one's exercises are added once, the counts
// add up, the first review is the earliest, and a line keeps the schedule of its latest review.
TEST(CarnetEchange, TwoNotebooksFromTheSameStartMergeOnce)
{
    Livre a, b;
    a.exerce("C4C5", 10);
    a.exerce("C4E3", 10);
    EXPECT_EQ(b.importe(a.exporte()), "2 exercices, 2 lignes");
    a.exerce("C4C5", 12, 1); // a lapse on the first computer, after the second one's review
    b.exerce("C4C5", 11);
    b.exerce("C4E3", 13);
    b.exerce("F5D6", 9);
    EXPECT_EQ(a.importe(b.exporte()), "3 exercices, 3 lignes");
    EXPECT_EQ(a.resume(), "C4C5: 3/1, 10, 12, 13; C4E3: 2/0, 10, 13, 19; F5D6: 1/0, 9, 9, 10; "
                          "9=1 10=2 11=1 12=1 13=1 ");
    EXPECT_EQ(a.importe(b.exporte()), "0 exercices, 0 lignes");
    EXPECT_EQ(b.importe(a.exporte()), "1 exercices, 1 lignes");
    EXPECT_EQ(b.resume(), a.resume());
}

// A file that is not a progress of ours, or is damaged, is refused with a French reason; the
// notebook and the file stay as they were.
TEST(CarnetEchange, AForeignOrBrokenFileIsRefused)
{
    Livre l;
    l.exerce("C4C5", 10);
    const std::string avant = l.resume();
    const fs::path dossier = l.fichier.chemin().parent_path();
    const auto fichier = [&](const std::string& nom, const std::string& requete) {
        const fs::path p = dossier / nom;
        sql(p, requete);
        return p;
    };
    std::ofstream(dossier / "texte.sqlite") << std::string(3000, 'x');
    Livre source;
    source.exerce("C4E3", 10);
    const fs::path recent = source.exporte("recent.sqlite");
    sql(recent, "PRAGMA user_version = 9");
    const struct
    {
        fs::path p;
        std::string raison;
    } cas[] = {
        {fichier("autre.sqlite", "CREATE TABLE t (x)"),
         "ce n'est pas une progression enregistrée par Tavik"},
        {fichier("vide.sqlite", "PRAGMA user_version = 0"),
         "ce n'est pas une progression enregistrée par Tavik"},
        {recent, "écrit par une version plus récente de Tavik"},
        {dossier / "texte.sqlite", "ce n'est pas un fichier d'entraînement"},
        {dossier / "absent.sqlite", "impossible de l'ouvrir"},
        {l.fichier.chemin(), "c'est le fichier d'entraînement lui-même"},
    };
    for (const auto& c : cas) {
        SCOPED_TRACE(c.p.filename().string());
        const std::string octets = octets_du_fichier(c.p);
        EXPECT_EQ(l.importe(c.p), c.raison);
        EXPECT_EQ(l.resume(), avant);
        EXPECT_EQ(octets_du_fichier(c.p), octets);
    }
    EXPECT_FALSE(fs::exists(dossier / "absent.sqlite"));
}

} // namespace tavik::test
