#pragma once

#include "engine/foncom.h"
#include "fenetre_plateau.h"

#include <QPoint>
#include <QString>
#include <QStringList>
#include <memory>
#include <string>
#include <vector>

class QListWidget;
class QPushButton;
class QCheckBox;

namespace tavik::ui::test {

// The main window on the shipped library, shown, with the messages collected instead of
// shown in boxes and the placing animation on a clock that moves on 0.03 s at each reading.
struct Banc
{
    Banc();
    ~Banc();
    Banc(const Banc&) = delete;
    Banc& operator=(const Banc&) = delete;

    std::vector<std::string> messages;
    std::shared_ptr<double> temps = std::make_shared<double>(0.0);
    std::function<void()> a_chaque_lecture; // runs at each reading of the clock
    std::function<void()> au_message; // runs when a message is shown
    std::unique_ptr<FonCom> com = std::make_unique<FonCom>();
    std::unique_ptr<FenetrePlateau> fenetre;

    // The window's controls by the names of the core's controls.
    QPushButton* bouton(const char* nom) const;
    QCheckBox* coche(const char* nom) const;
    QListWidget* liste(const char* nom) const;
    QString texte(const char* nom) const; // a label's or a text box's text

    // Mouse clicks as the user makes them, on the real controls.
    void clique(const char* bouton) const;
    void clique_case(const char* coche) const;
    void clique_tuile(const char* coup, Qt::MouseButton bouton = Qt::LeftButton) const;
    void joue(const QString& coups) const; // "F5 D6 C3": left clicks on the board

    // What the 64 tiles of the window show: eight rows of picture numbers.
    QString images() const;
    int image(const char* coup) const;
};

// Tile index of a square written as "F5".
int index_de(const char* coup);
QStringList lignes(const QListWidget& liste);
// The picture numbers of a core window's tiles, in the form of `Banc::images`.
QString images_du_coeur(const Plateau& plateau);

} // namespace tavik::ui::test
