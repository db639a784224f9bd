// The real program run as `tavik --verifier FICHIER`: what it prints, its exit status, and that
// it opens no window.

#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

class TestVerifier : public QObject
{
    Q_OBJECT

    struct Sortie
    {
        int code = -1;
        QString sortie, erreurs;
    };

    // Runs the program on `fichier` on the platform named. On a platform that does not exist,
    // any attempt to build the toolkit's application object, and so any window, stops the
    // program with an error about the platform.
    static Sortie lance(const QString& fichier, const QString& plateforme)
    {
        QProcess p;
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert(QStringLiteral("QT_QPA_PLATFORM"), plateforme);
        env.remove(QStringLiteral("DISPLAY"));
        env.remove(QStringLiteral("WAYLAND_DISPLAY"));
        p.setProcessEnvironment(env);
        p.start(QStringLiteral(TAVIK_PROGRAMME), {QStringLiteral("--verifier"), fichier});
        if (!p.waitForFinished(60000)) {
            p.kill();
            p.waitForFinished();
            return {};
        }
        return {p.exitStatus() == QProcess::NormalExit ? p.exitCode() : -1,
                QString::fromUtf8(p.readAllStandardOutput()),
                QString::fromUtf8(p.readAllStandardError())};
    }

    QTemporaryDir dossier_;

    QString ecrit(const QString& nom, const QByteArray& contenu)
    {
        const QString chemin = dossier_.filePath(nom);
        QFile f(chemin);
        if (!f.open(QIODevice::WriteOnly) || f.write(contenu) != contenu.size()) return {};
        return chemin;
    }

private slots:
    void verifier_data()
    {
        QTest::addColumn<QString>("fichier");
        QTest::addColumn<int>("code");
        QTest::addColumn<QString>("sortie");
        QTest::addColumn<QString>("erreurs"); // a part of the error output

        QTest::newRow("bibliothèque livrée")
            << QStringLiteral(TAVIK_BIBLIO) << 0 << "0 erreur, 0 avertissement\n"
            << "";
        QTest::newRow("bibliothèque fautive")
            << ecrit(QStringLiteral("fautive.csv"),
                     "Nom;Name;Coups;Bilan;Commentaire;Sources\r\n"
                     "Tigre;Tiger;C4E3 F6E6 F5;eq;Un, deux;\r\n"
                     "Tigre;;c4e3 f6e6 f5;eq\r\n"
                     "Tigre faux;;C4E3 F6E6 F5A1;N+\r\n"
                     "Tigre \xC3\xA0 l'envers;;F5D6 C3D3 C4\r\n")
            << 1
            << "ligne 3 : erreur : mêmes coups et même nom que la ligne 2 : « Tigre »\n"
               "ligne 4 : erreur : le coup 6 « A1 » n'est pas jouable\n"
               "ligne 4 : avertissement : code d'évaluation « N+ » inconnu : le bilan reste "
               "vide (« n+ » ?)\n"
               "ligne 5 : erreur : jamais atteinte par la recherche : elle commence par F5 et non "
               "par C4 ; la même ligne depuis C4 : « C4E3 F6E6 F5 »\n"
               "ligne 5 : avertissement : même ligne que la ligne 2 sur des cases symétriques à "
               "partir du coup 1, sous deux noms : « Tigre » et « Tigre à l'envers »\n"
               "3 erreurs, 2 avertissements\n"
            << "";
        QTest::newRow("fichier absent")
            << dossier_.filePath(QStringLiteral("absent.csv")) << 2 << ""
            << "Impossible de lire le fichier « " + dossier_.filePath("absent.csv") + " » : ";
    }

    void verifier()
    {
        QFETCH(QString, fichier);
        QFETCH(int, code);
        QFETCH(QString, sortie);
        QFETCH(QString, erreurs);
        QVERIFY(!fichier.isEmpty());
        for (const QString plateforme : {"offscreen", "aucune-plateforme"}) {
            const Sortie s = lance(fichier, plateforme);
            QCOMPARE(s.sortie, sortie);
            QVERIFY2(s.erreurs.contains(erreurs) && (erreurs.isEmpty() == s.erreurs.isEmpty()),
                     qPrintable(s.erreurs));
            QCOMPARE(s.code, code);
        }
    }
};

QTEST_GUILESS_MAIN(TestVerifier)
#include "verifier_test.moc"
