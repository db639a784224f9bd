#include "services_qt.h"

#include <QCoreApplication>
#include <QIcon>
#include <QMessageBox>
#include <QPushButton>
#include <chrono>
#include <thread>

namespace tavik::ui {

void boite_message(QWidget* parent, const std::string& texte)
{
    QMessageBox boite(parent);
    boite.setWindowTitle(QStringLiteral("Tavik"));
    boite.setIcon(QMessageBox::NoIcon);
    boite.setTextFormat(Qt::PlainText);
    boite.setText(QString::fromStdString(texte));
    boite.setStandardButtons(QMessageBox::Ok);
    boite.button(QMessageBox::Ok)->setIcon(QIcon()); // a plain "OK", as on every button here
    boite.exec();
}

Services services_qt(QWidget* fenetre, std::function<void()> actualise, const Hote& hote)
{
    Services services = Services::par_defaut();
    QPointer<QWidget> parent(fenetre);

    services.message = [parent, actualise, montre = hote.message](const std::string& texte) {
        actualise();
        if (montre)
            montre(texte);
        else
            boite_message(parent, texte);
    };
    if (hote.horloge) services.horloge = hote.horloge;
    services.traite_evenements = [actualise] {
        actualise();
        QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
        std::this_thread::sleep_for(std::chrono::milliseconds(2));
    };
    return services;
}

} // namespace tavik::ui
