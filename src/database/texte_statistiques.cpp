#include "database/texte_statistiques.h"

#include "database/chargement_base.h"
#include "record/transcription.h"

#include <cmath>

namespace tavik {

namespace {

std::string parties(int n)
{
    return std::to_string(n) + (n > 1 ? " parties" : " partie");
}

std::string sans_resultat(const Resultats& b)
{
    return b.inconnues ? " (" + std::to_string(b.inconnues) + " sans résultat)" : "";
}

// The command line's output is read by scripts, which split fields at plain spaces: the
// non-breaking spaces of the window's texts become plain ones there.
std::string espaces_simples(std::string texte)
{
    std::string simple;
    simple.reserve(texte.size());
    for (std::size_t i = 0; i < texte.size(); ++i) {
        if (texte.compare(i, 2, "\u00a0") == 0) {
            simple += ' ';
            ++i;
        } else {
            simple += texte[i];
        }
    }
    return simple;
}

} // namespace

std::string texte_pour_cent(double valeur)
{
    const long dixiemes = std::lround(valeur * 10);
    return std::to_string(dixiemes / 10) + "," + std::to_string(dixiemes % 10) + "\u00a0%";
}

std::string texte_bilan(const Resultats& b)
{
    return parties(b.parties) + "\u00a0: noir " + texte_pour_cent(b.pour_cent(Issue::noir))
        + ", nul " + texte_pour_cent(b.pour_cent(Issue::nul)) + ", blanc "
        + texte_pour_cent(b.pour_cent(Issue::blanc)) + sans_resultat(b);
}

std::string texte_statistiques(const Statistiques& stats)
{
    std::string texte = texte_bilan(stats.bilan) + "\n";
    const char* camp = stats.blanc_au_trait ? " pour blanc" : " pour noir";
    for (const CoupPlaye& c : stats.suivants) {
        std::string n = notation(case_de(c.index));
        n[0] = static_cast<char>(n[0] - 'A' + 'a');
        texte += n + "\u00a0: " + parties(c.bilan.parties) + ", "
            + texte_pour_cent(c.bilan.score(stats.blanc_au_trait)) + camp + sans_resultat(c.bilan)
            + "\n";
    }
    return texte;
}

ReponseStatistiques repond_statistiques(std::span<const std::filesystem::path> fichiers,
                                        std::string_view coups)
{
    ReponseStatistiques r;
    PositionJeu position;
    int nb_coups = 0;
    if (coups.find_first_not_of(" \t") != std::string_view::npos) {
        const LectureTranscription t = lit_transcription(coups);
        if (t.refus) {
            r.erreurs = "Coups illisibles, caractère " + std::to_string(t.refus->position)
                + "\u00a0: " + t.refus->raison + ".\n";
            r.code = 2;
            return r;
        }
        for (const Emplacement& e : t.partie)
            if (const std::optional<Case> c = e.case_jouee()) {
                position.joue(index_de(*c));
                ++nb_coups;
            }
    }
    // Only the positions up to the one asked for are needed.
    const Base base = charge_base(fichiers, nb_coups);
    for (const std::string& m : base.illisibles) r.erreurs += m + "\n";
    for (const std::string& m : base.refus) r.erreurs += m + "\n";
    if (!base.illisibles.empty()) r.code = 2;
    r.sortie = espaces_simples(
        texte_statistiques(statistiques(base.index, position.disques, position.blanc_au_trait)));
    return r;
}

} // namespace tavik
