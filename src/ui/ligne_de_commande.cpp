#include "ligne_de_commande.h"

#include "dossiers.h"
#include "verification_biblio.h"

#include <QCommandLineOption>
#include <QCommandLineParser>
#include <algorithm>
#include <cstdio>
#include <vector>

namespace tavik::ui {

namespace {

// The program's options, in the order of the help. Another option goes here, then into the
// result in lit_ligne_de_commande.
struct Options
{
    QCommandLineOption aide {{QStringLiteral("h"), QStringLiteral("help")},
                             QStringLiteral("Affiche cette aide.")};
    QCommandLineOption version {{QStringLiteral("v"), QStringLiteral("version")},
                                QStringLiteral("Affiche la version de Tavik.")};
    QCommandLineOption biblio {QStringLiteral("biblio"),
                               QStringLiteral("Lit la bibliothèque d'ouvertures FICHIER."),
                               QStringLiteral("FICHIER")};
    QCommandLineOption verifier {
        QStringLiteral("verifier"),
        QStringLiteral("Vérifie la bibliothèque d'ouvertures FICHIER sans ouvrir de fenêtre."),
        QStringLiteral("FICHIER")};

    std::vector<const QCommandLineOption*> toutes() const
    {
        return {&aide, &version, &biblio, &verifier};
    }
};

QString tiret(const QString& nom)
{
    return (nom.size() == 1 ? QStringLiteral("-") : QStringLiteral("--")) + nom;
}

QString noms(const QCommandLineOption& o)
{
    QStringList n;
    for (const QString& nom : o.names()) n << tiret(nom);
    QString s = n.join(QStringLiteral(", "));
    if (!o.valueName().isEmpty()) s += QLatin1Char(' ') + o.valueName();
    return s;
}

QString texte_aide(const Options& options)
{
    QString s = QStringLiteral("Utilisation : tavik [options]\n"
                               "Tavik apprend les ouvertures d'Othello.\n\nOptions :\n");
    for (const QCommandLineOption* o : options.toutes())
        s += QStringLiteral("  %1%2\n").arg(noms(*o), -20).arg(o->description());
    const QString donnees = texte_chemin(dossier_donnees_utilisateur());
    s += QStringLiteral("\nSans --biblio, Tavik lit « biblio.csv » dans le dossier de travail,\n"
                        "sinon dans vos données (%1),\n"
                        "sinon celle installée avec le programme.\n")
             .arg(donnees);
    s += QStringLiteral(
        "\n--verifier écrit une ligne par défaut trouvé (« ligne 12 : erreur : … »),\n"
        "puis leur nombre. Code de sortie : 0 sans erreur (les avertissements\n"
        "n'en sont pas), 1 avec des erreurs, 2 si le fichier ne peut pas être lu.\n");
    return s;
}

// Qt's parser words its errors in English: say the same in French.
QString texte_erreur(const QCommandLineParser& parseur, const QStringList& arguments,
                     const Options& options)
{
    QString erreur;
    if (!parseur.unknownOptionNames().isEmpty()) {
        QStringList n;
        for (const QString& nom : parseur.unknownOptionNames()) n << tiret(nom);
        erreur = QStringLiteral("Option inconnue : %1.").arg(n.join(QStringLiteral(", ")));
    } else if (!parseur.positionalArguments().isEmpty()) {
        erreur = QStringLiteral("Argument inattendu : %1.").arg(parseur.positionalArguments()[0]);
    } else {
        erreur = QStringLiteral("Option mal écrite.");
        for (const QCommandLineOption* o : options.toutes()) {
            const QString nom = tiret(o->names().constLast());
            if (!o->valueName().isEmpty() && arguments.constLast() == nom)
                erreur = QStringLiteral("Il manque %1 après %2.").arg(o->valueName(), nom);
            if (o->valueName().isEmpty())
                for (const QString& a : arguments)
                    if (a.startsWith(nom + QLatin1Char('=')))
                        erreur = QStringLiteral("L'option %1 ne prend pas de valeur.").arg(nom);
        }
    }
    return erreur + QStringLiteral("\nVoir : tavik --help");
}

} // namespace

LigneDeCommande lit_ligne_de_commande(const QStringList& arguments)
{
    const Options options;
    QCommandLineParser parseur;
    for (const QCommandLineOption* o : options.toutes()) parseur.addOption(*o);
    const bool lue = parseur.parse(arguments);

    LigneDeCommande ligne;
    if (parseur.isSet(options.aide)) {
        ligne.action = LigneDeCommande::Action::aide;
        ligne.texte = texte_aide(options);
    } else if (parseur.isSet(options.version)) {
        ligne.action = LigneDeCommande::Action::version;
        ligne.texte = QStringLiteral("Tavik %1\n").arg(QStringLiteral(TAVIK_VERSION));
    } else if (!lue || !parseur.positionalArguments().isEmpty()) {
        ligne.action = LigneDeCommande::Action::erreur;
        ligne.texte = texte_erreur(parseur, arguments, options) + QLatin1Char('\n');
    } else if (parseur.isSet(options.verifier)) {
        ligne.action = LigneDeCommande::Action::verifier;
        ligne.a_verifier = chemin_local(parseur.value(options.verifier));
    } else if (parseur.isSet(options.biblio)) {
        ligne.biblio = chemin_local(parseur.value(options.biblio));
    }
    return ligne;
}

QStringList arguments_bruts(int argc, const char* const* argv)
{
    QStringList arguments;
    for (int i = 0; i < argc; ++i) arguments << QString::fromLocal8Bit(argv[i]);
    return arguments;
}

std::optional<LigneDeCommande> reponse_avant_affichage(const QStringList& bruts)
{
    LigneDeCommande ligne = lit_ligne_de_commande(bruts);
    const auto option_de_qt = [](const QString& a) {
        return a.size() > 2 && a.startsWith(QLatin1Char('-')) && a[1] != QLatin1Char('-');
    };
    if (ligne.action == LigneDeCommande::Action::lancer
        || (ligne.action == LigneDeCommande::Action::erreur
            && std::any_of(bruts.begin() + 1, bruts.end(), option_de_qt)))
        return std::nullopt;
    return ligne;
}

int repond(const LigneDeCommande& ligne)
{
    if (ligne.action == LigneDeCommande::Action::verifier)
        return verifie_biblio_nommee(*ligne.a_verifier);
    const bool erreur = ligne.action == LigneDeCommande::Action::erreur;
    std::fputs(ligne.texte.toLocal8Bit().constData(), erreur ? stderr : stdout);
    return erreur ? 2 : 0;
}

} // namespace tavik::ui
