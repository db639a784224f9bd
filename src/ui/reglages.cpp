#include "reglages.h"

namespace tavik::ui {

namespace {

QString& fichier_impose()
{
    static QString fichier;
    return fichier;
}

} // namespace

std::unique_ptr<QSettings> reglages()
{
    if (!fichier_impose().isEmpty())
        return std::make_unique<QSettings>(fichier_impose(), QSettings::IniFormat);
    return std::make_unique<QSettings>(QSettings::IniFormat, QSettings::UserScope,
                                       QStringLiteral("tavik"), QStringLiteral("tavik"));
}

void reglages_dans(const QString& fichier)
{
    fichier_impose() = fichier;
}

} // namespace tavik::ui
