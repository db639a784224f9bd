#include "fenetre_entrainement.h"

#include "dossiers.h"
#include "elements.h"
#include "fenetre_plateau.h"
#include "graphique.h"
#include "images.h"
#include "polices.h"
#include "reglages.h"

#include <QCheckBox>
#include <QCloseEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalBlocker>
#include <QSpinBox>
#include <QTabWidget>

namespace tavik::ui {

namespace {

const QString cle_depuis_f5 = QStringLiteral("entrainement/a_partir_de_f5");

// The notebook: the host's, or entrainement.sqlite in the user's data folder; in memory when
// the system knows no such folder.
std::optional<std::filesystem::path> chemin_carnet(const Hote& hote)
{
    if (!hote.carnet.empty()) return hote.carnet;
    const std::filesystem::path dossier = dossier_donnees_utilisateur();
    if (dossier.empty()) return std::nullopt;
    return dossier / "entrainement.sqlite";
}

QRadioButton* option(QWidget* parent, const QString& texte, const char* nom, int x, int y,
                     int largeur)
{
    // Exclusive among its siblings: the one chosen unticks the others, and the arrows move
    // between them. The core says which one is chosen.
    return place(new QRadioButton(texte, parent), nom, x, y, largeur, 17);
}

// An option chosen, whatever chose it (a click, the arrows, a screen reader's toggle), runs the
// core's click; the others, unticked by it, run nothing.
template <class Gestionnaire>
void sur_choix(QRadioButton* bouton, QObject* contexte, Gestionnaire gestionnaire)
{
    QObject::connect(bouton, &QRadioButton::toggled, contexte, [gestionnaire](bool choisie) {
        if (choisie) gestionnaire();
    });
}

// Shows the option; an exclusive button is unticked by ticking its sibling, never directly.
void montre_option(QRadioButton& bouton, const Option& o)
{
    const QSignalBlocker blocage(&bouton);
    bouton.setChecked(o.choisie);
    bouton.setEnabled(o.actif);
}

} // namespace

FenetreEntrainement::FenetreEntrainement(FenetrePlateau& principale)
    : QWidget(nullptr,
              Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint
                  | Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint)
    , principale_(principale)
    // The core's messages show over this window, once both windows are up to date.
    , entrainement_(principale.plateau(),
                    services_qt(
                        this,
                        [this] {
                            principale_.actualise();
                            actualise();
                        },
                        principale.hote()),
                    chemin_carnet(principale.hote()))
{
    setObjectName(QStringLiteral("entrainement"));
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowTitle(QStringLiteral("Tavik - Entraînement"));
    setWindowIcon(icone_fenetres());
    setFont(police_normale());
    setFixedSize(330, 539);
    construit();
    decrit_controles();

    entrainement_.ChkDepuisF5.fixe(reglages()->value(cle_depuis_f5, true).toBool() ? 1 : 0);
    entrainement_.Form_Load();
    if (const FenetreParties* p = principale.fenetre_parties(); p && p->base_partagee())
        entrainement_.base_chargee(&p->base_partagee()->index);
    if (!chemin_carnet(principale.hote()))
        boite_message(this,
                      "Aucun dossier de données n'est connu\u00a0: la progression ne sera pas "
                      "enregistrée.");
    actualise();
}

void FenetreEntrainement::construit()
{
    legende(this, QStringLiteral("Couleur\u00a0:"), "lbl_couleur", 8, 10, 57, 17);
    OptCouleur_[0] = option(this, QStringLiteral("Noir"), "OptNoir", 72, 10, 57);
    OptCouleur_[1] = option(this, QStringLiteral("Blanc"), "OptBlanc", 136, 10, 65);
    for (int i = 0; i < 2; ++i)
        sur_choix(OptCouleur_[static_cast<std::size_t>(i)], this, [this, i] {
            entrainement_.OptCouleur_Click(i);
            apres_action();
        });
    ChkDepuisF5_ = place(new QCheckBox(QStringLiteral("À partir de F5"), this), "ChkDepuisF5", 212,
                         10, 110, 17);
    connect(ChkDepuisF5_, &QCheckBox::toggled, this, [this](bool cochee) {
        entrainement_.ChkDepuisF5.fixe(cochee ? 1 : 0);
        reglages()->setValue(cle_depuis_f5, cochee);
        apres_action();
    });

    auto* onglets = place(new QTabWidget(this), "onglets", 8, 34, 314, 497);
    auto* seance = new QWidget;
    seance->setObjectName(QStringLiteral("seance"));
    auto* progres = new QWidget;
    progres->setObjectName(QStringLiteral("progres"));
    onglets->addTab(seance, QStringLiteral("Séance"));
    onglets->addTab(progres, QStringLiteral("Progrès"));
    construit_seance(seance);
    construit_progres(progres);
}

QPushButton* FenetreEntrainement::commande(QWidget* page, const QString& texte, const char* nom,
                                           int x, void (Entrainement::*gestionnaire)(), int y,
                                           int largeur)
{
    auto* b = place(new QPushButton(texte, page), nom, x, y, largeur, 25);
    b->setAutoDefault(false);
    connect(b, &QPushButton::clicked, this, [this, gestionnaire] {
        (entrainement_.*gestionnaire)();
        apres_action();
    });
    return b;
}

void FenetreEntrainement::construit_seance(QWidget* page)
{
    const QFont grasse = police_grasse();
    legende(page, QStringLiteral("Lignes à entraîner\u00a0:"), "lbl_lignes", 8, 8, 185, 17,
            &grasse);
    OptPortee_[0] = option(page, QStringLiteral("Toute la bibliothèque"), "OptTout", 16, 26, 273);
    OptPortee_[1] = option(page, QStringLiteral("Les lignes de la position du plateau"),
                           "OptPosition", 16, 44, 273);
    OptPortee_[2]
        = option(page, QStringLiteral("Une ouverture\u00a0:"), "OptOuverture", 16, 62, 273);
    // Its caption, which says how many places are kept, is the core's.
    OptPortee_[3] = option(page, {}, "OptMesParties", 16, 194, 193);
    CmdViderMesParties_ = commande(page, QStringLiteral("Vider…"), "CmdViderMesParties", 216,
                                   &Entrainement::CmdViderMesParties_Click, 190, 73);
    for (int i = 0; i < 4; ++i)
        sur_choix(OptPortee_[static_cast<std::size_t>(i)], this, [this, i] {
            entrainement_.OptPortee_Click(i);
            apres_action();
        });

    TxtFiltre_ = place(new QLineEdit(page), "TxtFiltre", 32, 82, 257, 19);
    TxtFiltre_->setPlaceholderText(QStringLiteral("Filtrer par nom"));
    TxtFiltre_->setClearButtonEnabled(true);
    connect(TxtFiltre_, &QLineEdit::textChanged, this, [this](const QString& texte) {
        entrainement_.TxtFiltre.texte = texte.toStdString();
        entrainement_.TxtFiltre_Change();
        apres_action();
    });
    LstOuverture_ = liste(page, "LstOuverture", 32, 104, 257, 86);
    connect(LstOuverture_, &QListWidget::currentRowChanged, this, [this](int ligne) {
        entrainement_.LstOuverture.selection = ligne;
        entrainement_.LstOuverture_Click();
        apres_action();
    });

    CmdCommencer_ = commande(page, QStringLiteral("Commencer"), "CmdCommencer", 8,
                             &Entrainement::CmdCommencer_Click);
    CmdArreter_ = commande(page, QStringLiteral("Arrêter"), "CmdArreter", 104,
                           &Entrainement::CmdArreter_Click);
    CmdSuivant_ = commande(page, QStringLiteral("Suivant"), "CmdSuivant", 200,
                           &Entrainement::CmdSuivant_Click);
    new Ligne(8, 288, 251, page);

    LblAnnonce_ = etiquette(page, {}, "LblAnnonce", 8, 258, 281, 33);
    LblAnnonce_->setFont(grasse);
    LblMessage_ = etiquette(page, {}, "LblMessage", 8, 294, 281, 41);
    legende(page, QStringLiteral("Ligne\u00a0:"), "lbl_ligne", 8, 340, 81, 17, &grasse);
    LblLigne_ = etiquette(page, {}, "LblLigne", 96, 340, 193, 33);
    legende(page, QStringLiteral("Bilan\u00a0:"), "lbl_bilan", 8, 374, 81, 17, &grasse);
    LblBilan_ = etiquette(page, {}, "LblBilan", 96, 374, 193, 17);
    legende(page, QStringLiteral("Commentaire\u00a0:"), "lbl_commentaire", 8, 392, 81, 17, &grasse);
    LblCommentaire_ = etiquette(page, {}, "LblCommentaire", 96, 392, 193, 41);
    legende(page, QStringLiteral("Score\u00a0:"), "lbl_score", 8, 436, 81, 17, &grasse);
    LblScore_ = etiquette(page, {}, "LblScore", 96, 436, 193, 17);
    for (QLabel* l : {LblAnnonce_, LblMessage_, LblLigne_, LblCommentaire_}) l->setWordWrap(true);
}

void FenetreEntrainement::construit_progres(QWidget* page)
{
    const QFont grasse = police_grasse();
    LblProgres_ = etiquette(page, {}, "LblProgres", 8, 8, 281, 17);
    LblProgres_->setFont(grasse);
    const struct
    {
        const char* texte;
        const char* legende;
        const char* nom;
        QLabel** etiquette;
    } comptes[] = {
        {"Lignes connues\u00a0:", "lbl_connues", "LblConnues", &LblConnues_},
        {"À revoir aujourd'hui\u00a0:", "lbl_dues", "LblDues", &LblDues_},
        {"Nouvelles\u00a0:", "lbl_nouvelles", "LblNouvelles", &LblNouvelles_},
        {"En apprentissage\u00a0:", "lbl_apprentissage", "LblApprentissage", &LblApprentissage_},
    };
    int y = 30;
    for (const auto& c : comptes) {
        legende(page, QString::fromUtf8(c.texte), c.legende, 16, y, 137, 17);
        *c.etiquette = etiquette(page, {}, c.nom, 160, y, 57, 17);
        y += 18;
    }

    legende(page, QStringLiteral("Les lignes les plus faibles\u00a0:"), "lbl_faibles", 8, 108, 281,
            17, &grasse);
    LstFaibles_ = liste(page, "LstFaibles", 8, 126, 281, 110);
    LstFaibles_->setSelectionMode(QAbstractItemView::NoSelection);
    legende(page, QStringLiteral("Les 30 derniers jours\u00a0:"), "lbl_jours", 8, 244, 281, 17,
            &grasse);
    graphique_ = place(new Graphique(page), "graphique", 8, 262, 281, 140);

    legende(page, QStringLiteral("Nouvelles lignes par jour\u00a0:"), "lbl_nouvelles_par_jour", 8,
            412, 153, 17);
    TxtNouvelles_ = place(new QSpinBox(page), "TxtNouvelles", 168, 410, 57, 21);
    TxtNouvelles_->setKeyboardTracking(false); // the value typed counts once it is complete
    connect(TxtNouvelles_, &QSpinBox::valueChanged, this, [this](int valeur) {
        entrainement_.TxtNouvelles.valeur = valeur;
        entrainement_.TxtNouvelles_Change();
        apres_action();
    });
    CmdExporter_ = commande(page, QStringLiteral("Exporter la progression…"), "CmdExporter", 8,
                            &Entrainement::CmdExporter_Click, 438, 137);
    CmdImporter_ = commande(page, QStringLiteral("Importer une progression…"), "CmdImporter", 152,
                            &Entrainement::CmdImporter_Click, 438, 137);
}

void FenetreEntrainement::apres_action()
{
    principale_.actualise(); // which shows this window too, once it is the main window's
    actualise();
}

void FenetreEntrainement::actualise()
{
    entrainement_.actualise_mes_parties(); // the games window may have changed them
    const Entrainement& e = entrainement_;
    for (std::size_t i = 0; i < OptCouleur_.size(); ++i)
        montre_option(*OptCouleur_[i], e.OptCouleur[i]);
    for (std::size_t i = 0; i < OptPortee_.size(); ++i)
        montre_option(*OptPortee_[i], e.OptPortee[i]);
    const QString mes_parties = QString::fromStdString(e.OptPortee[3].legende);
    if (OptPortee_[3]->text() != mes_parties) {
        OptPortee_[3]->setText(mes_parties);
        OptPortee_[3]->setAccessibleName(mes_parties); // a screen reader hears the count too
    }
    CmdViderMesParties_->setEnabled(e.CmdViderMesParties.actif);
    {
        const QSignalBlocker blocage(ChkDepuisF5_);
        ChkDepuisF5_->setChecked(e.ChkDepuisF5.cochee());
        ChkDepuisF5_->setEnabled(e.ChkDepuisF5.actif);
    }
    const QString filtre = QString::fromStdString(e.TxtFiltre.texte);
    if (TxtFiltre_->text() != filtre) {
        const QSignalBlocker blocage(TxtFiltre_);
        TxtFiltre_->setText(filtre);
    }
    TxtFiltre_->setEnabled(e.TxtFiltre.actif);
    // The list of openings is long and this runs at each turn of the placing animation: it is
    // shown again only when it changed.
    if (e.LstOuverture.entrees != liste_montree_.entrees
        || e.LstOuverture.selection != liste_montree_.selection) {
        montre_liste(*LstOuverture_, e.LstOuverture);
        liste_montree_ = e.LstOuverture;
    }
    LstOuverture_->setEnabled(e.LstOuverture.actif);
    CmdCommencer_->setEnabled(e.CmdCommencer.actif);
    CmdArreter_->setEnabled(e.CmdArreter.actif);
    CmdSuivant_->setEnabled(e.CmdSuivant.actif);
    CmdExporter_->setEnabled(e.CmdExporter.actif);
    CmdImporter_->setEnabled(e.CmdImporter.actif);

    // Each text, and what a screen reader says of it: its caption, then the text itself.
    const struct
    {
        QLabel* label;
        const Etiquette& texte;
        const char* legende;
        const char* absent;
    } textes[] = {
        {LblAnnonce_, e.LblAnnonce, "Exercice", "aucun"},
        {LblMessage_, e.LblMessage, "Message", "aucun"},
        {LblLigne_, e.LblLigne, "Ligne", "aucune"},
        {LblBilan_, e.LblBilan, "Bilan", "aucun"},
        {LblCommentaire_, e.LblCommentaire, "Commentaire", "aucun"},
        {LblScore_, e.LblScore, "Score", "aucun"},
        {LblProgres_, e.LblProgres, "Progrès", "aucun"},
        {LblConnues_, e.LblConnues, "Lignes connues", "aucune"},
        {LblDues_, e.LblDues, "À revoir aujourd'hui", "aucune"},
        {LblNouvelles_, e.LblNouvelles, "Nouvelles", "aucune"},
        {LblApprentissage_, e.LblApprentissage, "En apprentissage", "aucune"},
    };
    for (const auto& t : textes) {
        montre_texte(*t.label, t.texte.legende);
        nomme_avec_texte(*t.label, QString::fromUtf8(t.legende), QString::fromUtf8(t.absent));
    }
    montre_liste(*LstFaibles_, e.LstFaibles);
    graphique_->montre(e.activite);
    if (TxtNouvelles_->value() != e.TxtNouvelles.valeur
        || TxtNouvelles_->maximum() != e.TxtNouvelles.maximum) {
        const QSignalBlocker blocage(TxtNouvelles_);
        TxtNouvelles_->setRange(e.TxtNouvelles.minimum, e.TxtNouvelles.maximum);
        TxtNouvelles_->setValue(e.TxtNouvelles.valeur);
    }
}

void FenetreEntrainement::closeEvent(QCloseEvent* e)
{
    // The session ends once the disc being placed is down.
    if (principale_.plateau().occupe()) {
        e->ignore();
        return;
    }
    entrainement_.Form_Unload();
    principale_.actualise();
    e->accept();
}

} // namespace tavik::ui
