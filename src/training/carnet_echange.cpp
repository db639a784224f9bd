// Exporting the progress to a file of its own, and merging an exported file into the notebook.

#include "training/carnet.h"

#include "training/carnet_schema.h"

#include <algorithm>
#include <sqlite3.h>
#include <system_error>

namespace tavik {

namespace fs = std::filesystem;
using namespace schema_carnet;

namespace {

// The columns of `table` in the database `base`, in order.
std::vector<std::string> colonnes(sqlite3* db, std::string_view table, std::string_view base)
{
    sqlite::Requete r(db, "SELECT name FROM pragma_table_info(?1, ?2)");
    r.lie(1, table).lie(2, base);
    std::vector<std::string> noms;
    while (r.pas() == SQLITE_ROW) noms.push_back(r.texte(0));
    return noms;
}

// The columns that the notebook and the imported file both have, but those left out, as "a, b".
std::vector<std::string> communes(sqlite3* db, std::string_view table,
                                  std::initializer_list<std::string_view> sauf)
{
    const std::vector<std::string> importees = colonnes(db, table, "imp");
    std::vector<std::string> noms;
    for (const std::string& c : colonnes(db, table, "main"))
        if (std::find(importees.begin(), importees.end(), c) != importees.end()
            && std::find(sauf.begin(), sauf.end(), c) == sauf.end())
            noms.push_back(c);
    return noms;
}

std::string liste(const std::vector<std::string>& noms, std::string_view prefixe = {})
{
    std::string texte;
    for (const std::string& n : noms) texte += (texte.empty() ? "" : ", ") + std::string(prefixe) + n;
    return texte;
}

// Why the attached file cannot be imported, or nothing.
std::optional<std::string> refus(const Examen& examen)
{
    if (examen.code != SQLITE_OK) return sqlite::raison(examen.code);
    switch (examen.nature) {
    case Nature::carnet:
        return std::nullopt;
    case Nature::plus_recent:
        return "écrit par une version plus récente de Tavik";
    case Nature::endommage:
        return "fichier endommagé";
    case Nature::incomplet:
        return "contenu inattendu";
    case Nature::vierge:
    case Nature::etranger:
        break;
    }
    return "ce n'est pas une progression enregistrée par Tavik";
}

// The merge, inside the caller's transaction: the exercises of the file that the notebook does
// not have are added; a line new to the notebook comes with its state; a line that both have
// counts the exercises added, and takes the file's schedule when the file reviewed it last.
int fusionne(sqlite3* db, std::int64_t version_importee, BilanImport& bilan)
{
    const std::string identite
        = version_importee >= 2 ? std::string("r.identifiant") : std::string(identifiant_ancien);
    const std::vector<std::string> de_ligne = communes(db, "ligne", {"id"});
    const std::vector<std::string> horaire = communes(
        db, "ligne", {"id", "couleur", "cle", "premiere_revue", "revues", "echecs"});
    const std::vector<std::string> de_revue = communes(db, "revue", {"id", "ligne", "identifiant"});
    const std::string sql = R"sql(
CREATE TEMP TABLE nouvelle AS
SELECT )sql" + identite + R"sql( AS identifiant, l.couleur, l.cle, r.erreurs, r.rowid AS source
FROM imp.revue r JOIN imp.ligne l ON l.id = r.ligne
WHERE NOT EXISTS (SELECT 1 FROM main.revue x WHERE x.identifiant = )sql" + identite + R"sql();
CREATE TEMP TABLE ajoutee AS
SELECT couleur, cle FROM imp.ligne i
WHERE NOT EXISTS (SELECT 1 FROM main.ligne m WHERE m.couleur = i.couleur AND m.cle = i.cle);
INSERT INTO main.ligne ()sql" + liste(de_ligne) + R"sql()
SELECT )sql" + liste(de_ligne, "i.") + R"sql( FROM imp.ligne i JOIN temp.ajoutee USING (couleur, cle);
CREATE TEMP TABLE recue AS
SELECT couleur, cle, count(*) AS nombre, total(erreurs > 0) AS ratees FROM temp.nouvelle
WHERE (couleur, cle) NOT IN (SELECT couleur, cle FROM temp.ajoutee) GROUP BY couleur, cle;
UPDATE main.ligne AS m SET ()sql" + liste(horaire) + ") = (" + liste(horaire, "i.") + R"sql()
FROM imp.ligne i JOIN temp.recue USING (couleur, cle)
WHERE i.couleur = m.couleur AND i.cle = m.cle AND i.derniere_revue > m.derniere_revue;
UPDATE main.ligne AS m SET revues = m.revues + n.nombre, echecs = m.echecs + n.ratees,
    premiere_revue = min(m.premiere_revue, i.premiere_revue)
FROM temp.recue n JOIN imp.ligne i USING (couleur, cle)
WHERE n.couleur = m.couleur AND n.cle = m.cle;
INSERT INTO main.revue (ligne, identifiant, )sql" + liste(de_revue) + R"sql()
SELECT m.id, n.identifiant, )sql" + liste(de_revue, "r.") + R"sql(
FROM temp.nouvelle n JOIN imp.revue r ON r.rowid = n.source
JOIN main.ligne m ON m.couleur = n.couleur AND m.cle = n.cle ORDER BY r.rowid;
)sql";
    int code = sqlite::execute(db, sql);
    std::int64_t exercices = 0, lignes = 0;
    if (code == SQLITE_OK)
        code = lit_entier(db, "SELECT count(*) FROM temp.nouvelle", exercices);
    if (code == SQLITE_OK)
        code = lit_entier(db, "SELECT count(DISTINCT couleur || cle) FROM temp.nouvelle", lignes);
    if (code == SQLITE_OK)
        code = sqlite::execute(db, "DROP TABLE temp.nouvelle; DROP TABLE temp.ajoutee; "
                                   "DROP TABLE temp.recue");
    bilan = {static_cast<int>(exercices), static_cast<int>(lignes)};
    return code;
}

} // namespace

