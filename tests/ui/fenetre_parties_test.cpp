// The games window driven through its real controls: files remembered and loaded when it
// opens, a next move clicked and played on the board, a game loaded by a double click, a load
// stopped by closing the window while the board stays usable, and the window opened again at
// start-up when it was left open.

#include "engine/disques.h"
#include "principale.h"
#include "reglages.h"

#include <QDropEvent>
#include <QFile>
#include <QLabel>
#include <QMimeData>
#include <QPushButton>
#include <QSettings>
#include <QTreeWidget>
#include <bit>
#include <random>

using namespace tavik;
using namespace tavik::ui;

namespace {

// A games file as the federation writes it: the header, then for each game its tournament,
// players, black's discs and its moves written 10 x row + column.
QByteArray octets_wthor(const std::vector<std::pair<std::vector<int>, int>>& parties)
{
    QByteArray o(16, '\0');
    o[0] = 20;
    o[1] = 24;
    const auto n = static_cast<uint32_t>(parties.size());
    for (int i = 0; i < 4; ++i) o[4 + i] = static_cast<char>(n >> (8 * i) & 0xff);
    o[10] = static_cast<char>(2001 & 0xff);
    o[11] = static_cast<char>(2001 >> 8);
    o[12] = 8;
    for (const auto& [coups, score] : parties) {
        QByteArray r(68, '\0');
        r[6] = static_cast<char>(score);
        for (std::size_t k = 0; k < coups.size(); ++k)
            r[8 + static_cast<int>(k)]
                = static_cast<char>(10 * (coups[k] / 8 + 1) + coups[k] % 8 + 1);
        o += r;
    }
    return o;
}

// Games played at random to the end, for a load that lasts.
std::vector<std::pair<std::vector<int>, int>> parties_au_hasard(int nombre)
{
    std::mt19937 hasard(7);
    std::vector<std::pair<std::vector<int>, int>> parties;
    for (int n = 0; n < nombre; ++n) {
        PositionJeu p;
        std::vector<int> coups;
        for (;;) {
            const bool blanc = p.trait_effectif();
            uint64_t possibles = blanc ? coups_possibles(p.disques.blancs, p.disques.noirs)
                                       : coups_possibles(p.disques.noirs, p.disques.blancs);
            if (!possibles) break;
            for (auto saut = hasard() % static_cast<unsigned>(std::popcount(possibles)); saut > 0;
                 --saut)
                possibles &= possibles - 1;
            const int c = std::countr_zero(possibles);
            p.joue(c);
            coups.push_back(c);
        }
        parties.emplace_back(coups, std::popcount(p.disques.noirs));
    }
    return parties;
}

} // namespace

class TestFenetreParties : public QObject
{
    Q_OBJECT

    QTemporaryDir fichiers;

    QString ecrit(const char* nom, const QByteArray& octets)
    {
        QFile f(fichiers.filePath(QLatin1String(nom)));
        if (!f.open(QIODevice::WriteOnly)) return {};
        f.write(octets);
        return f.fileName();
    }
    static void retiens(const QStringList& chemins)
    {
        reglages()->setValue(QStringLiteral("parties/fichiers"), chemins);
    }

private slots:
    // Files remembered from the last run load when Ctrl+B opens the window beside the main one.
    // On the tiger, a quarter turn later, the one next move is listed where the turned board has
    // it; a click plays it there. A double click on a game loads it whole.
    void un_coup_clique_est_joue_et_une_partie_chargee()
    {
        const std::vector<int> tigre_f4 {37, 43, 18, 19, 26, 29}; // F5 D6 C3 D3 C4 F4
        const std::vector<int> tigre(tigre_f4.begin(), tigre_f4.end() - 1);
        retiens({ecrit("WTH_2001.wtb", octets_wthor({{tigre_f4, 20}, {tigre, 40}}))});
        Principale p;
        QTest::keyClick(p.f.get(), Qt::Key_B, Qt::ControlModifier);
        FenetreParties* g = p.f->fenetre_parties();
        QVERIFY(g && g->isVisible());
        QVERIFY(g->x() > p.f->frameGeometry().right());
        QTRY_VERIFY(g->parties().base_chargee());
        QVERIFY(!g->fil_actif());
        QCOMPARE(p.w<QLabel>("LblEtat", g)->text(), QStringLiteral("2 parties chargées."));

        for (const char* c : {"F5", "D6", "C3", "D3", "C4"})
            QTest::mouseClick(p.tuile(c), Qt::LeftButton);
        QTest::mouseClick(p.w("CmdRotation"), Qt::LeftButton);
        QCOMPARE(
            p.w<QLabel>("LblBilan", g)->text(),
            QStringLiteral("2 parties\u00a0: noir 50,0\u00a0%, nul 0,0\u00a0%, blanc 50,0\u00a0%"));
        auto* suivants = p.w<QTreeWidget>("LstSuivants", g);
        QCOMPARE(suivants->topLevelItemCount(), 1);
        QCOMPARE(suivants->topLevelItem(0)->text(0), QStringLiteral("E6")); // F4, turned
        QCOMPARE(suivants->headerItem()->text(2), QStringLiteral("Score blanc"));
        QCOMPARE(suivants->topLevelItem(0)->text(2), QStringLiteral("100,0\u00a0%"));

        const QRect ligne = suivants->visualItemRect(suivants->topLevelItem(0));
        QTest::mouseClick(suivants->viewport(), Qt::LeftButton, {}, ligne.center());
        QCOMPARE(p.f->plateau().num_coup, 7);
        QCOMPARE(p.tuile("E6")->image(), static_cast<int>(image_blanc));
        QCOMPARE(
            p.w<QLabel>("LblBilan", g)->text(),
            QStringLiteral("1 partie\u00a0: noir 0,0\u00a0%, nul 0,0\u00a0%, blanc 100,0\u00a0%"));

        QTest::mouseClick(p.w("CmdDebut"), Qt::LeftButton);
        auto* liste = p.w<QTreeWidget>("LstParties", g);
        QCOMPARE(liste->topLevelItemCount(), 2);
        QCOMPARE(liste->topLevelItem(1)->text(4), QStringLiteral("40-24"));
        const QRect partie = liste->visualItemRect(liste->topLevelItem(1));
        // A double click as a mouse makes it: a click, then the second press.
        QTest::mouseClick(liste->viewport(), Qt::LeftButton, {}, partie.center());
        QTest::mouseDClick(liste->viewport(), Qt::LeftButton, {}, partie.center());
        QCOMPARE(p.f->plateau().transcription(), std::string("f5d6c3d3c4"));
        QVERIFY(p.messages.empty());
    }

