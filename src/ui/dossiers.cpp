#include "dossiers.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QStandardPaths>

namespace tavik::ui {

namespace {

// `relatif`: from the folder of the executable once installed, fixed by the build.
std::filesystem::path installe(const char* relatif)
{
    const QDir programme(QCoreApplication::applicationDirPath());
    return chemin_local(QDir::cleanPath(programme.absoluteFilePath(QString::fromUtf8(relatif))));
}

} // namespace

std::filesystem::path chemin_local(const QString& chemin)
{
    return std::filesystem::path(QFile::encodeName(chemin).toStdString());
}

QString texte_chemin(const std::filesystem::path& chemin)
{
    return QDir::toNativeSeparators(QFile::decodeName(QByteArray::fromStdString(chemin.string())));
}

std::filesystem::path dossier_donnees_utilisateur()
{
    const QString donnees = QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation);
    if (donnees.isEmpty()) return {};
    return chemin_local(donnees) / "tavik";
}

std::filesystem::path dossier_donnees_installees()
{
    return installe(TAVIK_DONNEES_DEPUIS_PROGRAMME);
}

std::filesystem::path dossier_documentation_installee()
{
    return installe(TAVIK_DOCUMENTATION_DEPUIS_PROGRAMME);
}

} // namespace tavik::ui
