// The command line read as the program reads it, and the user's data folder.

#include "dossiers.h"
#include "ligne_de_commande.h"

#include <QTest>

using namespace tavik::ui;
using Action = LigneDeCommande::Action;

Q_DECLARE_METATYPE(Action)

class TestLigneDeCommande : public QObject
{
    Q_OBJECT

private slots:
    void lecture_data()
    {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<Action>("action");
        QTest::addColumn<QString>("biblio");
        QTest::addColumn<QString>("a_verifier");
        QTest::addColumn<QString>("texte"); // a part of the printed text

        // clang-format off
        QTest::newRow("rien") << QStringList {} << Action::lancer << "" << "" << "";
        QTest::newRow("--biblio F") << QStringList {"--biblio", "a b/é.csv"} << Action::lancer
                                    << "a b/é.csv" << "" << "";
        QTest::newRow("--biblio=F") << QStringList {"--biblio=/x.csv"} << Action::lancer
                                    << "/x.csv" << "" << "";
        // --verifier takes its own file, whatever --biblio names.
        QTest::newRow("--verifier") << QStringList {"--biblio", "a.csv", "--verifier", "b c/é.csv"}
                                    << Action::verifier << "" << "b c/é.csv" << "";
        QTest::newRow("--help") << QStringList {"--help"} << Action::aide << "" << ""
                                << "--verifier FICHIER";
        QTest::newRow("-h avant une faute") << QStringList {"--inconnue", "-h"} << Action::aide
                                            << "" << "" << "2 si le fichier ne peut pas être lu";
        QTest::newRow("--version") << QStringList {"--version"} << Action::version << "" << ""
                                   << "Tavik 1.4\n";
        QTest::newRow("-v avant une faute") << QStringList {"-v", "--biblio"} << Action::version
                                            << "" << "" << "Tavik 1.4\n";
        QTest::newRow("option inconnue") << QStringList {"--biblo", "x.csv"} << Action::erreur
                                         << "" << "" << "Option inconnue : --biblo.";
        QTest::newRow("fichier manquant") << QStringList {"--biblio"} << Action::erreur << "" << ""
                                          << "Il manque FICHIER après --biblio.";
        QTest::newRow("--verifier sans fichier") << QStringList {"--verifier"} << Action::erreur
                                                 << "" << "" << "Il manque FICHIER après --verifier.";
        QTest::newRow("argument en trop") << QStringList {"x.csv"} << Action::erreur << "" << ""
                                          << "Argument inattendu : x.csv.";
        // clang-format on
    }

    void lecture()
    {
        QFETCH(QStringList, arguments);
        QFETCH(Action, action);
        QFETCH(QString, biblio);
        QFETCH(QString, a_verifier);
        QFETCH(QString, texte);
        arguments.prepend(QStringLiteral("tavik"));
        const LigneDeCommande ligne = lit_ligne_de_commande(arguments);
        QCOMPARE(ligne.action, action);
        QCOMPARE(ligne.biblio ? texte_chemin(*ligne.biblio) : QString(), biblio);
        QCOMPARE(ligne.a_verifier ? texte_chemin(*ligne.a_verifier) : QString(), a_verifier);
        QVERIFY2(ligne.texte.contains(texte), qPrintable(ligne.texte));
        if (action == Action::erreur) QVERIFY(ligne.texte.contains(QStringLiteral("tavik --help")));
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
};

QTEST_GUILESS_MAIN(TestLigneDeCommande)
#include "ligne_de_commande_test.moc"
