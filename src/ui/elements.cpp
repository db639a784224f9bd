#include "elements.h"

#include "echelle.h"
#include "images.h"
#include "polices.h"
#include "windows/controles.h"

#include <QLabel>
#include <QListWidget>
#include <QMouseEvent>
#include <QPainter>
#include <QSignalBlocker>
#include <QTextLayout>
#include <algorithm>
#include <cmath>

namespace tavik::ui {

namespace {

std::int16_t code_bouton(Qt::MouseButton bouton)
{
    switch (bouton) {
    case Qt::LeftButton:
        return 1;
    case Qt::RightButton:
        return 2;
    case Qt::MiddleButton:
        return 4;
    default:
        return 8; // any other button previews, as the right one does
    }
}

// The stretch (in percent) that brings `texte` into `largeur` pixels, or 0 when it fits.
int resserrement(const QFont& police, const QString& texte, int largeur)
{
    const int largeur_texte = QFontMetrics(police).horizontalAdvance(texte);
    if (texte.isEmpty() || largeur_texte <= largeur) return 0;
    int etirement = 100 * largeur / largeur_texte;
    QFont f = police;
    for (; etirement > 85; --etirement) {
        f.setStretch(etirement);
        if (QFontMetrics(f).horizontalAdvance(texte) <= largeur) break;
    }
    return etirement;
}

} // namespace

QLabel* etiquette(QWidget* parent, const QString& texte, const char* nom, int x, int y, int largeur,
                  int hauteur)
{
    return place(new Libelle(texte, parent), nom, x, y, largeur, hauteur);
}

QLabel* legende(QWidget* parent, const QString& texte, const char* nom, int x, int y, int largeur,
                int hauteur, const QFont* police)
{
    QLabel* l = etiquette(parent, texte, nom, x, y, largeur, hauteur);
    l->setFont(police ? *police : police_normale());
    ajuste_a_la_largeur(*l);
    return l;
}

QListWidget* liste(QWidget* parent, const char* nom, int x, int y, int largeur, int hauteur)
{
    auto* l = place(new QListWidget(parent), nom, x, y, largeur, hauteur);
    l->setSelectionMode(QAbstractItemView::SingleSelection);
    l->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    l->setUniformItemSizes(true);
    return l;
}

void montre_liste(QListWidget& liste, const Liste& donnees)
{
    const QSignalBlocker blocage(liste);
    bool pareilles = liste.count() == donnees.nombre();
    for (int i = 0; pareilles && i < donnees.nombre(); ++i)
        pareilles = liste.item(i)->text() == QString::fromStdString(donnees.texte(i));
    if (!pareilles) {
        liste.clear();
        for (const Liste::Entree& entree : donnees.entrees) {
            auto* item = new QListWidgetItem(QString::fromStdString(entree.texte), &liste);
            item->setData(Qt::UserRole, entree.donnee);
        }
    }

    const int selection
        = donnees.selection >= 0 && donnees.selection < liste.count() ? donnees.selection : -1;
    const bool a_jour = selection < 0
        ? liste.currentRow() < 0 && liste.selectedItems().isEmpty()
        : liste.currentRow() == selection && liste.item(selection)->isSelected();
    if (!a_jour) {
        liste.setCurrentRow(selection);
        if (selection < 0)
            liste.clearSelection();
        else
            liste.scrollToItem(liste.item(selection));
    }
}

void montre_texte(QLabel& etiquette, const std::string& texte)
{
    const QString t = QString::fromStdString(texte);
    if (etiquette.text() != t) etiquette.setText(t);
}

void ajuste_a_la_largeur(QLabel& etiquette, int largeur)
{
    if (largeur < 0) largeur = etiquette.width();
    if (const int e = resserrement(etiquette.font(), etiquette.text(), largeur)) {
        QFont f = etiquette.font();
        f.setStretch(e);
        etiquette.setFont(f);
    }
}

Libelle::Libelle(const QString& texte, QWidget* parent)
    : QLabel(texte, parent)
{
    setTextFormat(Qt::PlainText);
    setAlignment(Qt::AlignLeft | Qt::AlignTop);
}

int Libelle::pas_de_ligne() const
{
    const QFontInfo info(font());
    const int serre = static_cast<int>(std::lround(info.pixelSize() * 13.0 / 11.0));
    return std::min(QFontMetrics(font()).lineSpacing(), serre);
}

void Libelle::paintEvent(QPaintEvent* e)
{
    if (!wordWrap() || alignment() != (Qt::AlignLeft | Qt::AlignTop)) {
        QLabel::paintEvent(e);
        return;
    }
    QPainter p(this);
    p.setPen(
        palette().color(isEnabled() ? QPalette::Active : QPalette::Disabled, foregroundRole()));
    const QRect zone = contentsRect();
    const int pas = pas_de_ligne();
    int y = zone.top();
    // Each line break starts a paragraph; each paragraph wraps at word boundaries.
    for (const QString& paragraphe : text().split(QLatin1Char('\n'))) {
        QTextLayout mise_en_page(paragraphe, font(), this);
        QTextOption option;
        option.setWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
        mise_en_page.setTextOption(option);
        mise_en_page.beginLayout();
        for (QTextLine ligne = mise_en_page.createLine(); ligne.isValid();
             ligne = mise_en_page.createLine()) {
            ligne.setLineWidth(zone.width());
            ligne.setPosition(QPointF(zone.left(), y));
            y += pas;
        }
        mise_en_page.endLayout();
        mise_en_page.draw(&p, QPointF(0, 0));
    }
}

void decrit_pour_lecteur(QWidget& fenetre, std::span<const DescriptionAccessible> descriptions,
                         const QString& separateur)
{
    for (const DescriptionAccessible& d : descriptions) {
        auto* w = fenetre.findChild<QWidget*>(QLatin1String(d.objet));
        Q_ASSERT(w);
        w->setAccessibleName(QString::fromUtf8(d.nom));
        w->setAccessibleDescription(QString::fromUtf8(d.description));
    }
    complete_pour_lecteur(fenetre, separateur);
}

Tuile::Tuile(int index, QWidget* parent)
    : QWidget(parent)
    , index_(index)
{
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void Tuile::montre(int image)
{
    if (image == image_) return;
    image_ = image;
    update();
}

void Tuile::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    // Drawn for the window's zoom, at its size there.
    const double zoom = zoom_de(*this);
    const QPixmap pixmap = image_pion(image_, devicePixelRatioF() * zoom);
    if (pixmap.isNull()) {
        p.fillRect(rect(), palette().window());
        return;
    }
    // The picture at its natural size in the top-left corner; a larger box keeps the window's
    // colour around it.
    const int cote = static_cast<int>(std::lround(taille_pion * zoom));
    if (width() > cote || height() > cote) p.fillRect(rect(), palette().window());
    if (zoom == 1.0)
        p.drawPixmap(0, 0, pixmap);
    else
        p.drawPixmap(QRect(0, 0, cote, cote), pixmap);
    if (hasFocus()) { // the keyboard's cursor: a light frame inside a dark one, seen on any disc
        const QRect cadre = QRect(0, 0, cote, cote).adjusted(1, 1, -2, -2);
        p.setPen(QPen(Qt::black, 1));
        p.drawRect(cadre);
        p.setPen(QPen(Qt::white, 1));
        p.drawRect(cadre.adjusted(1, 1, -1, -1));
        p.setPen(QPen(Qt::black, 1));
        p.drawRect(cadre.adjusted(2, 2, -2, -2));
    }
}

void Tuile::mousePressEvent(QMouseEvent* e)
{
    e->accept();
    emit presse(index_, code_bouton(e->button()));
}

void Tuile::mouseReleaseEvent(QMouseEvent* e)
{
    e->accept();
    emit relache(index_, code_bouton(e->button()));
}

Vignette::Vignette(Dessin dessin, QWidget* parent)
    : QWidget(parent)
    , dessin_(std::move(dessin))
{
}

void Vignette::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    const double zoom = zoom_de(*this);
    const QPixmap pixmap = dessin_(devicePixelRatioF() * zoom);
    if (zoom == 1.0)
        p.drawPixmap(0, 0, pixmap);
    else
        p.drawPixmap(QRectF(QPointF(), pixmap.deviceIndependentSize() * zoom), pixmap,
                     QRectF(pixmap.rect()));
}

Ligne::Ligne(int x1, int x2, int y, QWidget* parent)
    : QWidget(parent)
{
    setGeometry(x1, y, x2 - x1 + 1, 2);
}

void Ligne::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    p.fillRect(0, 0, width(), 1, palette().color(QPalette::Dark));
    p.fillRect(0, 1, width(), 1, palette().color(QPalette::Light));
}

} // namespace tavik::ui
