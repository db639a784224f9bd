#include "fenetre_ouverture.h"

#include "elements.h"
#include "fenetre_plateau.h"
#include "images.h"
#include "polices.h"

#include <QLabel>
#include <QListWidget>
#include <QPushButton>

namespace tavik::ui {

FenetreOuverture::FenetreOuverture(FenetrePlateau& principale)
    : QWidget(nullptr,
              Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint
                  | Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint)
    , principale_(principale)
    // The core's messages show over this window, once both windows are up to date.
    , ouverture_(principale.plateau(),
                 services_qt(
                     this,
                     [this] {
                         principale_.actualise();
                         actualise();
                     },
                     principale.hote()))
{
    setObjectName(QStringLiteral("ouverture"));
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowTitle(QStringLiteral("Tavik - Liste des ouvertures"));
    setWindowIcon(icone_fenetres());
    setFont(police_normale());
    setFixedSize(256, 539);

    auto* invite = new QLabel(QStringLiteral("Choisissez l'ouverture à charger"), this);
    invite->setGeometry(8, 8, 241, 25);
    invite->setAlignment(Qt::AlignHCenter | Qt::AlignTop);

    LstOuverture_ = new QListWidget(this);
    LstOuverture_->setObjectName(QStringLiteral("LstOuverture"));
    LstOuverture_->setGeometry(8, 32, 241, 459);
    LstOuverture_->setSelectionMode(QAbstractItemView::SingleSelection);
    LstOuverture_->setSortingEnabled(false);
    LstOuverture_->setUniformItemSizes(true);

    auto* charger = new QPushButton(QStringLiteral("Charger"), this);
    charger->setObjectName(QStringLiteral("Cmdcharger"));
    charger->setGeometry(72, 504, 105, 25);
    charger->setAutoDefault(false);
    setTabOrder(LstOuverture_, charger);
    connect(charger, &QPushButton::clicked, this, &FenetreOuverture::Cmdcharger_Click);

    // What a screen reader says of the window and its controls.
    setAccessibleDescription(
        QStringLiteral("Toutes les ouvertures de la bibliothèque, à charger sur le plateau"));
    invite->setAccessibleName(invite->text());
    invite->setAccessibleDescription(QStringLiteral("Invitation à choisir une ouverture"));
    LstOuverture_->setAccessibleName(QStringLiteral("Liste des ouvertures"));
    LstOuverture_->setAccessibleDescription(
        QStringLiteral("Choisissez une ouverture, puis appuyez sur Charger"));
    charger->setAccessibleName(QStringLiteral("Charger"));
    charger->setAccessibleDescription(
        QStringLiteral("Charge l'ouverture choisie sur le plateau, jusqu'à son dernier coup"));
    // The list keeps the user's selection in the core's list.
    connect(LstOuverture_, &QListWidget::currentRowChanged, this,
            [this](int ligne) { ouverture_.LstOuverture.selection = ligne; });

    ouverture_.Form_Load();
    actualise();
}

void FenetreOuverture::actualise()
{
    montre_liste(*LstOuverture_, ouverture_.LstOuverture);
}

void FenetreOuverture::Cmdcharger_Click()
{
    // Only an entry that shows selected counts: a current row without selection is none.
    const QList<QListWidgetItem*> choix = LstOuverture_->selectedItems();
    ouverture_.LstOuverture.selection = choix.isEmpty() ? -1 : LstOuverture_->row(choix.first());
    ouverture_.Cmdcharger_Click();
    principale_.actualise();
    actualise();
}

} // namespace tavik::ui
