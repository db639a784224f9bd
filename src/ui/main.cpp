#include "dossiers.h"
#include "fenetre_plateau.h"
#include "ligne_de_commande.h"
#include "polices.h"
#include "windows/foncom.h"

#include <QApplication>
#include <QDir>
#include <QLoggingCategory>

// Where the library was found, for whoever asks: QT_LOGGING_RULES="tavik.biblio.info=true".
Q_LOGGING_CATEGORY(journal_biblio, "tavik.biblio", QtWarningMsg)

int main(int argc, char* argv[])
{
    using namespace tavik::ui;
    // --help, --version, --verifier and most mistakes are answered without a display.
    if (const auto reponse = reponse_avant_affichage(arguments_bruts(argc, argv)))
        return repond(*reponse);

    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Tavik"));
    QApplication::setApplicationVersion(QStringLiteral(TAVIK_VERSION));
    QApplication::setDesktopFileName(QStringLiteral(TAVIK_ID));
    QApplication::setFont(police_normale());
    const LigneDeCommande ligne = lit_ligne_de_commande(QApplication::arguments());
    if (ligne.action != LigneDeCommande::Action::lancer) return repond(ligne);

    // The tables shared by the windows live as long as the program.
    tavik::FonCom com;
    FenetrePlateau plateau(
        com,
        tavik::candidats_biblio({ligne.biblio, chemin_local(QDir::currentPath()),
                                 dossier_donnees_utilisateur(), dossier_donnees_installees()}));
    if (const auto& fichier = plateau.plateau().fichier_biblio())
        qCInfo(journal_biblio, "bibliothèque d'ouvertures : %s, %d ouvertures",
               qPrintable(texte_chemin(*fichier)), int {com.nb_biblio});
    plateau.show();
    return QApplication::exec();
}
