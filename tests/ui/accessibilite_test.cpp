// The windows as a screen reader walks them through Qt's accessibility interface: every text
// shown is read, every part has a French name, a check box or an option changed by the
// reader's own action counts, the options are exclusive, and each of the 64 squares is a
// button that plays.

#include "fenetre_info.h"
#include "principale.h"

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTabWidget>
#include <QToolButton>

using namespace tavik;
using namespace tavik::ui;

namespace {

// Whether a reader that says `nom` reads `texte`: its words in order, a caption's colon left
// out, an abbreviation ("ouv.") read whole.
bool lu(const QString& nom, const QString& texte)
{
    const QStringList dits = nom.simplified().split(QLatin1Char(' '));
    QStringList mots = texte.simplified().split(QLatin1Char(' '));
    if (!mots.isEmpty() && mots.last() == QLatin1String(":")) mots.removeLast();
    for (qsizetype debut = 0; debut + mots.size() <= dits.size(); ++debut) {
        bool tous = true;
        for (qsizetype i = 0; tous && i < mots.size(); ++i) {
            QString mot = mots[i];
            if (mot.endsWith(QLatin1Char('.')) || mot.endsWith(QLatin1Char(':'))) mot.chop(1);
            tous = dits[debut + i].startsWith(mot);
        }
        if (tous) return true;
    }
    return false;
}

// Every part of the tree under `i` that a reader does not skip, as "name (role)", with the parts
// whose name is missing, English, or a single letter.
void parcourt(QAccessibleInterface* i, QStringList& fautes, int profondeur = 0)
{
    if (!i || i->state().invisible || profondeur > 12) return;
    const QString nom = i->text(QAccessible::Name);
    const QString ou = QStringLiteral("%1 (role %2, %3)")
                           .arg(nom)
                           .arg(i->role())
                           .arg(i->object() ? i->object()->objectName() : QString());
    static const QStringList anglais {QStringLiteral("Scroll"), QStringLiteral("Clear"),
                                      QStringLiteral("Close")};
    const bool nom_anglais = std::any_of(anglais.begin(), anglais.end(), [&](const QString& a) {
        return nom.startsWith(a + QLatin1Char(' ')) || nom == a;
    });
    if (nom.trimmed().size() < 2 || nom_anglais) fautes << ou;
    for (int k = 0; k < i->childCount(); ++k) parcourt(i->child(k), fautes, profondeur + 1);
}

} // namespace

class TestAccessibilite : public QObject
{
    Q_OBJECT

private slots:
    // Each label shown reads with its text, captions and values alike, in the four windows and
    // while an exercise runs; the training window's texts read as "caption : text".
    void chaque_texte_est_lu()
    {
        Principale b;
        QTest::keyClick(b.f.get(), Qt::Key_O, Qt::ControlModifier);
        QTest::keyClick(b.f.get(), Qt::Key_E, Qt::ControlModifier);
        FenetreEntrainement* e = b.f->fenetre_entrainement();
        QTest::mouseClick(b.w("CmdCommencer", e), Qt::LeftButton);
        const Exercice& ex = e->entrainement().session()->exercice();
        QTest::mouseClick(b.f->tuile(index_de(ex.coups_attendus().front())), Qt::LeftButton);
        FenetreInfo info(b.f.get());
        info.show();

        const QList<QWidget*> fenetres {b.f.get(), b.f->fenetre_ouverture(), e, &info};
        int lus = 0;
        for (QWidget* fenetre : fenetres) {
            for (QLabel* l : fenetre->findChildren<QLabel*>()) {
                if (l->text().isEmpty() || !l->isVisibleTo(fenetre)
                    || l->property("tavik_decor").toBool())
                    continue;
                QVERIFY2(lu(b.nom_lu(l), l->text()),
                         qPrintable(l->objectName() + QLatin1String(": ") + b.nom_lu(l)));
                ++lus;
            }
        }
        QVERIFY2(lus > 30, qPrintable(QString::number(lus)));
        const std::pair<const char*, QString> textes[] = {
            {"LblAnnonce", QStringLiteral("Exercice\u00a0: ")},
            {"LblMessage", QStringLiteral("Message\u00a0: Coup juste.")},
            {"LblScore", QStringLiteral("Score\u00a0: aucun")},
        };
        for (const auto& [nom, debut] : textes)
            QVERIFY2(b.nom_lu(b.w(nom, e)).startsWith(debut), qPrintable(b.nom_lu(b.w(nom, e))));
        QVERIFY(b.nom_lu(b.w("LblAnnonce", e)).contains(b.w<QLabel>("LblAnnonce", e)->text()));
    }

    // No part of any window is unnamed, English or a single letter read alone: the tab bar's
    // arrows, the pages, the filter's clear button, the logo, the title's initials.
    void chaque_partie_a_un_nom_francais()
    {
        Principale b;
        QTest::keyClick(b.f.get(), Qt::Key_O, Qt::ControlModifier);
        QTest::keyClick(b.f.get(), Qt::Key_E, Qt::ControlModifier);
        FenetreEntrainement* e = b.f->fenetre_entrainement();
        b.w<QLineEdit>("TxtFiltre", e)->setText(QStringLiteral("tigre")); // its clear button
        auto* onglets = b.w<QTabWidget>("onglets", e);
        onglets->setFixedWidth(60); // the tabs no longer fit: the scroll arrows show
        FenetreInfo info(b.f.get());
        info.show();
        QVERIFY(QTest::qWaitForWindowExposed(&info));

        QStringList fautes;
        for (QWidget* fenetre :
             {static_cast<QWidget*>(b.f.get()), static_cast<QWidget*>(b.f->fenetre_ouverture()),
              static_cast<QWidget*>(e), static_cast<QWidget*>(&info)}) {
            for (int page = 0; page < 2; ++page) {
                onglets->setCurrentIndex(page);
                parcourt(b.acces(fenetre), fautes);
            }
        }
        fautes.removeDuplicates();
        int traits = 0;
        for (QWidget* w : info.findChildren<QWidget*>()) {
            if (!dynamic_cast<Ligne*>(w)) continue;
            QCOMPARE(b.acces(w)->role(), QAccessible::Separator);
            ++traits;
        }
        QCOMPARE(traits, 2);
        QVERIFY2(fautes.isEmpty(), qPrintable(fautes.join(QLatin1Char('\n'))));
        QStringList fleches;
        for (auto* f : onglets->findChildren<QToolButton*>())
            if (f->isVisible()) fleches << b.nom_lu(f);
        QCOMPARE(fleches.size(), 2);
    }

