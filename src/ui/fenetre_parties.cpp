#include "fenetre_parties.h"

#include "chargement_parties.h"
#include "elements.h"
#include "fenetre_plateau.h"
#include "images.h"
#include "panneau_mes_parties.h"
#include "polices.h"
#include "reglages.h"

#include <QCloseEvent>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QFileDialog>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QListWidget>
#include <QMimeData>
#include <QProgressBar>
#include <QPushButton>
#include <QShortcut>
#include <QSignalBlocker>
#include <QTabWidget>
#include <QTimer>
#include <QTreeWidget>
#include <QUrl>
#include <QVBoxLayout>
#include <algorithm>
#include <atomic>

namespace tavik::ui {

namespace {

const QString cle_fichiers = QStringLiteral("parties/fichiers");

std::vector<std::filesystem::path> fichiers_retenus()
{
    std::vector<std::filesystem::path> fichiers;
    for (const QString& f : reglages()->value(cle_fichiers).toStringList())
        fichiers.emplace_back(f.toStdString());
    return fichiers;
}

void retiens(const std::vector<std::filesystem::path>& fichiers)
{
    QStringList liste;
    for (const std::filesystem::path& f : fichiers) liste << QString::fromStdString(f.string());
    reglages()->setValue(cle_fichiers, liste);
}

QTreeWidget* tableau(const char* nom, const QStringList& titres)
{
    auto* t = new QTreeWidget;
    t->setObjectName(QLatin1String(nom));
    t->setRootIsDecorated(false);
    t->setUniformRowHeights(true);
    t->setAllColumnsShowFocus(true);
    t->setHeaderLabels(titres);
    t->header()->setStretchLastSection(false);
    t->header()->setSectionResizeMode(QHeaderView::ResizeToContents);
    return t;
}

// Rows rebuilt only when they changed, so that the board's every repaint costs nothing here.
void montre_tableau(QTreeWidget& vue, const Tableau& donnees, Tableau& montre,
                    std::initializer_list<int> a_droite)
{
    if (donnees.lignes == montre.lignes && donnees.selection == montre.selection) return;
    const QSignalBlocker blocage(&vue);
    if (donnees.lignes != montre.lignes) {
        vue.clear();
        QList<QTreeWidgetItem*> lignes;
        for (const std::vector<std::string>& ligne : donnees.lignes) {
            QStringList textes;
            for (const std::string& t : ligne) textes << QString::fromStdString(t);
            auto* item = new QTreeWidgetItem(textes);
            for (const int c : a_droite)
                item->setTextAlignment(c, Qt::AlignRight | Qt::AlignVCenter);
            lignes << item;
        }
        vue.addTopLevelItems(lignes);
    }
    vue.setCurrentItem(donnees.selection >= 0 ? vue.topLevelItem(donnees.selection) : nullptr);
    montre = donnees;
}

} // namespace

FenetreParties::FenetreParties(FenetrePlateau& principale)
    : QWidget(nullptr,
              Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint
                  | Qt::WindowMinimizeButtonHint | Qt::WindowMaximizeButtonHint
                  | Qt::WindowCloseButtonHint)
    , principale_(principale)
    , parties_(principale.plateau(), fichiers_retenus(), &retiens)
{
    setObjectName(QStringLiteral("parties"));
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowTitle(QStringLiteral("Tavik - Parties"));
    setWindowIcon(icone_fenetres());
    setFont(police_normale());
    setAcceptDrops(true);
    resize(520, 539);
    construit();
    decrit_controles();
    minuterie_ = new QTimer(this);
    minuterie_->setInterval(100);
    connect(minuterie_, &QTimer::timeout, this, &FenetreParties::suit_progression);

    parties_.Form_Load();
    lance_chargements();
    actualise();
    LstSuivants_->setFocus(); // Enter plays the move under the focus
}

FenetreParties::~FenetreParties()
{
    if (FenetreEntrainement* e = principale_.fenetre_entrainement())
        e->entrainement().base_chargee(nullptr);
    parties_.Form_Unload();
    attend_chargements();
}

void FenetreParties::construit()
{
    auto* fichiers = new QGroupBox(QStringLiteral("Fichiers de parties"));
    fichiers->setObjectName(QStringLiteral("fichiers"));
    LstFichiers_ = new QListWidget;
    LstFichiers_->setObjectName(QStringLiteral("LstFichiers"));
    LstFichiers_->setFixedHeight(72);
    auto* CmdAjouter = new QPushButton(QStringLiteral("Ajouter…"));
    CmdAjouter->setObjectName(QStringLiteral("CmdAjouter"));
    CmdRetirer_ = new QPushButton(QStringLiteral("Retirer"));
    CmdRetirer_->setObjectName(QStringLiteral("CmdRetirer"));
    CmdAnnuler_ = new QPushButton(QStringLiteral("Annuler"));
    CmdAnnuler_->setObjectName(QStringLiteral("CmdAnnuler"));
    auto* boutons = new QVBoxLayout;
    for (QPushButton* b : {CmdAjouter, CmdRetirer_, CmdAnnuler_}) {
        b->setAutoDefault(false);
        boutons->addWidget(b);
    }
    boutons->addStretch();
    auto* haut = new QHBoxLayout;
    haut->addWidget(LstFichiers_, 1);
    haut->addLayout(boutons);
    progression_ = new QProgressBar;
    progression_->setObjectName(QStringLiteral("progression"));
    progression_->setRange(0, 1000);
    progression_->setTextVisible(false);
    LblEtat_ = new QLabel;
    LblEtat_->setObjectName(QStringLiteral("LblEtat"));
    LblEtat_->setWordWrap(true);
    LblEtat_->setTextInteractionFlags(Qt::TextSelectableByMouse);
    auto* groupe = new QVBoxLayout(fichiers);
    groupe->addLayout(haut);
    groupe->addWidget(progression_);
    groupe->addWidget(LblEtat_);

    onglets_ = new QTabWidget;
    onglets_->setObjectName(QStringLiteral("onglets"));
    onglets_->addTab(construit_position(), QStringLiteral("Position"));
    mes_parties_ = new PanneauMesParties(principale_);
    onglets_->addTab(mes_parties_, QStringLiteral("Mes parties"));

    auto* fenetre = new QVBoxLayout(this);
    fenetre->addWidget(fichiers);
    fenetre->addWidget(onglets_, 1);

    connect(CmdAjouter, &QPushButton::clicked, this, &FenetreParties::CmdAjouter_Click);
    connect(CmdRetirer_, &QPushButton::clicked, this, [this] {
        parties_.CmdRetirer_Click();
        apres_action();
    });
    connect(CmdAnnuler_, &QPushButton::clicked, this, [this] {
        parties_.CmdAnnuler_Click();
        apres_action();
    });
    connect(LstFichiers_, &QListWidget::currentRowChanged, this, [this](int ligne) {
        parties_.LstFichiers_Click(ligne);
        actualise();
    });
}

QWidget* FenetreParties::construit_position()
{
    auto* page = new QWidget;
    page->setObjectName(QStringLiteral("position"));
    LblBilan_ = new QLabel;
    LblBilan_->setObjectName(QStringLiteral("LblBilan"));
    LblBilan_->setFont(police_grasse());
    LblBilan_->setWordWrap(true);
    LstSuivants_
        = tableau("LstSuivants",
                  {QStringLiteral("Coup"), QStringLiteral("Parties"), QStringLiteral("Score"),
                   QStringLiteral("Ouverture"), QStringLiteral("Éval.")});
    LstSuivants_->setToolTip(QStringLiteral("Un clic joue le coup sur le plateau"));
    LstParties_
        = tableau("LstParties",
                  {QStringLiteral("Noir"), QStringLiteral("Blanc"), QStringLiteral("Tournoi"),
                   QStringLiteral("Année"), QStringLiteral("Score")});
    LstParties_->setToolTip(QStringLiteral("Un double clic charge la partie sur le plateau"));
    auto* mise = new QVBoxLayout(page);
    mise->addWidget(LblBilan_);
    mise->addWidget(LstSuivants_, 1);
    mise->addWidget(new QLabel(QStringLiteral("Parties passant par la position\u00a0:")));
    mise->addWidget(LstParties_, 1);

    const auto joue = [this](int entree) {
        parties_.LstSuivants_Click(entree);
        apres_action();
    };
    connect(LstSuivants_, &QTreeWidget::itemClicked, this,
            [this, joue](QTreeWidgetItem* item) { joue(LstSuivants_->indexOfTopLevelItem(item)); });
    // Enter plays the current move; a double click is two clicks here, never an activation.
    auto* clavier = new QShortcut(QKeySequence(Qt::Key_Return), LstSuivants_);
    clavier->setContext(Qt::WidgetShortcut);
    connect(clavier, &QShortcut::activated, this,
            [this, joue] { joue(LstSuivants_->indexOfTopLevelItem(LstSuivants_->currentItem())); });
    connect(LstParties_, &QTreeWidget::itemActivated, this, [this](QTreeWidgetItem* item) {
        parties_.LstParties_DblClick(LstParties_->indexOfTopLevelItem(item));
        apres_action();
    });
    return page;
}

void FenetreParties::decrit_controles()
{
    static constexpr DescriptionAccessible descriptions[] = {
        {"fichiers", "Fichiers de parties", "Les fichiers de parties chargés"},
        {"LstFichiers", "Fichiers",
         "Fichiers de tournois (.wtb) et fichiers texte de vos parties\u00a0; ils sont retenus"},
        {"CmdAjouter", "Ajouter",
         "Ajoute des fichiers de parties\u00a0; on peut aussi les déposer"},
        {"CmdRetirer", "Retirer", "Retire le fichier choisi"},
        {"CmdAnnuler", "Annuler", "Arrête le chargement en cours"},
        {"progression", "Chargement", "L'avancement du chargement des parties"},
        {"LblEtat", "État", "Les parties chargées et les fichiers refusés"},
        {"onglets", "Pages", "Les pages de la fenêtre des parties"},
        {"LblBilan", "Bilan", "Les parties passant par la position du plateau et leurs résultats"},
        {"LstSuivants", "Coups suivants",
         "Les coups joués dans la position, avec leurs parties et leur score\u00a0; Entrée ou un "
         "clic "
         "joue le coup"},
        {"LstParties", "Parties",
         "Les parties passant par la position\u00a0; un double clic charge la "
         "partie"},
    };
    setAccessibleName(QStringLiteral("Parties"));
    setAccessibleDescription(
        QStringLiteral("Les parties de tournoi et les vôtres passant par la position du plateau"));
    decrit_pour_lecteur(*this, descriptions, QStringLiteral("Un trait de séparation"));
}

void FenetreParties::CmdAjouter_Click()
{
    QString dossier;
    if (!parties_.fichiers().empty())
        dossier = QString::fromStdString(parties_.fichiers().back().parent_path().string());
    ajoute_fichiers(QFileDialog::getOpenFileNames(
        this, QStringLiteral("Ajouter des fichiers de parties"), dossier,
        QStringLiteral("Parties (*.wtb *.WTB *.txt);;Tous les fichiers (*)")));
}

void FenetreParties::ajoute_fichiers(const QStringList& chemins)
{
    std::vector<std::filesystem::path> fichiers;
    for (const QString& c : chemins) fichiers.emplace_back(c.toStdString());
    parties_.ajoute_fichiers(fichiers);
    apres_action();
}

// Files dropped from a file manager: their local paths.
void FenetreParties::dragEnterEvent(QDragEnterEvent* e)
{
    const QList<QUrl> urls = e->mimeData()->urls();
    if (std::any_of(urls.begin(), urls.end(), [](const QUrl& u) { return u.isLocalFile(); }))
        e->acceptProposedAction();
    else
        e->ignore();
}

void FenetreParties::dropEvent(QDropEvent* e)
{
    QStringList chemins;
    for (const QUrl& u : e->mimeData()->urls())
        if (u.isLocalFile()) chemins << u.toLocalFile();
    e->acceptProposedAction();
    ajoute_fichiers(chemins);
}

void FenetreParties::apres_action()
{
    lance_chargements();
    principale_.actualise(); // which shows this window too
}

void FenetreParties::actualise()
{
    parties_.actualise();
    montre_liste(*LstFichiers_, parties_.LstFichiers);
    CmdRetirer_->setEnabled(parties_.CmdRetirer.actif);
    CmdAnnuler_->setEnabled(parties_.CmdAnnuler.actif);
    progression_->setVisible(parties_.en_chargement());
    progression_->setValue(static_cast<int>(parties_.progression * 1000));
    montre_texte(*LblEtat_, parties_.LblEtat.legende);
    montre_texte(*LblBilan_, parties_.LblBilan.legende);
    LstSuivants_->headerItem()->setText(2,
                                        parties_.score_pour_blanc ? QStringLiteral("Score blanc")
                                                                  : QStringLiteral("Score noir"));
    montre_tableau(*LstSuivants_, parties_.LstSuivants, suivants_montres_, {1, 2});
    montre_tableau(*LstParties_, parties_.LstParties, parties_montrees_, {3, 4});
    partage_base();
}

// The base loaded, handed to the "Mes parties" page and to the training window (its new lines
// then come most played first); withdrawn while another loads, before it goes.
void FenetreParties::partage_base()
{
    const Base* base = base_partagee();
    const std::pair<const Base*, const PartieBase*> identite {
        base, base ? base->parties.data() : nullptr};
    if (identite == partagee_) return mes_parties_->actualise();
    partagee_ = identite;
    mes_parties_->base_chargee(base);
    if (FenetreEntrainement* e = principale_.fenetre_entrainement())
        e->entrainement().base_chargee(base ? &base->index : nullptr);
}

void FenetreParties::closeEvent(QCloseEvent* e)
{
    parties_.Form_Unload();
    e->accept();
}

} // namespace tavik::ui
