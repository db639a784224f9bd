#pragma once

#include "library/biblio.h"

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace tavik {

// Checking a library file for those who write it: everything that the program would cut,
// drop, refuse or never show, line by line. The file is read by `lit_biblio`, as the program
// reads it, so the two never disagree on what the file holds.
//
// Errors are what loses or hides part of the library: a file that cannot be loaded, lines that
// the reading cuts or leaves out (the program says so at every load), a move text that is not
// a legal line from the start (the chooser refuses it), a line that the lookup can never reach
// (its name, evaluation and comment never show), the same moves twice (the lookup shows only
// one of the two lines) and a file in which no line has a legal move text. Warnings are what
// the program accepts but is likely a slip: an evaluation code that is not one of the 14 (the
// evaluation shows empty), one line written in two symmetric forms under two names, a line
// without moves or without a name, a blank line, a header that looks like an opening, a file
// that mixes UTF-8 and another encoding. Lower-case moves and commas are ordinary and give
// nothing.

enum class Gravite { erreur, avertissement };

struct Constat
{
    std::size_t ligne = 0; // line number of the file, from 1; 0 for the file as a whole
    std::size_t nombre = 1; // consecutive lines from `ligne`
    Gravite gravite = Gravite::erreur;
    std::string texte; // what is wrong, in French
    friend bool operator==(const Constat&, const Constat&) = default;
};

// The findings of a library file's bytes in line order, the file's own first. At most `max`
// records are read, as the program reads them.
std::vector<Constat> verifie_biblio(std::string_view octets, std::size_t max = nb_lignes_biblio);

// One finding a line ("ligne 12 : erreur : …", "lignes 1003 à 1010 : …", "fichier : …"), then
// the count "2 erreurs, 1 avertissement".
std::string texte_verification(const std::vector<Constat>& constats);

// 0 when there is no error, warnings apart; 1 otherwise.
int code_verification(const std::vector<Constat>& constats);

// Whether a file's bytes are a library of this program: its header names the columns "Nom"
// and "Coups" first and third, or the checker finds no error in it. Started from the desktop
// menu, the program's working folder is the home folder, where a "biblio.csv" of another
// program may lie.
bool est_une_biblio(std::string_view octets);

} // namespace tavik
