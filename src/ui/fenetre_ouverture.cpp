#include "fenetre_ouverture.h"

#include "elements.h"
#include "fenetre_plateau.h"
#include "images.h"
#include "polices.h"
#include "reglages.h"

#include <QApplication>
#include <QCheckBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPainter>
#include <QPushButton>
#include <QShortcut>
#include <QStyledItemDelegate>

namespace tavik::ui {

namespace {

constexpr int role_coups = Qt::UserRole + 1;
const QString cle_depuis_f5 = QStringLiteral("ouvertures/a_partir_de_f5");

// An entry of the list: the name on the left, the moves in a lighter colour on the right; the
// name keeps at least half the row, and moves too long for the rest show their end, where two
// lines of one name differ.
class DelegueOuverture : public QStyledItemDelegate
{
public:
    using QStyledItemDelegate::QStyledItemDelegate;

    void paint(QPainter* p, const QStyleOptionViewItem& option,
               const QModelIndex& index) const override
    {
        QStyleOptionViewItem o = option;
        initStyleOption(&o, index);
        const QString nom = o.text;
        o.text.clear();
        const QWidget* w = o.widget;
        QStyle* style = w ? w->style() : QApplication::style();
        style->drawControl(QStyle::CE_ItemViewItem, &o, p, w);

        const QRect zone
            = style->subElementRect(QStyle::SE_ItemViewItemText, &o, w).adjusted(2, 0, -2, 0);
        const QString coups = index.data(role_coups).toString();
        const QFontMetrics m(o.font);
        const int ecart = m.horizontalAdvance(QLatin1Char(' ')) * 2;
        const int place_nom
            = std::max(zone.width() / 2, zone.width() - ecart - m.horizontalAdvance(coups));
        const QString nom_montre = m.elidedText(nom, Qt::ElideRight, place_nom);
        const int debut_coups
            = zone.left() + std::min(place_nom, m.horizontalAdvance(nom_montre)) + ecart;
        const bool choisie = o.state.testFlag(QStyle::State_Selected);
        const QPalette::ColorGroup groupe
            = o.state.testFlag(QStyle::State_Enabled) ? QPalette::Normal : QPalette::Disabled;

        p->save();
        p->setFont(o.font);
        p->setPen(o.palette.color(groupe, choisie ? QPalette::HighlightedText : QPalette::Text));
        p->drawText(QRect(zone.left(), zone.top(), place_nom, zone.height()),
                    Qt::AlignLeft | Qt::AlignVCenter, nom_montre);
        if (!choisie) p->setPen(o.palette.color(groupe, QPalette::PlaceholderText));
        const QRect zone_coups(QPoint(debut_coups, zone.top()), zone.bottomRight());
        p->drawText(zone_coups, Qt::AlignRight | Qt::AlignVCenter,
                    m.elidedText(coups, Qt::ElideLeft, zone_coups.width()));
        p->restore();
    }
};

} // namespace

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
    construit();
    decrit_controles();
    setMinimumSize(256, 240);
    resize(taille_initiale);
    dispose(size());

    ouverture_.ChkDepuisF5.fixe(reglages()->value(cle_depuis_f5, false).toBool() ? 1 : 0);
    ouverture_.Form_Load();
    actualise();
}

void FenetreOuverture::construit()
{
    invite_ = new QLabel(QStringLiteral("Choisissez l'ouverture à charger"), this);
    invite_->setAlignment(Qt::AlignHCenter | Qt::AlignTop);

    TxtFiltre_ = new QLineEdit(this);
    TxtFiltre_->setObjectName(QStringLiteral("TxtFiltre"));
    TxtFiltre_->setPlaceholderText(QStringLiteral("Filtrer\u00a0: nom ou premiers coups (f5d6c3)"));
    TxtFiltre_->setClearButtonEnabled(true);
    TxtFiltre_->installEventFilter(this);
    connect(TxtFiltre_, &QLineEdit::textChanged, this, [this](const QString& texte) {
        ouverture_.TxtFiltre.texte = texte.toStdString();
        ouverture_.TxtFiltre_Change();
        actualise();
    });

    LstOuverture_ = new QListWidget(this);
    LstOuverture_->setObjectName(QStringLiteral("LstOuverture"));
    LstOuverture_->setSelectionMode(QAbstractItemView::SingleSelection);
    LstOuverture_->setSortingEnabled(false);
    LstOuverture_->setUniformItemSizes(true);
    LstOuverture_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    LstOuverture_->setItemDelegate(new DelegueOuverture(LstOuverture_));
    LstOuverture_->installEventFilter(this);
    // The list keeps the user's selection in the core's list.
    connect(LstOuverture_, &QListWidget::currentRowChanged, this,
            [this](int ligne) { ouverture_.LstOuverture.selection = ligne; });
    connect(LstOuverture_, &QListWidget::itemDoubleClicked, this,
            &FenetreOuverture::Cmdcharger_Click);

    ChkDepuisF5_ = new QCheckBox(QStringLiteral("À partir de F5"), this);
    ChkDepuisF5_->setObjectName(QStringLiteral("ChkDepuisF5"));
    // Whatever ticks it (a click, the keyboard, a screen reader), the core and the settings
    // follow.
    connect(ChkDepuisF5_, &QCheckBox::toggled, this, [this](bool cochee) {
        ouverture_.ChkDepuisF5.fixe(cochee ? 1 : 0);
        reglages()->setValue(cle_depuis_f5, cochee);
        actualise();
    });

    Cmdcharger_ = new QPushButton(QStringLiteral("Charger"), this);
    Cmdcharger_->setObjectName(QStringLiteral("Cmdcharger"));
    Cmdcharger_->setAutoDefault(false);
    connect(Cmdcharger_, &QPushButton::clicked, this, &FenetreOuverture::Cmdcharger_Click);
    setTabOrder(TxtFiltre_, LstOuverture_);
    setTabOrder(LstOuverture_, ChkDepuisF5_);
    setTabOrder(ChkDepuisF5_, Cmdcharger_);

    for (const QKeySequence& touche : {QKeySequence(Qt::Key_Return), QKeySequence(Qt::Key_Enter)})
        connect(new QShortcut(touche, this), &QShortcut::activated, this,
                &FenetreOuverture::charge_au_clavier);
    connect(new QShortcut(QKeySequence(Qt::Key_Escape), this), &QShortcut::activated, this,
            &QWidget::close);
}