bool Carnet::exporte(const fs::path& vers, std::string& raison) const
{
    std::error_code ec;
    const fs::path cible = fs::absolute(vers, ec);
    if (!chemin_.empty() && fs::equivalent(cible, chemin_, ec)) {
        raison = "c'est le fichier d'entraînement lui-même";
        return false;
    }
    // Written beside its place under another name, then renamed: a copy that fails midway
    // never replaces a good one.
    fs::path provisoire = cible;
    provisoire += ".partiel";
    fs::remove(provisoire, ec);
    sqlite::Requete copie(db_.get(), "VACUUM INTO ?1");
    copie.lie(1, provisoire.string());
    if (const int code = copie.pas(); code != SQLITE_DONE) {
        raison = sqlite::raison(code);
        fs::remove(provisoire, ec);
        return false;
    }
    fs::rename(provisoire, cible, ec);
    if (!ec) return true;
    raison = sqlite::raison_systeme(ec);
    fs::remove(provisoire, ec);
    return false;
}

std::optional<BilanImport> Carnet::importe(const fs::path& depuis, std::string& raison)
{
    if (lecture_seule_) {
        raison = sqlite::raison(SQLITE_READONLY);
        return std::nullopt;
    }
    sqlite3* db = db_.get();
    std::error_code ec;
    if (!chemin_.empty() && fs::equivalent(depuis, chemin_, ec)) {
        raison = "c'est le fichier d'entraînement lui-même";
        return std::nullopt;
    }
    sqlite::Requete attache(db, "ATTACH ?1 AS imp");
    attache.lie(1, sqlite::uri(depuis, "mode=ro"));
    int code = attache.pas();
    Examen examen = {code};
    if (code == SQLITE_DONE) examen = examine(db, "imp");
    BilanImport bilan;
    std::optional<std::string> pourquoi = refus(examen);
    if (!pourquoi) {
        code = sqlite::execute(db, "BEGIN IMMEDIATE");
        if (code == SQLITE_OK) code = fusionne(db, examen.version, bilan);
        if (code == SQLITE_OK) code = sqlite::execute(db, "COMMIT");
        if (code != SQLITE_OK) {
            sqlite::execute(db, "ROLLBACK");
            pourquoi = sqlite::raison(code);
        }
    }
    sqlite::execute(db, "DETACH imp");
    if (pourquoi) {
        raison = *pourquoi;
        return std::nullopt;
    }
    verse_le_journal();
    return bilan;
}

} // namespace tavik
