// The training window driven through its real controls, with the exercise played on the main
// window's board, on the shipped library and a notebook in a scratch folder.

#include "engine/regles.h"
#include "fenetre_plateau.h"
#include "graphique.h"

#include <QAccessible>
#include <QApplication>
#include <QCheckBox>
#include <QLabel>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>

using namespace tavik;
using namespace tavik::ui;

class TestEntrainement : public QObject
{
    Q_OBJECT

    QTemporaryDir dossier;
    FonCom com;
    std::unique_ptr<FenetrePlateau> f;

    FenetreEntrainement* e() const { return f->fenetre_entrainement(); }
    template <class W = QPushButton> W* w(QWidget* fenetre, const char* nom) const
    {
        return fenetre->findChild<W*>(QLatin1String(nom));
    }
    QString texte(const char* nom) const { return w<QLabel>(e(), nom)->text(); }
    const Exercice& exercice() const { return e()->entrainement().session()->exercice(); }
    void clique(const Case c) const { QTest::mouseClick(f->tuile(index_de(c)), Qt::LeftButton); }
    // A legal move of the side to move that no line trained plays.
    Case hors_des_lignes() const
    {
        const std::vector<Case> lignes = exercice().coups_de_la_portee();
        for (int i = 0; i < 64; ++i) {
            const Case c = case_de(i);
            if (test_coup_possible(f->plateau().tab(), f->plateau().joueur(), c.ligne, c.colonne)
                && std::find(lignes.begin(), lignes.end(), c) == lignes.end())
                return c;
        }
        return {};
    }

private slots:
    void init()
    {
        Hote hote {.message = [](const std::string& t) { QFAIL(t.c_str()); },
                   .horloge = [t = 0.0]() mutable { return t += 0.03; },
                   .carnet = dossier.filePath(QStringLiteral("carnet.sqlite")).toStdString()};
        f = std::make_unique<FenetrePlateau>(com, TAVIK_BIBLIO, hote);
        f->show();
        f->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(f.get()));
    }
    void cleanup() { f.reset(); }

    // Ctrl+E and "Entraîner" open one window, beside the main window and the chooser. A
    // session: a right move, a wrong one with the library moves marked on the board and named
    // in the panel, then the line to its end, its score and the progress page. Closing the
    // window ends its session and gives the automatic boxes back.
    void un_exercice_avec_une_erreur()
    {
        QTest::mouseClick(w(f.get(), "CmdChager"), Qt::LeftButton);
        f->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(f.get()));
        QTest::keyClick(f.get(), Qt::Key_E, Qt::ControlModifier);
        QPointer<FenetreEntrainement> premiere = e();
        QVERIFY(premiere && premiere->isVisible());
        QVERIFY(premiere->x() > f->fenetre_ouverture()->frameGeometry().right());
        QVERIFY(w(f.get(), "CmdEntrainer")->toolTip().contains(QStringLiteral("Ctrl+E")));
        QTest::mouseClick(w(f.get(), "CmdEntrainer"), Qt::LeftButton);
        QCOMPARE(e(), premiere.data());
        // A screen reader hears each control's own name, the separators left apart.
        for (const auto& [nom, lu] : {std::pair {"CmdCommencer", "Commencer"},
                                      {"LstOuverture", "Liste des ouvertures"},
                                      {"LblScore", "Score\u00a0: aucun"}}) {
            QCOMPARE(QAccessible::queryAccessibleInterface(w<QWidget>(e(), nom))
                         ->text(QAccessible::Name),
                     QString::fromUtf8(lu));
        }
        QTest::mouseClick(w(e(), "CmdCommencer"), Qt::LeftButton);
        QVERIFY(!w<QCheckBox>(f.get(), "ChkNoirAuto")->isEnabled());
        QVERIFY(texte("LblAnnonce").startsWith(QStringLiteral("Nouvelle ligne\u00a0: ")));

        clique(exercice().coups_attendus().front());
        QCOMPARE(texte("LblMessage"), QStringLiteral("Coup juste."));
        const int avant = f->plateau().num_coup;
        clique(hors_des_lignes());
        QCOMPARE(f->plateau().num_coup, avant); // not played
        QStringList attendus;
        for (const Case c : exercice().coups_attendus()) {
            attendus << QString::fromStdString(notation(c));
            QCOMPARE(f->tuile(index_de(c))->image(), 6); // the library mark, black to move
        }
        QCOMPARE(texte("LblMessage"),
                 QStringLiteral("Coup hors bibliothèque. Coup%1 de la ligne\u00a0: %2.")
                     .arg(attendus.size() > 1 ? QStringLiteral("s") : QString(),
                          attendus.join(QStringLiteral(", "))));

        int coups = 2;
        for (; e()->entrainement().exercice_en_cours(); ++coups) {
            std::vector<Case> suite = exercice().coups_attendus();
            clique(suite.empty() ? exercice().coups_de_la_portee().front() : suite.front());
        }
        const int trouves = coups - 2; // all but the one missed
        const QString s = trouves > 1 ? QStringLiteral("s") : QString();
        const QString score = QStringLiteral("%1 coup%2 sur %3 trouvé%2 du premier coup");
        QCOMPARE(texte("LblScore"), score.arg(trouves).arg(s).arg(coups - 1));
        QVERIFY(!texte("LblLigne").isEmpty());
        QVERIFY(w(e(), "CmdSuivant")->isEnabled());

        QCOMPARE(texte("LblApprentissage"), QStringLiteral("1"));
        const std::vector<JourActivite>& jours = w<Graphique>(e(), "graphique")->jours();
        QCOMPARE(jours.size(), std::size_t {30});
        QCOMPARE(jours.back().revues * 10 + jours.back().erreurs, 11);

        premiere->close();
        QTRY_VERIFY(!premiere);
        QVERIFY(w<QCheckBox>(f.get(), "ChkNoirAuto")->isEnabled());
        QVERIFY(!f->plateau().entraineur());
    }
};

QTEST_MAIN(TestEntrainement)
#include "entrainement_test.moc"