// What a screen reader says of the window and its controls.
void FenetreOuverture::decrit_controles()
{
    setAccessibleDescription(
        QStringLiteral("Toutes les ouvertures de la bibliothèque, à charger sur le plateau"));
    invite_->setAccessibleName(invite_->text());
    invite_->setAccessibleDescription(QStringLiteral("Invitation à choisir une ouverture"));
    TxtFiltre_->setAccessibleName(QStringLiteral("Filtre des ouvertures"));
    TxtFiltre_->setAccessibleDescription(QStringLiteral(
        "Ne liste que les ouvertures dont le nom contient ce texte, ou qui commencent par ces "
        "coups"));
    LstOuverture_->setAccessibleName(QStringLiteral("Liste des ouvertures"));
    LstOuverture_->setAccessibleDescription(
        QStringLiteral("Choisissez une ouverture, puis appuyez sur Entrée ou sur Charger"));
    ChkDepuisF5_->setAccessibleName(ChkDepuisF5_->text());
    ChkDepuisF5_->setAccessibleDescription(
        QStringLiteral("Coché, l'ouverture est chargée tournée pour commencer par F5"));
    Cmdcharger_->setAccessibleName(QStringLiteral("Charger"));
    Cmdcharger_->setAccessibleDescription(
        QStringLiteral("Charge l'ouverture choisie sur le plateau, jusqu'à son dernier coup"));
    complete_pour_lecteur(*this, QStringLiteral("Un trait qui sépare deux parties de la fenêtre"));
}

// The controls at their places for a client area of `taille`: the list takes what the window
// has beyond its first size.
void FenetreOuverture::dispose(QSize taille)
{
    const int l = taille.width() - 15, h = taille.height();
    invite_->setGeometry(8, 8, l, 25);
    TxtFiltre_->setGeometry(8, 32, l, 21);
    LstOuverture_->setGeometry(8, 58, l, h - 58 - 48);
    ChkDepuisF5_->setGeometry(8, h - 31, 113, 17);
    Cmdcharger_->setGeometry(taille.width() - 113, h - 35, 105, 25);
}

void FenetreOuverture::resizeEvent(QResizeEvent* e)
{
    QWidget::resizeEvent(e);
    dispose(size());
}

bool FenetreOuverture::eventFilter(QObject* objet, QEvent* e)
{
    // The list keeps Home and End, which go to its first and last entry, from the main
    // window's keys.
    if (objet == LstOuverture_ && e->type() == QEvent::ShortcutOverride) {
        const int touche = static_cast<QKeyEvent*>(e)->key();
        if (touche == Qt::Key_Home || touche == Qt::Key_End) e->accept();
        return false;
    }
    if (objet == TxtFiltre_ && e->type() == QEvent::KeyPress
        && static_cast<QKeyEvent*>(e)->key() == Qt::Key_Down && LstOuverture_->count() > 0) {
        if (ouverture_.LstOuverture.selection < 0) ouverture_.LstOuverture.selection = 0;
        actualise();
        LstOuverture_->setFocus();
        return true;
    }
    return QWidget::eventFilter(objet, e);
}

void FenetreOuverture::actualise()
{
    montre_liste(*LstOuverture_, ouverture_.LstOuverture);
    for (int i = 0; i < LstOuverture_->count(); ++i) {
        QListWidgetItem* entree = LstOuverture_->item(i);
        const QString coups = QString::fromStdString(ouverture_.coups_de(i));
        if (entree->data(role_coups).toString() == coups) continue;
        entree->setData(role_coups, coups);
        entree->setToolTip(coups);
        entree->setData(Qt::AccessibleDescriptionRole, coups);
    }
    const QString filtre = QString::fromStdString(ouverture_.TxtFiltre.texte);
    if (TxtFiltre_->text() != filtre) {
        const QSignalBlocker blocage(TxtFiltre_);
        TxtFiltre_->setText(filtre);
    }
    const QSignalBlocker blocage(ChkDepuisF5_);
    ChkDepuisF5_->setChecked(ouverture_.ChkDepuisF5.cochee());
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

void FenetreOuverture::charge_au_clavier()
{
    if (LstOuverture_->selectedItems().isEmpty() && LstOuverture_->count() > 0) {
        ouverture_.LstOuverture.selection = 0;
        actualise();
    }
    Cmdcharger_Click();
}

} // namespace tavik::ui
