// The windows held to their layouts: every control's place, size, caption, font and initial
// state, the chooser's tab order and the message box.

#include "attendu.h"
#include "disposition_attendue.h"
#include "elements.h"
#include "fenetre_info.h"
#include "fenetre_plateau.h"
#include "graphique.h"
#include "images.h"
#include "reglages.h"

#include <QApplication>
#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMessageBox>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QSpinBox>
#include <QStyleOptionButton>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <cmath>
#include <map>
#include <vector>

using namespace tavik;
using namespace tavik::ui;
using namespace disposition;

namespace {

template <class W> bool est(QWidget* w)
{
    return dynamic_cast<W*>(w) != nullptr;
}

// clang-format off
// Each kind as a message names it, and how it is recognised.
const std::pair<const char*, bool (*)(QWidget*)> genres[] {
    {"window", [](QWidget* w) { return w->isWindow(); }}, {"button", est<QPushButton>},
    {"check box", est<QCheckBox>}, {"label", est<QLabel>}, {"list", est<QListWidget>},
    {"text box", est<QLineEdit>}, {"frame", est<QGroupBox>}, {"picture", est<Vignette>},
    {"tile", est<Tuile>}, {"line", est<Ligne>}, {"option", est<QRadioButton>},
    {"tabs", est<QTabWidget>}, {"number box", est<QSpinBox>}, {"chart", est<Graphique>}};
// The requested family (substitutes are the system's business), size in pixels, weight.
const QString polices[] {"", "MS Sans Serif/11/400", "MS Sans Serif/11/700",
    "Arial Black/11/900", "Courier/13/400", "Arial/16/400", "Arial Black/16/900"};
// clang-format on

QString legende(QWidget* w)
{
    if (w->isWindow()) return w->windowTitle();
    if (auto* b = qobject_cast<QAbstractButton*>(w)) return b->text();
    if (auto* l = qobject_cast<QLabel*>(w)) return l->text();
    if (auto* z = qobject_cast<QLineEdit*>(w)) return z->text();
    if (auto* c = qobject_cast<QGroupBox*>(w)) return c->title();
    return {};
}

// "plateau: button CmdFin at 192,360", "Info: label Coups at 24,354".
QString nom_de(const Controle& c)
{
    return QStringLiteral("%1: %2 %3 at %4,%5")
        .arg(c.parent, genres[int(c.genre)].first, c.nom ? c.nom : c.texte)
        .arg(c.place.x())
        .arg(c.place.y());
}

// The controls inside `parent`, the windows that it owns left out.
QList<QWidget*> enfants(QWidget* parent)
{
    QList<QWidget*> l;
    for (QWidget* w : parent->findChildren<QWidget*>(Qt::FindDirectChildrenOnly))
        if (!w->isWindow()) l << w;
    return l;
}

// The control that row `c` describes among the children of `parent`: by name when the row
// names it, else by kind and caption, else by kind and top-left corner.
QWidget* trouve(QWidget* parent, const Controle& c)
{
    if (c.genre == G::fenetre) return parent;
    QList<QWidget*> candidats;
    for (QWidget* w : enfants(parent)) {
        if (!genres[int(c.genre)].second(w)) continue;
        if (c.nom         ? w->objectName() == QLatin1String(c.nom)
                : c.texte ? legende(w) == QString::fromUtf8(c.texte)
                          : w->pos() == c.place.topLeft())
            candidats << w;
    }
    return candidats.size() == 1 ? candidats.first() : nullptr;
}

// What differs between the control and its row, or nothing.
QStringList ecarts(QWidget* fenetre, QWidget* w, const Controle& c)
{
    QStringList e;
    const auto compare = [&e](const char* quoi, const auto& vu, const auto& voulu) {
        if (vu != voulu)
            e << QStringLiteral("%1 %2 instead of %3")
                     .arg(QLatin1String(quoi), QDebug::toString(vu), QDebug::toString(voulu));
    };
    const QRect g = c.genre == G::fenetre ? QRect(QPoint(0, 0), w->size()) : w->geometry();
    compare("place", c.genre == G::ligne ? QRect(g.topLeft(), QPoint(g.right(), g.y())) : g,
            c.place);
    if (c.genre == G::fenetre)
        compare("fixed size", w->minimumSize() == w->maximumSize(),
                c.etat != Etat::redimensionnable);
    if (c.texte) compare("caption", legende(w), QString::fromUtf8(c.texte));
    const QFont f = w->font();
    const QStringList police {f.families().value(0), QString::number(f.pixelSize()),
                              QString::number(f.weight())};
    if (c.police != P::aucune) compare("font", police.join('/'), polices[int(c.police)]);
    compare("enabled", w->isEnabled(), c.etat != Etat::inactif);
    compare("shown", w->isVisibleTo(fenetre), c.etat != Etat::cache);
    if (auto* boite = qobject_cast<QCheckBox*>(w))
        compare("ticked", boite->isChecked(), c.etat == Etat::choisi);
    if (auto* o = qobject_cast<QRadioButton*>(w))
        compare("chosen", o->isChecked(), c.etat == Etat::choisi);
    if (auto* l = qobject_cast<QLabel*>(w))
        compare("centred", l->alignment().testFlag(Qt::AlignHCenter), c.centre);
    return e;
}

// The main window on the shipped library, its chooser, its training window (on a notebook in
// a scratch folder) and an about box, all shown.
struct Fenetres
{
    QTemporaryDir dossier;
    FonCom com;
    std::unique_ptr<FenetrePlateau> plateau;
    std::unique_ptr<FenetreInfo> info;

