#pragma once

#include <cstdint>
#include <string>
#include <string_view>

struct sqlite3;

namespace tavik::schema_carnet {

// The notebook's layout: how a file is recognised as one, and how an older one is brought up to
// date. Shared by the notebook's opening and its import.

// The version of the layout that this program writes (`PRAGMA user_version`).
inline constexpr int version = 2;
// How long a copy of the program waits for another one's write to end before giving up.
inline constexpr int attente_carnet_ms = 5000;

// What `PRAGMA application_id` holds in every notebook: "TAVK".
inline constexpr std::int32_t application = 0x5441564B;

enum class Nature {
    vierge, // an empty database: ours to fill
    carnet, // a notebook of this version or an older one
    plus_recent, // a notebook of a newer version
    incomplet, // marked as a notebook, but its tables are not all there
    endommage, // a notebook that fails SQLite's check
    etranger, // another program's database: never written to
};

struct Examen
{
    int code = 0; // SQLite's result, SQLITE_OK when the file could be read
    Nature nature = Nature::etranger;
    std::int64_t version = 0;
};

// What the database `base` ("main", or the name it is attached under) is; reads only.
Examen examine(sqlite3* db, std::string_view base);

// Creates or updates the tables in one write transaction. The version is read again inside it:
// another copy of the program may have done it while this one waited.
int migre(sqlite3* db);

// A finished exercise's identity where the layout had none, from its row `r` and line `l`: the
// same in every copy of the file, so that an import recognises it.
inline constexpr std::string_view identifiant_ancien
    = "printf('v1-%d-%d-%d-%s', r.id, r.instant, l.couleur, l.cle)";

// A value to run a statement with, with its result code.
int lit_entier(sqlite3* db, std::string_view sql, std::int64_t& valeur);

} // namespace tavik::schema_carnet
