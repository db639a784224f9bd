#include "record/transcription.h"
#include "windows/main_window/plateau.h"

#include <cassert>

namespace tavik {

void Plateau::charge_partie(std::span<const Emplacement> partie)
{
    // Every game that the rules allow fits the record; nothing is written past it.
    assert(partie.size() < static_cast<std::size_t>(nb_emplacements));
    if (occupe() || partie.size() >= static_cast<std::size_t>(nb_emplacements)) return;

    num_coup = 1;
    for (const Emplacement& e : partie) liste_coups()[num_coup++] = e;
    num_rejoue = num_coup;
    rotation = 0;
    sym_positive = 0;
    sym_negative = 0;
    if (entraineur_) entraineur_->partie_chargee();
    CmdFin_Click();
}

void Plateau::charge_transcription(std::string_view texte)
{
    // A game that arrives while a disc is being placed is ignored, as every command is then.
    if (occupe()) return;
    const LectureTranscription lecture = lit_transcription(texte);
    if (lecture.refus) {
        services_.message("Cette partie ne peut pas être chargée\u00a0: au caractère "
                          + std::to_string(lecture.refus->position) + ", " + lecture.refus->raison
                          + ".");
        return;
    }
    charge_partie(lecture.partie);
}

std::string Plateau::transcription() const
{
    if (rotation % 2 == 0) return ecrit_transcription(liste_coups(), num_coup);

    // After an odd number of quarter turns the game starts from the turned position. Turned
    // on until `rotation` is back to 0, it reads from the usual start, as the text must.
    ListeCoups partie = liste_coups();
    for (int k = 1; k < num_coup && k < nb_emplacements; ++k) {
        if (std::optional<Case> c = partie[k].case_jouee()) {
            for (int quart = rotation; quart < 4; ++quart)
                *c = transforme(Transformation::rotation, *c);
            partie[k] = Emplacement::coup(*c);
        }
    }
    return ecrit_transcription(partie, num_coup);
}

} // namespace tavik
