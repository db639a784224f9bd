#pragma once

#include "engine/grille.h"
#include "windows/services.h"

#include <span>
#include <string>
#include <vector>

namespace tavik {

// The places where the learner's own games left the library, which the drill trains under
// "Lignes de mes parties": the "Mes parties" view adds them and takes them back, the training
// window reads them and may forget them all. They are kept in the settings, so that they
// outlive the program, as the moves that reach each place in their common form
// (`forme_commune`), one key a line ("C4E3 F6E6 F5"): a place reached by another order or in
// another orientation is the same place. The learner's progress on the lines is the notebook's
// and stays whatever happens to the places.
inline constexpr const char* reglage_lignes_de_mes_parties = "entrainement/lignes_de_mes_parties";

// The places remembered, in the order they were added, each once. A line of the setting that
// is not a text of legal moves (a settings file edited by hand) is passed over.
std::vector<std::vector<Case>> debuts_de_mes_parties(const Services& services);

// The setting's text as it is stored ("" without settings), to see whether it changed, and the
// keys (`cle_de_debut`) of the places that such a text holds, read as above.
std::string reglage_de_mes_parties(const Services& services);
std::vector<std::string> cles_du_reglage(const std::string& reglage);

// Adds places, each given by moves legal from the usual start in any orientation, to those
// remembered; returns how many were not there yet.
int ajoute_debuts_de_mes_parties(const Services& services,
                                 std::span<const std::vector<Case>> debuts);

// Takes places given as above out of those remembered; returns how many were there.
int retire_debuts_de_mes_parties(const Services& services,
                                 std::span<const std::vector<Case>> debuts);

// Forgets every place remembered; returns how many there were.
int oublie_debuts_de_mes_parties(const Services& services);

// The key under which a place is remembered: its moves in common form, "C4E3 F6E6 F5".
std::string cle_de_debut(std::span<const Case> debut);

} // namespace tavik
