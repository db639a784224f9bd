#include "services_qt.h"

#include "dossiers.h"
#include "reglages.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileDialog>
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

namespace {

bool boite_question(QWidget* parent, const std::string& question, const std::string& action)
{
    QMessageBox boite(parent);
    boite.setWindowTitle(QStringLiteral("Tavik"));
    boite.setIcon(QMessageBox::NoIcon);
    boite.setTextFormat(Qt::PlainText);
    boite.setText(QString::fromStdString(question));
    QPushButton* oui = boite.addButton(QString::fromStdString(action), QMessageBox::AcceptRole);
    QPushButton* non = boite.addButton(QStringLiteral("Annuler"), QMessageBox::RejectRole);
    oui->setObjectName(QStringLiteral("confirme"));
    non->setObjectName(QStringLiteral("annule"));
    boite.setDefaultButton(non); // a destructive action is never taken by a stray Enter
    boite.setEscapeButton(non);
    boite.exec();
    return boite.clickedButton() == oui;
}

// The progress files first, from the home folder.
std::optional<std::filesystem::path> dialogue_fichier(QWidget* parent, const DemandeFichier& d)
{
    const QString titre = QString::fromStdString(d.titre);
    const QString types = QStringLiteral("Progression Tavik (*.sqlite);;Tous les fichiers (*)");
    const QString depart = QDir::home().filePath(texte_chemin(d.propose));
    const QString choisi = d.pour_ecrire
        ? QFileDialog::getSaveFileName(parent, titre, depart, types)
        : QFileDialog::getOpenFileName(parent, titre, depart, types);
    if (choisi.isEmpty()) return std::nullopt;
    return chemin_local(choisi);
}

} // namespace

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
    services.choisit_fichier = hote.choisit_fichier
        ? hote.choisit_fichier
        : [parent](const DemandeFichier& d) { return dialogue_fichier(parent, d); };
    services.confirme
        = [parent, actualise](const std::string& question, const std::string& action) {
              actualise();
              return boite_question(parent, question, action);
          };
    services.lit_reglage = [](const std::string& cle) {
        return reglages()->value(QString::fromStdString(cle)).toString().toStdString();
    };
    services.ecrit_reglage = [](const std::string& cle, const std::string& valeur) {
        reglages()->setValue(QString::fromStdString(cle), QString::fromStdString(valeur));
    };
    return services;
}

} // namespace tavik::ui
