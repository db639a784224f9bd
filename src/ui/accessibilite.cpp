// What the main window says to screen readers: a French name and description for every
// control, the board's tiles read as their squares, and the texts that follow the game.

#include "fenetre_plateau.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QLabel>

namespace tavik::ui {

namespace {

// The names of the controls whose text changes are completed by `actualise_descriptions`.
constexpr DescriptionAccessible descriptions[] = {
    {"logo", "Tavik", "Le logo du programme"},
    {"cmd_jouer", "Jouer",
     "Commence une nouvelle partie et relit la bibliothèque d'ouvertures (Ctrl+N)"},
    {"CmdChager", "Ouvertures",
     "Ouvre la liste des ouvertures de la bibliothèque, pour en charger une (Ctrl+O)"},
    {"CmdEntrainer", "Entraîner",
     "Ouvre la fenêtre d'entraînement\u00a0: exercices sur les lignes de la bibliothèque et "
     "progrès "
     "(Ctrl+E)"},
    {"CmdParties", "Parties",
     "Ouvre la fenêtre des parties\u00a0: statistiques de la position sur des fichiers de parties "
     "(Ctrl+B)"},
    {"CmdInfo", "À propos", "Montre les informations sur Tavik (F1)"},
    {"cadre", "Plateau", "Le plateau de jeu\u00a0; un texte de partie déposé ici est chargé"},
    {"quijoue", "Trait", "Le camp qui doit jouer"},
    {"Score", "Score", "Le nombre de pions de chaque camp"},
    {"lbl_noir", "Joueur noir", "Légende du nombre de pions noirs"},
    {"nb_noir", "Pions noirs", "Le nombre de pions noirs sur le plateau"},
    {"lbl_blanc", "Joueur blanc", "Légende du nombre de pions blancs"},
    {"nb_blanc", "Pions blancs", "Le nombre de pions blancs sur le plateau"},
    {"LstCoup", "Coups joués",
     "Les coups de la partie jusqu'au coup affiché\u00a0; Ctrl+C copie la partie, Ctrl+V charge "
     "une "
     "partie copiée"},
    {"TxtSuivant", "Coup suivant", "Le prochain coup enregistré de la partie"},
    {"chk_voir_coup", "Coups", "Marque sur le plateau les coups possibles du camp qui doit jouer"},
    {"lbl_voir_coup", "Coups", "Légende de la case Coups"},
    {"ChkVoirOuverture", "Coups d'ouverture",
     "Marque sur le plateau les suites d'ouverture de la bibliothèque"},
    {"lbl_voir_ouverture", "Coups d'ouverture", "Légende de la case Coups d'ouverture"},
    {"CmdDebut", "Début de la partie", "Revient au début de la partie (Origine)"},
    {"CmdPrecedent", "Coup précédent", "Recule d'un coup (flèche gauche)"},
    {"CmdSuivant", "Coup suivant", "Avance d'un coup (flèche droite)"},
    {"CmdFin", "Fin de la partie", "Va à la fin de la partie (Fin)"},
    {"ChkNoirAuto", "Noir automatique",
     "Tavik joue les noirs en tirant leurs coups de la bibliothèque"},
    {"lbl_noir_auto", "Noir automatique", "Légende de la case Noir automatique"},
    {"ChkBlancAuto", "Blanc automatique",
     "Tavik joue les blancs en tirant leurs coups de la bibliothèque"},
    {"lbl_blanc_auto", "Blanc automatique", "Légende de la case Blanc automatique"},
    {"CmdSymPositive", "Symétrie /", "Retourne la partie selon la diagonale de A8 à H1"},
    {"CmdSymNegative", "Symétrie \\", "Retourne la partie selon la diagonale de A1 à H8"},
    {"CmdRotation", "Rotation", "Tourne la partie d'un quart de tour"},
    {"lbl_ouverture", "Ouverture", "Légende du nom de l'ouverture"},
    {"LblOuverture", "Ouverture", "Le nom de l'ouverture que la bibliothèque reconnaît"},
    {"lbl_bilan", "Bilan", "Légende de l'évaluation"},
    {"LblBilan", "Bilan", "L'évaluation de la position par la bibliothèque"},
    {"lbl_commentaire", "Commentaire", "Légende du commentaire"},
    {"LblCommentaire", "Commentaire", "Le commentaire de la bibliothèque sur la position"},
    {"LstSuite", "Suites d'ouverture",
     "Les coups de la bibliothèque qui continuent la partie, chacun avec l'ouverture qu'il "
     "complète"},
};

// A square of the board is a button: pressing it, from a screen reader too, plays its move.
class AccesCase : public QAccessibleWidget
{
public:
    explicit AccesCase(Tuile* tuile)
        : QAccessibleWidget(tuile, QAccessible::Button)
    {
    }

    QStringList actionNames() const override
    {
        return QStringList {pressAction()} + QAccessibleWidget::actionNames();
    }

    void doAction(const QString& action) override
    {
        if (action != pressAction()) {
            QAccessibleWidget::doAction(action);
            return;
        }
        auto* tuile = static_cast<Tuile*>(widget());
        emit tuile->presse(tuile->index(), 1); // a left click
        emit tuile->relache(tuile->index(), 1);
    }
};

QAccessibleInterface* fabrique(const QString&, QObject* objet)
{
    auto* tuile = qobject_cast<Tuile*>(objet);
    if (!tuile) return nullptr;
    if (tuile->index() < 0) return new QAccessibleWidget(tuile, QAccessible::StaticText);
    return new AccesCase(tuile);
}

// Renamed only on a change, since each renaming is announced to the screen reader.
void nomme(QWidget& w, const QString& nom)
{
    if (w.accessibleName() != nom) w.setAccessibleName(nom);
}

} // namespace

void FenetrePlateau::installe_interfaces_accessibles()
{
    QAccessible::installFactory(&fabrique);
    installe_interfaces_decor();
}

void FenetrePlateau::decrit_controles()
{
    setAccessibleDescription(QStringLiteral(
        "Le plateau, le score, les coups joués et ce que la bibliothèque sait de la position"));
    decrit_pour_lecteur(*this, descriptions,
                        QStringLiteral("Un trait qui sépare deux parties de la fenêtre"));
    for (Tuile* t : tuiles_) {
        t->setAccessibleDescription(
            QStringLiteral("Case du plateau\u00a0: un clic gauche y joue, un "
                           "autre bouton montre le coup sans le jouer"));
    }
}

void FenetrePlateau::actualise_descriptions()
{
    for (Tuile* t : tuiles_)
        nomme(*t, QString::fromStdString(plateau_.description_case(t->index())));
    nomme(*quijoue_, QString::fromStdString(plateau_.description_trait()));
    nomme(*nb_noir_, QStringLiteral("Pions noirs\u00a0: ") + nb_noir_->text());
    nomme(*nb_blanc_, QStringLiteral("Pions blancs\u00a0: ") + nb_blanc_->text());
    nomme_avec_texte(*LblOuverture_, QStringLiteral("Ouverture"), QStringLiteral("aucune"));
    nomme_avec_texte(*LblBilan_, QStringLiteral("Bilan"), QStringLiteral("aucun"));
    nomme_avec_texte(*LblCommentaire_, QStringLiteral("Commentaire"), QStringLiteral("aucun"));
}

} // namespace tavik::ui
