// What a screen reader says of the training window and of its controls.
#include "elements.h"
#include "fenetre_entrainement.h"

namespace tavik::ui {

void FenetreEntrainement::decrit_controles()
{
    static constexpr DescriptionAccessible descriptions[] = {
        {"lbl_couleur", "Couleur", "Légende du choix de la couleur"},
        {"OptNoir", "Noir", "S'entraîner avec les noirs"},
        {"OptBlanc", "Blanc", "S'entraîner avec les blancs"},
        {"ChkDepuisF5", "À partir de F5",
         "Coché, les lignes sont écrites et jouées à partir de F5\u00a0; sinon à partir de C4"},
        {"onglets", "Pages", "La séance d'entraînement et les progrès"},
        {"lbl_lignes", "Lignes à entraîner", "Légende du choix des lignes"},
        {"OptTout", "Toute la bibliothèque", "Entraîner toutes les lignes de la bibliothèque"},
        {"OptPosition", "Position du plateau",
         "Entraîner les lignes qui passent par la position affichée sur le plateau"},
        {"OptOuverture", "Une ouverture", "Entraîner l'ouverture choisie dans la liste"},
        {"OptMesParties", "Lignes de mes parties",
         "Entraîner les lignes là où vos parties sont sorties de la bibliothèque"},
        {"CmdViderMesParties", "Vider les lignes de mes parties",
         "Oublie les positions retenues depuis «\u00a0Mes parties\u00a0», après "
         "confirmation\u00a0; "
         "votre progression sur leurs lignes est gardée"},
        {"TxtFiltre", "Filtre", "Ne liste que les ouvertures dont le nom contient ce texte"},
        {"LstOuverture", "Liste des ouvertures", "Choisissez l'ouverture à entraîner"},
        {"CmdCommencer", "Commencer", "Commence une séance d'exercices sur le plateau"},
        {"CmdArreter", "Arrêter", "Termine la séance\u00a0; la partie reste sur le plateau"},
        {"CmdSuivant", "Suivant", "Commence l'exercice suivant"},
        {"LblAnnonce", "Exercice", "La ligne que l'exercice vous fait jouer"},
        {"LblMessage", "Message", "Ce que le dernier coup a donné, ou ce qu'il reste à faire"},
        {"lbl_ligne", "Ligne", "Légende du nom de la ligne terminée"},
        {"LblLigne", "Ligne", "Le nom de la ligne terminée"},
        {"lbl_bilan", "Bilan", "Légende de l'évaluation"},
        {"LblBilan", "Bilan", "L'évaluation de la ligne terminée"},
        {"lbl_commentaire", "Commentaire", "Légende du commentaire"},
        {"LblCommentaire", "Commentaire", "Le commentaire de la ligne terminée"},
        {"lbl_score", "Score", "Légende du score"},
        {"LblScore", "Score", "Les coups trouvés du premier coup dans l'exercice"},
        {"LblProgres", "Progrès", "La couleur et les lignes comptées"},
        {"lbl_connues", "Lignes connues", "Légende du nombre de lignes connues"},
        {"LblConnues", "Lignes connues", "Les lignes retrouvées à leur dernière revue"},
        {"lbl_dues", "À revoir aujourd'hui", "Légende du nombre de lignes à revoir"},
        {"LblDues", "À revoir aujourd'hui", "Les lignes dont la revue tombe aujourd'hui"},
        {"lbl_nouvelles", "Nouvelles", "Légende du nombre de nouvelles lignes"},
        {"LblNouvelles", "Nouvelles", "Les lignes jamais entraînées"},
        {"lbl_apprentissage", "En apprentissage", "Légende du nombre de lignes en apprentissage"},
        {"LblApprentissage", "En apprentissage", "Les lignes manquées à leur dernière revue"},
        {"lbl_faibles", "Lignes les plus faibles", "Légende de la liste des lignes faibles"},
        {"LstFaibles", "Lignes les plus faibles",
         "Les dix lignes les plus souvent manquées, avec leur taux d'échec"},
        {"lbl_jours", "Les 30 derniers jours", "Légende du graphique"},
        {"graphique", "Graphique", "Les revues et les erreurs de chacun des 30 derniers jours"},
        {"lbl_nouvelles_par_jour", "Nouvelles lignes par jour",
         "Légende du nombre de nouvelles lignes par jour"},
        {"TxtNouvelles", "Nouvelles lignes par jour",
         "Le nombre de lignes nouvelles que les séances proposent chaque jour"},
        {"CmdExporter", "Exporter la progression",
         "Enregistre une copie de toute la progression dans le fichier de votre choix"},
        {"CmdImporter", "Importer une progression",
         "Ajoute à la progression les exercices d'une progression exportée qu'elle n'a pas "
         "encore"},
    };
    setAccessibleDescription(
        QStringLiteral("L'entraînement aux ouvertures\u00a0: exercices sur le plateau et progrès"));
    decrit_pour_lecteur(*this, descriptions,
                        QStringLiteral("Un trait qui sépare deux parties de la page"));
}

} // namespace tavik::ui
