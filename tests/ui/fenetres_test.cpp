// The windows held to their layouts: every control's place, size, caption, font and initial
// state, the chooser's tab order and the message box.

#include "attendu.h"
#include "elements.h"
#include "fenetre_info.h"
#include "fenetre_plateau.h"
#include "graphique.h"
#include "images.h"
#include "reglages.h"

#include <QApplication>
#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMessageBox>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QSpinBox>
#include <QStyleOptionButton>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <cmath>
#include <map>
#include <vector>

using namespace tavik;
using namespace tavik::ui;

namespace {

// clang-format off
enum class Genre { fenetre, bouton, case_a_cocher, etiquette, liste, zone_de_texte, cadre, image,
                   tuile, ligne, option, onglets, nombre, graphique };
enum class Police { aucune, normale, grasse, lourde, fixe, arial_12, lourde_12 };
// clang-format on
enum class Etat { actif, inactif, cache, choisi, redimensionnable }; // choisi: chosen or ticked

// One control as the window must show it right after it opens.
struct Controle
{
    const char* parent; // a window, "Score" (the frame) or "seance" and "progres" (tab pages)
    Genre genre;
    const char* nom; // the control's name, or nullptr: found by its caption, else by its place
    const char* texte; // its caption now; nullptr when its content is free
    QRect place; // in its parent's client area; a line from left to right at top
    Police police = Police::aucune;
    Etat etat = Etat::actif;
    bool centre = false;
};

using G = Genre;
using P = Police;

// clang-format off
const Controle controles_fixes[] {
    {"plateau", G::fenetre, "plateau", "Tavik V1.4", {0, 0, 481, 539}, P::normale,
     Etat::redimensionnable},
    {"plateau", G::image, nullptr, nullptr, {8, 8, 100, 30}},
    {"plateau", G::bouton, "cmd_jouer", "Jouer", {176, 8, 65, 17}, P::normale},
    {"plateau", G::bouton, "CmdChager", "Ouvertures", {248, 8, 65, 17}, P::normale},
    {"plateau", G::bouton, "CmdEntrainer", "Entraîner", {320, 8, 65, 17}, P::normale},
    {"plateau", G::bouton, "CmdParties", "Parties", {112, 8, 57, 17}, P::normale},
    {"plateau", G::bouton, "CmdInfo", "À propos…", {408, 8, 65, 17}, P::normale},
    {"plateau", G::ligne, nullptr, nullptr, {QPoint(112, 32), QPoint(472, 32)}},
    {"plateau", G::image, nullptr, nullptr, {8, 40, 304, 304}},
    {"plateau", G::tuile, "quijoue", nullptr, {320, 64, 33, 33}},
    {"plateau", G::cadre, "Score", "Score", {360, 40, 113, 73}, P::grasse},
    {"Score", G::etiquette, nullptr, "Joueur noir\u00a0:", {8, 24, 65, 17}, P::normale},
    {"Score", G::etiquette, "nb_noir", "2", {88, 24, 17, 17}, P::lourde},
    {"Score", G::etiquette, nullptr, "Joueur blanc\u00a0:", {8, 48, 81, 17}, P::normale},
    {"Score", G::etiquette, "nb_blanc", "2", {88, 48, 17, 17}, P::lourde},
    {"plateau", G::liste, "LstCoup", nullptr, {320, 128, 153, 186}, P::fixe},
    {"plateau", G::zone_de_texte, "TxtSuivant", "", {320, 328, 153, 19}, P::fixe, Etat::cache},
    {"plateau", G::case_a_cocher, "chk_voir_coup", "", {8, 352, 14, 17}, P::normale},
    {"plateau", G::etiquette, nullptr, "Coups", {24, 354, 49, 17}, P::normale},
    {"plateau", G::case_a_cocher, "ChkVoirOuverture", "", {8, 368, 14, 17}, P::normale},
    {"plateau", G::etiquette, nullptr, "Coups d'ouv.", {24, 370, 73, 17}, P::normale},
    {"plateau", G::bouton, "CmdDebut", "<<", {104, 360, 25, 17}, P::normale, Etat::inactif},
    {"plateau", G::bouton, "CmdPrecedent", "<", {136, 360, 17, 17}, P::normale, Etat::inactif},
    {"plateau", G::bouton, "CmdSuivant", ">", {168, 360, 17, 17}, P::normale, Etat::inactif},
    {"plateau", G::bouton, "CmdFin", ">>", {192, 360, 25, 17}, P::normale, Etat::inactif},
    {"plateau", G::case_a_cocher, "ChkNoirAuto", "", {232, 352, 14, 17}, P::normale},
    {"plateau", G::etiquette, nullptr, "Noir auto", {248, 354, 49, 17}, P::normale},
    {"plateau", G::case_a_cocher, "ChkBlancAuto", "", {232, 368, 14, 17}, P::normale},
    {"plateau", G::etiquette, nullptr, "Blanc auto", {248, 370, 73, 17}, P::normale},
    {"plateau", G::bouton, "CmdSymPositive", "Sym /", {320, 360, 41, 17}, P::normale},
    {"plateau", G::bouton, "CmdSymNegative", "Sym \\", {376, 360, 41, 17}, P::normale},
    {"plateau", G::bouton, "CmdRotation", "Rot", {432, 360, 41, 17}, P::normale},
    {"plateau", G::ligne, nullptr, nullptr, {QPoint(8, 392), QPoint(472, 392)}},
    {"plateau", G::etiquette, nullptr, "Ouverture\u00a0:", {8, 400, 73, 17}, P::grasse},
    {"plateau", G::etiquette, "LblOuverture", "", {24, 416, 201, 33}, P::normale},
    {"plateau", G::etiquette, nullptr, "Bilan\u00a0:", {8, 448, 81, 17}, P::grasse},
    {"plateau", G::etiquette, "LblBilan", "", {24, 464, 193, 17}, P::normale},
    {"plateau", G::etiquette, nullptr, "Commentaire\u00a0:", {8, 480, 145, 17}, P::grasse},
    {"plateau", G::etiquette, "LblCommentaire", "", {24, 496, 209, 41}, P::normale},
    {"plateau", G::liste, "LstSuite", nullptr, {232, 400, 241, 134}, P::normale},

    {"ouverture", G::fenetre, "ouverture", "Tavik - Liste des ouvertures", {0, 0, 336, 539},
     P::normale, Etat::redimensionnable},
    {"ouverture", G::etiquette, nullptr, "Choisissez l'ouverture à charger", {8, 8, 321, 25},
     P::normale, Etat::actif, true},
    {"ouverture", G::zone_de_texte, "TxtFiltre", "", {8, 32, 321, 21}, P::normale},
    {"ouverture", G::liste, "LstOuverture", nullptr, {8, 58, 321, 433}, P::normale},
    {"ouverture", G::case_a_cocher, "ChkDepuisF5", "À partir de F5", {8, 508, 113, 17},
     P::normale},
    {"ouverture", G::bouton, "Cmdcharger", "Charger", {223, 504, 105, 25}, P::normale},

    {"Info", G::fenetre, "Info", "À propos…", {0, 0, 399, 239}, P::normale},
    {"Info", G::image, nullptr, nullptr, {8, 8, 100, 30}},
    {"Info", G::ligne, nullptr, nullptr, {QPoint(112, 32), QPoint(392, 32)}},
    // The title: a base label, and the initials of its five words over it in a heavy face.
    {"Info", G::etiquette, nullptr, nullptr, {8, 40, 393, 25}, P::arial_12},
    {"Info", G::etiquette, nullptr, nullptr, {9, 37, 17, 25}, P::lourde_12},
    {"Info", G::etiquette, nullptr, nullptr, {108, 37, 17, 25}, P::lourde_12},
    {"Info", G::etiquette, nullptr, nullptr, {216, 37, 17, 25}, P::lourde_12},
    {"Info", G::etiquette, nullptr, nullptr, {248, 37, 17, 25}, P::lourde_12},
    {"Info", G::etiquette, nullptr, nullptr, {339, 37, 17, 25}, P::lourde_12},
    {"Info", G::ligne, nullptr, nullptr, {QPoint(8, 64), QPoint(392, 64)}},
    {"Info", G::etiquette, nullptr, nullptr, {0, 72, 385, 17}, P::normale, Etat::actif, true},
    {"Info", G::etiquette, nullptr, nullptr, {8, 104, 385, 41}, P::normale},
    {"Info", G::etiquette, nullptr, "Nouvelle version, mise à jour\u00a0:", {24, 160, 169, 17},
     P::normale},
    {"Info", G::etiquette, nullptr, nullptr, {176, 160, 185, 17}, P::normale},
    {"Info", G::etiquette, nullptr, "Commentaires, informations\u00a0:", {24, 184, 137, 17},
     P::normale},
    {"Info", G::etiquette, nullptr, nullptr, {176, 184, 153, 17}, P::normale},
    {"Info", G::bouton, "CmdOk", "OK", {168, 208, 73, 25}, P::normale},

    {"entrainement", G::fenetre, "entrainement", "Tavik - Entraînement", {0, 0, 330, 539},
     P::normale},
    {"entrainement", G::etiquette, nullptr, "Couleur\u00a0:", {8, 10, 57, 17}, P::normale},
    {"entrainement", G::option, "OptNoir", "Noir", {72, 10, 57, 17}, P::normale, Etat::choisi},
    {"entrainement", G::option, "OptBlanc", "Blanc", {136, 10, 65, 17}, P::normale},
    {"entrainement", G::case_a_cocher, "ChkDepuisF5", "À partir de F5", {212, 10, 110, 17},
     P::normale, Etat::choisi},
    {"entrainement", G::onglets, "onglets", nullptr, {8, 34, 314, 497}, P::normale},

    {"seance", G::etiquette, nullptr, "Lignes à entraîner\u00a0:", {8, 8, 185, 17}, P::grasse},
    {"seance", G::option, "OptTout", "Toute la bibliothèque", {16, 26, 273, 17}, P::normale,
     Etat::choisi},
    {"seance", G::option, "OptPosition", "Les lignes de la position du plateau",
     {16, 44, 273, 17}, P::normale},
    {"seance", G::option, "OptOuverture", "Une ouverture\u00a0:", {16, 62, 273, 17}, P::normale},
    {"seance", G::zone_de_texte, "TxtFiltre", "", {32, 82, 257, 19}, P::normale},
    {"seance", G::liste, "LstOuverture", nullptr, {32, 104, 257, 86}, P::normale},
    {"seance", G::option, "OptMesParties", "Lignes de mes parties", {16, 194, 273, 17},
     P::normale},
    {"seance", G::bouton, "CmdCommencer", "Commencer", {8, 218, 89, 25}, P::normale},
    {"seance", G::bouton, "CmdArreter", "Arrêter", {104, 218, 89, 25}, P::normale, Etat::inactif},
    {"seance", G::bouton, "CmdSuivant", "Suivant", {200, 218, 89, 25}, P::normale, Etat::inactif},
    {"seance", G::ligne, nullptr, nullptr, {QPoint(8, 251), QPoint(288, 251)}},
    {"seance", G::etiquette, "LblAnnonce", "", {8, 258, 281, 33}, P::grasse},
    {"seance", G::etiquette, "LblMessage",
     "Choisissez la couleur et les lignes, puis appuyez sur «\u00a0Commencer\u00a0».", {8, 294, 281, 41},
     P::normale},
    {"seance", G::etiquette, nullptr, "Ligne\u00a0:", {8, 340, 81, 17}, P::grasse},
    {"seance", G::etiquette, "LblLigne", "", {96, 340, 193, 33}, P::normale},
    {"seance", G::etiquette, nullptr, "Bilan\u00a0:", {8, 374, 81, 17}, P::grasse},
    {"seance", G::etiquette, "LblBilan", "", {96, 374, 193, 17}, P::normale},
    {"seance", G::etiquette, nullptr, "Commentaire\u00a0:", {8, 392, 81, 17}, P::grasse},
    {"seance", G::etiquette, "LblCommentaire", "", {96, 392, 193, 41}, P::normale},
    {"seance", G::etiquette, nullptr, "Score\u00a0:", {8, 436, 81, 17}, P::grasse},
    {"seance", G::etiquette, "LblScore", "", {96, 436, 193, 17}, P::normale},

    {"progres", G::etiquette, "LblProgres", nullptr, {8, 8, 281, 17}, P::grasse},
    {"progres", G::etiquette, nullptr, "Lignes connues\u00a0:", {16, 30, 137, 17}, P::normale},
    {"progres", G::etiquette, "LblConnues", "0", {160, 30, 57, 17}, P::normale},
    {"progres", G::etiquette, nullptr, "À revoir aujourd'hui\u00a0:", {16, 48, 137, 17}, P::normale},
    {"progres", G::etiquette, "LblDues", "0", {160, 48, 57, 17}, P::normale},
    {"progres", G::etiquette, nullptr, "Nouvelles\u00a0:", {16, 66, 137, 17}, P::normale},
    {"progres", G::etiquette, "LblNouvelles", nullptr, {160, 66, 57, 17}, P::normale},
    {"progres", G::etiquette, nullptr, "En apprentissage\u00a0:", {16, 84, 137, 17}, P::normale},
    {"progres", G::etiquette, "LblApprentissage", "0", {160, 84, 57, 17}, P::normale},
    {"progres", G::etiquette, nullptr, "Les lignes les plus faibles\u00a0:", {8, 108, 281, 17},
     P::grasse},
    {"progres", G::liste, "LstFaibles", nullptr, {8, 126, 281, 110}, P::normale},
    {"progres", G::etiquette, nullptr, "Les 30 derniers jours\u00a0:", {8, 244, 281, 17}, P::grasse},
    {"progres", G::graphique, "graphique", nullptr, {8, 262, 281, 140}, P::normale},
    {"progres", G::etiquette, nullptr, "Nouvelles lignes par jour\u00a0:", {8, 412, 153, 17},
     P::normale},
    {"progres", G::nombre, "TxtNouvelles", nullptr, {168, 410, 57, 21}, P::normale},
    {"progres", G::bouton, "CmdExporter", "Exporter la progression…", {8, 438, 137, 25},
     P::normale},
    {"progres", G::bouton, "CmdImporter", "Importer une progression…", {152, 438, 137, 25},
     P::normale},
};
// clang-format on

// The fixed controls, then the 64 tiles of the board, row by row from A1.
std::vector<Controle> table()
{
    static QByteArray noms[64];
    std::vector<Controle> t(std::begin(controles_fixes), std::end(controles_fixes));
    for (int i = 0; i < 64; ++i) {
        noms[i] = "plateau_" + QByteArray::number(i);
        const QRect place(32 + 32 * (i % 8), 64 + 32 * (i / 8), 32, 32);
        t.push_back({"plateau", G::tuile, noms[i].constData(), nullptr, place});
    }
    return t;
}

template <class W> bool est(QWidget* w)
{
    return dynamic_cast<W*>(w) != nullptr;
}

// clang-format off
// Each kind as a message names it, and how it is recognised.
const std::pair<const char*, bool (*)(QWidget*)> genres[] {
    {"window", [](QWidget* w) { return w->isWindow(); }}, {"button", est<QPushButton>},
    {"check box", est<QCheckBox>}, {"label", est<QLabel>}, {"list", est<QListWidget>},
    {"text box", est<QLineEdit>}, {"frame", est<QGroupBox>}, {"picture", est<Vignette>},
    {"tile", est<Tuile>}, {"line", est<Ligne>}, {"option", est<QRadioButton>},
    {"tabs", est<QTabWidget>}, {"number box", est<QSpinBox>}, {"chart", est<Graphique>}};
// The requested family (substitutes are the system's business), size in pixels, weight.
const QString polices[] {"", "MS Sans Serif/11/400", "MS Sans Serif/11/700",
    "Arial Black/11/900", "Courier/13/400", "Arial/16/400", "Arial Black/16/900"};
// clang-format on

QString legende(QWidget* w)
{
    if (w->isWindow()) return w->windowTitle();
    if (auto* b = qobject_cast<QAbstractButton*>(w)) return b->text();
    if (auto* l = qobject_cast<QLabel*>(w)) return l->text();
    if (auto* z = qobject_cast<QLineEdit*>(w)) return z->text();
    if (auto* c = qobject_cast<QGroupBox*>(w)) return c->title();
    return {};
}

// "plateau: button CmdFin at 192,360", "Info: label Coups at 24,354".
QString nom_de(const Controle& c)
{
    return QStringLiteral("%1: %2 %3 at %4,%5")
        .arg(c.parent, genres[int(c.genre)].first, c.nom ? c.nom : c.texte)
        .arg(c.place.x())
        .arg(c.place.y());
}

// The controls inside `parent`, the windows that it owns left out.
QList<QWidget*> enfants(QWidget* parent)
{
    QList<QWidget*> l;
    for (QWidget* w : parent->findChildren<QWidget*>(Qt::FindDirectChildrenOnly))
        if (!w->isWindow()) l << w;
    return l;
}

// The control that row `c` describes among the children of `parent`: by name when the row
// names it, else by kind and caption, else by kind and top-left corner.
QWidget* trouve(QWidget* parent, const Controle& c)
{
    if (c.genre == G::fenetre) return parent;
    QList<QWidget*> candidats;
    for (QWidget* w : enfants(parent)) {
        if (!genres[int(c.genre)].second(w)) continue;
        if (c.nom         ? w->objectName() == QLatin1String(c.nom)
                : c.texte ? legende(w) == QString::fromUtf8(c.texte)
                          : w->pos() == c.place.topLeft())
            candidats << w;
    }
    return candidats.size() == 1 ? candidats.first() : nullptr;
}

// What differs between the control and its row, or nothing.
QStringList ecarts(QWidget* fenetre, QWidget* w, const Controle& c)
{
    QStringList e;
    const auto compare = [&e](const char* quoi, const auto& vu, const auto& voulu) {
        if (vu != voulu)
            e << QStringLiteral("%1 %2 instead of %3")
                     .arg(QLatin1String(quoi), QDebug::toString(vu), QDebug::toString(voulu));
    };
    const QRect g = c.genre == G::fenetre ? QRect(QPoint(0, 0), w->size()) : w->geometry();
    compare("place", c.genre == G::ligne ? QRect(g.topLeft(), QPoint(g.right(), g.y())) : g,
            c.place);
    if (c.genre == G::fenetre)
        compare("fixed size", w->minimumSize() == w->maximumSize(),
                c.etat != Etat::redimensionnable);
    if (c.texte) compare("caption", legende(w), QString::fromUtf8(c.texte));
    const QFont f = w->font();
    const QStringList police {f.families().value(0), QString::number(f.pixelSize()),
                              QString::number(f.weight())};
    if (c.police != P::aucune) compare("font", police.join('/'), polices[int(c.police)]);
    compare("enabled", w->isEnabled(), c.etat != Etat::inactif);
    compare("shown", w->isVisibleTo(fenetre), c.etat != Etat::cache);
    if (auto* boite = qobject_cast<QCheckBox*>(w))
        compare("ticked", boite->isChecked(), c.etat == Etat::choisi);
    if (auto* o = qobject_cast<QRadioButton*>(w))
        compare("chosen", o->isChecked(), c.etat == Etat::choisi);
    if (auto* l = qobject_cast<QLabel*>(w))
        compare("centred", l->alignment().testFlag(Qt::AlignHCenter), c.centre);
    return e;
}

// The main window on the shipped library, its chooser, its training window (on a notebook in
// a scratch folder) and an about box, all shown.
struct Fenetres
{
    QTemporaryDir dossier;
    FonCom com;
    std::unique_ptr<FenetrePlateau> plateau;
    std::unique_ptr<FenetreInfo> info;

