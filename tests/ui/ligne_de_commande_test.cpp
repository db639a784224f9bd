// The command line read as the program reads it, the user's data folder, and the real program
// run as `tavik --verifier FICHIER`.

#include "dossiers.h"
#include "ligne_de_commande.h"

#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

using namespace tavik::ui;
using Action = LigneDeCommande::Action;

class TestLigneDeCommande : public QObject
{
    Q_OBJECT

private slots:
    // The action, the library, the file to check and a part of the printed text.
    void lecture()
    {
        struct Cas
        {
            QStringList arguments;
            Action action;
            const char *biblio, *a_verifier, *texte;
        };
        // clang-format off
        const Cas cas[] {
            {{}, Action::lancer, "", "", ""},
            {{"--biblio", "a b/é.csv"}, Action::lancer, "a b/é.csv", "", ""},
            {{"--biblio=/x.csv"}, Action::lancer, "/x.csv", "", ""},
            // --verifier takes its own file, whatever --biblio names.
            {{"--biblio", "a.csv", "--verifier", "b c/é.csv"}, Action::verifier, "", "b c/é.csv", ""},
            {{"--help"}, Action::aide, "", "", "--verifier FICHIER"},
            {{"--inconnue", "-h"}, Action::aide, "", "", "2 si le fichier ne peut pas être lu"},
            {{"--version"}, Action::version, "", "", "Tavik 1.4\n"},
            {{"-v", "--biblio"}, Action::version, "", "", "Tavik 1.4\n"},
            {{"--biblo", "x.csv"}, Action::erreur, "", "", "Option inconnue : --biblo."},
            {{"--biblio"}, Action::erreur, "", "", "Il manque FICHIER après --biblio."},
            {{"--verifier"}, Action::erreur, "", "", "Il manque FICHIER après --verifier."},
            {{"x.csv"}, Action::erreur, "", "", "Argument inattendu : x.csv."}};
        // clang-format on
        for (const Cas& c : cas) {
            const LigneDeCommande l = lit_ligne_de_commande(QStringList {"tavik"} + c.arguments);
            const auto chemin = [](const auto& p) { return p ? texte_chemin(*p) : QString(); };
            QCOMPARE(QStringList({c.arguments.join(' '), chemin(l.biblio), chemin(l.a_verifier)}),
                     QStringList({c.arguments.join(' '), c.biblio, c.a_verifier}));
            QVERIFY2(l.action == c.action && l.texte.contains(QString::fromUtf8(c.texte))
                         && (c.action != Action::erreur || l.texte.contains("tavik --help")),
                     qPrintable(c.arguments.join(' ') + QStringLiteral(": ") + l.texte));
        }
    }

    // Only a line free of single-dash words can be judged before QApplication takes out its
    // own options.
    void avant_affichage()
    {
        const auto action = [](QStringList arguments) {
            arguments.prepend(QStringLiteral("tavik"));
            const auto reponse = reponse_avant_affichage(arguments);
            return reponse ? reponse->action : Action::lancer;
        };
        QCOMPARE(action({"--biblio", "x.csv"}), Action::lancer);
        QCOMPARE(action({"--biblo"}), Action::erreur);
        QCOMPARE(action({"x.csv"}), Action::erreur);
        QCOMPARE(action({"-platform", "offscreen", "--biblio", "x.csv"}), Action::lancer);
        QCOMPARE(action({"-style", "fusion", "--biblo"}), Action::lancer); // judged later
        QCOMPARE(action({"-platform", "offscreen", "--help"}), Action::aide);
        QCOMPARE(action({"-reverse", "-v"}), Action::version);
        QCOMPARE(action({"--verifier", "x.csv"}), Action::verifier);
        QCOMPARE(action({"-platform", "offscreen", "--verifier", "x.csv"}), Action::lancer);
    }

    void donnees_utilisateur()
    {
        qputenv("XDG_DATA_HOME", "/tmp/donnees de test");
        QCOMPARE(texte_chemin(dossier_donnees_utilisateur()),
                 QStringLiteral("/tmp/donnees de test/tavik"));
        qunsetenv("XDG_DATA_HOME");
        QCOMPARE(texte_chemin(dossier_donnees_utilisateur()),
                 QDir::homePath() + QStringLiteral("/.local/share/tavik"));
    }

    // What `tavik --verifier` prints and its exit status, on a display that does not exist
    // too: building the toolkit's application object, and so any window, would stop it there.
    void verifier()
    {
        QTemporaryDir dossier;
        const QString fautive = dossier.filePath("fautive.csv");
        const QString absent = dossier.filePath("absent.csv");
        QFile f(fautive);
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write("Nom;Name;Coups;Bilan\r\nTigre \xC3\xA0 l'envers;;C4E3 F6E6 F5A1;N+\r\n");
        f.close();
        const struct
        {
            QString fichier;
            int code;
            QString sortie, erreurs; // all of the output, a part of the error output
        } cas[] {{TAVIK_BIBLIO, 0, "0 erreur, 0 avertissement\n", ""},
                 {fautive, 1,
                  "ligne 2 : erreur : le coup 6 « A1 » n'est pas jouable\n"
                  "ligne 2 : avertissement : code d'évaluation « N+ » inconnu : le bilan reste "
                  "vide (« n+ » ?)\n1 erreur, 1 avertissement\n",
                  ""},
                 {absent, 2, "", "Impossible de lire le fichier « " + absent + " » : "}};
        for (const char* plateforme : {"offscreen", "aucune-plateforme"}) {
            QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
            env.insert(QStringLiteral("QT_QPA_PLATFORM"), plateforme);
            env.remove(QStringLiteral("DISPLAY"));
            env.remove(QStringLiteral("WAYLAND_DISPLAY"));
            for (const auto& c : cas) {
                QProcess p;
                p.setProcessEnvironment(env);
                p.start(QStringLiteral(TAVIK_PROGRAMME), {QStringLiteral("--verifier"), c.fichier});
                QVERIFY(p.waitForFinished(60000));
                const QString erreurs = QString::fromUtf8(p.readAllStandardError());
                QCOMPARE(QString::fromUtf8(p.readAllStandardOutput()), c.sortie);
                QVERIFY2(erreurs.contains(c.erreurs) && c.erreurs.isEmpty() == erreurs.isEmpty(),
                         qPrintable(erreurs));
                QCOMPARE(p.exitStatus() == QProcess::NormalExit ? p.exitCode() : -1, c.code);
            }
        }
    }
};

QTEST_GUILESS_MAIN(TestLigneDeCommande)
#include "ligne_de_commande_test.moc"
