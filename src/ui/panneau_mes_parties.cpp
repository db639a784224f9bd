#include "panneau_mes_parties.h"

#include "fenetre_plateau.h"
#include "services_qt.h"

#include <QComboBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalBlocker>
#include <QTreeWidget>
#include <QVBoxLayout>

namespace tavik::ui {

namespace {

QString q(const std::string& texte)
{
    return QString::fromStdString(texte);
}

} // namespace

PanneauMesParties::PanneauMesParties(FenetrePlateau& principale, QWidget* parent)
    : QWidget(parent)
    , principale_(principale)
    // The core's messages show over this page, once the board is up to date.
    , modele_(principale.plateau(),
              services_qt(
                  this,
                  [this] {
                      principale_.actualise();
                      actualise();
                  },
                  principale.hote()))
{
    setObjectName(QStringLiteral("mes_parties"));
    construit();
    decrit_controles();
    actualise();
}

void PanneauMesParties::construit()
{
    auto* source = new QHBoxLayout;
    auto* invite = new QLabel(QStringLiteral("Parties de\u00a0:"), this);
    LstSource_ = new QComboBox(this);
    LstSource_->setObjectName(QStringLiteral("LstSource"));
    TxtJoueur_ = new QLineEdit(this);
    TxtJoueur_->setObjectName(QStringLiteral("TxtJoueur"));
    TxtJoueur_->setPlaceholderText(QStringLiteral("Nom du joueur"));
    TxtJoueur_->setClearButtonEnabled(true);
    invite->setBuddy(LstSource_);
    source->addWidget(invite);
    source->addWidget(LstSource_, 1);
    source->addWidget(TxtJoueur_, 1);

    LstParties_ = new QTreeWidget(this);
    LstParties_->setObjectName(QStringLiteral("LstMesParties"));
    LstParties_->setRootIsDecorated(false);
    LstParties_->setUniformRowHeights(true);
    LstParties_->setHeaderLabels({QStringLiteral("Partie"), QStringLiteral("Ligne suivie"),
                                  QStringLiteral("Sortie"),
                                  QStringLiteral("La bibliothèque jouait")});
    LstParties_->header()->setStretchLastSection(true);

    LblBilan_ = new QLabel(this);
    LblBilan_->setObjectName(QStringLiteral("LblBilanMesParties"));
    LblBilan_->setWordWrap(true);
    CmdAjouter_ = new QPushButton(QStringLiteral("Ajouter ces lignes à l'entraînement"), this);
    CmdAjouter_->setObjectName(QStringLiteral("CmdAjouterLignes"));
    CmdAjouter_->setAutoDefault(false);
    CmdRetirer_ = new QPushButton(QStringLiteral("Retirer ces lignes de l'entraînement"), this);
    CmdRetirer_->setObjectName(QStringLiteral("CmdRetirerLignes"));
    CmdRetirer_->setAutoDefault(false);
    LblMessage_ = new QLabel(this);
    LblMessage_->setObjectName(QStringLiteral("LblMessageMesParties"));
    LblMessage_->setWordWrap(true);

    auto* actions = new QHBoxLayout;
    actions->addStretch();
    actions->addWidget(CmdAjouter_);
    actions->addWidget(CmdRetirer_);
    auto* page = new QVBoxLayout(this);
    page->addLayout(source);
    page->addWidget(LstParties_, 1);
    page->addWidget(LblBilan_);
    page->addLayout(actions);
    page->addWidget(LblMessage_);

    connect(LstSource_, &QComboBox::currentIndexChanged, this, [this](int i) {
        modele_.LstSource.selection = i;
        modele_.LstSource_Click();
        apres_action();
    });
    connect(TxtJoueur_, &QLineEdit::textChanged, this, [this](const QString& texte) {
        modele_.TxtJoueur.texte = texte.toStdString();
        modele_.TxtJoueur_Change();
        apres_action();
    });
    connect(LstParties_, &QTreeWidget::itemActivated, this, [this](QTreeWidgetItem* item) {
        modele_.selection = LstParties_->indexOfTopLevelItem(item);
        modele_.LstParties_DblClick();
        apres_action();
    });
    connect(LstParties_, &QTreeWidget::currentItemChanged, this, [this](QTreeWidgetItem* item) {
        modele_.selection = item ? LstParties_->indexOfTopLevelItem(item) : -1;
    });
    connect(CmdAjouter_, &QPushButton::clicked, this, [this] {
        modele_.CmdAjouter_Click();
        apres_action();
    });
    connect(CmdRetirer_, &QPushButton::clicked, this, [this] {
        modele_.CmdRetirer_Click();
        apres_action();
    });
}

void PanneauMesParties::decrit_controles()
{
    LstSource_->setAccessibleName(QStringLiteral("Parties de"));
    LstSource_->setAccessibleDescription(
        QStringLiteral("Un fichier de vos parties, ou un joueur des fichiers de tournois"));
    TxtJoueur_->setAccessibleName(QStringLiteral("Nom du joueur"));
    TxtJoueur_->setAccessibleDescription(
        QStringLiteral("Une partie du nom du joueur dont les parties sont listées"));
    LstParties_->setAccessibleName(QStringLiteral("Liste des parties"));
    LstParties_->setAccessibleDescription(
        QStringLiteral("Chaque partie avec la ligne suivie, son coup de sortie et ce que jouait la "
                       "bibliothèque ; Entrée ou un double clic la charge sur le plateau"));
    LblBilan_->setAccessibleName(QStringLiteral("Parties listées"));
    CmdAjouter_->setAccessibleName(CmdAjouter_->text());
    CmdAjouter_->setAccessibleDescription(QStringLiteral(
        "Entraîne les lignes là où ces parties sont sorties de la bibliothèque, sous "
        "«\u00a0Lignes de mes parties\u00a0»"));
    CmdRetirer_->setAccessibleName(CmdRetirer_->text());
    CmdRetirer_->setAccessibleDescription(QStringLiteral(
        "N'entraîne plus les lignes là où ces parties sont sorties de la bibliothèque\u00a0; "
        "votre progression sur ces lignes est gardée"));
    LblMessage_->setAccessibleName(QStringLiteral("Message"));
}

void PanneauMesParties::base_chargee(const Base* base)
{
    modele_.base_chargee(base);
    actualise();
}

void PanneauMesParties::apres_action()
{
    principale_.actualise();
    actualise();
}

// Shows the core's controls; the table is filled again only when its games changed.
void PanneauMesParties::actualise()
{
    modele_.actualise(); // a session of the drill, or the places kept, may have changed
    QStringList sources;
    for (const Liste::Entree& e : modele_.LstSource.entrees) sources << q(e.texte);
    QStringList montrees;
    for (int i = 0; i < LstSource_->count(); ++i) montrees << LstSource_->itemText(i);
    if (sources != montrees || LstSource_->currentIndex() != modele_.LstSource.selection) {
        const QSignalBlocker blocage(LstSource_);
        LstSource_->clear();
        LstSource_->addItems(sources);
        LstSource_->setCurrentIndex(modele_.LstSource.selection);
    }
    if (TxtJoueur_->text().toStdString() != modele_.TxtJoueur.texte) {
        const QSignalBlocker blocage(TxtJoueur_);
        TxtJoueur_->setText(q(modele_.TxtJoueur.texte));
    }
    TxtJoueur_->setEnabled(modele_.TxtJoueur.actif);

    bool memes = LstParties_->topLevelItemCount() == static_cast<int>(modele_.LstParties.size());
    for (int i = 0; memes && i < LstParties_->topLevelItemCount(); ++i) {
        const MesParties::PartieListee& p = modele_.LstParties[static_cast<std::size_t>(i)];
        const QTreeWidgetItem* item = LstParties_->topLevelItem(i);
        memes = item->text(0) == q(p.partie_texte) && item->text(1) == q(p.ligne)
            && item->text(2) == q(p.sortie) && item->text(3) == q(p.bibliotheque);
    }
    if (!memes) {
        const QSignalBlocker blocage(LstParties_);
        LstParties_->clear();
        QList<QTreeWidgetItem*> lignes;
        for (const MesParties::PartieListee& p : modele_.LstParties) {
            auto* item = new QTreeWidgetItem(
                {q(p.partie_texte), q(p.ligne), q(p.sortie), q(p.bibliotheque)});
            item->setToolTip(3, q(p.bibliotheque));
            lignes << item;
        }
        LstParties_->addTopLevelItems(lignes);
        for (int c = 0; c < 3; ++c) LstParties_->resizeColumnToContents(c);
    }
    LstParties_->setColumnHidden(3, modele_.bibliotheque_cachee());
    LblBilan_->setText(q(modele_.LblBilan.legende));
    CmdAjouter_->setEnabled(modele_.CmdAjouter.actif);
    CmdRetirer_->setEnabled(modele_.CmdRetirer.actif);
    LblMessage_->setText(q(modele_.LblMessage.legende));
}

} // namespace tavik::ui
