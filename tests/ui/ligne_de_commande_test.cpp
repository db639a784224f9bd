// The command line read as the program reads it, the user's data folder, the real program run
// with no window (`tavik --verifier FICHIER`, mistakes on the line), and Qt's French texts.

#include "dossiers.h"
#include "ligne_de_commande.h"
#include "traductions.h"

#include <QFile>
#include <QLineEdit>
#include <QMenu>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>
#include <memory>

using namespace tavik::ui;
using Action = LigneDeCommande::Action;

class TestLigneDeCommande : public QObject
{
    Q_OBJECT

private slots:
    // The action, the library, the file to check and a part of the printed text. The toolkit's
    // own options are passed over with their values; the first mistake is reported.
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
            {{"-platform", "offscreen", "--biblio", "-x.csv", "-style=fusion", "--reverse"},
             Action::lancer, "-x.csv", "", ""},
            // --verifier takes its own file, whatever --biblio names.
            {{"--biblio", "a.csv", "--verifier", "b c/é.csv"}, Action::verifier, "", "b c/é.csv", ""},
            {{"-platform", "offscreen", "--verifier", "x.csv"}, Action::verifier, "", "x.csv", ""},
            {{"--help"}, Action::aide, "", "", "--verifier FICHIER"},
            {{"--inconnue", "-h"}, Action::aide, "", "", "2 si le fichier"},
            {{"--version"}, Action::version, "", "", "Tavik 1.4\n"},
            {{"-v", "--biblio"}, Action::version, "", "", "Tavik 1.4\n"},
            {{"--biblo", "x.csv"}, Action::erreur, "", "", "Option inconnue\u00a0: --biblo.\n"},
            {{"-biblio", "x.csv"}, Action::erreur, "", "", "Option inconnue\u00a0: -biblio. Voulez-vous dire --biblio\u00a0?\n"},
            {{"--h"}, Action::erreur, "", "", "Option inconnue\u00a0: --h. Voulez-vous dire -h\u00a0?\n"},
            {{"-xyz", "--biblo"}, Action::erreur, "", "", "Option inconnue\u00a0: -xyz.\n"},
            {{"--version=2"}, Action::erreur, "", "", "L'option --version ne prend pas de valeur."},
            {{"-reverse=1"}, Action::erreur, "", "", "Option inconnue\u00a0: -reverse.\n"},
            {{"--biblio"}, Action::erreur, "", "", "Il manque FICHIER après --biblio."},
            {{"--biblio="}, Action::erreur, "", "", "Il manque FICHIER après --biblio."},
            {{"--verifier"}, Action::erreur, "", "", "Il manque FICHIER après --verifier."},
            {{"--biblio", "a.csv", "-platform"}, Action::erreur, "", "", "Il manque une valeur après -platform."},
            {{"x.csv"}, Action::erreur, "", "", "Argument inattendu\u00a0: x.csv."},
            {{"x\u2007y.csv"}, Action::erreur, "", "", "Argument inattendu\u00a0: x[U+2007]y.csv."},
            {{"--bi\u200bblio"}, Action::erreur, "", "", "Option inconnue\u00a0: --bi[U+200B]blio."},
            {{"-"}, Action::erreur, "", "", "Argument inattendu\u00a0: -."},
            {{"--base", "a.wtb", "b.txt", "--statistiques", ""}, Action::statistiques, "", "", ""},
            {{"--base", "a.wtb", "--biblio", "x", "b.txt"}, Action::erreur, "", "", "Argument inattendu\u00a0: b.txt."},
            {{"--statistiques", "f5"}, Action::erreur, "", "", "--statistiques demande --base FICHIER."}};
        // clang-format on
        for (const Cas& c : cas) {
            const LigneDeCommande l = lit_ligne_de_commande(QStringList {"tavik"} + c.arguments);
            const auto chemin = [](const auto& p) { return p ? texte_chemin(*p) : QString(); };
            QCOMPARE(QStringList({c.arguments.join(' '), chemin(l.biblio), chemin(l.a_verifier)}),
                     QStringList({c.arguments.join(' '), c.biblio, c.a_verifier}));
            QVERIFY2(
                l.action == c.action && l.texte.contains(QString::fromUtf8(c.texte))
                    && (c.action != Action::erreur || l.texte.endsWith("Voir\u00a0: tavik --help\n")),
                qPrintable(c.arguments.join(' ') + QStringLiteral(": ") + l.texte));
        }
    }

    // The files after --base, up to the next option, and the moves, as given.
    void statistiques_lues()
    {
        const LigneDeCommande l = lit_ligne_de_commande(
            {"tavik", "--base", "a.wtb", "b c.txt", "--statistiques", "f5 d6", "--base", "d.wtb"});
        QCOMPARE(l.action, Action::statistiques);
        QCOMPARE(l.bases.size(), std::size_t {3});
        QCOMPARE(texte_chemin(l.bases[1]), QStringLiteral("b c.txt"));
        QCOMPARE(texte_chemin(l.bases[2]), QStringLiteral("d.wtb"));
        QCOMPARE(QString::fromStdString(*l.coups), QStringLiteral("f5 d6"));
    }

    // `tavik --base … --statistiques` run for real, without a display: two games after F5.
    void statistiques()
    {
        QTemporaryDir dossier;
        const QString parties = dossier.filePath("WTH_2000.wtb");
        QFile f(parties);
        QVERIFY(f.open(QIODevice::WriteOnly));
        const auto partie = [](char score, std::initializer_list<char> coups) {
            QByteArray r(68, '\0');
            r[6] = score;
            int i = 8;
            for (const char c : coups) r[i++] = c;
            return r;
        };
        // The header: two games of 2000, 8 x 8; F5 is written 56, D6 64, C3 33, F6 66.
        f.write(QByteArray("\x14\x1a\x0c\x07\x02\0\0\0\0\0\xd0\x07\x08\0\0\0", 16)
                + partie(40, {56, 64, 33}) + partie(20, {56, 66}));
        f.close();
        const struct
        {
            QStringList fichiers;
            QString coups;
            int code;
            QString sortie;
        } cas[] {{{parties}, "F5", 0,
                  "2 parties : noir 50,0 %, nul 0,0 %, blanc 50,0 %\n"
                  "d6 : 1 partie, 0,0 % pour blanc\n"
                  "f6 : 1 partie, 100,0 % pour blanc\n"},
                 {{parties}, "", 0,
                  "2 parties : noir 50,0 %, nul 0,0 %, blanc 50,0 %\n"
                  "f5 : 2 parties, 50,0 % pour noir\n"},
                 {{parties, dossier.filePath("absent.wtb")}, "f5d6c3", 2,
                  "1 partie : noir 100,0 %, nul 0,0 %, blanc 0,0 %\n"}};
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.remove(QStringLiteral("DISPLAY"));
        env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("aucune-plateforme"));
        for (const auto& c : cas) {
            QProcess p;
            p.setProcessEnvironment(env);
            p.start(QStringLiteral(TAVIK_PROGRAMME),
                    QStringList {"--base"} + c.fichiers + QStringList {"--statistiques", c.coups});
            QVERIFY(p.waitForFinished(60000));
            QCOMPARE(QString::fromUtf8(p.readAllStandardOutput()), c.sortie);
            QCOMPARE(p.exitCode(), c.code);
            QCOMPARE(QString::fromUtf8(p.readAllStandardError()).contains("absent.wtb"), c.code == 2);
        }
    }

    // The help fits a terminal of 80 columns, even with a long data folder, and names every
    // option once.
    void aide()
    {
        qputenv("XDG_DATA_HOME", '/' + QByteArray(59, 'd'));
        const QString aide = lit_ligne_de_commande({"tavik", "--help"}).texte;
        qunsetenv("XDG_DATA_HOME");
        for (const QString& ligne : aide.split('\n'))
            QVERIFY2(ligne.size() <= 80 || !ligne.trimmed().contains(' '), qPrintable(ligne));
        for (const char* option : {"-h, --help", "-v, --version", "--biblio FICHIER",
                                   "--verifier FICHIER", "--base FICHIER…", "--statistiques COUPS"})
            QCOMPARE(aide.count(QString::fromUtf8(option)), qsizetype(1));
        QVERIFY2(aide.contains(QRegularExpression("ouvrir\n {24}de fenêtre\\.\n")),
                 qPrintable(aide));
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

    // What the program prints and its exit status for `--verifier FICHIER` and for mistakes on
    // the line, on a display that does not exist too: building the toolkit's application
    // object, and so any window, would stop it there, in English.
    void sans_fenetre()
    {
        QTemporaryDir dossier;
        const QString fautive = dossier.filePath("fautive.csv");
        const QString virgules = dossier.filePath("virgules.csv");
        const QString absent = dossier.filePath("absent.csv");
        for (const auto& [fichier, contenu] :
             {std::pair {fautive,
                         "Nom;Name;Coups;Bilan\r\nTigre \xC3\xA0 l'envers;;C4E3 F6E6 F5A1;N+\r\n"},
              {virgules, "Nom,Name,Coups\nTigre,Tiger,C4E3 F6E6 F5\n"}}) {
            QFile f(fichier);
            QVERIFY(f.open(QIODevice::WriteOnly));
            f.write(contenu);
        }
        const QString inutilisable = "fichier\u00a0: erreur\u00a0: aucune ouverture utilisable\u00a0: aucune "
                                     "ligne n'a de coups jouables dans son troisième champ\n";
        const struct
        {
            QStringList arguments;
            int code;
            QString sortie, erreurs; // all of the output, a part of the error output
        } cas[] {
            {{"--verifier", TAVIK_BIBLIO}, 0, "0 erreur, 0 avertissement\n", ""},
            {{"--verifier", fautive},
             1,
             inutilisable
                 + "ligne 2\u00a0: erreur\u00a0: le coup 6 «\u00a0A1\u00a0» n'est pas jouable\n"
                   "ligne 2\u00a0: avertissement\u00a0: code d'évaluation «\u00a0N+\u00a0» inconnu\u00a0: le bilan reste "
                   "vide («\u00a0n+\u00a0»\u00a0?)\n2 erreurs, 1 avertissement\n",
             ""},
            {{"--verifier", virgules},
             1,
             inutilisable
                 + "ligne 2\u00a0: avertissement\u00a0: aucun coup\u00a0: l'entrée charge la "
                   "position de départ et la recherche ne l'atteint jamais\u00a0; les champs semblent "
                   "séparés par «\u00a0,\u00a0» au lieu de «\u00a0;\u00a0»\n1 erreur, 1 avertissement\n",
             ""},
            {{"--verifier", absent}, 2, "", "Impossible de lire le fichier «\u00a0" + absent + "\u00a0»\u00a0: "},
            {{"-xyz"}, 2, "", "Option inconnue\u00a0: -xyz.\nVoir\u00a0: tavik --help\n"},
            {{"-biblio", "x.csv"},
             2,
             "",
             "Option inconnue\u00a0: -biblio. Voulez-vous dire --biblio\u00a0?\n"},
            {{"--version=2"}, 2, "", "L'option --version ne prend pas de valeur.\n"},
            {{"-style", "fusion", "--biblo"}, 2, "", "Option inconnue\u00a0: --biblo.\n"}};
        for (const char* plateforme : {"offscreen", "aucune-plateforme"}) {
            QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
            env.insert(QStringLiteral("QT_QPA_PLATFORM"), plateforme);
            env.remove(QStringLiteral("DISPLAY"));
            env.remove(QStringLiteral("WAYLAND_DISPLAY"));
            for (const auto& c : cas) {
                QProcess p;
                p.setProcessEnvironment(env);
                p.start(QStringLiteral(TAVIK_PROGRAMME), c.arguments);
                QVERIFY(p.waitForFinished(60000));
                const QString erreurs = QString::fromUtf8(p.readAllStandardError());
                QCOMPARE(QString::fromUtf8(p.readAllStandardOutput()), c.sortie);
                QVERIFY2(erreurs.contains(c.erreurs) && c.erreurs.isEmpty() == erreurs.isEmpty(),
                         qPrintable(erreurs));
                QCOMPARE(p.exitStatus() == QProcess::NormalExit ? p.exitCode() : -1, c.code);
            }
        }
    }

    // Qt's own texts read French: a text field's context menu.
    void traductions_qt()
    {
        QVERIFY(installe_traductions_qt(*QCoreApplication::instance()));
        QLineEdit champ;
        std::unique_ptr<QMenu> menu(champ.createStandardContextMenu());
        QStringList textes;
        for (const QAction* a : menu->actions())
            textes << a->text().remove('&').section('\t', 0, 0);
        QVERIFY2(textes.contains("Copier") && textes.contains("Coller"),
                 qPrintable(textes.join('|')));
    }
};

QTEST_MAIN(TestLigneDeCommande)
#include "ligne_de_commande_test.moc"
