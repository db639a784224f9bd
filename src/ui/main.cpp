#include "fenetre_plateau.h"
#include "polices.h"
#include "windows/foncom.h"

#include <QApplication>

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Tavik"));
    QApplication::setFont(tavik::ui::police_normale());

    // The tables shared by the windows live as long as the program.
    tavik::FonCom com;
    // The library "biblio.csv" is read from the working folder.
    tavik::ui::FenetrePlateau plateau(com);
    plateau.show();
    return QApplication::exec();
}
