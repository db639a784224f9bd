#include "support.h"

#include <gtest/gtest.h>

namespace tavik::test {

namespace {

struct Seance
{
    explicit Seance(int16_t couleur = noir, std::vector<int> lignes = {})
        : session(rep, carnet, couleur,
                  lignes.empty() ? portee_complete(rep, couleur) : std::move(lignes),
                  hote.services())
    {
    }

    // Plays the learner's moves ("C4 F6"), each followed by the program's answer when it is
    // its turn; returns the program's answers.
    std::string joue(const std::string& coups)
    {
        std::vector<Case> reponses;
        for (std::size_t i = 0; i + 1 < coups.size(); i += 3) {
            const Verdict v = session.coup_utilisateur(case_ecrite(coups.substr(i, 2)));
            EXPECT_NE(v.jugement, Jugement::erreur) << v.message;
            while (const std::optional<Case> c = session.coup_programme()) reponses.push_back(*c);
        }
        return texte(reponses);
    }

    FichierTemporaire fichier {"", "entrainement.sqlite"};
    BiblioChargee biblio {petite_biblio()};
    Repertoire rep = construit_repertoire(biblio.biblio, biblio.nb);
    HoteEntrainement hote;
    Carnet carnet = Carnet::ouvre(fichier.chemin(), hote.maintenant.secondes);
    Session session;
};

// The finished exercise as "name|row|evaluation|comment|score", or "" while it goes on.
std::string bilan(const Session& s)
{
    const std::optional<Bilan>& b = s.bilan();
    return b ? b->nom + "|" + std::to_string(b->rangee) + "|" + b->bilan + "|" + b->commentaire
            + "|" + b->score
             : "";
}

} // namespace

// A day of exercises for black through the core, each step below, then the notebook's file read
// back.
TEST(Session, ADayOfExercisesWrittenToTheNotebook)
{
    Seance s;
    Session& session = s.session;
    const Jour d = s.hote.maintenant.jour;
    ASSERT_TRUE(s.carnet.avertissement().empty());

    // 1. Bill is new and first; the learner goes F4, Cheval's way: accepted, Cheval aimed at.
    session.nouvel_exercice();
    EXPECT_EQ(session.annonce(), "Nouvelle ligne : Bill (C4E3 F6E6 F5G6)");
    EXPECT_FALSE(session.coup_programme().has_value());
    EXPECT_EQ(s.joue("C4"), "E3");
    const Verdict autre = session.coup_utilisateur(case_ecrite("F4"));
    EXPECT_EQ(autre.jugement, Jugement::autre_ligne);
    EXPECT_EQ(autre.message, "Autre ligne de la bibliothèque : coup accepté.");
    EXPECT_EQ(session.annonce(), "Nouvelle ligne : Cheval (C4E3 F4C5 E6)");
    EXPECT_EQ(texte({*session.coup_programme()}), "C5");
    EXPECT_EQ(s.joue("E6"), "");
    EXPECT_EQ(bilan(session),
              "Cheval|7|Léger avantage à blanc.||3 coups sur 3 trouvés du premier coup");

    // 2. Bill again, played from F5: the program answers in the same orientation.
    session.nouvel_exercice();
    EXPECT_EQ(session.motif(), Motif::nouvelle);
    EXPECT_EQ(s.joue("F5 C3 C4"), "D6 D3 B3");
    EXPECT_EQ(bilan(session),
              "Bill|2|Léger avantage à noir.|voir F5/n+=|3 coups sur 3 trouvés du premier coup");

    // 3. Tigre centrale with a wrong move, which is not played; an occupied square and a press
    // out of turn are ignored.
    session.nouvel_exercice();
    EXPECT_EQ(s.joue("C4 F6"), "E3 E6");
    EXPECT_EQ(session.coup_utilisateur(case_ecrite("D4")).jugement, Jugement::refuse);
    const Verdict faux = session.coup_utilisateur(case_ecrite("D6"));
    EXPECT_EQ(faux.jugement, Jugement::erreur);
    EXPECT_EQ(faux.message, "Coup hors bibliothèque. Coup de la bibliothèque : F5.");
    EXPECT_EQ(texte(faux.coups_biblio), "F5");
    EXPECT_EQ(s.joue("F5"), "C5");
    EXPECT_EQ(s.joue("F4"), "");
    EXPECT_EQ(bilan(session), "Tigre centrale|3|Egalité.||3 coups sur 4 trouvés du premier coup");

    // 4. Ishii tigre: the program draws the E3 side of the symmetric position; its own row.
    session.nouvel_exercice();
    EXPECT_EQ(s.joue("C4"), "C3");
    s.hote.tirages = {0.75f};
    EXPECT_EQ(s.joue("D3"), "E3");
    EXPECT_EQ(s.joue("F6 F5"), "E6");
    EXPECT_EQ(bilan(session),
              "Ishii tigre|5|Egalité.|côté E3|4 coups sur 4 trouvés du premier coup");

    // 5. Parallèle ends on the program's move.
    session.nouvel_exercice();
    EXPECT_EQ(session.annonce(), "Nouvelle ligne : Parallèle (C4C5)");
    EXPECT_EQ(s.joue("C4"), "C5");
    EXPECT_EQ(bilan(session), "Parallèle|6|Avantage à noir.||1 coup sur 1 trouvé du premier coup");

    // 6. Nothing new is left and nothing is due: the failed line comes back the same day.
    session.nouvel_exercice();
    EXPECT_EQ(session.annonce(), "À reprendre : Tigre centrale");
    EXPECT_EQ(s.joue("C4 F6 F5 F4"), "E3 E6 C5");

    // 7. Free practice: the program draws among every line; this one is left unfinished.
    session.nouvel_exercice();
    EXPECT_EQ(session.annonce(), "Rien à revoir pour l'instant : entraînement libre.");
    EXPECT_EQ(s.joue("C4"), "E3");

    const auto f = s.fichier.chemin();
    EXPECT_EQ(
        sql(f,
            "SELECT l.cle, r.jour - " + std::to_string(d)
                + ", r.coups, r.trouves, r.erreurs, r.qualite FROM revue r "
                  "JOIN ligne l ON l.id = r.ligne ORDER BY r.id"),
        (std::vector<std::string> {"C4E3 F4C5 E6|0|3|3|0|5", "C4E3 F6E6 F5G6|0|3|3|0|5",
                                   "C4E3 F6E6 F5C5 F4|0|4|3|1|2", "C4C3 D3C5 F6F5 E6|0|4|4|0|5",
                                   "C4C5|0|1|1|0|5", "C4E3 F6E6 F5C5 F4|0|4|4|0|5"}));
    EXPECT_EQ(sql(f,
                  "SELECT couleur, repetitions, facilite, intervalle, echeance - "
                      + std::to_string(d)
                      + ", derniere_qualite, revues, echecs FROM ligne WHERE cle = "
                        "'C4E3 F6E6 F5C5 F4'"),
              std::vector<std::string> {"2|0|2.5|1|1|5|2|1"});

    // The next day, in a new session: every line is due, the least easy first.
    s.hote.lendemain();
    Session lendemain(s.rep, s.carnet, noir, portee_complete(s.rep, noir), s.hote.services());
    lendemain.nouvel_exercice();
    EXPECT_EQ(lendemain.annonce(), "Révision : Tigre centrale");
    const Progres p = lendemain.progres();
    EXPECT_EQ(resume(p), "0 ligne connue, 5 à revoir aujourd'hui, 0 nouvelle, 0 en apprentissage");
    EXPECT_EQ(p.jours[28], (JourActivite {d, 6, 1}));
    EXPECT_EQ(p.jours[29], (JourActivite {d + 1, 0, 0}));
}

// Training white, the program opens with one of black's four first moves; a library move that
// leaves the lines chosen is an error, said as such.
TEST(Session, WhiteAgainstTheProgramsOpeningAndAMoveOutsideTheChoice)
{
    Seance s(blanc);
    s.session.nouvel_exercice();
    s.hote.tirages = {0.5f};
    EXPECT_EQ(texte({*s.session.coup_programme()}), "E6"); // C4 D3 E6 F5, the third
    EXPECT_EQ(s.joue("F4 C4 C2"), "C3 D3");
    EXPECT_EQ(s.session.bilan()->nom, "Bill");

    Seance choix(noir, {0, 1});
    choix.session.nouvel_exercice();
    EXPECT_EQ(choix.joue("C4"), "E3");
    const Verdict v = choix.session.coup_utilisateur(case_ecrite("F4"));
    EXPECT_EQ(v.jugement, Jugement::erreur);
    EXPECT_EQ(v.message, "Coup hors des lignes choisies. Coup de ces lignes : F6.");
}

// The library changes: a renamed line keeps its history; a line that left it is not shown but
// stays in the notebook, and comes back with its history when the library holds it again.
TEST(Session, RenamedAndRemovedLines)
{
    Seance s;
    s.session.nouvel_exercice(); // Bill
    s.joue("C4 F6 F5");
    s.session.nouvel_exercice(); // Tigre centrale
    s.joue("C4 F6 F5 F4");
    ASSERT_EQ(s.carnet.etats(noir).size(), 2u);

    std::vector<std::string> changee = petite_biblio();
    changee[2] = "Bill - de Grey;;C4E3 F6E6 F5G6;;";
    changee.erase(changee.begin() + 3); // Tigre centrale
    const BiblioChargee b(changee);
    const Repertoire rep = construit_repertoire(b.biblio, b.nb);
    const Etats etats = etats_de(rep, s.carnet, noir);
    ASSERT_EQ(rep.nom(0), "Bill - de Grey");
    EXPECT_TRUE(etats[0].has_value());
    const Progres p = progres_de(rep, s.carnet, noir, portee_complete(rep, noir), etats,
                                 s.hote.maintenant.jour);
    EXPECT_EQ(resume(p), "1 ligne connue, 0 à revoir aujourd'hui, 3 nouvelles, 0 en apprentissage");
    EXPECT_EQ(p.jours.back().revues, 2);
    EXPECT_EQ(s.carnet.etats(noir).size(), 2u);
    EXPECT_TRUE(etats_de(s.rep, s.carnet, noir)[1].has_value());
}

// Two lines failed today come back in turn, never the one just failed twice in a row.
TEST(Session, FailedLinesComeBackInTurn)
{
    Seance s(noir, {0, 1});
    const auto rate = [&](const std::string& annonce, const std::string& faux) {
        s.session.nouvel_exercice();
        EXPECT_EQ(s.session.annonce(), annonce);
        s.joue("C4 F6");
        EXPECT_EQ(s.session.coup_utilisateur(case_ecrite(faux)).jugement, Jugement::erreur);
        s.joue(s.session.exercice().cible() == 0 ? "F5" : "F5 F4");
        ASSERT_TRUE(s.session.bilan());
    };
    rate("Nouvelle ligne : Bill (C4E3 F6E6 F5G6)", "D6");
    rate("Nouvelle ligne : Tigre centrale (C4E3 F6E6 F5C5 F4)", "D6");
    rate("À reprendre : Bill", "F7");
    rate("À reprendre : Tigre centrale", "F7");
    rate("À reprendre : Bill", "F3");
}

} // namespace tavik::test
