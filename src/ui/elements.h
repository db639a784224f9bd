#pragma once

#include <QLabel>
#include <QPixmap>
#include <QWidget>
#include <cstdint>
#include <functional>
#include <span>
#include <string>

class QListWidget;

namespace tavik {
struct Liste;
}

namespace tavik::ui {

// A control named and placed in its parent's client area: the layouts are fixed.
template <class W> W* place(W* w, const char* nom, int x, int y, int largeur, int hauteur)
{
    w->setObjectName(QString::fromLatin1(nom));
    w->setGeometry(x, y, largeur, hauteur);
    return w;
}

// A label whose text the core sets, named and placed (a `Libelle`).
QLabel* etiquette(QWidget* parent, const QString& texte, const char* nom, int x, int y, int largeur,
                  int hauteur);

// A caption that never changes, in the window's font or in `police` (the window's when null),
// kept inside its width.
QLabel* legende(QWidget* parent, const QString& texte, const char* nom, int x, int y, int largeur,
                int hauteur, const QFont* police = nullptr);

// A single-selection list box, named and placed, without a horizontal scroll bar.
QListWidget* liste(QWidget* parent, const char* nom, int x, int y, int largeur, int hauteur);

// Shows a core list box on a list widget: its entries, rewritten only when they differ, and
// its selection (-1 for none), scrolled into view. Signals are blocked meanwhile, so showing
// the core's state never reads as a user's choice.
void montre_liste(QListWidget& liste, const Liste& donnees);

// A caption from the core on a label, set only when it changes.
void montre_texte(QLabel& etiquette, const std::string& texte);

// What a screen reader says of a control, found by its object name.
struct DescriptionAccessible
{
    const char* objet;
    const char* nom;
    const char* description;
};

// Gives each control listed its French name and description, then completes the window as
// `complete_pour_lecteur` does.
void decrit_pour_lecteur(QWidget& fenetre, std::span<const DescriptionAccessible> descriptions,
                         const QString& separateur);

// French names for what Qt adds to the controls of `fenetre` (a text field's clear button, a tab
// widget's pages and scroll arrows), and for every separator line the name "Séparateur" with
// `separateur` as its description (lecteur_ecran.cpp).
void complete_pour_lecteur(QWidget& fenetre, const QString& separateur);

// Hides `w` from screen readers, another control saying what it shows.
inline constexpr const char* propriete_decor = "tavik_decor";
void cache_au_lecteur(QWidget& w);
// What the two functions above need: separator lines read as separators, hidden widgets as
// hidden. Installed before the windows' controls are made.
void installe_interfaces_decor();

// From now on a list that has the keyboard focus shows it, even empty, which the style leaves
// unmarked (focus_visible.cpp). Once per program.
void montre_le_focus();

// A label that shows a text under a caption reads as "Légende : texte", or "Légende : absent"
// while it is empty.
void nomme_avec_texte(QLabel& etiquette, const QString& legende, const QString& absent);

// A square of the board, or the side-to-move box: shows one picture of the tile list (0 for
// none) and reports the mouse buttons pressed and released over it with its index.
class Tuile : public QWidget
{
    Q_OBJECT

public:
    Tuile(int index, QWidget* parent);

    int index() const { return index_; }
    int image() const { return image_; }
    void montre(int image); // repaints only when the picture changes

signals:
    // Button codes of the board: 1 left, 2 right, 4 middle.
    void presse(int index, std::int16_t bouton);
    void relache(int index, std::int16_t bouton);

protected:
    void paintEvent(QPaintEvent*) override;
    void mousePressEvent(QMouseEvent* e) override;
    void mouseReleaseEvent(QMouseEvent* e) override;

private:
    int index_;
    int image_ = 0;
};

// A label of the windows: plain text from the top-left corner. Wrapped text, with its line
// breaks, goes down at the line pitch of the fonts that the layouts were drawn for (13 pixels
// at 8.25 points) rather than at the wider pitch of some substitute fonts, so that two or three
// lines keep fitting the fixed heights.
class Libelle : public QLabel
{
    Q_OBJECT

public:
    Libelle(const QString& texte, QWidget* parent);

    // Wrapped text only: the distance between two baselines.
    int pas_de_ligne() const;

protected:
    void paintEvent(QPaintEvent* e) override;
};

// A caption that does not fit its fixed width is narrowed (down to 85 %) until it does, since
// a substitute font may be a little wider than the one that the layout was drawn for.
// `largeur`: the room for the text when it is not the label's width.
void ajuste_a_la_largeur(QLabel& etiquette, int largeur = -1);

// A fixed picture drawn by the program at the screen's pixel density.
class Vignette : public QWidget
{
public:
    using Dessin = std::function<QPixmap(qreal ratio)>;
    Vignette(Dessin dessin, QWidget* parent);

protected:
    void paintEvent(QPaintEvent*) override;

private:
    Dessin dessin_;
};

// A horizontal separator from (x1, y) to (x2, y), drawn etched: a grey line over a white one.
class Ligne : public QWidget
{
public:
    Ligne(int x1, int x2, int y, QWidget* parent);

protected:
    void paintEvent(QPaintEvent*) override;
};

} // namespace tavik::ui