    Fenetres()
    {
        reglages_dans(dossier.filePath(QStringLiteral("reglages.ini")));
        const Hote hote {.carnet = dossier.filePath(QStringLiteral("carnet.sqlite")).toStdString()};
        plateau = std::make_unique<FenetrePlateau>(com, TAVIK_BIBLIO, hote);
        plateau->show();
        QTest::mouseClick(plateau->findChild<QPushButton*>("CmdChager"), Qt::LeftButton);
        QTest::mouseClick(plateau->findChild<QPushButton*>("CmdEntrainer"), Qt::LeftButton);
        info = std::make_unique<FenetreInfo>(plateau.get());
        info->show();
    }
    QWidget* parent(const char* nom) const
    {
        const std::string n = nom;
        if (n == "plateau") return plateau.get();
        if (n == "Score") return plateau->findChild<QGroupBox*>(nom);
        if (n == "ouverture") return plateau->fenetre_ouverture();
        if (n == "Info") return info.get();
        QWidget* entrainement = plateau->fenetre_entrainement();
        return n == "entrainement" ? entrainement : entrainement->findChild<QWidget*>(nom);
    }
};

} // namespace

class TestFenetres : public QObject
{
    Q_OBJECT

private slots:
    // Every control of the windows where it must be, as it must look at the start, and no
    // control that the layouts do not hold, the main window having been zoomed to 150 % and
    // back to 100 % first; the chooser's tab stops: the filter, the list, the box, the button.
    void disposition()
    {
        Fenetres f;
        QVERIFY(f.plateau->fenetre_ouverture());
        f.plateau->zoome(1.5);
        f.plateau->zoome(1.0);
        std::map<QWidget*, qsizetype> trouves; // controls found in each parent
        QStringList fautes;
        for (const Controle& c : table()) {
            QWidget* parent = f.parent(c.parent);
            QWidget* w = trouve(parent, c);
            if (!w) {
                fautes << nom_de(c) + QStringLiteral(": none there, or more than one");
                continue;
            }
            trouves[parent] += c.genre != G::fenetre;
            if (const QStringList e = ecarts(parent, w, c); !e.isEmpty()) // shown within its page
                fautes << nom_de(c) + QStringLiteral(": ") + e.join(", ");
        }
        for (const auto& [parent, n] : trouves)
            if (enfants(parent).size() != n)
                fautes << parent->objectName()
                        + QStringLiteral(": %1 controls, %2 in the layout")
                              .arg(enfants(parent).size())
                              .arg(n);
        QVERIFY2(fautes.isEmpty(), qPrintable(fautes.join('\n')));

        f.info->close();
        QWidget* choix = f.plateau->fenetre_ouverture();
        choix->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(choix));
        QStringList ordre;
        for (int i = 0; i < 5 && QApplication::focusWidget(); ++i) {
            if (i > 0) QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
            ordre << QApplication::focusWidget()->objectName();
        }
        QCOMPARE(
            ordre,
            QStringList({"TxtFiltre", "LstOuverture", "ChkDepuisF5", "Cmdcharger", "TxtFiltre"}));
    }

    // The style's own sizes, unzoomed: a check box's indicator, a scroll bar's thickness.
    static int indicateur()
    {
        return QApplication::style()->pixelMetric(QStyle::PM_IndicatorWidth);
    }
    static int barre() { return QApplication::style()->pixelMetric(QStyle::PM_ScrollBarExtent); }

    // As the main window draws them: the indicator of "Coups" and the move list's scroll bar.
    static QList<int> dessins_du_style(FenetrePlateau& p)
    {
        auto* boite = p.findChild<QCheckBox*>(QStringLiteral("chk_voir_coup"));
        QStyleOptionButton o;
        o.initFrom(boite);
        const QRect indicateur
            = boite->style()->subElementRect(QStyle::SE_CheckBoxIndicator, &o, boite);
        auto* liste = p.findChild<QListWidget*>(QStringLiteral("LstCoup"));
        return {indicateur.width(), liste->verticalScrollBar()->sizeHint().width()};
    }

    // Ctrl++ three times: 110 %, 125 %, 150 %. Every control of the main window at its place
    // and in its font times 1.5, edges rounded, so the tiles still touch; the discs drawn at that
    // size; the next window opens at 150 %; a window resized by hand sets the zoom; Ctrl+0 is
    // 100 % again.
    void zoom_a_150()
    {
        Fenetres f;
        f.info->close(); // modal: the main window takes no key while it is open
        FenetrePlateau& p = *f.plateau;
        p.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&p));
        for (int i = 0; i < 3; ++i) QTest::keyClick(&p, Qt::Key_Plus, Qt::ControlModifier);
        QCOMPARE(p.size(), QSize(722, 809));
        const auto bord = [](int v) { return static_cast<int>(std::lround(v * 1.5)); };
        QStringList fautes;
        for (const Controle& c : table()) {
            const std::string parent = c.parent;
            if ((parent != "plateau" && parent != "Score") || c.genre == G::fenetre
                || c.genre == G::ligne)
                continue;
            Controle zoome = c;
            zoome.place
                = QRect(QPoint(bord(c.place.left()), bord(c.place.top())),
                        QPoint(bord(c.place.right() + 1) - 1, bord(c.place.bottom() + 1) - 1));
            const QRect voulu = zoome.place;
            QWidget* w = trouve(f.parent(c.parent), zoome);
            if (!w || w->geometry() != voulu)
                fautes << nom_de(c)
                        + QStringLiteral(": %1").arg(QDebug::toString(w ? w->geometry() : QRect()));
            if (w && c.police != P::aucune) {
                const int taille = polices[int(c.police)].section('/', 1, 1).toInt();
                if (w->font().pixelSize() != bord(taille))
                    fautes << nom_de(c) + QStringLiteral(": font %1").arg(w->font().pixelSize());
            }
        }
        QVERIFY2(fautes.isEmpty(), qPrintable(fautes.join('\n')));
        const QImage e4 = p.tuile(28)->grab().toImage();
        QCOMPARE(e4.size(), QSize(48, 48));
        QCOMPARE(e4.pixel(24, 24), attendu::noir);
        QCOMPARE(e4.pixel(47, 3), attendu::ligne);
        QVERIFY(attendu::est_vert(e4.pixel(44, 3))); // the square, not the window around it
        // What the style sizes by itself grows too: the boxes and the scroll bars.
        QCOMPARE(dessins_du_style(p), (QList<int> {bord(indicateur()), bord(barre())}));

        {
            FonCom com;
            FenetrePlateau suivante(com, TAVIK_BIBLIO,
                                    {.carnet = f.dossier.filePath("c2.sqlite").toStdString()});
            QCOMPARE(suivante.zoom(), 1.5);
            suivante.show();
            QVERIFY(QTest::qWaitForWindowExposed(&suivante));
            suivante.resize(842, 944); // 175 %
            QVERIFY(qAbs(suivante.zoom() - 1.75) < 0.01);
            QCOMPARE(suivante.findChild<QWidget*>(QStringLiteral("CmdFin"))->geometry(),
                     QRect(336, 630, 44, 30));
        }
        p.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&p));
        QTest::keyClick(&p, Qt::Key_0, Qt::ControlModifier);
        QCOMPARE(p.size(), QSize(481, 539));
        QCOMPARE(dessins_du_style(p), (QList<int> {indicateur(), barre()}));
        QCOMPARE(p.tuile(28)->grab().size(), QSize(32, 32));
        QCOMPARE(reglages()->value(QStringLiteral("plateau/zoom")).toDouble(), 1.0);
    }

    // A library file that cannot be read: the message shows in a modal box captioned "Tavik"
    // with its text and one button, "OK", which closes it.
    void boite_de_message()
    {
        QString vu;
        QObject contexte;
        QTimer::singleShot(0, &contexte, [&vu] {
            auto* boite = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
            if (!boite) return;
            const QList<QAbstractButton*> boutons = boite->buttons();
            QStringList textes;
            for (QAbstractButton* b : boutons) textes << b->text().remove('&');
            vu = QStringLiteral("%1|%2|%3|%4")
                     .arg(boite->windowTitle(), textes.join('+'),
                          boite->text().section(QStringLiteral(" «\u00a0"), 0, 0))
                     .arg(QLatin1String(boite->icon() == QMessageBox::NoIcon ? "no icon" : "icon"));
            if (!boutons.isEmpty()) QTest::mouseClick(boutons.first(), Qt::LeftButton);
            vu += QLatin1String(boite->isVisible() ? "|open" : "|closed");
            if (boite->isVisible()) boite->reject(); // never left open
        });
        FonCom com;
        FenetrePlateau plateau(com, "absent/biblio.csv"); // returns once the box is closed
        QCOMPARE(vu, QStringLiteral("Tavik|OK|Impossible de lire le fichier|no icon|closed"));
    }
};

QTEST_MAIN(TestFenetres)
#include "fenetres_test.moc"
