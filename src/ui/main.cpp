#include "dossiers.h"
#include "ecran.h"
#include "fenetre_plateau.h"
#include "ligne_de_commande.h"
#include "places_retenues.h"
#include "polices.h"
#include "traductions.h"
#include "windows/foncom.h"

#include <QApplication>
#include <QDir>
#include <QLoggingCategory>
#include <QTimer>

// Where the library was found, for whoever asks: QT_LOGGING_RULES="tavik.biblio.info=true".
Q_LOGGING_CATEGORY(journal_biblio, "tavik.biblio", QtWarningMsg)

int main(int argc, char* argv[])
{
    using namespace tavik::ui;
    // The whole line is read before the toolkit looks for a display: --help, --version,
    // --verifier and every mistake are answered without one, in French.
    const LigneDeCommande ligne = lit_ligne_de_commande(arguments_bruts(argc, argv));
    if (ligne.action != LigneDeCommande::Action::lancer) return repond(ligne);

    // The window's class on X11 is the application's name, "Tavik": the desktop entry's
    // StartupWMClass; on Wayland the application is known by its desktop file's name.
    QApplication::setApplicationName(QStringLiteral("Tavik"));
    QApplication app(argc, argv);
    QApplication::setApplicationVersion(QStringLiteral(TAVIK_VERSION));
    QApplication::setDesktopFileName(QStringLiteral(TAVIK_ID));
    QApplication::setFont(police_normale());
    installe_traductions_qt(app);

    // The tables shared by the windows live as long as the program.
    tavik::FonCom com;
    FenetrePlateau plateau(
        com,
        tavik::candidats_biblio({ligne.biblio, chemin_local(QDir::currentPath()),
                                 dossier_donnees_utilisateur(), dossier_donnees_installees()}));
    if (const auto& fichier = plateau.plateau().fichier_biblio())
        qCInfo(journal_biblio, "bibliothèque d'ouvertures\u00a0: %s, %d ouvertures",
               qPrintable(texte_chemin(*fichier)), int {com.nb_biblio});
    // Where it was left last time, else in the middle of the screen, entirely on it.
    if (!remet_a_sa_place(plateau)) place_a_cote(plateau, nullptr);
    plateau.show();
    // The windows left open last time come back once the event loop runs, after this one.
    QTimer::singleShot(0, &plateau, &FenetrePlateau::rouvre_fenetres);
    return QApplication::exec();
}
