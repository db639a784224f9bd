// Build tool: writes the program's desktop icon into a hicolor icon theme, as PNG pictures of
// the usual sizes and as an SVG picture, all drawn by the code that draws the window's icon.
// Usage: tavik_icones DOSSIER NOM  ->  DOSSIER/hicolor/{16x16,...,scalable}/apps/NOM.{png,svg}

#include "images.h"

#include <QDir>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QSvgGenerator>
#include <cstdio>

namespace {

bool ecrit_png(const QString& dossier, const QString& nom, int taille)
{
    const QString chemin = QStringLiteral("%1/hicolor/%2x%2/apps").arg(dossier).arg(taille);
    QImage image(taille, taille, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    {
        QPainter p(&image);
        tavik::ui::dessine_icone_programme(p, taille);
    }
    return QDir().mkpath(chemin) && image.save(chemin + QLatin1Char('/') + nom + ".png");
}

bool ecrit_svg(const QString& dossier, const QString& nom)
{
    const QString chemin = QStringLiteral("%1/hicolor/scalable/apps").arg(dossier);
    if (!QDir().mkpath(chemin)) return false;
    QSvgGenerator svg;
    svg.setFileName(chemin + QLatin1Char('/') + nom + ".svg");
    svg.setSize(QSize(32, 32));
    svg.setViewBox(QRect(0, 0, 32, 32));
    svg.setTitle(QStringLiteral("Tavik"));
    QPainter p;
    if (!p.begin(&svg)) return false;
    tavik::ui::dessine_icone_programme(p, 32);
    return p.end();
}

} // namespace

int main(int argc, char* argv[])
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    if (argc != 3) {
        std::fputs("Utilisation\u00a0: tavik_icones DOSSIER NOM\n", stderr);
        return 2;
    }
    const QString dossier = QString::fromLocal8Bit(argv[1]);
    const QString nom = QString::fromLocal8Bit(argv[2]);
    for (int taille : {16, 22, 24, 32, 48, 64, 128, 256})
        if (!ecrit_png(dossier, nom, taille)) {
            std::fprintf(stderr, "tavik_icones\u00a0: impossible d'écrire l'icône de %d pixels\n",
                         taille);
            return 1;
        }
    if (!ecrit_svg(dossier, nom)) {
        std::fputs("tavik_icones\u00a0: impossible d'écrire l'icône SVG\n", stderr);
        return 1;
    }
    return 0;
}
