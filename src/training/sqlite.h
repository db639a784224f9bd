#pragma once

#include <cstdint>
#include <filesystem>
#include <memory>
#include <system_error>
#include <string>
#include <string_view>

struct sqlite3;
struct sqlite3_stmt;

namespace tavik::sqlite {

// A thin hold on SQLite's C interface: a connection that closes itself and prepared statements
// that finalize themselves. Failures come back as SQLite's result codes.

struct Fermeture
{
    void operator()(sqlite3* db) const;
};
using Connexion = std::unique_ptr<sqlite3, Fermeture>;

// Runs statements without results ("BEGIN", "PRAGMA ...", a schema). Returns the result code.
int execute(sqlite3* db, std::string_view sql);

// What a failure means for the learner, in French, from its result code: SQLite's own words are
// English, and never shown.
std::string raison(int code);
// The same for a failure of the file system (renaming, removing).
std::string raison_systeme(std::error_code ec);

// The file as a URI with its parameters ("mode=ro"), its special characters escaped, for the
// connections opened with SQLITE_OPEN_URI.
std::string uri(const std::filesystem::path& fichier, std::string_view parametres);

class Requete
{
public:
    Requete() = default;
    Requete(sqlite3* db, std::string_view sql);
    Requete(Requete&&) noexcept = default;
    Requete& operator=(Requete&&) noexcept = default;

    int code() const { return code_; } // the result of preparing it
    explicit operator bool() const { return static_cast<bool>(stmt_); }

    // Values of the parameters, numbered from 1.
    Requete& lie(int i, std::int64_t valeur);
    Requete& lie(int i, double valeur);
    Requete& lie(int i, std::string_view valeur);

    // One step: SQLITE_ROW while rows come, SQLITE_DONE at the end, or an error code.
    int pas();
    // Makes it ready to run again, its parameters unbound.
    void reinitialise();

    std::int64_t entier(int colonne) const;
    double reel(int colonne) const;
    std::string texte(int colonne) const;

private:
    struct Finalisation
    {
        void operator()(sqlite3_stmt* stmt) const;
    };
    std::unique_ptr<sqlite3_stmt, Finalisation> stmt_;
    int code_ = 0;
};

} // namespace tavik::sqlite
