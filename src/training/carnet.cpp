#include "training/carnet.h"

#include "training/carnet_schema.h"
#include "training/planning.h"

#include <sqlite3.h>

namespace tavik {

namespace fs = std::filesystem;

namespace {

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

} // namespace

Carnet::Carnet(sqlite::Connexion db, fs::path chemin, std::string avertissement,
               bool lecture_seule)
    : db_(std::move(db))
    , chemin_(std::move(chemin))
    , avertissement_(std::move(avertissement))
    , lecture_seule_(lecture_seule)
{
    prepare();
}

void Carnet::prepare()
{
    std::int64_t n = nouvelles_par_jour_par_defaut;
    schema_carnet::lit_entier(db_.get(), "SELECT valeur FROM reglage WHERE cle = 'nouvelles_par_jour'", n);
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
INSERT INTO revue (ligne, instant, jour, coups, trouves, erreurs, qualite, identifiant)
VALUES (?1, ?2, ?3, ?4, ?5, ?6, ?7, lower(hex(randomblob(16))))
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
    if (lecture_seule_) {
        raison = sqlite::raison(SQLITE_READONLY);
        return std::nullopt;
    }
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
    raison = sqlite::raison(code);
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

std::vector<RevuePassee> Carnet::historique(int16_t couleur) const
{
    sqlite::Requete r(db_.get(), R"sql(
SELECT r.ligne, r.jour, r.qualite
FROM revue r JOIN ligne l ON l.id = r.ligne
WHERE l.couleur = ?1
ORDER BY r.ligne, r.instant, r.id
)sql");
    r.lie(1, std::int64_t {couleur});
    std::vector<RevuePassee> revues;
    while (r.pas() == SQLITE_ROW)
        revues.push_back(
            {r.entier(0), static_cast<Jour>(r.entier(1)), static_cast<int>(r.entier(2))});
    return revues;
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
    const int code = lecture_seule_ ? SQLITE_READONLY : r.pas();
    if (code != SQLITE_DONE) {
        raison = sqlite::raison(code);
        return false;
    }
    nouvelles_par_jour_ = nombre;
    return true;
}

// Passive, so that ending a session never waits for another copy of the program.
void Carnet::verse_le_journal() const
{
    sqlite3_wal_checkpoint_v2(db_.get(), "main", SQLITE_CHECKPOINT_PASSIVE, nullptr, nullptr);
}

} // namespace tavik
