#include "library/cle_ligne.h"
#include "library/verification.h"
#include "support.h"

#include <gtest/gtest.h>

namespace tavik::test {

// Each finding as "line E|A text", E for an error, A for a warning.
static std::vector<std::string> resume(const std::vector<Constat>& constats)
{
    std::vector<std::string> lignes;
    for (const Constat& c : constats)
        lignes.push_back(std::to_string(c.ligne) + (c.gravite == Gravite::erreur ? " E " : " A ")
                         + c.texte);
    return lignes;
}

static const std::string entete = "Nom;Name;Coups;Bilan;Commentaire;Sources\n";

// One small file for each thing that can be wrong with a library, and the files that the
// program reads as they are meant (the first): each, after the header and before a last usable
// line, gives exactly its findings.
TEST(Verification, EachBadFileGivesItsFindingsAndGoodFilesNone)
{
    const std::string tigre = "Tigre;Tiger;C4E3 F6E6 F5;eq;Anglais : Tiger;source\n";
    const std::pair<std::string, std::vector<std::string>> cas[] = {
        {"tigre;;c4e3 f6e6 f5;;bon, sûr, classique;\nPerpendiculaire;;C4E3\n", {}},
        {"Tigre;;C4E3 F6E6 F5;eq;;;en trop\n",
         {"2 E plus de 6 champs\u00a0: le texte au-delà du sixième est ignoré"}},
        {tigre + "\n;;;;;\n",
         {"3 A ligne sans nom ni coups\u00a0: une entrée vide dans la liste des ouvertures",
          "4 A ligne sans nom ni coups\u00a0: une entrée vide dans la liste des ouvertures"}},
        {"Ouvertures diagonales;;;;;\n",
         {"2 A aucun coup\u00a0: l'entrée charge la position de départ et la recherche ne l'atteint "
          "jamais"}},
        {"Tigre,Tiger,C4E3 F6E6 F5,eq\n",
         {"2 A aucun coup\u00a0: l'entrée charge la position de départ et la recherche ne l'atteint "
          "jamais\u00a0; les champs semblent séparés par «\u00a0,\u00a0» au lieu de «\u00a0;\u00a0»"}},
        {"Tigre\tTiger\tC4E3 F6E6 F5\n",
         {"2 A aucun coup\u00a0: l'entrée charge la position de départ et la recherche ne l'atteint "
          "jamais\u00a0; les champs semblent séparés par «\u00a0[U+0009]\u00a0» au lieu de «\u00a0;\u00a0»"}},
        {"Tigre;C4E3 F6E6 F5;eq\n",
         {"2 E le coup 1 «\u00a0EQ\u00a0» n'est pas une case\u00a0; le champ 2 «\u00a0C4E3 F6E6 F5\u00a0» ressemble à des "
          "coups\u00a0: un champ manque ou est de trop"}},
        {"Tigre;;C4E3 F6E6 F;eq; \n", {"2 E le dernier coup «\u00a0F\u00a0» est incomplet"}},
        {"Tigre;;C4E3 F6I6;eq\nTigre;;C4E3 F6E6 F0\n",
         {"2 E le coup 4 «\u00a0I6\u00a0» n'est pas une case", "3 E le coup 5 «\u00a0F0\u00a0» n'est pas une case"}},
        {"Tigre;;C4E3 F6F6;eq\n", {"2 E le coup 4 «\u00a0F6\u00a0» n'est pas jouable"}},
        {"Tigre;;F5D6 C3D3 C4;eq\nX;;E6F4 C3C4 D3;eq\n",
         {"2 E jamais atteinte par la recherche\u00a0: elle commence par F5 et non par C4\u00a0; la même "
          "ligne depuis C4\u00a0: «\u00a0C4E3 F6E6 F5\u00a0»",
          "3 E jamais atteinte par la recherche\u00a0: elle commence par E6 et non par C4\u00a0; la même "
          "ligne depuis C4\u00a0: «\u00a0C4E3 F6E6 F5\u00a0»",
          "3 A même ligne que la ligne 2 sur des cases symétriques à partir du coup 1, sous deux "
          "noms\u00a0: «\u00a0Tigre\u00a0» et «\u00a0X\u00a0»"}},
        {"A;;C4E3F6E6 F5\nB;;C4E3 F6 \nC;; C4E3\nD;;C4E3  F6E6\nE;;C4 E3F6E6 F5G6\n"
         "F;;C4E3 F6E6 F5G6 F 4\n",
         {"2 E jamais atteinte par la recherche\u00a0: il manque l'espace entre le coup 2 «\u00a0E3\u00a0» et "
          "le coup 3 «\u00a0F6\u00a0»",
          "3 E jamais atteinte par la recherche\u00a0: un blanc à la fin",
          "4 E jamais atteinte par la recherche\u00a0: un blanc au début",
          "5 E jamais atteinte par la recherche\u00a0: plus d'un espace entre le coup 2 «\u00a0E3\u00a0» et le "
          "coup 3 «\u00a0F6\u00a0»",
          "6 E jamais atteinte par la recherche\u00a0: un espace entre le coup 1 «\u00a0C4\u00a0» et le coup 2 "
          "«\u00a0E3\u00a0», qui forment une paire et s'écrivent collés",
          "7 E jamais atteinte par la recherche\u00a0: un espace au milieu du coup 7 «\u00a0F4\u00a0»"}},
        {tigre + "Tigre;;C4E3 F6E6 F5;b+\nTiger;;c4e3 f6e6 f5;eq\n",
         {"3 E mêmes coups et même nom que la ligne 2\u00a0: «\u00a0Tigre\u00a0»",
          "4 E mêmes coups que la ligne 2, sous deux noms\u00a0: «\u00a0Tigre\u00a0» et «\u00a0Tiger\u00a0»"}},
        {"A;;C4C3 D3C5 F6F5 E6\nB;;C4C3 D3E3 F6E6 F5\nA;;C4C3 D3E3 F6E6 F5G6\n"
         "A;;C4C3 D3C5 F6F5 E6F7\n",
         {"3 A même ligne que la ligne 2 sur des cases symétriques à partir du coup 4, sous deux "
          "noms\u00a0: «\u00a0A\u00a0» et «\u00a0B\u00a0»"}},
        {"A;;C4;N+\nB;;C4E3; eq \nC;;C4E3 F6;bien\nD;;C4C3;n+=\n",
         {"2 A code d'évaluation «\u00a0N+\u00a0» inconnu\u00a0: le bilan reste vide («\u00a0n+\u00a0»\u00a0?)",
          "3 A code d'évaluation «\u00a0 eq \u00a0» inconnu\u00a0: le bilan reste vide («\u00a0eq\u00a0»\u00a0?)",
          "4 A code d'évaluation «\u00a0bien\u00a0» inconnu\u00a0: le bilan reste vide"}},
        {" ;;C4E3;eq\n",
         {"2 A ouverture sans nom\u00a0: son entrée est vide dans la liste des ouvertures et la "
          "recherche ne peut pas la nommer"}},
    };
    for (const auto& [octets, attendus] : cas) {
        const std::vector<Constat> constats = verifie_biblio(entete + octets + "Z;;C4C5\n");
        EXPECT_EQ(resume(constats), attendus) << octets;
        EXPECT_EQ(code_verification(constats),
                  std::any_of(attendus.begin(), attendus.end(),
                              [](const std::string& s) { return s.find(" E ") != s.npos; }))
            << octets;
    }
}

// What concerns the file as a whole: it cannot be loaded, it holds no opening, it lacks its
// header, it mixes encodings, or it has more records than the table holds. The report gives one
// finding a line, ranges of lines written out, then the count in French, singular for one (the
// command line's Qt test holds the plural and zero).
TEST(Verification, FileFindingsRangesOfLinesAndTheReport)
{
    EXPECT_EQ(resume(verifie_biblio(std::string("Nom\nA;;C4\0E3\n", 13))),
              (std::vector<std::string> {
                  "0 E le fichier ne peut pas être chargé\u00a0: il contient des caractères nuls\u00a0: ce "
                  "n'est pas un texte que Tavik sait lire (enregistrez-le en UTF-8)"}));
    EXPECT_EQ(resume(verifie_biblio(entete)),
              (std::vector<std::string> {"0 E aucune ouverture après l'en-tête"}));
    // Files of other programs, or written with another separator: not one opening to use.
    for (const std::string autre :
         {"Tigre,Tiger,C4E3 F6E6 F5,eq\n", "Tigre\tTiger\tC4E3 F6E6 F5\n",
          "\"Tigre\",\"Tiger\",\"C4E3 F6E6 F5\"\n",
          "Auteur;Titre;Année\nHugo;Les Misérables;1862\n", ";;\n;;;;;\n"}) {
        const std::vector<Constat> constats = verifie_biblio(entete + autre);
        EXPECT_EQ(code_verification(constats), 1) << autre;
        EXPECT_EQ(resume(constats)[0],
                  "0 E aucune ouverture utilisable\u00a0: aucune ligne n'a de coups jouables dans son "
                  "troisième champ")
            << autre;
    }
    EXPECT_EQ(resume(verifie_biblio("Tigre;;C4E3 F6E6 F5;eq\nX;;C4;eq\n")),
              (std::vector<std::string> {
                  "1 A la première ligne est l'en-tête, jamais lue comme une ouverture, mais elle "
                  "en a l'air («\u00a0C4E3 F6E6 F5\u00a0»)\u00a0: l'en-tête manque-t-il\u00a0?"}));
    EXPECT_EQ(resume(verifie_biblio("Nom\rÉté;;C4E3\r\nHiver \xE9t\xE9;;C4\r\n")),
              (std::vector<std::string> {
                  "3 A le fichier mêle l'UTF-8 et un autre codage (octet 0xE9)\u00a0: il est lu en "
                  "entier en Windows-1252, et ses lettres accentuées écrites en UTF-8 "
                  "s'afficheront mal («\u00a0Ã©\u00a0» pour «\u00a0é\u00a0»)"}));
    EXPECT_TRUE(verifie_biblio("Nom\nHiver \xE9t\xE9;;C4\n").empty()); // Windows-1252 alone
    const std::vector<Constat> hors
        = verifie_biblio(entete + "A;;C4\nB;;C4E3\nC;;C4E3 I6\nD;;C4\n", 2);
    EXPECT_EQ(resume(hors),
              (std::vector<std::string> {
                  "4 E 2 enregistrements au-delà des 2 que la bibliothèque peut tenir, ignorés"}));
    EXPECT_EQ(hors[0].nombre, 2u);
    EXPECT_EQ(
        texte_verification({{0, 1, Gravite::avertissement, "a"}, hors[0]}),
        "fichier\u00a0: avertissement\u00a0: a\nlignes 4 à 5\u00a0: erreur\u00a0: 2 enregistrements au-delà des 2 "
        "que la bibliothèque peut tenir, ignorés\n1 erreur, 1 avertissement\n");
}

// The chooser refuses exactly the lines whose moves the checker finds faulty; a loaded line's
// name shows exactly when the checker finds it reachable.
TEST(Verification, TheChooserAndTheLookupAgreeWithTheChecker)
{
    const std::vector<std::string> lignes(
        {"A;;C4E3", "B;;c4e3 f6", "C;;C4E3 F6E6 ", "D;;C4E3  F6E6 F5", "E;;C4E3F6E6 F5G6",
         "F;;F5D6 C3D3 C4F4", "G;;D3C5 F6F5", "H;;C4 E3F6E6 F5C5", "I;;C4C3 D3C5 F6F5", "J;; C4C3",
         "K;;E6F4 C3C4 D3C2", "M;;C4E3 F6F6", "L;;C4C3 D3E3 F6E6 F5 ", "N;;C4E3\t", "O;;C4E3 I6",
         "P;; ", ";;\t"});
    const std::vector<Constat> constats = verifie_biblio(fichier_de(lignes));
    Fenetre f(lignes);
    f.ouverture->Form_Load();
    for (int r = 0; r < static_cast<int>(lignes.size()); ++r) {
        std::string dit; // F: faulty moves, I: never reached, V: no moves
        for (const Constat& c : constats) {
            if (c.ligne != static_cast<std::size_t>(r) + 2) continue;
            if (c.texte.starts_with("jamais atteinte"))
                dit += 'I';
            else if (c.texte.starts_with("aucun coup"))
                dit += 'V';
            else if (c.gravite == Gravite::erreur)
                dit += 'F';
        }
        const std::size_t messages = f.hote.messages.size();
        f.p().controles.LblOuverture.legende.clear();
        f.ouverture->LstOuverture.selection = r;
        f.ouverture->Cmdcharger_Click();
        const bool refusee = f.hote.messages.size() > messages;
        EXPECT_EQ(refusee, dit.find('F') != dit.npos) << lignes[r];
        if (refusee || dit.find('V') != dit.npos) continue;
        EXPECT_EQ(f.p().controles.LblOuverture.legende == lignes[r].substr(0, 1),
                  dit.find('I') == dit.npos)
            << lignes[r];
    }
}

} // namespace tavik::test
