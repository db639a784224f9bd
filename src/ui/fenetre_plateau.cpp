#include "fenetre_plateau.h"

#include "ecran.h"
#include "fenetre_info.h"
#include "fenetre_ouverture.h"
#include "images.h"
#include "places_retenues.h"
#include "polices.h"
#include "reglages.h"

#include <QCheckBox>
#include <QCloseEvent>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QSignalBlocker>

namespace tavik::ui {

namespace {

const QString cle_parties_ouverte = QStringLiteral("parties/ouverte");

QCheckBox* case_nue(QWidget* parent, const char* nom, int x, int y)
{
    auto* c = place(new QCheckBox(parent), nom, x, y, 14, 17);
    c->setFocusPolicy(Qt::TabFocus);
    return c;
}

} // namespace

FenetrePlateau::FenetrePlateau(FonCom& com, std::filesystem::path fichier_biblio, Hote hote)
    : FenetrePlateau(com, std::vector<Candidat> {{Endroit::nomme, std::move(fichier_biblio)}},
                     std::move(hote))
{
}

FenetrePlateau::FenetrePlateau(FonCom& com, std::vector<Candidat> candidats, Hote hote)
    : QWidget(nullptr,
              Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint
                  | Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint)
    , hote_(std::move(hote))
    , plateau_(com,
               services_qt(
                   this, [this] { actualise(); }, hote_),
               std::move(candidats))
{
    installe_interfaces_accessibles();
    montre_le_focus();
    construit();
    installe_clavier();
    installe_curseur();
    decrit_controles();
    installe_zoom();
    // Its size is its zoom, kept apart.
    retient_place(*this, QStringLiteral("fenetres/plateau"), false);
    // The window's load: the library is read and a new game is set up before it shows.
    plateau_.Form_Load();
    actualise();
}

FenetrePlateau::~FenetrePlateau()
{
    // The chooser and the training window write into this window's game: they never outlive it.
    delete entrainement_.data();
    delete parties_.data();
    delete ouverture_.data();
}

void FenetrePlateau::construit()
{
    setObjectName(QStringLiteral("plateau"));
    setWindowTitle(QStringLiteral("Tavik V1.4"));
    setWindowIcon(icone_plateau());
    setFont(police_normale());
    setFixedSize(481, 539);

    place(new Vignette(image_logo, this), "logo", 8, 8, 100, 30);
    auto* cmd_jouer
        = place(new QPushButton(QStringLiteral("Jouer"), this), "cmd_jouer", 176, 8, 65, 17);
    auto* CmdChager
        = place(new QPushButton(QStringLiteral("Ouvertures"), this), "CmdChager", 248, 8, 65, 17);
    auto* CmdEntrainer
        = place(new QPushButton(QStringLiteral("Entraîner"), this), "CmdEntrainer", 320, 8, 65, 17);
    auto* CmdParties
        = place(new QPushButton(QStringLiteral("Parties"), this), "CmdParties", 112, 8, 57, 17);
    auto* CmdInfo
        = place(new QPushButton(QStringLiteral("À propos…"), this), "CmdInfo", 408, 8, 65, 17);
    new Ligne(112, 472, 32, this);

    // The board: the frame lies under the 64 tiles, which join without gaps.
    place(new Vignette(image_cadre, this), "cadre", 8, 40, 304, 304);
    for (int i = 0; i < 64; ++i) {
        auto* t = new Tuile(i, this);
        t->setObjectName(QStringLiteral("plateau_%1").arg(i));
        t->setGeometry(32 + 32 * (i % 8), 64 + 32 * (i / 8), taille_pion, taille_pion);
        connect(t, &Tuile::presse, this, [this](int index, std::int16_t bouton) {
            plateau_.plateau_MouseDown(index, bouton);
            actualise();
        });
        connect(t, &Tuile::relache, this, [this](int index, std::int16_t bouton) {
            plateau_.plateau_MouseUp(index, bouton);
            actualise();
        });
        tuiles_[static_cast<std::size_t>(i)] = t;
    }
    quijoue_ = place(new Tuile(-1, this), "quijoue", 320, 64, 33, 33);

    auto* score = place(new QGroupBox(QStringLiteral("Score"), this), "Score", 360, 40, 113, 73);
    score->setFont(police_grasse());
    legende(score, QStringLiteral("Joueur noir\u00a0:"), "lbl_noir", 8, 24, 65, 17);
    legende(score, QStringLiteral("Joueur blanc\u00a0:"), "lbl_blanc", 8, 48, 81, 17);
    nb_noir_ = etiquette(score, QStringLiteral("2"), "nb_noir", 88, 24, 17, 17);
    nb_blanc_ = etiquette(score, QStringLiteral("2"), "nb_blanc", 88, 48, 17, 17);
    nb_noir_->setFont(police_lourde(8.25));
    nb_blanc_->setFont(police_lourde(8.25));

    LstCoup_ = liste(this, "LstCoup", 320, 128, 153, 186);
    LstCoup_->setFont(police_fixe());
    TxtSuivant_
        = place(new QLineEdit(QStringLiteral("Suivant"), this), "TxtSuivant", 320, 328, 153, 19);
    TxtSuivant_->setFont(police_fixe());
    TxtSuivant_->setReadOnly(true);
    TxtSuivant_->setTextMargins(0, 0, 0, 0);

    chk_voir_coup_ = case_nue(this, "chk_voir_coup", 8, 352);
    legende(this, QStringLiteral("Coups"), "lbl_voir_coup", 24, 354, 49, 17);
    ChkVoirOuverture_ = case_nue(this, "ChkVoirOuverture", 8, 368);
    legende(this, QStringLiteral("Coups d'ouv."), "lbl_voir_ouverture", 24, 370, 73, 17);
    CmdDebut_ = place(new QPushButton(QStringLiteral("<<"), this), "CmdDebut", 104, 360, 25, 17);
    CmdPrecedent_
        = place(new QPushButton(QStringLiteral("<"), this), "CmdPrecedent", 136, 360, 17, 17);
    CmdSuivant_ = place(new QPushButton(QStringLiteral(">"), this), "CmdSuivant", 168, 360, 17, 17);
    CmdFin_ = place(new QPushButton(QStringLiteral(">>"), this), "CmdFin", 192, 360, 25, 17);
    ChkNoirAuto_ = case_nue(this, "ChkNoirAuto", 232, 352);
    lbl_noir_auto_ = legende(this, QStringLiteral("Noir auto"), "lbl_noir_auto", 248, 354, 49, 17);
    ChkBlancAuto_ = case_nue(this, "ChkBlancAuto", 232, 368);
    lbl_blanc_auto_
        = legende(this, QStringLiteral("Blanc auto"), "lbl_blanc_auto", 248, 370, 73, 17);
    auto* CmdSymPositive
        = place(new QPushButton(QStringLiteral("Sym /"), this), "CmdSymPositive", 320, 360, 41, 17);
    auto* CmdSymNegative = place(new QPushButton(QStringLiteral("Sym \\"), this), "CmdSymNegative",
                                 376, 360, 41, 17);
    auto* CmdRotation
        = place(new QPushButton(QStringLiteral("Rot"), this), "CmdRotation", 432, 360, 41, 17);
    new Ligne(8, 472, 392, this);

    const QFont grasse = police_grasse();
    legende(this, QStringLiteral("Ouverture\u00a0:"), "lbl_ouverture", 8, 400, 73, 17, &grasse);
    LblOuverture_ = etiquette(this, {}, "LblOuverture", 24, 416, 201, 33);
    legende(this, QStringLiteral("Bilan\u00a0:"), "lbl_bilan", 8, 448, 81, 17, &grasse);
    LblBilan_ = etiquette(this, {}, "LblBilan", 24, 464, 193, 17);
    legende(this, QStringLiteral("Commentaire\u00a0:"), "lbl_commentaire", 8, 480, 145, 17,
            &grasse);
    LblCommentaire_ = etiquette(this, {}, "LblCommentaire", 24, 496, 209, 41);
    for (QLabel* l : {LblOuverture_, LblBilan_, LblCommentaire_}) l->setWordWrap(true);
    LstSuite_ = liste(this, "LstSuite", 232, 400, 241, 134);

    // Forwarding: every action runs the core's handler, then the window shows the result.
    const auto commande = [this](QPushButton* bouton, void (Plateau::*gestionnaire)()) {
        bouton->setAutoDefault(false);
        connect(bouton, &QPushButton::clicked, this, [this, gestionnaire] {
            (plateau_.*gestionnaire)();
            actualise();
        });
    };
    commande(cmd_jouer, &Plateau::cmd_jouer_Click);
    commande(CmdDebut_, &Plateau::CmdDebut_Click);
    commande(CmdPrecedent_, &Plateau::CmdPrecedent_Click);
    commande(CmdSuivant_, &Plateau::CmdSuivant_Click);
    commande(CmdFin_, &Plateau::CmdFin_Click);
    commande(CmdSymPositive, &Plateau::CmdSymPositive_Click);
    commande(CmdSymNegative, &Plateau::CmdSymNegative_Click);
    commande(CmdRotation, &Plateau::CmdRotation_Click);
    for (QPushButton* b : {CmdChager, CmdEntrainer, CmdParties, CmdInfo}) b->setAutoDefault(false);
    connect(CmdChager, &QPushButton::clicked, this, &FenetrePlateau::CmdChager_Click);
    connect(CmdEntrainer, &QPushButton::clicked, this, &FenetrePlateau::CmdEntrainer_Click);
    connect(CmdParties, &QPushButton::clicked, this, &FenetrePlateau::CmdParties_Click);
    connect(CmdInfo, &QPushButton::clicked, this, &FenetrePlateau::CmdInfo_Click);

    // The new state, however it came (a click, the keyboard, a screen reader's toggle): the
    // window's own writing of the core's state blocks the signal.
    ControlesPlateau& c = plateau_.controles;
    const auto case_a_cocher = [this](QCheckBox* boite, CaseACocher& cas) {
        connect(boite, &QCheckBox::toggled, this,
                [this, &cas](bool cochee) { coche(cas, cochee); });
    };
    case_a_cocher(chk_voir_coup_, c.chk_voir_coup);
    case_a_cocher(ChkVoirOuverture_, c.ChkVoirOuverture);
    case_a_cocher(ChkNoirAuto_, c.ChkNoirAuto);
    case_a_cocher(ChkBlancAuto_, c.ChkBlancAuto);

    // A selection made by the user in a list is kept in the core's list, which shows it back.
    connect(LstCoup_, &QListWidget::currentRowChanged, this,
            [this](int ligne) { plateau_.controles.LstCoup.selection = ligne; });
    connect(LstSuite_, &QListWidget::currentRowChanged, this,
            [this](int ligne) { plateau_.controles.LstSuite.selection = ligne; });
}

void FenetrePlateau::coche(CaseACocher& cas, bool cochee)
{
    if (cas.actif) cas.fixe(cochee ? 1 : 0);
    actualise(); // a disabled box shows its value again
}

void FenetrePlateau::actualise()
{
    const ControlesPlateau& c = plateau_.controles;
    for (std::size_t i = 0; i < tuiles_.size(); ++i) tuiles_[i]->montre(c.plateau[i]);
    quijoue_->montre(c.quijoue);
    montre_texte(*nb_noir_, c.nb_noir.legende);
    montre_texte(*nb_blanc_, c.nb_blanc.legende);

    montre_liste(*LstCoup_, c.LstCoup);
    const QString suivant = QString::fromStdString(c.TxtSuivant.texte);
    if (TxtSuivant_->text() != suivant) TxtSuivant_->setText(suivant);
    TxtSuivant_->setVisible(c.TxtSuivant.visible);

    // Writing the state back is not a click: no click operation may run from here.
    const std::pair<QCheckBox*, const CaseACocher*> cases[] {
        {chk_voir_coup_, &c.chk_voir_coup},
        {ChkVoirOuverture_, &c.ChkVoirOuverture},
        {ChkNoirAuto_, &c.ChkNoirAuto},
        {ChkBlancAuto_, &c.ChkBlancAuto},
    };
    for (const auto& [boite, cas] : cases) {
        const QSignalBlocker blocage(boite);
        boite->setChecked(cas->cochee());
        boite->setEnabled(cas->actif);
    }
    lbl_noir_auto_->setEnabled(c.ChkNoirAuto.actif);
    lbl_blanc_auto_->setEnabled(c.ChkBlancAuto.actif);

    CmdDebut_->setEnabled(c.CmdDebut.actif);
    CmdPrecedent_->setEnabled(c.CmdPrecedent.actif);
    CmdSuivant_->setEnabled(c.CmdSuivant.actif);
    CmdFin_->setEnabled(c.CmdFin.actif);

    montre_texte(*LblOuverture_, c.LblOuverture.legende);
    montre_texte(*LblBilan_, c.LblBilan.legende);
    montre_texte(*LblCommentaire_, c.LblCommentaire.legende);
    // While an exercise runs the continuations would give its answer away: none is listed.
    montre_liste(*LstSuite_, plateau_.suites_cachees() ? Liste {} : c.LstSuite);
    actualise_descriptions();
    montre_bulles();
    montre_curseur();

    // "Jouer" reads the library again: the open chooser then lists it anew, and a session in
    // the training window ends.
    if (ouverture_) ouverture_->actualise();
    if (entrainement_) entrainement_->actualise();
    if (parties_) parties_->actualise();
}

void FenetrePlateau::CmdChager_Click()
{
    if (!ouverture_) {
        ouverture_ = new FenetreOuverture(*this);
        retient_place(*ouverture_, QStringLiteral("fenetres/ouvertures"), true);
    }
    ouvre_a_cote(*ouverture_, this);
}

void FenetrePlateau::CmdEntrainer_Click()
{
    if (!entrainement_) {
        entrainement_ = new FenetreEntrainement(*this);
        retient_place(*entrainement_, QStringLiteral("fenetres/entrainement"), false);
    }
    ouvre_a_cote(*entrainement_, this);
}

void FenetrePlateau::CmdParties_Click()
{
    if (!parties_) {
        parties_ = new FenetreParties(*this);
        retient_place(*parties_, QStringLiteral("fenetres/parties"), true);
    }
    ouvre_a_cote(*parties_, this);
}

void FenetrePlateau::rouvre_fenetres()
{
    if (parties_ || !reglages()->value(cle_parties_ouverte, false).toBool()) return;
    CmdParties_Click();
    raise();
    activateWindow();
}

void FenetrePlateau::CmdInfo_Click()
{
    FenetreInfo info(this);
    ouvre_a_cote(info, this); // beside the board, not over it; then modal until closed
    info.exec();
}

void FenetrePlateau::Form_Unload()
{
    // The games window is closed with this one: it is its state before that which counts.
    reglages()->setValue(cle_parties_ouverte, parties_ && parties_->isVisible());
    if (ouverture_) ouverture_->close();
    if (entrainement_) entrainement_->close();
    if (parties_) parties_->close();
}

void FenetrePlateau::closeEvent(QCloseEvent* e)
{
    Form_Unload();
    e->accept();
}

} // namespace tavik::ui
