// The main window's keys, the clipboard and the texts dropped on the board.

#include "fenetre_plateau.h"

#include <QAbstractButton>
#include <QClipboard>
#include <QDropEvent>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QList>
#include <QListWidget>
#include <QMimeData>
#include <QShortcut>
#include <array>

namespace tavik::ui {

namespace {

// A key that presses a button of the window; the button's tooltip names both.
struct Touche
{
    const char* bouton; // the button's object name
    QKeyCombination combinaison;
    const char* bulle;
    bool repetition; // held down, the key repeats the command
};

std::array<Touche, 9> touches()
{
    return {{
        {"CmdPrecedent", Qt::Key_Left, "Coup précédent (flèche gauche)", true},
        {"CmdSuivant", Qt::Key_Right, "Coup suivant (flèche droite)", true},
        {"CmdDebut", Qt::Key_Home, "Début de la partie (Origine)", false},
        {"CmdFin", Qt::Key_End, "Fin de la partie (Fin)", false},
        {"cmd_jouer", Qt::CTRL | Qt::Key_N, "Nouvelle partie (Ctrl+N)", false},
        {"CmdChager", Qt::CTRL | Qt::Key_O, "Liste des ouvertures (Ctrl+O)", false},
        {"CmdEntrainer", Qt::CTRL | Qt::Key_E, "Entraînement aux ouvertures (Ctrl+E)", false},
        {"CmdParties", Qt::CTRL | Qt::Key_B, "Base de parties (Ctrl+B)", false},
        {"CmdInfo", Qt::Key_F1, "À propos de Tavik (F1)", false},
    }};
}

// Lets the window's keys through whatever control has the focus: a read-only text box would
// otherwise keep the arrows, Home, End and Ctrl+C for itself.
class PassageDesTouches : public QObject
{
public:
    PassageDesTouches(QList<QKeySequence> touches, QObject* parent)
        : QObject(parent)
        , touches_(std::move(touches))
    {
    }

protected:
    bool eventFilter(QObject*, QEvent* e) override
    {
        if (e->type() != QEvent::ShortcutOverride) return false;
        const auto* k = static_cast<QKeyEvent*>(e);
        const QKeySequence frappe(
            QKeyCombination(k->modifiers() & ~Qt::KeypadModifier, static_cast<Qt::Key>(k->key())));
        if (!touches_.contains(frappe)) return false;
        e->ignore(); // not taken by the control: the window's shortcut runs
        return true;
    }

private:
    QList<QKeySequence> touches_;
};

} // namespace

void FenetrePlateau::installe_clavier()
{
    QList<QKeySequence> toutes;
    for (const Touche& t : touches()) {
        auto* bouton = findChild<QAbstractButton*>(QLatin1String(t.bouton));
        Q_ASSERT(bouton);
        bouton->setToolTip(QString::fromUtf8(t.bulle));
        // The button's own click: nothing happens while it is disabled.
        auto* raccourci = new QShortcut(QKeySequence(t.combinaison), this);
        raccourci->setContext(Qt::ApplicationShortcut);
        raccourci->setAutoRepeat(t.repetition);
        connect(raccourci, &QShortcut::activated, bouton, &QAbstractButton::click);
        toutes << raccourci->key();
    }

    // From every window of the program; a text box that has the focus keeps its own copy and
    // paste, and its arrows, Home and End.
    new QShortcut(QKeySequence::Copy, this, this, &FenetrePlateau::copie_partie,
                  Qt::ApplicationShortcut);
    new QShortcut(QKeySequence::Paste, this, this, &FenetrePlateau::colle_partie,
                  Qt::ApplicationShortcut);
    toutes << QKeySequence::keyBindings(QKeySequence::Copy)
           << QKeySequence::keyBindings(QKeySequence::Paste);
    LstCoup_->setToolTip(
        QStringLiteral("Coups joués\u00a0: Ctrl+C copie la partie jusqu'ici, Ctrl+V "
                       "charge une partie copiée"));

    auto* passage = new PassageDesTouches(toutes, this);
    for (QWidget* w : findChildren<QWidget*>()) w->installEventFilter(passage);

    setAcceptDrops(true);
}

void FenetrePlateau::copie_partie()
{
    const std::string texte = plateau_.transcription();
    if (!texte.empty()) QGuiApplication::clipboard()->setText(QString::fromStdString(texte));
}

void FenetrePlateau::colle_partie()
{
    charge_texte(QGuiApplication::clipboard()->text());
}

void FenetrePlateau::charge_texte(const QString& texte)
{
    plateau_.charge_transcription(texte.toStdString());
    actualise();
}

// A text over the board, its frame included.
bool FenetrePlateau::accepte_depot(const QDropEvent& e) const
{
    const QWidget* cadre = findChild<QWidget*>(QStringLiteral("cadre"));
    return e.mimeData()->hasText() && cadre && cadre->geometry().contains(e.position().toPoint());
}

// The drag is taken wherever it enters the window, which is most often outside the board: a
// refused entry would get no move and no drop at all. Where the text may go is said by the
// moves and decided at the drop.
void FenetrePlateau::dragEnterEvent(QDragEnterEvent* e)
{
    if (e->mimeData()->hasText())
        e->acceptProposedAction();
    else
        e->ignore();
}

void FenetrePlateau::dragMoveEvent(QDragMoveEvent* e)
{
    if (accepte_depot(*e))
        e->acceptProposedAction();
    else
        e->ignore();
}

void FenetrePlateau::dropEvent(QDropEvent* e)
{
    if (!accepte_depot(*e)) {
        e->ignore();
        return;
    }
    e->acceptProposedAction();
    charge_texte(e->mimeData()->text());
}

} // namespace tavik::ui