    // Files dropped from a file manager are added, remembered and loaded; a dragged text is
    // not taken.
    void des_fichiers_deposes_sont_ajoutes()
    {
        retiens({});
        Principale p;
        p.f->CmdParties_Click();
        FenetreParties* g = p.f->fenetre_parties();
        QMimeData texte;
        texte.setText(QStringLiteral("f5d6"));
        QDragEnterEvent refus(QPoint(20, 20), Qt::CopyAction, &texte, Qt::LeftButton, {});
        QApplication::sendEvent(g, &refus);
        QVERIFY(!refus.isAccepted());

        const QString miennes = ecrit("miennes.txt", "f5 d6 c3\nf5 d6\n");
        QMimeData urls;
        urls.setUrls({QUrl::fromLocalFile(miennes)});
        QDragEnterEvent entree(QPoint(20, 20), Qt::CopyAction, &urls, Qt::LeftButton, {});
        QApplication::sendEvent(g, &entree);
        QVERIFY(entree.isAccepted());
        QDropEvent depot(QPointF(20, 20), Qt::CopyAction, &urls, Qt::LeftButton, {});
        QApplication::sendEvent(g, &depot);
        QCOMPARE(reglages()->value(QStringLiteral("parties/fichiers")).toStringList(),
                 QStringList {miennes});
        QTRY_VERIFY(g->parties().base_chargee());
        QCOMPARE(p.w<QLabel>("LblEtat", g)->text(), QStringLiteral("2 parties chargées."));
        QCOMPARE(p.w<QTreeWidget>("LstSuivants", g)->topLevelItemCount(), 1);
    }

    // A load that lasts: the board plays meanwhile, and closing the window stops it.
    void fermer_la_fenetre_arrete_le_chargement()
    {
        const QByteArray gros = octets_wthor(parties_au_hasard(20000));
        retiens({ecrit("WTH_1990.wtb", gros), ecrit("WTH_1991.wtb", gros)});
        Principale p;
        QTest::mouseClick(p.w("CmdParties"), Qt::LeftButton);
        QPointer<FenetreParties> g = p.f->fenetre_parties();
        QVERIFY(g && g->fil_actif());
        QVERIFY(p.w<QPushButton>("CmdAnnuler", g)->isEnabled());
        const std::shared_ptr<std::atomic<bool>> annule = g->annulation();
        QVERIFY(annule && !annule->load());

        QTest::mouseClick(p.tuile("F5"), Qt::LeftButton);
        QCOMPARE(p.f->plateau().num_coup, 2);

        g->close();
        QVERIFY(annule->load());
        QTRY_VERIFY(!g); // deleted once its thread has stopped
        // Opened again, it loads the remembered files anew.
        QTest::mouseClick(p.w("CmdParties"), Qt::LeftButton);
        QVERIFY(p.f->fenetre_parties()->fil_actif());
    }

    // Left open when the program closes, the window comes back at the next start beside the
    // main window, which keeps the keyboard, and loads its files; closed before, it stays closed.
    void rouverte_au_demarrage_si_laissee_ouverte()
    {
        retiens({ecrit("miennes.txt", "f5 d6 c3\nf5 d6\n")});
        reglages()->remove(QStringLiteral("parties/ouverte")); // as on a first run
        const auto quitte = [](bool avec_parties) {
            Principale p;
            QVERIFY(!p.f->fenetre_parties());
            p.f->rouvre_fenetres(); // nothing remembered yet, or left closed
            QVERIFY(!p.f->fenetre_parties());
            if (avec_parties) p.f->CmdParties_Click();
            QVERIFY(p.f->close());
        };
        quitte(true);
        {
            Principale p;
            p.f->rouvre_fenetres();
            QPointer<FenetreParties> g = p.f->fenetre_parties();
            QVERIFY(g && g->isVisible());
            QVERIFY(g->x() > p.f->frameGeometry().right());
            QCOMPARE(QApplication::activeWindow(), p.f.get());
            QVERIFY(g->fil_actif() || g->parties().base_chargee());
            QTRY_VERIFY(g->parties().base_chargee());
            QCOMPARE(p.w<QLabel>("LblEtat", g)->text(), QStringLiteral("2 parties chargées."));
            p.f->rouvre_fenetres(); // already open: still the one window
            QCOMPARE(p.f->fenetre_parties(), g.data());
            g->close(); // by the user, before the program closes
            QVERIFY(p.f->close());
        }
        quitte(false);
    }
};

QTEST_MAIN(TestFenetreParties)
#include "fenetre_parties_test.moc"
