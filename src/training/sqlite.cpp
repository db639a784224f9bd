#include "training/sqlite.h"

#include <sqlite3.h>

namespace tavik::sqlite {

void Fermeture::operator()(sqlite3* db) const
{
    sqlite3_close_v2(db);
}

void Requete::Finalisation::operator()(sqlite3_stmt* stmt) const
{
    sqlite3_finalize(stmt);
}

int execute(sqlite3* db, std::string_view sql)
{
    const std::string texte(sql);
    return sqlite3_exec(db, texte.c_str(), nullptr, nullptr, nullptr);
}

std::string message(sqlite3* db)
{
    return db ? sqlite3_errmsg(db) : "out of memory";
}

Requete::Requete(sqlite3* db, std::string_view sql)
{
    sqlite3_stmt* stmt = nullptr;
    code_ = sqlite3_prepare_v3(db, sql.data(), static_cast<int>(sql.size()),
                               SQLITE_PREPARE_PERSISTENT, &stmt, nullptr);
    stmt_.reset(stmt);
}

Requete& Requete::lie(int i, std::int64_t valeur)
{
    sqlite3_bind_int64(stmt_.get(), i, valeur);
    return *this;
}

Requete& Requete::lie(int i, double valeur)
{
    sqlite3_bind_double(stmt_.get(), i, valeur);
    return *this;
}

Requete& Requete::lie(int i, std::string_view valeur)
{
    sqlite3_bind_text(stmt_.get(), i, valeur.data(), static_cast<int>(valeur.size()),
                      SQLITE_TRANSIENT);
    return *this;
}

int Requete::pas()
{
    return sqlite3_step(stmt_.get());
}

void Requete::reinitialise()
{
    sqlite3_reset(stmt_.get());
    sqlite3_clear_bindings(stmt_.get());
}

std::int64_t Requete::entier(int colonne) const
{
    return sqlite3_column_int64(stmt_.get(), colonne);
}

double Requete::reel(int colonne) const
{
    return sqlite3_column_double(stmt_.get(), colonne);
}

std::string Requete::texte(int colonne) const
{
    const auto* t = sqlite3_column_text(stmt_.get(), colonne);
    return t ? std::string(reinterpret_cast<const char*>(t)) : std::string();
}

} // namespace tavik::sqlite
