#include "training/sqlite.h"

#include <cctype>
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

std::string raison(int code)
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
    case SQLITE_NOMEM:
        return "mémoire insuffisante";
    case SQLITE_TOOBIG:
        return "fichier trop grand";
    default:
        return "erreur de la base de données n° " + std::to_string(code);
    }
}

std::string raison_systeme(std::error_code ec)
{
    switch (static_cast<std::errc>(ec.value())) {
    case std::errc::permission_denied:
    case std::errc::operation_not_permitted:
        return "accès refusé";
    case std::errc::read_only_file_system:
        return "disque en lecture seule";
    case std::errc::no_space_on_device:
        return "disque plein";
    case std::errc::no_such_file_or_directory:
        return "fichier ou dossier introuvable";
    case std::errc::file_exists:
    case std::errc::is_a_directory:
        return "un dossier porte déjà ce nom";
    default:
        return "erreur du système n° " + std::to_string(ec.value());
    }
}

std::string uri(const std::filesystem::path& fichier, std::string_view parametres)
{
    static constexpr std::string_view hexa = "0123456789ABCDEF";
    static constexpr std::string_view tels_quels = "/-._~";
    std::error_code ec;
    std::string u = "file:";
    for (const unsigned char c : std::filesystem::absolute(fichier, ec).string()) {
        if (std::isalnum(c) || tels_quels.find(static_cast<char>(c)) != tels_quels.npos) {
            u += static_cast<char>(c);
        } else {
            u += '%';
            u += hexa[c >> 4];
            u += hexa[c & 0xF];
        }
    }
    return u + "?" + std::string(parametres);
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
