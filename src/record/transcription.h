#pragma once

#include "record/liste_coups.h"

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace tavik {

// A game written the way Othello programs and sites exchange it: the moves one after the
// other, "f5d6c3d3c4", from the usual start, black first.

// Where a text stops being a game and why, in French.
struct Refus
{
    int position = 1; // the character of the text, counted from 1
    std::string raison;
    friend bool operator==(const Refus&, const Refus&) = default;
};

struct LectureTranscription
{
    // The record's slots from slot 1 on, a pass in its own slot wherever the side to move
    // had no legal move; empty when the text is refused.
    std::vector<Emplacement> partie;
    std::optional<Refus> refus;
};

// Reads a game: moves in either case, with or without blanks between them (any Unicode
// blank), move numbers ("1.", "12...") skipped, passes written "--", "pass", "passe" or "pa"
// accepted only where the side to move has no legal move. Every move is checked with the rules
// from the usual start. A pass that the position forces after the last move is recorded too, as
// the board records it. A refusal writes an invisible character as its code ("[U+200D]").
LectureTranscription lit_transcription(std::string_view texte);

// The moves of slots 1 to num_coup - 1 in lower case, passes left out: "f5d6c3d3c4".
std::string ecrit_transcription(const ListeCoups& liste, int num_coup);

} // namespace tavik
