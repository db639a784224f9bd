#include "library/fichier.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <memory>

namespace tavik {

namespace {

std::string raison_de(int erreur)
{
    switch (erreur) {
    case ENOENT:
        return "fichier introuvable";
    case EACCES:
    case EPERM:
        return "accès refusé";
    case EISDIR:
        return "c'est un dossier, pas un fichier";
    default:
        return std::strerror(erreur);
    }
}

} // namespace

bool lit_fichier(const std::filesystem::path& chemin, std::string& contenu, std::string& raison)
{
    errno = 0;
    const std::unique_ptr<std::FILE, int (*)(std::FILE*)> fichier(std::fopen(chemin.c_str(), "rb"),
                                                                  &std::fclose);
    if (!fichier) {
        raison = raison_de(errno);
        return false;
    }
    contenu.clear();
    char tampon[1 << 16];
    std::size_t lus;
    while ((lus = std::fread(tampon, 1, sizeof tampon, fichier.get())) > 0)
        contenu.append(tampon, lus);
    if (std::ferror(fichier.get())) {
        raison = raison_de(errno);
        return false;
    }
    return true;
}

} // namespace tavik
