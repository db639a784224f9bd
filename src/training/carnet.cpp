#include "training/carnet.h"

#include "training/planning.h"

#include <array>
#include <sqlite3.h>
#include <system_error>

namespace tavik {

namespace fs = std::filesystem;

namespace {

// Each step brings the file from one version to the next, in one transaction.
constexpr std::array<std::string_view, version_carnet> migrations = {
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
};

// How long a copy of the program waits for another one's write to end before giving up.
constexpr int attente_ms = 5000;

// A line's state, as `colonnes_etat` lists it, from the `premiere`-th column of a row on.
constexpr std::string_view colonnes_etat = "repetitions, facilite, intervalle, echeance, "
                                           "premiere_revue, derniere_revue, derniere_qualite, "
                                           "revues, echecs";

EtatLigne etat_lu(const sqlite::Requete& r, int premiere)
{
    const auto entier = [&](int i) { return static_cast<int>(r.entier(premiere + i)); };
    return {entier(0), r.reel(premiere + 1), entier(2), entier(3), entier(4),
            entier(5), entier(6),           entier(7), entier(8)};
}

constexpr std::string_view tables_attendues
    = "SELECT count(*) FROM sqlite_schema WHERE type = 'table' AND name IN ('ligne', 'revue', "
      "'reglage')";

std::string raison_de(int code)
{
    switch (code & 0xFF) {
    case SQLITE_NOTADB:
        return "ce n'est pas un fichier d'entraînement";
    case SQLITE_CORRUPT:
        return "fichier endommagé";
    case SQLITE_CANTOPEN:
        return "impossible de l'ouvrir";
    case SQLITE_READONLY:
        return "fichier en lecture seule";
    case SQLITE_PERM:
    case SQLITE_AUTH:
        return "accès refusé";
    case SQLITE_BUSY:
    case SQLITE_LOCKED:
        return "fichier utilisé par un autre programme";
    case SQLITE_FULL:
        return "disque plein";
    case SQLITE_IOERR:
        return "erreur de lecture ou d'écriture";
    default:
        return std::string("erreur SQLite : ") + sqlite3_errstr(code);
    }
}

// A file that is busy, or a disk that fails, is left where it is; anything else about the
// file itself makes it unusable, and it is set aside.
bool passagere(int code)
{
    switch (code & 0xFF) {
    case SQLITE_BUSY:
    case SQLITE_LOCKED:
    case SQLITE_FULL:
    case SQLITE_IOERR:
    case SQLITE_NOMEM:
    case SQLITE_INTERRUPT:
        return true;
    default:
        return false;
    }
}

struct Essai
{
    sqlite::Connexion db;
    bool a_ecarter = false; // the file itself is unusable
    std::string raison;
    std::string etiquette = "corrompu"; // what the name set aside says
    int code = SQLITE_OK;
};

Essai echec(int code)
{
    return {nullptr, !passagere(code), raison_de(code), "corrompu", code};
}

int lit_entier(sqlite3* db, std::string_view sql, std::int64_t& valeur)
{
    sqlite::Requete r(db, sql);
    if (!r) return r.code();
    const int code = r.pas();
    if (code == SQLITE_ROW) valeur = r.entier(0);
    return code == SQLITE_ROW || code == SQLITE_DONE ? SQLITE_OK : code;
}

// Brings the file to the current version in one write transaction. The version is read again
// inside it: another copy of the program may have made the tables while this one waited.
int migre(sqlite3* db)
{
    int code = sqlite::execute(db, "BEGIN IMMEDIATE");
    std::int64_t version = 0;
    if (code == SQLITE_OK) code = lit_entier(db, "PRAGMA user_version", version);
    for (auto v = version; code == SQLITE_OK && v < version_carnet; ++v)
        code = sqlite::execute(db, migrations[static_cast<std::size_t>(v)]);
    if (code == SQLITE_OK && version < version_carnet)
        code = sqlite::execute(db, "PRAGMA user_version = " + std::to_string(version_carnet));
    if (code == SQLITE_OK) code = sqlite::execute(db, "COMMIT");
    if (code != SQLITE_OK) sqlite::execute(db, "ROLLBACK");
    return code;
}

// Opens the file and brings it to the current version, or says why it cannot be used.
Essai essaie(const std::string& nom)
{
    sqlite3* brut = nullptr;
    const int ouverture
        = sqlite3_open_v2(nom.c_str(), &brut, SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE, nullptr);
    sqlite::Connexion db(brut);
    if (ouverture != SQLITE_OK) return echec(ouverture);
    sqlite3_busy_timeout(db.get(), attente_ms);

    std::int64_t version = 0;
    if (const int code = lit_entier(db.get(), "PRAGMA user_version", version); code != SQLITE_OK)
        return echec(code);
    if (version > version_carnet || version < 0)
        return {nullptr, true, "écrit par une version plus récente de Tavik",
                "version-" + std::to_string(version)};
    sqlite::Requete controle(db.get(), "PRAGMA quick_check");
    if (!controle) return echec(controle.code());
    if (const int code = controle.pas(); code != SQLITE_ROW) return echec(code);
    if (controle.texte(0) != "ok") return {nullptr, true, "fichier endommagé", "corrompu"};
    controle = {};
    if (sqlite3_db_readonly(db.get(), "main") == 1) return echec(SQLITE_READONLY);
    std::int64_t tables = 0;
    if (const int code = lit_entier(db.get(), tables_attendues, tables); code != SQLITE_OK)
        return echec(code);
    if (version > 0 && tables != 3) return {nullptr, true, "contenu inattendu", "corrompu"};

    // WAL: a commit is one append to the log, and a program killed afterwards keeps it.
    for (const std::string_view pragma :
         {"PRAGMA journal_mode = WAL", "PRAGMA synchronous = NORMAL", "PRAGMA foreign_keys = ON"})
        if (const int code = sqlite::execute(db.get(), pragma); code != SQLITE_OK)
            return echec(code);
    if (version < version_carnet)
        if (const int code = migre(db.get()); code != SQLITE_OK) return echec(code);
    return {std::move(db), false, {}};
}

// While another copy of the program makes the file ready, SQLite may answer that it is busy
// without waiting: the file is tried again for a while.
Essai essaie_patiemment(const std::string& nom)
{
    for (int fois = 0;; ++fois) {
        Essai essai = essaie(nom);
        if (essai.db || (essai.code & 0xFF) != SQLITE_BUSY || fois * 50 >= attente_ms)
            return essai;
        sqlite3_sleep(50);
    }
}

// Renames the file, with the journal files that belong to it, to a free name beside it.
bool met_de_cote(const fs::path& chemin, const std::string& suffixe, fs::path& cote,
                 std::string& raison)
{
    fs::path base = chemin;
    base += "." + suffixe;
    cote = base;
    std::error_code ec;
    for (int n = 2; fs::exists(cote, ec) || fs::is_symlink(cote, ec); ++n) {
        cote = base;
        cote += "-" + std::to_string(n);
    }
    fs::rename(chemin, cote, ec);
    if (ec) {
        raison = ec.message();
        return false;
    }
    for (const char* compagnon : {"-wal", "-shm", "-journal"}) {
        fs::path de = chemin, vers = cote;
        de += compagnon;
        vers += compagnon;
        if (!fs::exists(de, ec)) continue;
        fs::rename(de, vers, ec);
        if (ec) {
            raison = ec.message();
            return false;
        }
    }
    return true;
}

std::string guillemets(const fs::path& p)
{
    return "« " + p.filename().string() + " »";
}

} // namespace

Carnet::Carnet(sqlite::Connexion db, fs::path chemin, std::string avertissement)
    : db_(std::move(db))
    , chemin_(std::move(chemin))
    , avertissement_(std::move(avertissement))
{
    prepare();
}

Carnet Carnet::en_memoire()
{
    Essai essai = essaie(":memory:");
    return Carnet(std::move(essai.db), {}, {});
}

Carnet Carnet::ouvre(const fs::path& chemin, std::int64_t maintenant)
{
    const std::string nom = guillemets(chemin);
    const std::string perdue = " : la progression de cette séance ne sera pas enregistrée.";
    const auto en_memoire_avec = [](std::string avertissement) {
        Carnet c = Carnet::en_memoire();
        c.avertissement_ = std::move(avertissement);
        return c;
    };

    std::error_code ec;
    if (chemin.has_parent_path()) fs::create_directories(chemin.parent_path(), ec);
    Essai essai = essaie_patiemment(chemin.string());
    if (essai.db) return Carnet(std::move(essai.db), chemin, {});
    if (!essai.a_ecarter)
        return en_memoire_avec("Le fichier d'entraînement " + nom + " n'a pas pu être ouvert ("
                               + essai.raison + ")" + perdue);
    if (!fs::exists(chemin, ec) && !fs::is_symlink(chemin, ec))
        return en_memoire_avec("Le fichier d'entraînement " + nom + " n'a pas pu être créé ("
                               + essai.raison + ")" + perdue);

    fs::path cote;
    std::string raison;
    const std::string suffixe = essai.etiquette + "-" + horodatage_local(maintenant);
    if (!met_de_cote(chemin, suffixe, cote, raison))
        return en_memoire_avec("Le fichier d'entraînement " + nom + " est inutilisable ("
                               + essai.raison + ") et n'a pas pu être mis de côté (" + raison + ")"
                               + perdue);
    const std::string debut = "Le fichier d'entraînement " + nom + " était inutilisable ("
        + essai.raison + "). Il a été mis de côté sous le nom " + guillemets(cote);
    Essai neuf = essaie_patiemment(chemin.string());
    if (!neuf.db)
        return en_memoire_avec(debut + ", mais un nouveau fichier n'a pas pu être créé ("
                               + neuf.raison + ")" + perdue);
    return Carnet(std::move(neuf.db), chemin,
                  debut + " et un nouveau fichier a été créé : la progression repart de zéro.");
}

void Carnet::prepare()
{
    std::int64_t n = nouvelles_par_jour_par_defaut;
    lit_entier(db_.get(), "SELECT valeur FROM reglage WHERE cle = 'nouvelles_par_jour'", n);
    nouvelles_par_jour_ = static_cast<int>(n);
    lit_ligne_ = sqlite::Requete(db_.get(), "SELECT " + std::string(colonnes_etat)
                                     + " FROM ligne WHERE couleur = ?1 AND cle = ?2");
    ecrit_ligne_ = sqlite::Requete(db_.get(), R"sql(
INSERT INTO ligne (couleur, cle, repetitions, facilite, intervalle, echeance, premiere_revue,
                   derniere_revue, derniere_qualite, revues, echecs)
VALUES (?1, ?2, ?3, ?4, ?5, ?6, ?7, ?8, ?9, ?10, ?11)
ON CONFLICT (couleur, cle) DO UPDATE SET
    repetitions = excluded.repetitions, facilite = excluded.facilite,
    intervalle = excluded.intervalle, echeance = excluded.echeance,
    premiere_revue = excluded.premiere_revue, derniere_revue = excluded.derniere_revue,
    derniere_qualite = excluded.derniere_qualite, revues = excluded.revues,
    echecs = excluded.echecs
RETURNING id
)sql");
    ecrit_revue_ = sqlite::Requete(db_.get(), R"sql(
INSERT INTO revue (ligne, instant, jour, coups, trouves, erreurs, qualite)
VALUES (?1, ?2, ?3, ?4, ?5, ?6, ?7)
)sql");
}

std::map<std::string, EtatLigne> Carnet::etats(int16_t couleur) const
{
    std::map<std::string, EtatLigne> etats;
    sqlite::Requete r(db_.get(),
                      "SELECT cle, " + std::string(colonnes_etat) + " FROM ligne WHERE couleur = ?1");
    r.lie(1, std::int64_t {couleur});
    while (r.pas() == SQLITE_ROW) etats[r.texte(0)] = etat_lu(r, 1);
    return etats;
}

std::optional<EtatLigne> Carnet::enregistre(int16_t couleur, const std::string& cle,
                                            const MiseAJour& mise_a_jour, const Revue& revue,
                                            std::string& raison)
{
    sqlite3* db = db_.get();
    std::optional<EtatLigne> avant, apres;
    int code = sqlite::execute(db, "BEGIN IMMEDIATE");
    if (code == SQLITE_OK) {
        lit_ligne_.lie(1, std::int64_t {couleur}).lie(2, cle);
        code = lit_ligne_.pas();
        if (code == SQLITE_ROW) avant = etat_lu(lit_ligne_, 0);
        lit_ligne_.reinitialise();
    }
    if (code == SQLITE_ROW || code == SQLITE_DONE) {
        apres = mise_a_jour(avant);
        code = ecrit(couleur, cle, *apres, revue);
    }
    if (code == SQLITE_OK) code = sqlite::execute(db, "COMMIT");
    if (code == SQLITE_OK) return apres;
    raison = raison_de(code);
    sqlite::execute(db, "ROLLBACK");
    return std::nullopt;
}

// The line's row and the exercise's, inside the caller's transaction.
int Carnet::ecrit(int16_t couleur, const std::string& cle, const EtatLigne& e, const Revue& revue)
{
    ecrit_ligne_.lie(1, std::int64_t {couleur}).lie(2, cle);
    ecrit_ligne_.lie(3, std::int64_t {e.repetitions}).lie(4, e.facilite);
    ecrit_ligne_.lie(5, std::int64_t {e.intervalle}).lie(6, std::int64_t {e.echeance});
    ecrit_ligne_.lie(7, std::int64_t {e.premiere_revue});
    ecrit_ligne_.lie(8, std::int64_t {e.derniere_revue});
    ecrit_ligne_.lie(9, std::int64_t {e.derniere_qualite});
    ecrit_ligne_.lie(10, std::int64_t {e.revues}).lie(11, std::int64_t {e.echecs});
    int code = ecrit_ligne_.pas();
    const std::int64_t id = ecrit_ligne_.entier(0);
    ecrit_ligne_.reinitialise();
    if (code != SQLITE_ROW) return code;
    ecrit_revue_.lie(1, id).lie(2, revue.instant).lie(3, std::int64_t {revue.jour});
    ecrit_revue_.lie(4, std::int64_t {revue.coups}).lie(5, std::int64_t {revue.trouves});
    ecrit_revue_.lie(6, std::int64_t {revue.erreurs});
    ecrit_revue_.lie(7, std::int64_t {revue.qualite});
    code = ecrit_revue_.pas();
    ecrit_revue_.reinitialise();
    return code == SQLITE_DONE ? SQLITE_OK : code;
}

std::vector<JourActivite> Carnet::activite(int16_t couleur, Jour premier, Jour dernier) const
{
    sqlite::Requete r(db_.get(), R"sql(
SELECT r.jour, count(*), total(r.erreurs)
FROM revue r JOIN ligne l ON l.id = r.ligne
WHERE l.couleur = ?1 AND r.jour BETWEEN ?2 AND ?3
GROUP BY r.jour ORDER BY r.jour
)sql");
    r.lie(1, std::int64_t {couleur}).lie(2, std::int64_t {premier}).lie(3, std::int64_t {dernier});
    std::vector<JourActivite> jours;
    while (r.pas() == SQLITE_ROW)
        jours.push_back({static_cast<Jour>(r.entier(0)), static_cast<int>(r.entier(1)),
                         static_cast<int>(r.reel(2))});
    return jours;
}

bool Carnet::fixe_nouvelles_par_jour(int nombre, std::string& raison)
{
    sqlite::Requete r(db_.get(),
                      "INSERT INTO reglage (cle, valeur) VALUES ('nouvelles_par_jour', ?1) "
                      "ON CONFLICT (cle) DO UPDATE SET valeur = excluded.valeur");
    r.lie(1, std::int64_t {nombre});
    const int code = r.pas();
    if (code != SQLITE_DONE) {
        raison = raison_de(code);
        return false;
    }
    nouvelles_par_jour_ = nombre;
    return true;
}

} // namespace tavik
