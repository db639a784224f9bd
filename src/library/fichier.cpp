#include "library/fichier.h"

#include <cerrno>
#include <cstdio>
#include <memory>
#include <system_error>

namespace tavik {

namespace {

// Far beyond what a library holds (1001 records of 32767 characters): a bigger file is no
// library, and reading it whole could exhaust the memory.
constexpr std::size_t taille_max = std::size_t {256} << 20;

} // namespace

std::string raison_systeme(int erreur)
{
    switch (erreur) {
    case ENOENT:
        return "fichier introuvable";
    case EACCES:
    case EPERM:
        return "accès refusé";
    case EISDIR:
        return "c'est un dossier, pas un fichier";
    case ENOTDIR:
        return "un élément du chemin n'est pas un dossier";
    case ENAMETOOLONG:
        return "nom de fichier trop long";
    case ELOOP:
        return "trop de liens symboliques dans le chemin";
    case EMFILE:
    case ENFILE:
        return "trop de fichiers ouverts";
    case ENOMEM:
        return "mémoire insuffisante";
    case EIO:
        return "erreur d'entrée-sortie du disque";
    case ENXIO:
    case ENODEV:
        return "périphérique absent";
    case EAGAIN:
    case EBUSY:
    case ETXTBSY:
        return "fichier occupé, réessayez plus tard";
    case EINVAL:
    case EOVERFLOW:
    case EFBIG:
        return "fichier illisible ou trop gros";
    default:
        return "erreur du système n° " + std::to_string(erreur);
    }
}

bool lit_fichier(const std::filesystem::path& chemin, std::string& contenu, std::string& raison)
{
    errno = 0;
    const std::unique_ptr<std::FILE, int (*)(std::FILE*)> fichier(std::fopen(chemin.c_str(), "rb"),
                                                                  &std::fclose);
    if (!fichier) {
        raison = raison_systeme(errno);
        return false;
    }
    contenu.clear();
    char tampon[1 << 16];
    std::size_t lus;
    while ((lus = std::fread(tampon, 1, sizeof tampon, fichier.get())) > 0) {
        if (contenu.size() + lus > taille_max) {
            raison = "fichier trop gros (plus de 256 Mo) pour une bibliothèque d'ouvertures";
            return false;
        }
        contenu.append(tampon, lus);
    }
    if (std::ferror(fichier.get())) {
        raison = raison_systeme(errno);
        return false;
    }
    return true;
}

bool existe(const std::filesystem::path& chemin)
{
    std::error_code erreur;
    return std::filesystem::exists(chemin, erreur);
}

} // namespace tavik