    Fenetres()
    {
        reglages_dans(dossier.filePath(QStringLiteral("reglages.ini")));
        const Hote hote {.carnet = dossier.filePath(QStringLiteral("carnet.sqlite")).toStdString()};
        plateau = std::make_unique<FenetrePlateau>(com, TAVIK_BIBLIO, hote);
        plateau->show();
        QTest::mouseClick(plateau->findChild<QPushButton*>("CmdChager"), Qt::LeftButton);
        QTest::mouseClick(plateau->findChild<QPushButton*>("CmdEntrainer"), Qt::LeftButton);
        info = std::make_unique<FenetreInfo>(plateau.get());
        info->show();
    }
    QWidget* parent(const char* nom) const
    {
        const std::string n = nom;
        if (n == "plateau") return plateau.get();
        if (n == "Score") return plateau->findChild<QGroupBox*>(nom);
        if (n == "ouverture") return plateau->fenetre_ouverture();
        if (n == "Info") return info.get();
        QWidget* entrainement = plateau->fenetre_entrainement();
        return n == "entrainement" ? entrainement : entrainement->findChild<QWidget*>(nom);
    }
};

} // namespace

class TestFenetres : public QObject
{
    Q_OBJECT

private slots:
    // Every control of the windows where it must be, as it must look at the start, and no
    // control that the layouts do not hold, the main window having been zoomed to 150 % and
    // back to 100 % first; the chooser's tab stops: the filter, the list, the box, the button.
    void disposition()
    {
        Fenetres f;
        QVERIFY(f.plateau->fenetre_ouverture());
        f.plateau->zoome(1.5);
        f.plateau->zoome(1.0);
        std::map<QWidget*, qsizetype> trouves; // controls found in each parent
        QStringList fautes;
        for (const Controle& c : table()) {
            QWidget* parent = f.parent(c.parent);
            QWidget* w = trouve(parent, c);
            if (!w) {
                fautes << nom_de(c) + QStringLiteral(": none there, or more than one");
                continue;
            }
            trouves[parent] += c.genre != G::fenetre;
            if (const QStringList e = ecarts(parent, w, c); !e.isEmpty()) // shown within its page
                fautes << nom_de(c) + QStringLiteral(": ") + e.join(", ");
        }
        for (const auto& [parent, n] : trouves)
            if (enfants(parent).size() != n)
                fautes << parent->objectName()
                        + QStringLiteral(": %1 controls, %2 in the layout")
                              .arg(enfants(parent).size())
                              .arg(n);
        QVERIFY2(fautes.isEmpty(), qPrintable(fautes.join('\n')));

        f.info->close();
        QWidget* choix = f.plateau->fenetre_ouverture();
        choix->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(choix));
        QStringList ordre;
        for (int i = 0; i < 5 && QApplication::focusWidget(); ++i) {
            if (i > 0) QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
            ordre << QApplication::focusWidget()->objectName();
        }
        QCOMPARE(
            ordre,
            QStringList({"TxtFiltre", "LstOuverture", "ChkDepuisF5", "Cmdcharger", "TxtFiltre"}));
    }

    // The style's own sizes, unzoomed: a check box's indicator, a scroll bar's thickness.
    static int indicateur()
    {
        return QApplication::style()->pixelMetric(QStyle::PM_IndicatorWidth);
    }
    static int barre() { return QApplication::style()->pixelMetric(QStyle::PM_ScrollBarExtent); }

    // As the main window draws them: the indicator of "Coups" and the move list's scroll bar.
    static QList<int> dessins_du_style(FenetrePlateau& p)
    {
        auto* boite = p.findChild<QCheckBox*>(QStringLiteral("chk_voir_coup"));
        QStyleOptionButton o;
        o.initFrom(boite);
        const QRect indicateur
            = boite->style()->subElementRect(QStyle::SE_CheckBoxIndicator, &o, boite);
        auto* liste = p.findChild<QListWidget*>(QStringLiteral("LstCoup"));
        return {indicateur.width(), liste->verticalScrollBar()->sizeHint().width()};
    }

    // Ctrl++ three times: 110 %, 125 %, 150 %. Every control of the main window at its place
    // and in its font times 1.5, edges rounded, so the tiles still touch; the discs drawn at that
    // size; the next window opens at 150 %; a window resized by hand sets the zoom; Ctrl+0 is
    // 100 % again.
    void zoom_a_150()
    {
        Fenetres f;
        f.info->close(); // modal: the main window takes no key while it is open
        FenetrePlateau& p = *f.plateau;
        p.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&p));
        for (int i = 0; i < 3; ++i) QTest::keyClick(&p, Qt::Key_Plus, Qt::ControlModifier);
        QCOMPARE(p.size(), QSize(722, 809));
        const auto bord = [](int v) { return static_cast<int>(std::lround(v * 1.5)); };
        QStringList fautes;
        for (const Controle& c : table()) {
            const std::string parent = c.parent;
            if ((parent != "plateau" && parent != "Score") || c.genre == G::fenetre
                || c.genre == G::ligne)
                continue;
            Controle zoome = c;
            zoome.place
                = QRect(QPoint(bord(c.place.left()), bord(c.place.top())),
                        QPoint(bord(c.place.right() + 1) - 1, bord(c.place.bottom() + 1) - 1));
            const QRect voulu = zoome.place;
            QWidget* w = trouve(f.parent(c.parent), zoome);
            if (!w || w->geometry() != voulu)
                fautes << nom_de(c)
                        + QStringLiteral(": %1").arg(QDebug::toString(w ? w->geometry() : QRect()));
            if (w && c.police != P::aucune) {
                const int taille = polices[int(c.police)].section('/', 1, 1).toInt();
                if (w->font().pixelSize() != bord(taille))
                    fautes << nom_de(c) + QStringLiteral(": font %1").arg(w->font().pixelSize());
            }
        }
        QVERIFY2(fautes.isEmpty(), qPrintable(fautes.join('\n')));
        const QImage e4 = p.tuile(28)->grab().toImage();
        QCOMPARE(e4.size(), QSize(48, 48));
        QCOMPARE(e4.pixel(24, 24), attendu::noir);
        QCOMPARE(e4.pixel(47, 3), attendu::ligne);
        QVERIFY(attendu::est_vert(e4.pixel(44, 3))); // the square, not the window around it
        // What the style sizes by itself grows too: the boxes and the scroll bars.
        QCOMPARE(dessins_du_style(p), (QList<int> {bord(indicateur()), bord(barre())}));

        {
            FonCom com;
            FenetrePlateau suivante(com, TAVIK_BIBLIO,
                                    {.carnet = f.dossier.filePath("c2.sqlite").toStdString()});
            QCOMPARE(suivante.zoom(), 1.5);
            suivante.show();
            QVERIFY(QTest::qWaitForWindowExposed(&suivante));
            suivante.resize(842, 944); // 175 %
            QVERIFY(qAbs(suivante.zoom() - 1.75) < 0.01);
            QCOMPARE(suivante.findChild<QWidget*>(QStringLiteral("CmdFin"))->geometry(),
                     QRect(336, 630, 44, 30));
        }
        p.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&p));
        QTest::keyClick(&p, Qt::Key_0, Qt::ControlModifier);
        QCOMPARE(p.size(), QSize(481, 539));
        QCOMPARE(dessins_du_style(p), (QList<int> {indicateur(), barre()}));
        QCOMPARE(p.tuile(28)->grab().size(), QSize(32, 32));
        QCOMPARE(reglages()->value(QStringLiteral("plateau/zoom")).toDouble(), 1.0);
    }

    // A library file that cannot be read: the message shows in a modal box captioned "Tavik"
    // with its text and one button, "OK", which closes it.
    void boite_de_message()
    {
        QString vu;
        QObject contexte;
        QTimer::singleShot(0, &contexte, [&vu] {
            auto* boite = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
            if (!boite) return;
            const QList<QAbstractButton*> boutons = boite->buttons();
            QStringList textes;
            for (QAbstractButton* b : boutons) textes << b->text().remove('&');
            vu = QStringLiteral("%1|%2|%3|%4")
                     .arg(boite->windowTitle(), textes.join('+'),
                          boite->text().section(QStringLiteral(" «\u00a0"), 0, 0))
                     .arg(QLatin1String(boite->icon() == QMessageBox::NoIcon ? "no icon" : "icon"));
            if (!boutons.isEmpty()) QTest::mouseClick(boutons.first(), Qt::LeftButton);
            vu += QLatin1String(boite->isVisible() ? "|open" : "|closed");
            if (boite->isVisible()) boite->reject(); // never left open
        });
        FonCom com;
        FenetrePlateau plateau(com, "absent/biblio.csv"); // returns once the box is closed
        QCOMPARE(vu, QStringLiteral("Tavik|OK|Impossible de lire le fichier|no icon|closed"));
    }
};

QTEST_MAIN(TestFenetres)
#include "fenetres_test.moc"
