#include "verification_biblio.h"

#include "dossiers.h"
#include "library/fichier.h"
#include "library/verification.h"

#include <cstdio>
#include <string>

namespace tavik::ui {

int verifie_biblio_nommee(const std::filesystem::path& fichier)
{
    std::string octets, raison;
    if (!lit_fichier(fichier, octets, raison)) {
        std::fputs(QStringLiteral("Impossible de lire le fichier «\u00a0%1\u00a0»\u00a0: %2.\n")
                       .arg(texte_chemin(fichier), QString::fromStdString(raison))
                       .toLocal8Bit()
                       .constData(),
                   stderr);
        return 2;
    }
    const std::vector<Constat> constats = verifie_biblio(octets);
    std::fputs(texte_verification(constats).c_str(), stdout);
    return code_verification(constats);
}

} // namespace tavik::ui
