#include "training/carnet_schema.h"

#include "training/sqlite.h"

#include <array>
#include <sqlite3.h>

namespace tavik::schema_carnet {

namespace {

// Each step brings the file from one version to the next; `migre` runs them in one transaction.
const std::array<std::string, version> migrations = {
    // 0 -> 1: lines with their SM-2 state, finished exercises, settings.
    R"sql(
CREATE TABLE ligne (
    id INTEGER PRIMARY KEY,
    couleur INTEGER NOT NULL CHECK (couleur IN (2, 3)),
    cle TEXT NOT NULL,
    repetitions INTEGER NOT NULL,
    facilite REAL NOT NULL,
    intervalle INTEGER NOT NULL,
    echeance INTEGER NOT NULL,
    premiere_revue INTEGER NOT NULL,
    derniere_revue INTEGER NOT NULL,
    derniere_qualite INTEGER NOT NULL,
    revues INTEGER NOT NULL,
    echecs INTEGER NOT NULL,
    UNIQUE (couleur, cle)
);
CREATE TABLE revue (
    id INTEGER PRIMARY KEY,
    ligne INTEGER NOT NULL REFERENCES ligne (id),
    instant INTEGER NOT NULL,
    jour INTEGER NOT NULL,
    coups INTEGER NOT NULL,
    trouves INTEGER NOT NULL,
    erreurs INTEGER NOT NULL,
    qualite INTEGER NOT NULL
);
CREATE INDEX revue_par_jour ON revue (jour);
CREATE TABLE reglage (cle TEXT PRIMARY KEY, valeur INTEGER NOT NULL);
)sql",
    // 1 -> 2: each finished exercise gets an identity that copies of the file share, so that
    // importing an exported notebook never counts an exercise twice.
    R"sql(
ALTER TABLE revue ADD COLUMN identifiant TEXT;
UPDATE revue AS r SET identifiant = )sql"
        + std::string(identifiant_ancien) + R"sql( FROM ligne AS l WHERE l.id = r.ligne;
CREATE UNIQUE INDEX revue_par_identifiant ON revue (identifiant);
)sql",
};

} // namespace

int lit_entier(sqlite3* db, std::string_view sql, std::int64_t& valeur)
{
    sqlite::Requete r(db, sql);
    if (!r) return r.code();
    const int code = r.pas();
    if (code == SQLITE_ROW) valeur = r.entier(0);
    return code == SQLITE_ROW || code == SQLITE_DONE ? SQLITE_OK : code;
}

Examen examine(sqlite3* db, std::string_view base)
{
    const std::string b(base);
    Examen e;
    std::int64_t app = 0, objets = 0, tables = 0;
    // One read transaction: another copy of the program may make the tables meanwhile.
    e.code = sqlite::execute(db, "BEGIN");
    if (e.code == SQLITE_OK) e.code = lit_entier(db, "PRAGMA " + b + ".application_id", app);
    if (e.code == SQLITE_OK) e.code = lit_entier(db, "PRAGMA " + b + ".user_version", e.version);
    if (e.code == SQLITE_OK)
        e.code = lit_entier(db, "SELECT count(*) FROM " + b + ".sqlite_schema", objets);
    if (e.code == SQLITE_OK)
        e.code = lit_entier(db,
                            "SELECT count(*) FROM " + b
                                + ".sqlite_schema WHERE type = 'table' AND name IN ('ligne', "
                                  "'revue', 'reglage')",
                            tables);
    sqlite::execute(db, "COMMIT");
    if (e.code != SQLITE_OK) return e;
    const bool marque = app == application;
    if (app == 0 && e.version == 0 && objets == 0) {
        e.nature = Nature::vierge;
    } else if (marque && e.version > version) {
        e.nature = Nature::plus_recent;
    } else if ((marque && e.version > 0) || (app == 0 && e.version == 1 && tables == 3)) {
        e.nature = tables == 3 ? Nature::carnet : Nature::incomplet;
    }
    if (e.nature != Nature::carnet) return e;
    sqlite::Requete controle(db, "PRAGMA " + b + ".quick_check");
    e.code = controle.pas();
    if (e.code == SQLITE_ROW) {
        e.code = SQLITE_OK;
        if (controle.texte(0) != "ok") e.nature = Nature::endommage;
    }
    return e;
}

int migre(sqlite3* db)
{
    int code = sqlite::execute(db, "BEGIN IMMEDIATE");
    std::int64_t avant = 0;
    if (code == SQLITE_OK) code = lit_entier(db, "PRAGMA user_version", avant);
    for (auto v = avant; code == SQLITE_OK && v < version; ++v)
        code = sqlite::execute(db, migrations[static_cast<std::size_t>(v)]);
    if (code == SQLITE_OK && avant < version)
        code = sqlite::execute(db, "PRAGMA user_version = " + std::to_string(version)
                                   + "; PRAGMA application_id = " + std::to_string(application));
    if (code == SQLITE_OK) code = sqlite::execute(db, "COMMIT");
    if (code != SQLITE_OK) sqlite::execute(db, "ROLLBACK");
    return code;
}

} // namespace tavik::schema_carnet
