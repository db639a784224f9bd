// French typography: a non-breaking space before ":", ";", "!", "?", "%" and "»", and after
// "«", in every text that the program shows or prints.

#include "database/texte_statistiques.h"
#include "harnais.h"
#include "library/fichier.h"
#include "library/source_biblio.h"
#include "library/verification.h"
#include "record/typographie.h"
#include "support.h"

#include <functional>
#include <gtest/gtest.h>

namespace tavik::test {

namespace {

// Where a text has a plain space that French typography wants non-breaking, quoted with what
// surrounds it; empty when there is none.
std::string espace_fautive(const std::string& texte)
{
    for (std::size_t i = 0; i < texte.size(); ++i) {
        if (texte[i] != ' ') continue;
        const std::string_view apres = std::string_view(texte).substr(i + 1);
        const bool signe
            = !apres.empty() && std::string_view(":;!?%").find(apres[0]) != std::string_view::npos;
        if (signe || apres.starts_with("»") || std::string_view(texte).substr(0, i).ends_with("«"))
            return "[" + texte.substr(i < 20 ? 0 : i - 20, 40) + "] in: " + texte;
    }
    return {};
}

// Every text of the windows as the user sees them now, to `voit`; the chooser's list, which
// changes only with the library, when `liste_du_choix`.
void textes_des_fenetres(fuzz::Harnais& h, bool liste_du_choix,
                         const std::function<void(const std::string&)>& voit)
{
    const ControlesPlateau& c = h.plateau().controles;
    for (const std::string* t : {&c.LblOuverture.legende, &c.LblBilan.legende,
                                 &c.LblCommentaire.legende, &c.bulle.texte, &c.TxtSuivant.texte})
        voit(*t);
    const auto liste = [&voit](const Liste& l) {
        for (const Liste::Entree& e : l.entrees) voit(e.texte);
    };
    liste(c.LstCoup);
    liste(c.LstSuite);
    if (liste_du_choix) liste(h.ouverture().LstOuverture);
    if (const Entrainement* e = h.entrainement()) {
        for (const Etiquette* l : {&e->LblAnnonce, &e->LblMessage, &e->LblLigne, &e->LblBilan,
                                   &e->LblCommentaire, &e->LblScore, &e->LblProgres, &e->LblConnues,
                                   &e->LblDues, &e->LblNouvelles, &e->LblApprentissage})
            voit(l->legende);
        liste(e->LstOuverture);
        liste(e->LstFaibles);
    }
    for (const std::string& m : h.messages()) voit(m);
}

} // namespace

TEST(Typographie, NonBreakingSpacesWhereFrenchWantsThem)
{
    const std::pair<const char*, const char*> cas[] {
        {"Bilan : égal", "Bilan\u00a0: égal"},
        {"Tigre ; Chat ! Rose ? 50 %", "Tigre\u00a0; Chat\u00a0! Rose\u00a0? 50\u00a0%"},
        {"le coup « F5 » joué", "le coup «\u00a0F5\u00a0» joué"},
        {"Déjà\u00a0: fait", "Déjà\u00a0: fait"},
        {":début, fin :", ":début, fin\u00a0:"},
        {"a  : b", "a \u00a0: b"},
        {"Moteur : noir +2/Anglais : Tiger", "Moteur\u00a0: noir +2/Anglais\u00a0: Tiger"},
        {"C4 E3 F6", "C4 E3 F6"},
    };
    for (const auto& [texte, attendu] : cas) EXPECT_EQ(typographie_francaise(texte), attendu);
    EXPECT_EQ(guillemets("Tigre"), "«\u00a0Tigre\u00a0»");
}

// A sample session on the shipped library with a few faulty lines: the load report, the three
// windows through thousands of user actions (drill sessions, pastes, loads, refusals and game
// ends among them), then the checker's report and the game statistics.
TEST(Typographie, EveryTextOfASessionSpacesItsPunctuation)
{
    std::string octets, raison;
    ASSERT_TRUE(lit_fichier(TAVIK_DATA_DIR "/biblio.csv", octets, raison)) << raison;
    octets += "Fautive;;C4C4;eq\nLongue;;C4E3;eq;a;b;c;d\nInconnue;;C4E3;zz\n";

    std::vector<std::string> fautes;
    const auto voit = [&fautes](const std::string& t) {
        if (const std::string f = espace_fautive(t); !f.empty() && fautes.size() < 5)
            fautes.push_back(f);
    };
    const auto examine = [&voit](const std::vector<std::string>& textes) {
        for (const std::string& t : textes) voit(t);
    };
    fuzz::SourceGraine source(14);
    fuzz::Harnais h(octets, source);
    ASSERT_FALSE(h.messages().empty()); // the faulty lines were reported
    textes_des_fenetres(h, true, voit);
    for (int i = 0; i < 3000; ++i) {
        h.joue(fuzz::tire_action(source, h.plateau(), h.ouverture(), h.entrainement()));
        textes_des_fenetres(h, i % 1000 == 0, voit);
    }
    EXPECT_GT(h.statistiques().exercices, 0) << h.statistiques().seances;
    EXPECT_GT(h.statistiques().erreurs, 0);

    examine({texte_verification(verifie_biblio(octets))});
    const FichierTemporaire parties("f5d6c3d3c4\nf5f6e6f4\nf5d6c9\n", "parties.txt");
    const std::filesystem::path fichiers[] {parties.chemin(),
                                            parties.chemin().parent_path() / "x.wtb"};
    const ReponseStatistiques r = repond_statistiques(fichiers, "f5");
    // The statistics are for scripts, which split at plain spaces; the messages are French text.
    examine({r.erreurs});
    EXPECT_NE(r.erreurs, "");
    EXPECT_NE(r.sortie.find(" : noir "), std::string::npos) << r.sortie;
    EXPECT_EQ(r.sortie.find("\u00a0"), std::string::npos) << r.sortie;
    examine({message_biblio_introuvable(candidats_biblio({.fichier_nomme = {},
                                                          .dossier_de_travail = "/t",
                                                          .donnees_utilisateur = "/d",
                                                          .installation = "/i"}))});
    EXPECT_EQ(fautes, std::vector<std::string> {});
}

} // namespace tavik::test
