#pragma once

#include <QFont>
#include <QObject>
#include <QPointer>
#include <QRect>
#include <QSize>
#include <QStyle>
#include <QWidget>
#include <vector>

namespace tavik::ui {

// The zoom of a window whose controls sit at fixed places: each control's place and size and
// each font grow by the same factor, so the window looks the same, larger or smaller. The
// places at 100 % are those that the controls have when the zoom is set up. A child of the
// window.
class Echelle : public QObject
{
    Q_OBJECT

public:
    explicit Echelle(QWidget& fenetre);
    // The window's zoom, set up on first use.
    static Echelle& de(QWidget& fenetre);

    double zoom() const { return zoom_; }
    QSize taille(double zoom) const; // the window's client area at that zoom
    // Every control at `zoom`; at 1 each is back at its place and in its font exactly.
    void applique(double zoom);

private:
    struct Controle
    {
        QPointer<QWidget> w;
        QRect place;
        QFont police; // only when the control has a font of its own
        bool police_propre;
    };
    void releve(QWidget& parent);

    QWidget& fenetre_;
    QSize taille_;
    QFont police_;
    std::vector<Controle> controles_;
    double zoom_ = 1.0;
    QStyle* style_; // sizes the boxes' indicators and the scroll bars at the zoom
};

// The zoom that the window of `w` is shown at (1 outside a zoomed window): what the pictures
// of the tiles and of the frame are drawn for.
double zoom_de(const QWidget& w);

} // namespace tavik::ui
