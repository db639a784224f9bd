// Opening the notebook's file: recognising it, bringing it up to date, reading it without
// writing when it may not be written, leaving another program's database alone, and setting
// aside, never deleting, a file that cannot be used.

#include "record/typographie.h"
#include "training/carnet.h"
#include "training/carnet_schema.h"

#include <sqlite3.h>
#include <system_error>

namespace tavik {

namespace fs = std::filesystem;
using namespace schema_carnet;

namespace {

enum class Issue {
    ouvert,
    lecture_seule,
    etranger, // another program's database, left as it is
    a_ecarter, // the file itself is unusable
    impossible, // the file cannot be used now: `code` says why
};

struct Essai
{
    sqlite::Connexion db;
    Issue issue = Issue::impossible;
    int code = SQLITE_OK;
    std::string raison; // why the file is unusable
    std::string etiquette = "corrompu"; // what the name set aside says
};

Essai impossible(int code)
{
    return {nullptr, Issue::impossible, code, sqlite::raison(code)};
}

bool ecriture_refusee(int code)
{
    switch (code & 0xFF) {
    case SQLITE_READONLY:
    case SQLITE_CANTOPEN:
    case SQLITE_PERM:
    case SQLITE_AUTH:
        return true;
    default:
        return false;
    }
}

// Opens `nom` with `options` and says what it holds; an empty database or a notebook that can
// be written is made ready, anything else is left as it was.
Essai essaie_avec(const std::string& nom, int options)
{
    sqlite3* brut = nullptr;
    const int ouverture = sqlite3_open_v2(nom.c_str(), &brut, options | SQLITE_OPEN_URI, nullptr);
    sqlite::Connexion db(brut);
    if (ouverture != SQLITE_OK) return impossible(ouverture);
    sqlite3_busy_timeout(db.get(), attente_carnet_ms);

    const Examen examen = examine(db.get(), "main");
    switch (examen.code & 0xFF) {
    case SQLITE_OK:
        break;
    case SQLITE_NOTADB:
    case SQLITE_CORRUPT:
        return {nullptr, Issue::a_ecarter, examen.code, sqlite::raison(examen.code)};
    default:
        return impossible(examen.code);
    }
    switch (examen.nature) {
    case Nature::etranger:
        return {nullptr, Issue::etranger, SQLITE_OK, {}};
    case Nature::plus_recent:
        return {nullptr, Issue::a_ecarter, SQLITE_OK, "écrit par une version plus récente de Tavik",
                "version-" + std::to_string(examen.version)};
    case Nature::incomplet:
        return {nullptr, Issue::a_ecarter, SQLITE_OK, "contenu inattendu"};
    case Nature::endommage:
        return {nullptr, Issue::a_ecarter, SQLITE_OK, "fichier endommagé"};
    case Nature::vierge:
    case Nature::carnet:
        break;
    }
    if (sqlite3_db_readonly(db.get(), "main") == 1)
        return examen.nature == Nature::vierge
            ? impossible(SQLITE_READONLY)
            : Essai {std::move(db), Issue::lecture_seule, {}, {}};

    // WAL: a commit is one append to the log, and a program killed afterwards keeps it.
    for (const std::string_view pragma :
         {"PRAGMA journal_mode = WAL", "PRAGMA synchronous = NORMAL", "PRAGMA foreign_keys = ON"})
        if (const int code = sqlite::execute(db.get(), pragma); code != SQLITE_OK)
            return impossible(code);
    if (examen.version < version)
        if (const int code = migre(db.get()); code != SQLITE_OK) return impossible(code);
    return {std::move(db), Issue::ouvert, {}, {}};
}

// Opens the file for writing; a file or folder that may not be written is read without
// writing anything, the log that cannot be shared with another copy left aside if need be.
Essai essaie(const fs::path& chemin)
{
    Essai essai = essaie_avec(chemin.string(), SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE);
    std::error_code ec;
    if (essai.issue != Issue::impossible || !ecriture_refusee(essai.code)
        || !fs::exists(chemin, ec))
        return essai;
    for (const std::string_view parametres : {"mode=ro", "immutable=1"}) {
        Essai lecture = essaie_avec(sqlite::uri(chemin, parametres), SQLITE_OPEN_READONLY);
        if (lecture.issue != Issue::impossible) return lecture;
        if (!ecriture_refusee(lecture.code)) break;
    }
    return essai;
}

// While another copy of the program makes the file ready, SQLite may answer that it is busy
// without waiting: the file is tried again for a while.
Essai essaie_patiemment(const fs::path& chemin)
{
    for (int fois = 0;; ++fois) {
        Essai essai = essaie(chemin);
        if (essai.issue != Issue::impossible || (essai.code & 0xFF) != SQLITE_BUSY
            || fois * 50 >= attente_carnet_ms)
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
    for (const char* compagnon : {"-wal", "-shm", "-journal"}) {
        if (ec) break;
        fs::path de = chemin, vers = cote;
        de += compagnon;
        vers += compagnon;
        if (fs::exists(de, ec)) fs::rename(de, vers, ec);
    }
    if (ec) raison = sqlite::raison_systeme(ec);
    return !ec;
}

std::string nom_cite(const fs::path& p)
{
    return guillemets(p.filename().string());
}

} // namespace

Carnet Carnet::en_memoire()
{
    Essai essai = essaie_avec(":memory:", SQLITE_OPEN_READWRITE);
    return Carnet(std::move(essai.db), {}, {}, false);
}

Carnet Carnet::ouvre(const fs::path& chemin, std::int64_t maintenant)
{
    const std::string nom = "Le fichier d'entraînement " + nom_cite(chemin);
    const std::string perdue = "\u00a0: la progression de cette séance ne sera pas enregistrée.";
    const auto en_memoire_avec = [](std::string avertissement) {
        Carnet c = Carnet::en_memoire();
        c.avertissement_ = std::move(avertissement);
        return c;
    };

    std::error_code ec;
    if (chemin.has_parent_path()) fs::create_directories(chemin.parent_path(), ec);
    Essai essai = essaie_patiemment(chemin);
    switch (essai.issue) {
    case Issue::ouvert:
        return Carnet(std::move(essai.db), chemin, {}, false);
    case Issue::lecture_seule:
        return Carnet(std::move(essai.db), chemin,
                      nom
                          + " est en lecture seule\u00a0: la progression est affichée, mais les "
                            "résultats des nouveaux exercices ne pourront pas être enregistrés.",
                      true);
    case Issue::etranger:
        return en_memoire_avec(
            "Le fichier " + nom_cite(chemin) + " du dossier "
            + guillemets(chemin.parent_path().string())
            + " appartient à un autre programme\u00a0: Tavik le laisse tel quel. Déplacez-le ou "
              "renommez-le pour que la progression soit enregistrée\u00a0; d'ici là, la "
              "progression "
              "de cette séance ne sera pas enregistrée.");
    case Issue::impossible:
        if (!fs::exists(chemin, ec) && !fs::is_symlink(chemin, ec))
            return en_memoire_avec(nom + " n'a pas pu être créé (" + essai.raison + ")" + perdue);
        return en_memoire_avec(nom + " n'a pas pu être ouvert (" + essai.raison + ")" + perdue);
    case Issue::a_ecarter:
        break;
    }

    fs::path cote;
    std::string raison;
    const std::string suffixe = essai.etiquette + "-" + horodatage_local(maintenant);
    if (!met_de_cote(chemin, suffixe, cote, raison))
        return en_memoire_avec(nom + " est inutilisable (" + essai.raison
                               + ") et n'a pas pu être mis de côté (" + raison + ")" + perdue);
    const std::string debut = nom + " était inutilisable (" + essai.raison
        + "). Il a été mis de côté sous le nom " + nom_cite(cote);
    Essai neuf = essaie_patiemment(chemin);
    if (neuf.issue != Issue::ouvert)
        return en_memoire_avec(debut + ", mais un nouveau fichier n'a pas pu être créé ("
                               + neuf.raison + ")" + perdue);
    return Carnet(std::move(neuf.db), chemin,
                  debut + " et un nouveau fichier a été créé\u00a0: la progression repart de zéro.",
                  false);
}

} // namespace tavik