    // A screen reader's "Toggle" ticks a box without a click: the program acts on it all the
    // same. "Coups" marks the legal moves; "Blanc" trains white and unticks "Noir"; a box that
    // the program has disabled keeps its value. A mouse click still counts once.
    void bascule_du_lecteur()
    {
        Principale b;
        const auto bascule = [&](QWidget* w) {
            QAccessibleActionInterface* actions = b.acces(w)->actionInterface();
            QVERIFY(actions->actionNames().contains(QAccessibleActionInterface::toggleAction()));
            actions->doAction(QAccessibleActionInterface::toggleAction());
        };
        bascule(b.w("chk_voir_coup"));
        QVERIFY(b.f->plateau().controles.chk_voir_coup.cochee());
        for (const char* c : {"D3", "C4", "F5", "E6"}) QCOMPARE(b.tuile(c)->image(), 4);
        bascule(b.w("chk_voir_coup"));
        QCOMPARE(b.tuile("F5")->image(), 1);

        QTest::mouseClick(b.w("ChkNoirAuto"), Qt::LeftButton);
        QCOMPARE(b.f->plateau().num_coup, 2); // black's first move, once
        QVERIFY(b.w<QCheckBox>("ChkNoirAuto")->isChecked());

        QTest::keyClick(b.f.get(), Qt::Key_E, Qt::ControlModifier);
        FenetreEntrainement* e = b.f->fenetre_entrainement();
        bascule(b.w("OptBlanc", e));
        QVERIFY(e->entrainement().OptCouleur[1].choisie);
        QVERIFY(b.w<QRadioButton>("OptBlanc", e)->isChecked());
        QVERIFY(!b.w<QRadioButton>("OptNoir", e)->isChecked());
        bascule(b.w("OptPosition", e));
        QVERIFY(e->entrainement().OptPortee[1].choisie);
        QVERIFY(!b.w<QRadioButton>("OptTout", e)->isChecked());

        QTest::mouseClick(b.w("CmdCommencer", e), Qt::LeftButton);
        auto* blanc_auto = b.w<QCheckBox>("ChkBlancAuto");
        QVERIFY(!blanc_auto->isEnabled());
        blanc_auto->toggle(); // not offered to a reader, but a box the program disables stays
        QVERIFY(!b.f->plateau().controles.ChkBlancAuto.cochee());
        QVERIFY(!blanc_auto->isChecked());
        QVERIFY(b.messages.empty());
    }

    // "Noir/Blanc" and the four scopes are radio buttons, each group exclusive: the arrows
    // move the choice within a group, never into the other.
    void options_exclusives()
    {
        Principale b;
        QTest::keyClick(b.f.get(), Qt::Key_E, Qt::ControlModifier);
        FenetreEntrainement* e = b.f->fenetre_entrainement();
        for (const char* nom :
             {"OptNoir", "OptBlanc", "OptTout", "OptPosition", "OptOuverture", "OptMesParties"}) {
            QCOMPARE(b.acces(b.w(nom, e))->role(), QAccessible::RadioButton);
            QVERIFY(b.w<QRadioButton>(nom, e)->autoExclusive());
        }
        Principale::active(e);
        b.w("OptTout", e)->setFocus();
        Principale::touche(Qt::Key_Down);
        QVERIFY(e->entrainement().OptPortee[1].choisie);
        QVERIFY(!b.w<QRadioButton>("OptTout", e)->isChecked());
        QVERIFY(e->entrainement().OptCouleur[0].choisie);
    }

    // Each of the 64 squares is a button whose press plays its own square: from the start
    // only D3, C4, F5 and E6 play, each as that move.
    void les_64_cases_se_pressent()
    {
        Principale b;
        QStringList joues;
        for (int i = 0; i < 64; ++i) {
            QAccessibleInterface* c = b.acces(b.f->tuile(i));
            const QString nom = notation(case_de(i)).c_str();
            QVERIFY2(c->role() == QAccessible::Button, qPrintable(nom));
            QVERIFY2(c->text(QAccessible::Name).startsWith(nom + QStringLiteral("\u00a0: ")),
                     qPrintable(nom));
            QVERIFY2(c->actionInterface()->actionNames().contains(
                         QAccessibleActionInterface::pressAction()),
                     qPrintable(nom));
            c->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
            if (!b.coups().isEmpty()) joues << nom + QLatin1Char('=') + b.coups().trimmed();
            QTest::mouseClick(b.w("cmd_jouer"), Qt::LeftButton);
        }
        QCOMPARE(joues.join(QLatin1Char(' ')),
                 QStringLiteral("D3=1. D3 C4=1. C4 F5=1. F5 E6=1. E6"));
    }
};

QTEST_MAIN(TestAccessibilite)
#include "accessibilite_test.moc"
