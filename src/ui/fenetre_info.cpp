#include "fenetre_info.h"

#include "elements.h"
#include "images.h"
#include "polices.h"

#include <QDesktopServices>
#include <QFileInfo>
#include <QFontMetrics>
#include <QLabel>
#include <QMouseEvent>
#include <QPainter>
#include <QPushButton>
#include <QUrl>
#include <algorithm>
#include <array>
#include <utility>

namespace tavik::ui {

namespace {

// The title in two layers: each main word's initial in a heavy face on a label of its own at
// a fixed place, and the rest of the words in the regular face on one label underneath.
struct Mot
{
    const char* initiale;
    const char* reste; // the rest of the word
    int gauche; // left of the initial's label, in the box
};
constexpr std::array<Mot, 5> mots {{
    {"E", "ntraînement", 9},
    {"s", "ystématique", 108},
    {"a", "ux", 216},
    {"o", "uvertures", 248},
    {"c", "lés", 339},
}};
constexpr int haut_initiales = 37;
constexpr QRect cadre_titre {8, 40, 393, 25};

// The base layer: a label that holds the whole title, but paints each word's remainder only,
// right after its initial and on the initials' baseline, whatever the widths of the fonts
// found on this system.
class TitreDeBase : public QLabel
{
public:
    explicit TitreDeBase(QWidget* parent)
        : QLabel(FenetreInfo::titre(), parent)
    {
        setObjectName(QStringLiteral("titre"));
        setFont(police_arial(12));
        setGeometry(cadre_titre);
        setAccessibleName(text());
    }

protected:
    void paintEvent(QPaintEvent*) override
    {
        QPainter p(this);
        p.setPen(palette().color(QPalette::WindowText));
        const QFontMetrics lourde(police_lourde(12));
        const int ligne_de_base = haut_initiales + lourde.ascent() - cadre_titre.top();
        for (const Mot& mot : mots) {
            const int x = mot.gauche + lourde.horizontalAdvance(QString::fromUtf8(mot.initiale))
                - cadre_titre.left();
            p.drawText(x, ligne_de_base, QString::fromUtf8(mot.reste));
        }
    }
};

QLabel* etiquette(QWidget* parent, const QString& texte, int x, int y, int largeur, int hauteur,
                  Qt::Alignment alignement = Qt::AlignLeft | Qt::AlignTop)
{
    auto* l = new Libelle(texte, parent);
    l->setAlignment(alignement);
    l->setGeometry(x, y, largeur, hauteur);
    return l;
}

// A caption drawn as a link that opens `adresse` with the desktop's own program (the file
// manager for a folder). Plain text, so it is measured and narrowed like the other captions.
class Lien : public Libelle
{
public:
    Lien(const QString& texte, QUrl adresse, QWidget* parent)
        : Libelle(texte, parent)
        , adresse_(std::move(adresse))
    {
        setCursor(Qt::PointingHandCursor);
        setToolTip(adresse_.toLocalFile());
        setAccessibleDescription(QStringLiteral("Ouvre %1").arg(adresse_.toLocalFile()));
        QFont f = font();
        f.setUnderline(true);
        setFont(f);
        setForegroundRole(QPalette::Link);
    }

protected:
    void mouseReleaseEvent(QMouseEvent* e) override
    {
        if (e->button() == Qt::LeftButton && rect().contains(e->position().toPoint()))
            QDesktopServices::openUrl(adresse_);
    }

private:
    QUrl adresse_;
};

// Where the user finds a newer version and more information: the version that is installed,
// and the installed documentation, whose README says how to install, update and uninstall; a
// copy that is not installed names that README, never a command to type.
std::pair<QLabel*, QLabel*> adresses(QWidget* parent, const std::filesystem::path& documentation)
{
    QLabel* version = etiquette(
        parent, QStringLiteral("vous avez la version %1").arg(QStringLiteral(TAVIK_VERSION)), 176,
        160, 185, 17);
    const QString dossier = texte_chemin(documentation);
    QLabel* aide = QFileInfo::exists(dossier + QStringLiteral("/README.md"))
        ? new Lien(QStringLiteral("documentation installée"), QUrl::fromLocalFile(dossier), parent)
        : new Libelle(QStringLiteral("le fichier README de Tavik"), parent);
    aide->setGeometry(176, 184, 153, 17);
    return {version, aide};
}

} // namespace

QString FenetreInfo::titre()
{
    QStringList t;
    for (const Mot& mot : mots) t << QString::fromUtf8(mot.initiale) + QString::fromUtf8(mot.reste);
    return t.join(QLatin1Char(' '));
}

FenetreInfo::FenetreInfo(QWidget* parent, const std::filesystem::path& documentation)
    : QDialog(parent,
              Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::CustomizeWindowHint
                  | Qt::WindowTitleHint | Qt::WindowCloseButtonHint)
{
    setObjectName(QStringLiteral("Info"));
    setWindowTitle(QStringLiteral("À propos…"));
    setWindowIcon(icone_fenetres());
    setFont(police_normale());
    setFixedSize(399, 239);
    setModal(true);

    auto* logo = place(new Vignette(image_logo, this), "logo", 8, 8, 100, 30);
    logo->setAccessibleName(QStringLiteral("Tavik"));
    logo->setAccessibleDescription(QStringLiteral("Le logo du programme"));
    new Ligne(112, 392, 32, this);

    new TitreDeBase(this);
    for (const Mot& mot : mots) {
        QLabel* initiale
            = etiquette(this, QString::fromUtf8(mot.initiale), mot.gauche, haut_initiales, 17, 25);
        initiale->setFont(police_lourde(12));
        cache_au_lecteur(*initiale); // the title reads whole
    }
    new Ligne(8, 392, 64, this);

    etiquette(this, QStringLiteral("Tavik \u2013 2026"), 0, 72, 385, 17,
              Qt::AlignHCenter | Qt::AlignTop);
    etiquette(
        this,
        QStringLiteral("Noms des ouvertures\u00a0: le catalogue public des noms d'ouvertures "
                       "d'Othello, en français et en anglais.\n"
                       "Bilans et commentaires\u00a0: évaluations tirées de la recherche d'un "
                       "moteur de jeu."),
        8, 104, 385, 41)
        ->setWordWrap(true);
    // The captions end on the left of their values: they keep to their widths.
    const auto [version, documentation_] = adresses(this, documentation);
    version->setObjectName(QStringLiteral("version"));
    documentation_->setObjectName(QStringLiteral("documentation"));
    const std::array<std::pair<QLabel*, QLabel*>, 2> lignes {{
        {etiquette(this, QStringLiteral("Nouvelle version, mise à jour\u00a0:"), 24, 160, 169, 17),
         version},
        {etiquette(this, QStringLiteral("Commentaires, informations\u00a0:"), 24, 184, 137, 17),
         documentation_},
    }};
    for (const auto& [legende, valeur] : lignes) {
        ajuste_a_la_largeur(*legende, std::min(legende->width(), valeur->x() - legende->x() - 3));
        ajuste_a_la_largeur(*valeur);
    }

    auto* ok = new QPushButton(QStringLiteral("OK"), this);
    ok->setObjectName(QStringLiteral("CmdOk"));
    ok->setGeometry(168, 208, 73, 25);
    ok->setDefault(true);
    ok->setAccessibleDescription(QStringLiteral("Ferme cette fenêtre"));
    connect(ok, &QPushButton::clicked, this, &FenetreInfo::CmdOk_Click);
    complete_pour_lecteur(*this, QStringLiteral("Un trait qui sépare deux parties de la fenêtre"));
}

} // namespace tavik::ui
