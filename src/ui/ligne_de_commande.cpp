#include "ligne_de_commande.h"

#include "database/texte_statistiques.h"
#include "dossiers.h"
#include "record/utf8.h"
#include "verification_biblio.h"

#include <algorithm>
#include <cstdio>
#include <vector>

namespace tavik::ui {

namespace {

// What the arguments read so far ask for.
struct Lecture
{
    bool aide = false;
    bool version = false;
    QString erreur; // the first mistake, empty when none
    std::optional<std::filesystem::path> biblio, a_verifier;
    std::vector<std::filesystem::path> bases;
    bool suite_de_base = false; // the words after --base's file are more files
    std::optional<QString> coups;
};

// One option of the program: its names (a letter is written with one dash, a word with two),
// the name of its value in the help (empty for a switch), its description, and what it asks.
struct Option
{
    QStringList noms;
    QString valeur;
    QString description;
    void (*retient)(Lecture& lecture, const QString& valeur);
};

// The program's options, in the order of the help. Another option is one more row.
const std::vector<Option>& options()
{
    static const std::vector<Option> liste {
        {{QStringLiteral("h"), QStringLiteral("help")},
         {},
         QStringLiteral("Affiche cette aide."),
         [](Lecture& l, const QString&) { l.aide = true; }},
        {{QStringLiteral("v"), QStringLiteral("version")},
         {},
         QStringLiteral("Affiche la version de Tavik."),
         [](Lecture& l, const QString&) { l.version = true; }},
        {{QStringLiteral("biblio")},
         QStringLiteral("FICHIER"),
         QStringLiteral("Lit la bibliothèque d'ouvertures FICHIER."),
         [](Lecture& l, const QString& v) { l.biblio = chemin_local(v); }},
        {{QStringLiteral("verifier")},
         QStringLiteral("FICHIER"),
         QStringLiteral("Vérifie la bibliothèque d'ouvertures FICHIER sans ouvrir de fenêtre."),
         [](Lecture& l, const QString& v) { l.a_verifier = chemin_local(v); }},
        {{QStringLiteral("base")},
         QStringLiteral("FICHIER…"),
         QStringLiteral(
             "Lit les parties des fichiers (WTHOR, ou texte\u00a0: une partie par ligne)."),
         [](Lecture& l, const QString& v) {
             l.bases.push_back(chemin_local(v));
             l.suite_de_base = true;
         }},
        {{QStringLiteral("statistiques")},
         QStringLiteral("COUPS"),
         QStringLiteral("Écrit ce que les parties de --base jouent après COUPS (\"\"\u00a0: le "
                        "départ), sans ouvrir de fenêtre."),
         [](Lecture& l, const QString& v) { l.coups = v; }},
    };
    return liste;
}

// The toolkit's own options, which it takes out of the line when it starts: those followed by
// a value (or with it after '=', as -style=fusion), then those without one. The toolkit
// accepts them with two dashes too.
// clang-format off
constexpr const char* options_qt_avec_valeur[] {
    "platform", "platformpluginpath", "platformtheme", "plugin", "qwindowgeometry", "geometry",
    "qwindowicon", "icon", "qwindowtitle", "title", "session", "display", "name", "style",
    "stylesheet", "visual", "qmljsdebugger"};
constexpr const char* options_qt_seules[] {
    "reverse", "widgetcount", "nograb", "dograb", "sync", "testability"};
// clang-format on

bool parmi(const QString& nom, const auto& noms)
{
    return std::any_of(std::begin(noms), std::end(noms),
                       [&](const char* n) { return nom == QLatin1String(n); });
}

QString tiret(const QString& nom)
{
    return (nom.size() == 1 ? QStringLiteral("-") : QStringLiteral("--")) + nom;
}

const Option* option_nommee(const QString& nom)
{
    for (const Option& o : options())
        if (o.noms.contains(nom)) return &o;
    return nullptr;
}

// `texte` cut into lines of at most `largeur` characters at its spaces, the lines after the
// first indented by `retrait` spaces (a word longer than a line stays whole).
QString coupe(const QString& texte, int largeur, int retrait = 0)
{
    QString resultat, ligne;
    for (const QString& mot : texte.split(QLatin1Char(' '), Qt::SkipEmptyParts)) {
        if (!ligne.isEmpty() && ligne.size() + 1 + mot.size() > largeur - retrait) {
            resultat += ligne + QLatin1Char('\n') + QString(retrait, QLatin1Char(' '));
            ligne.clear();
        }
        ligne += (ligne.isEmpty() ? QString() : QStringLiteral(" ")) + mot;
    }
    return resultat + ligne + QLatin1Char('\n');
}

constexpr int largeur_aide = 80;

QString texte_aide()
{
    QString s = QStringLiteral("Utilisation\u00a0: tavik [options]\n"
                               "Tavik apprend les ouvertures d'Othello.\n\nOptions\u00a0:\n");
    const auto noms = [](const Option& o) {
        QStringList n;
        for (const QString& nom : o.noms) n << tiret(nom);
        return n.join(QStringLiteral(", "))
            + (o.valeur.isEmpty() ? QString() : QLatin1Char(' ') + o.valeur);
    };
    qsizetype colonne = 0;
    for (const Option& o : options()) colonne = std::max(colonne, noms(o).size() + 4);
    for (const Option& o : options()) {
        const QString debut = QStringLiteral("  ") + noms(o);
        s += debut + QString(colonne - debut.size(), QLatin1Char(' '))
            + coupe(o.description, largeur_aide, static_cast<int>(colonne));
    }
    s += QLatin1Char('\n')
        + coupe(QStringLiteral(
                    "Sans --biblio, Tavik lit «\u00a0biblio.csv\u00a0» dans le dossier de travail "
                    "si c'est une bibliothèque d'ouvertures de Tavik, sinon dans vos "
                    "données (%1), sinon celle installée avec le programme.")
                    .arg(texte_chemin(dossier_donnees_utilisateur())),
                largeur_aide);
    s += QLatin1Char('\n')
        + coupe(
             QStringLiteral(
                 "--verifier écrit une ligne par défaut trouvé («\u00a0ligne 12\u00a0: "
                 "erreur\u00a0: …\u00a0»), "
                 "puis leur nombre. Code de sortie\u00a0: 0 sans erreur (les avertissements n'en "
                 "sont pas), 1 avec des erreurs, 2 si le fichier ne peut pas être lu."),
             largeur_aide);
    s += QLatin1Char('\n')
        + coupe(QStringLiteral(
                    "--statistiques écrit «\u00a0N parties : noir X %, nul Y %, blanc Z %\u00a0» "
                    "(espaces simples, pour les scripts) "
                    "pour la position après COUPS («\u00a0f5d6\u00a0»), puis une ligne par coup "
                    "joué ensuite, le plus joué d'abord. Code de sortie 2 si un "
                    "fichier ne peut pas être lu."),
                largeur_aide);
    return s;
}

// An argument as an error message quotes it: an invisible character by its code.
QString lisible(const QString& argument)
{
    return QString::fromStdString(visible(argument.toStdString()));
}

// Reads one argument from `arguments[i]`, and the value after it when it takes one; returns
// the index of the last argument used.
qsizetype lit_argument(const QStringList& arguments, qsizetype i, Lecture& lecture)
{
    const QString& argument = arguments[i];
    const auto faute = [&](const QString& texte) {
        if (lecture.erreur.isEmpty()) lecture.erreur = texte;
    };
    const qsizetype tirets = argument.startsWith(QStringLiteral("--")) ? 2
        : argument.startsWith(QLatin1Char('-'))                        ? 1
                                                                       : 0;
    const QString mot = argument.mid(tirets);
    if (tirets == 0 && lecture.suite_de_base) {
        lecture.bases.push_back(chemin_local(argument));
        return i;
    }
    lecture.suite_de_base = false;
    if (tirets == 0 || mot.isEmpty()) {
        faute(QStringLiteral("Argument inattendu\u00a0: %1.").arg(lisible(argument)));
        return i;
    }
    const qsizetype egal = mot.indexOf(QLatin1Char('='));
    const QString nom = mot.left(egal);
    const std::optional<QString> jointe
        = egal < 0 ? std::nullopt : std::optional<QString>(mot.mid(egal + 1));
    // The value after '=', or else the next argument, whatever it is.
    const auto valeur = [&]() -> std::optional<QString> {
        if (jointe) return jointe;
        if (i + 1 < arguments.size()) return arguments[++i];
        return std::nullopt;
    };

    const Option* option = option_nommee(nom);
    if (option && tiret(nom) == QString(tirets, QLatin1Char('-')) + nom) {
        if (option->valeur.isEmpty()) {
            if (jointe)
                faute(QStringLiteral("L'option %1 ne prend pas de valeur.").arg(tiret(nom)));
            else
                option->retient(lecture, {});
        } else if (const std::optional<QString> v = valeur();
                   v && (!v->isEmpty() || option->valeur == QStringLiteral("COUPS"))) {
            // No moves at all ask for the start.
            option->retient(lecture, *v);
        } else {
            faute(QStringLiteral("Il manque %1 après %2.").arg(option->valeur, tiret(nom)));
        }
    } else if (parmi(nom, options_qt_avec_valeur)) {
        if (!valeur())
            faute(QStringLiteral("Il manque une valeur après %1.").arg(lisible(argument)));
    } else if (parmi(nom, options_qt_seules) && !jointe) {
        // taken by the toolkit
    } else if (option) { // one of the program's options with the wrong number of dashes
        faute(QStringLiteral("Option inconnue\u00a0: %1. Voulez-vous dire %2\u00a0?")
                  .arg(lisible(argument.left(tirets + nom.size())), tiret(nom)));
    } else {
        faute(QStringLiteral("Option inconnue\u00a0: %1.")
                  .arg(lisible(argument.left(tirets + nom.size()))));
    }
    return i;
}

} // namespace

LigneDeCommande lit_ligne_de_commande(const QStringList& arguments)
{
    Lecture lecture;
    for (qsizetype i = 1; i < arguments.size(); ++i) i = lit_argument(arguments, i, lecture);

    LigneDeCommande ligne;
    if (lecture.aide) {
        ligne.action = LigneDeCommande::Action::aide;
        ligne.texte = texte_aide();
    } else if (lecture.version) {
        ligne.action = LigneDeCommande::Action::version;
        ligne.texte = QStringLiteral("Tavik %1\n").arg(QStringLiteral(TAVIK_VERSION));
    } else if (!lecture.erreur.isEmpty()) {
        ligne.action = LigneDeCommande::Action::erreur;
        ligne.texte = lecture.erreur + QStringLiteral("\nVoir\u00a0: tavik --help\n");
    } else if (lecture.coups && lecture.bases.empty()) {
        ligne.action = LigneDeCommande::Action::erreur;
        ligne.texte
            = QStringLiteral("--statistiques demande --base FICHIER.\nVoir\u00a0: tavik --help\n");
    } else if (lecture.coups) {
        ligne.action = LigneDeCommande::Action::statistiques;
        ligne.bases = lecture.bases;
        ligne.coups = lecture.coups->toStdString();
    } else if (lecture.a_verifier) {
        ligne.action = LigneDeCommande::Action::verifier;
        ligne.a_verifier = lecture.a_verifier;
    } else {
        ligne.biblio = lecture.biblio;
        ligne.bases = lecture.bases;
    }
    return ligne;
}

QStringList arguments_bruts(int argc, const char* const* argv)
{
    QStringList arguments;
    for (int i = 0; i < argc; ++i) arguments << QString::fromLocal8Bit(argv[i]);
    return arguments;
}

int repond(const LigneDeCommande& ligne)
{
    if (ligne.action == LigneDeCommande::Action::verifier)
        return verifie_biblio_nommee(*ligne.a_verifier);
    if (ligne.action == LigneDeCommande::Action::statistiques) {
        const ReponseStatistiques r = repond_statistiques(ligne.bases, *ligne.coups);
        std::fputs(r.erreurs.c_str(), stderr);
        std::fputs(r.sortie.c_str(), stdout);
        return r.code;
    }
    const bool erreur = ligne.action == LigneDeCommande::Action::erreur;
    std::fputs(ligne.texte.toLocal8Bit().constData(), erreur ? stderr : stdout);
    return erreur ? 2 : 0;
}

} // namespace tavik::ui
