// The training window driven through its real controls, with the exercise played on the main
// window's board, on the shipped library and a notebook in a scratch folder.

#include "engine/regles.h"
#include "fenetre_plateau.h"
#include "graphique.h"
#include "reglages.h"

#include <QAccessible>
#include <QApplication>
#include <QCheckBox>
#include <QFile>
#include <QImage>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>

using namespace tavik;
using namespace tavik::ui;

// The tallest block of one colour in an image: its columns where it is tallest, and its rows.
struct Barre : QRect
{
    int hauteur() const { return isNull() ? 0 : height(); }
    int largeur() const { return isNull() ? 0 : width(); }
};

Barre barre(const QImage& image, const QColor& couleur)
{
    Barre plus_haute;
    for (int x = 0; x < image.width(); ++x)
        for (int y = 0; y < image.height(); ++y) {
            int fin = y;
            while (fin < image.height() && image.pixelColor(x, fin) == couleur) ++fin;
            if (fin - y > plus_haute.hauteur()) {
                int droite = x;
                while (droite + 1 < image.width() && image.pixelColor(droite + 1, y) == couleur)
                    ++droite;
                static_cast<QRect&>(plus_haute) = QRect(QPoint(x, y), QPoint(droite, fin - 1));
            }
            y = fin;
        }
    return plus_haute;
}

class TestEntrainement : public QObject
{
    Q_OBJECT

    QTemporaryDir dossier;
    FonCom com;
    std::unique_ptr<FenetrePlateau> f;
    QStringList messages; // the boxes shown
    std::vector<DemandeFichier> demandes; // the file dialogs shown
    std::optional<std::filesystem::path> choisi; // what they answer

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
        messages.clear();
        demandes.clear();
        QFile::remove(dossier.filePath(QStringLiteral("reglages.ini")));
        reglages_dans(dossier.filePath(QStringLiteral("reglages.ini")));
        Hote hote {.message
                   = [this](const std::string& t) { messages << QString::fromStdString(t); },
                   .horloge = [t = 0.0]() mutable { return t += 0.03; },
                   .carnet = dossier.filePath(QStringLiteral("carnet.sqlite")).toStdString(),
                   .choisit_fichier =
                       [this](const DemandeFichier& d) {
                           demandes.push_back(d);
                           return choisi;
                       }};
        f = std::make_unique<FenetrePlateau>(com, TAVIK_BIBLIO, hote);
        f->show();
        f->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(f.get()));
    }
    void cleanup() { f.reset(); }

    void ouvre() const { QTest::mouseClick(w(f.get(), "CmdEntrainer"), Qt::LeftButton); }

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
        QCOMPARE(messages, QStringList {});
    }

    // "Exporter la progression…" writes the file chosen in the dialog, "Importer une
    // progression…" takes one back without counting anything twice; no import during a
    // session.
    void exporter_puis_importer_la_progression()
    {
        ouvre();
        QTest::mouseClick(w(e(), "CmdCommencer"), Qt::LeftButton);
        QVERIFY(!w(e(), "CmdImporter")->isEnabled());
        QTest::mouseClick(w(e(), "CmdArreter"), Qt::LeftButton);
        QVERIFY(w(e(), "CmdImporter")->isEnabled());
        const QString copie = dossier.filePath(QStringLiteral("copie.sqlite"));
        choisi = copie.toStdString();
        QTest::mouseClick(w(e(), "CmdExporter"), Qt::LeftButton);
        QVERIFY(QFile::exists(copie));
        QTest::mouseClick(w(e(), "CmdImporter"), Qt::LeftButton);
        QCOMPARE(demandes.size(), std::size_t {2});
        QVERIFY(demandes[0].pour_ecrire && !demandes[1].pour_ecrire);
        QCOMPARE(
            messages,
            (QStringList {
                QStringLiteral("La progression a été exportée dans «\u00a0%1\u00a0».").arg(copie),
                QStringLiteral("Rien de nouveau dans «\u00a0%1\u00a0»\u00a0: chacun de ses "
                               "exercices est déjà dans la progression.")
                    .arg(copie)}));
    }

    // "À partir de F5": ticked at first, the lines written from F5; unticked, from C4, and so
    // again when the window opens anew; disabled during a session.
    void a_partir_de_f5_retenu()
    {
        ouvre();
        const auto debuts = [this] {
            QSet<QString> d;
            const QListWidget* liste = w<QListWidget>(e(), "LstOuverture");
            for (int i = 0; i < liste->count(); ++i)
                d << liste->item(i)->text().section(QLatin1Char('('), -1).left(2);
            return d;
        };
        QVERIFY(w<QCheckBox>(e(), "ChkDepuisF5")->isChecked());
        QCOMPARE(debuts(), QSet<QString> {QStringLiteral("F5")});
        QTest::mouseClick(w<QCheckBox>(e(), "ChkDepuisF5"), Qt::LeftButton);
        QCOMPARE(debuts(), QSet<QString> {QStringLiteral("C4")});
        e()->close();
        QTRY_VERIFY(!e());
        ouvre();
        QVERIFY(!w<QCheckBox>(e(), "ChkDepuisF5")->isChecked());
        QCOMPARE(debuts(), QSet<QString> {QStringLiteral("C4")});
        QTest::mouseClick(w(e(), "CmdCommencer"), Qt::LeftButton);
        QVERIFY(!w<QCheckBox>(e(), "ChkDepuisF5")->isEnabled());
        QTest::mouseClick(w(e(), "CmdArreter"), Qt::LeftButton);
        QVERIFY(w<QCheckBox>(e(), "ChkDepuisF5")->isEnabled());
    }

    // The chart at its size on the page, with the exercises of today and the wrong moves of
    // two days before: each bar at least 6 pixels wide, the exercises in green above the wrong
    // moves in red, today at the right, equal counts equally tall.
    void graphique_barres_larges_et_distinctes()
    {
        Graphique g(nullptr);
        g.resize(281, 140);
        std::vector<JourActivite> jours;
        for (Jour j = 100; j < 130; ++j) jours.push_back({j, 0, 0});
        jours[29].revues = 4;
        jours[27].erreurs = 4;
        g.montre(jours);
        const QImage image = g.grab().toImage();
        const Barre vert = barre(image, QColor(32, 128, 64));
        const Barre rouge = barre(image, QColor(237, 110, 110));
        QVERIFY(vert.hauteur() > 20); // a bar, not the legend's square
        QCOMPARE(vert.hauteur(), rouge.hauteur());
        QVERIFY(vert.largeur() >= 6);
        QVERIFY(rouge.largeur() >= 6);
        QVERIFY(vert.bottom() < rouge.top());
        QVERIFY(vert.left() > rouge.right());
    }
};

QTEST_MAIN(TestEntrainement)
#include "fenetre_entrainement_test.moc"
