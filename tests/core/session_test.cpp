#include "support.h"

#include <gtest/gtest.h>

namespace tavik::test {

namespace {

struct Seance
{
    explicit Seance(int16_t couleur = noir, std::vector<int> lignes = {},
                    ReglagesSession reglages = {})
        : session(rep, carnet, couleur,
                  lignes.empty() ? portee_complete(rep, couleur) : std::move(lignes),
                  hote.services(), reglages)
    {
    }
    // Black on the whole of a library of its own.
    explicit Seance(const std::vector<std::string>& enregistrements)
        : biblio(enregistrements)
        , session(rep, carnet, noir, portee_complete(rep, noir), hote.services(),
                  {.toute_la_bibliotheque = true})
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
// back. Black's items: Tigre (Bill cut at black's F5), Tigre centrale, Ishii tigre, Cheval; new
// ones come shortest first. Parallèle, where black's first move is all, is no item.
TEST(Session, ADayOfExercisesWrittenToTheNotebook)
{
    Seance s;
    Session& session = s.session;
    const Jour d = s.hote.maintenant.jour;
    ASSERT_TRUE(s.carnet.avertissement().empty());

    // 1. Tigre: a wrong move marks Tigre's F6 only, not Cheval's F4; the learner then goes F4,
    // Cheval's way: the miss is Tigre's, graded at once, and Cheval is found clean.
    session.nouvel_exercice();
    EXPECT_EQ(session.annonce(), "Nouvelle ligne\u00a0: Tigre (C4E3 F6E6 F5)");
    EXPECT_FALSE(session.coup_programme().has_value());
    EXPECT_EQ(s.joue("C4"), "E3");
    const Verdict faux = session.coup_utilisateur(case_ecrite("F2"));
    EXPECT_EQ(faux.jugement, Jugement::erreur);
    EXPECT_EQ(faux.message, "Coup hors bibliothèque. Coup de la ligne\u00a0: F6.");
    EXPECT_EQ(texte(faux.coups_biblio), "F6");
    const Verdict autre = session.coup_utilisateur(case_ecrite("F4"));
    EXPECT_EQ(autre.jugement, Jugement::autre_ligne);
    EXPECT_EQ(autre.message, "Autre ligne de la bibliothèque\u00a0: coup accepté.");
    EXPECT_EQ(session.annonce(), "Nouvelle ligne\u00a0: Cheval (C4E3 F4C5 E6)");
    EXPECT_EQ(texte({*session.coup_programme()}), "C5");
    EXPECT_EQ(s.joue("E6"), "");
    EXPECT_EQ(bilan(session),
              "Cheval|7|Léger avantage à blanc.||2 coups sur 3 trouvés du premier coup");

    // 2. Tigre centrale, new, with a wrong move, which is not played; an occupied square and a
    // press out of turn are ignored. Tigre, missed one exercise ago, waits one more.
    session.nouvel_exercice();
    EXPECT_EQ(session.annonce(), "Nouvelle ligne\u00a0: Tigre centrale (C4E3 F6E6 F5C5 F4)");
    EXPECT_EQ(s.joue("C4 F6"), "E3 E6");
    EXPECT_EQ(session.coup_utilisateur(case_ecrite("D4")).jugement, Jugement::refuse);
    EXPECT_EQ(session.coup_utilisateur(case_ecrite("D6")).message,
              "Coup hors bibliothèque. Coup de la ligne\u00a0: F5.");
    EXPECT_EQ(s.joue("F5"), "C5");
    EXPECT_EQ(s.joue("F4"), "");
    EXPECT_EQ(bilan(session), "Tigre centrale|3|Egalité.||3 coups sur 4 trouvés du premier coup");

    // 3. Tigre's relearning step has come, before the new Ishii tigre; played from F5, the
    // program answers in the same orientation and ends on Bill.
    session.nouvel_exercice();
    EXPECT_EQ(session.annonce(), "À reprendre\u00a0: Tigre");
    EXPECT_EQ(s.joue("F5 C3 C4"), "D6 D3 B3");
    EXPECT_EQ(bilan(session),
              "Bill|2|Léger avantage à noir.|voir F5/n+=|3 coups sur 3 trouvés du premier coup");

    // 4. Ishii tigre: the program draws the E3 side of the symmetric position; its own row.
    session.nouvel_exercice();
    EXPECT_EQ(session.motif(), Motif::nouvelle);
    EXPECT_EQ(s.joue("C4"), "C3");
    s.hote.tirages = {0.75f};
    EXPECT_EQ(s.joue("D3"), "E3");
    EXPECT_EQ(s.joue("F6 F5"), "E6");
    EXPECT_EQ(bilan(session),
              "Ishii tigre|5|Egalité.|côté E3|4 coups sur 4 trouvés du premier coup");

    // 5. Nothing new is left and nothing is due: the failed line comes back the same day.
    session.nouvel_exercice();
    EXPECT_EQ(session.annonce(), "À reprendre\u00a0: Tigre centrale");
    EXPECT_EQ(s.joue("C4 F6 F5 F4"), "E3 E6 C5");

    // 6. Free practice: the program draws among every line; Parallèle is shown, not graded.
    session.nouvel_exercice();
    EXPECT_EQ(session.annonce(), "Rien à revoir pour l'instant\u00a0: entraînement libre.");
    s.hote.tirages = {0.9f}; // E3, C3 or C5: the third
    EXPECT_EQ(s.joue("C4"), "C5");
    EXPECT_EQ(bilan(session), "Parallèle|6|Avantage à noir.||1 coup sur 1 trouvé du premier coup");

    const auto f = s.fichier.chemin();
    EXPECT_EQ(
        sql(f,
            "SELECT l.cle, r.jour - " + std::to_string(d)
                + ", r.coups, r.trouves, r.erreurs, r.qualite FROM revue r "
                  "JOIN ligne l ON l.id = r.ligne ORDER BY r.id"),
        (std::vector<std::string> {"C4E3 F6E6 F5|0|2|1|1|2", "C4E3 F4C5 E6|0|3|2|0|5",
                                   "C4E3 F6E6 F5C5 F4|0|4|3|1|2", "C4E3 F6E6 F5|0|3|3|0|5",
                                   "C4C3 D3C5 F6F5 E6|0|4|4|0|5", "C4E3 F6E6 F5C5 F4|0|4|4|0|5"}));
    EXPECT_EQ(sql(f,
                  "SELECT couleur, repetitions, facilite, intervalle, echeance - "
                      + std::to_string(d)
                      + ", derniere_qualite, revues, echecs FROM ligne WHERE cle = "
                        "'C4E3 F6E6 F5C5 F4'"),
              std::vector<std::string> {"2|0|2.5|1|1|5|2|1"});

    // The next day, in a new session: every item is due, a day past its last review; the
    // easiest first, of two found clean the first in file order, then the two missed.
    s.hote.lendemain();
    Session lendemain(s.rep, s.carnet, noir, portee_complete(s.rep, noir), s.hote.services());
    lendemain.nouvel_exercice();
    EXPECT_EQ(lendemain.annonce(), "Révision\u00a0: Ishii tigre");
    const Progres p = lendemain.progres();
    EXPECT_EQ(resume(p),
              "0 ligne connue, 4 à revoir aujourd'hui dont 0 en apprentissage, 0 nouvelle");
    EXPECT_EQ(p.jours[28], (JourActivite {d, 6, 2}));
    EXPECT_EQ(p.jours[29], (JourActivite {d + 1, 0, 0}));
}

// The learner leaves the line under review by another library move: the new line aimed at down
// that way is the first in the order of new lines, the shorter before the deeper, whatever
// the file's order.
TEST(Session, AnotherWayAimsAtItsShortestNewLine)
{
    Seance s({"Tigre;;C4E3 F6E6 F5;eq;", "Crochet en coin;;C4E3 F4C5 E6F5 F6F3 D6;eq;",
              "Cheval Muller;;C4E3 F4C5 E6F5 D6;eq;"});
    s.session.nouvel_exercice();
    EXPECT_EQ(s.session.annonce(), "Nouvelle ligne\u00a0: Tigre (C4E3 F6E6 F5)");
    EXPECT_EQ(s.joue("C4"), "E3");
    EXPECT_EQ(s.session.coup_utilisateur(case_ecrite("F4")).jugement, Jugement::autre_ligne);
    EXPECT_EQ(s.session.annonce(), "Nouvelle ligne\u00a0: Cheval Muller (C4E3 F4C5 E6F5 D6)");
    EXPECT_EQ(s.joue("F4 E6 D6"), "C5 F5");
    EXPECT_EQ(bilan(s.session), "Cheval Muller|2|eq||4 coups sur 4 trouvés du premier coup");
}

// Training white from F5, the line is announced in the orientation of the program's first
// move before it is played; drawn, that first move is any of black's four. A library move that
// leaves the lines chosen is an error, said as such.
TEST(Session, WhiteFromF5AndAMoveOutsideTheChoice)
{
    Seance f5(blanc, {0}, {.depuis_f5 = true});
    f5.session.nouvel_exercice();
    EXPECT_EQ(f5.session.annonce(), "Nouvelle ligne\u00a0: Bill (F5D6 C3D3 C4B3)");
    f5.hote.tirages = {0.0f};
    EXPECT_EQ(texte({*f5.session.coup_programme()}), "F5");
    EXPECT_EQ(f5.joue("D6 D3 B3"), "C3 C4");
    EXPECT_EQ(f5.session.bilan()->nom, "Bill");

    Seance s(blanc, {0});
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
    EXPECT_EQ(v.message, "Coup hors des lignes choisies. Coup de la ligne\u00a0: F6.");
}

// The library changes: a renamed line keeps its history; a line that left it is not shown but
// stays in the notebook, and comes back with its history when the library holds it again.
TEST(Session, RenamedAndRemovedLines)
{
    Seance s(noir, {0, 1});
    s.session.nouvel_exercice(); // Tigre, ending on Bill
    s.joue("C4 F6 F5");
    s.session.nouvel_exercice(); // Tigre centrale
    s.joue("C4 F6 F5 F4");
    ASSERT_EQ(s.carnet.etats(noir).size(), 2u);

    std::vector<std::string> changee = petite_biblio();
    changee[2] = "Bill - de Grey;;C4E3 F6E6 F5G6;;";
    changee.erase(changee.begin() + 3); // Tigre centrale
    const BiblioChargee b(changee);
    const Repertoire rep = construit_repertoire(b.biblio, b.nb);
    const ItemsCouleur items = items_de(rep, noir);
    const Etats etats = etats_de(rep, items, s.carnet, noir);
    ASSERT_EQ(rep.nom(0), "Bill - de Grey");
    EXPECT_TRUE(etats[0].has_value());
    const Progres p
        = progres_de(items, s.carnet, noir, items_des_lignes(items, portee_complete(rep, noir)),
                     etats, s.hote.maintenant.jour);
    EXPECT_EQ(resume(p),
              "1 ligne connue, 0 à revoir aujourd'hui dont 0 en apprentissage, 2 nouvelles");
    EXPECT_EQ(p.jours.back().revues, 2);
    EXPECT_EQ(s.carnet.etats(noir).size(), 2u);
    EXPECT_TRUE(etats_de(s.rep, items_de(s.rep, noir), s.carnet, noir)[1].has_value());
}

// Rows that an earlier version wrote line by line become their item's state: counts added,
// first and last days kept, the schedule of the one due soonest. Trained, the item gets a row
// of its own, which counts from then on; the old rows stay as they were.
TEST(Session, RowsOfLinesFoldIntoTheirItem)
{
    const BiblioChargee b(
        {"Tigre;;C4E3 F6E6 F5;eq;", "Bill;;C4E3 F6E6 F5G6;;", "Tigre c5;;C4E3 F6E6 F5C5;;"});
    const Repertoire rep = construit_repertoire(b.biblio, b.nb);
    Carnet carnet = Carnet::en_memoire();
    const EtatLigne bill {.repetitions = 2,
                          .facilite = 2.2,
                          .intervalle = 6,
                          .echeance = 105,
                          .premiere_revue = 90,
                          .derniere_revue = 99,
                          .derniere_qualite = 5,
                          .revues = 3,
                          .echecs = 1};
    const EtatLigne c5 {.repetitions = 3,
                        .facilite = 2.6,
                        .intervalle = 8,
                        .echeance = 103,
                        .premiere_revue = 95,
                        .derniere_revue = 95,
                        .derniere_qualite = 4,
                        .revues = 2,
                        .echecs = 0};
    std::string raison;
    ASSERT_TRUE(carnet.enregistre(
        noir, "C4E3 F6E6 F5G6", [&](const auto&) { return bill; }, {}, raison));
    ASSERT_TRUE(carnet.enregistre(
        noir, "C4E3 F6E6 F5C5", [&](const auto&) { return c5; }, {}, raison));

    const ItemsCouleur items = items_de(rep, noir);
    ASSERT_EQ(items.items.size(), 1u);
    EtatLigne attendu = c5;
    attendu.premiere_revue = 90;
    attendu.derniere_revue = 99;
    attendu.revues = 5;
    attendu.echecs = 1;
    EXPECT_EQ(etats_de(rep, items, carnet, noir), Etats {attendu});

    HoteEntrainement hote;
    hote.maintenant.jour = 103;
    Session session(rep, carnet, noir, portee_complete(rep, noir), hote.services());
    session.nouvel_exercice();
    EXPECT_EQ(session.annonce(), "Révision\u00a0: Tigre");
    for (const char* coup : {"C4", "F6", "F5"}) {
        session.coup_utilisateur(case_ecrite(coup));
        while (session.coup_programme()) { }
    }
    ASSERT_TRUE(session.bilan());
    const std::map<std::string, EtatLigne> lus = carnet.etats(noir);
    ASSERT_EQ(lus.size(), 3u);
    EXPECT_EQ(lus.at("C4E3 F6E6 F5G6"), bill);
    const EtatLigne& item = lus.at("C4E3 F6E6 F5");
    EXPECT_EQ(std::tie(item.revues, item.echecs, item.premiere_revue, item.repetitions),
              std::tuple(6, 1, 90, 4));
    EXPECT_EQ(etats_de(rep, items, carnet, noir), Etats {item});
}

// "Les lignes les plus faibles": the ten highest error rates, the highest first, at equal
// rates the item failed more often first.
TEST(Session, TheWeakestLinesFirst)
{
    ItemsCouleur items;
    Etats etats;
    std::vector<int> choix;
    for (int i = 0; i < 13; ++i) {
        items.items.push_back({"", {}, {}, "L" + std::to_string(i), false});
        // L0 to L11 failed 1 to 12 times in 12; L12 24 times in 24.
        const int revues = i < 12 ? 12 : 24;
        etats.push_back(
            EtatLigne {.echeance = 1000, .revues = revues, .echecs = i < 12 ? i + 1 : 24});
        choix.push_back(i);
    }
    items.items.push_back({"", {}, {}, "Jamais manquée", false});
    etats.push_back(EtatLigne {.echeance = 1000, .revues = 5});
    choix.push_back(13);
    const Progres p = calcule_progres(items, choix, etats, 10, {});
    std::vector<std::string> noms;
    for (const LigneFaible& l : p.plus_faibles) noms.push_back(l.nom);
    EXPECT_EQ(
        noms,
        (std::vector<std::string> {"L12", "L11", "L10", "L9", "L8", "L7", "L6", "L5", "L4", "L3"}));
    EXPECT_EQ(texte_ligne_faible(p.plus_faibles[1]), "L11\u00a0: 12 échecs sur 12 (100\u00a0%)");
}

} // namespace tavik::test
