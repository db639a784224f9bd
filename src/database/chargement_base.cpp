#include "database/chargement_base.h"

#include "database/parties_texte.h"
#include "database/wthor.h"
#include "library/fichier.h"
#include "record/typographie.h"

#include <algorithm>
#include <map>

namespace tavik {

namespace {

std::string extension(const std::filesystem::path& chemin)
{
    std::string e = chemin.extension().string();
    std::transform(e.begin(), e.end(), e.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return e;
}

// The file of that name in the folder, whatever the case of its letters.
std::filesystem::path voisin(const std::filesystem::path& dossier, const std::string& nom)
{
    std::error_code erreur;
    for (const auto& entree : std::filesystem::directory_iterator(dossier, erreur)) {
        std::string n = entree.path().filename().string();
        std::transform(n.begin(), n.end(), n.begin(),
                       [](unsigned char c) { return static_cast<char>(std::toupper(c)); });
        if (n == nom) return entree.path();
    }
    return {};
}

// Where the names of each folder begin in the base's lists, and how many there are.
struct NomsDossier
{
    int32_t joueurs = 0, nb_joueurs = 0, tournois = 0, nb_tournois = 0;
};

class Chargeur
{
public:
    explicit Chargeur(Base& base)
        : base_(base)
    {
    }

    void lit(const std::filesystem::path& chemin, uint16_t numero)
    {
        std::string octets, raison;
        const std::string nom = chemin.filename().string();
        if (!lit_fichier(chemin, octets, raison)) {
            base_.illisibles.push_back(guillemets(chemin.string()) + "\u00a0: " + raison + ".");
            return;
        }
        const std::string e = extension(chemin);
        if (e == ".jou" || e == ".trn") return;
        if (fichier_wthor(chemin))
            ajoute_wthor(lit_parties_wthor(octets, nom), noms_de(chemin.parent_path()), numero);
        else
            ajoute_texte(lit_parties_texte(octets, nom), numero);
    }

private:
    void ajoute_wthor(LectureWthor lu, const NomsDossier& noms, uint16_t numero)
    {
        auto nom = [](int32_t n, int32_t debut, int32_t nb) { return n < nb ? debut + n : -1; };
        for (PartieBase& p : lu.parties) {
            p.noir = nom(p.noir, noms.joueurs, noms.nb_joueurs);
            p.blanc = nom(p.blanc, noms.joueurs, noms.nb_joueurs);
            p.tournoi = nom(p.tournoi, noms.tournois, noms.nb_tournois);
            p.fichier = numero;
        }
        garde(std::move(lu.parties), std::move(lu.refus), lu.refuse);
    }

    void ajoute_texte(LectureTexte lu, uint16_t numero)
    {
        for (PartieBase& p : lu.parties) p.fichier = numero;
        garde(std::move(lu.parties), std::move(lu.refus), lu.refuse);
    }

    void garde(std::vector<PartieBase> parties, std::vector<std::string> refus, bool refuse)
    {
        base_.parties.insert(base_.parties.end(), parties.begin(), parties.end());
        auto& messages = refuse ? base_.illisibles : base_.refus;
        messages.insert(messages.end(), refus.begin(), refus.end());
    }

    // The players and tournaments of a folder, read once.
    const NomsDossier& noms_de(const std::filesystem::path& dossier)
    {
        const auto trouve = dossiers_.find(dossier);
        if (trouve != dossiers_.end()) return trouve->second;
        NomsDossier n;
        n.joueurs = static_cast<int32_t>(base_.joueurs.size());
        n.tournois = static_cast<int32_t>(base_.tournois.size());
        n.nb_joueurs
            = ajoute_noms(voisin(dossier, "WTHOR.JOU"), taille_joueur_wthor, base_.joueurs);
        n.nb_tournois
            = ajoute_noms(voisin(dossier, "WTHOR.TRN"), taille_tournoi_wthor, base_.tournois);
        return dossiers_.emplace(dossier, n).first->second;
    }

    static int32_t ajoute_noms(const std::filesystem::path& chemin, std::size_t taille,
                               std::vector<std::string>& liste)
    {
        std::string octets, raison;
        if (chemin.empty() || !lit_fichier(chemin, octets, raison)) return 0;
        const std::vector<std::string> noms = lit_noms_wthor(octets, taille);
        liste.insert(liste.end(), noms.begin(), noms.end());
        return static_cast<int32_t>(noms.size());
    }

    Base& base_;
    std::map<std::filesystem::path, NomsDossier> dossiers_;
};

// How many games the WTHOR game files hold by their sizes, so that the base's array takes them
// all without growing (text files hold a few games: they may make it grow once).
std::size_t parties_annoncees(std::span<const std::filesystem::path> fichiers)
{
    std::size_t nb = 0;
    for (const std::filesystem::path& f : fichiers) {
        std::error_code erreur;
        const std::uintmax_t taille = std::filesystem::file_size(f, erreur);
        if (!erreur && extension(f) == ".wtb" && taille > taille_entete_wthor)
            nb += static_cast<std::size_t>((taille - taille_entete_wthor) / taille_partie_wthor);
    }
    return nb;
}

const std::string vide;

Base annulee()
{
    Base base;
    base.annule = true;
    return base;
}

const std::string& dans(const std::vector<std::string>& liste, int32_t numero)
{
    return numero >= 0 && static_cast<std::size_t>(numero) < liste.size() ? liste[numero] : vide;
}

} // namespace

const std::string& Base::joueur(int32_t numero) const
{
    return dans(joueurs, numero);
}

const std::string& Base::tournoi(int32_t numero) const
{
    return dans(tournois, numero);
}

bool fichier_wthor(const std::filesystem::path& chemin)
{
    const std::string e = extension(chemin);
    return e == ".wtb" || e == ".wtd" || e == ".jou" || e == ".trn";
}

Base charge_base(std::span<const std::filesystem::path> fichiers, int profondeur,
                 const Suivi& suivi)
{
    Base base;
    base.fichiers.assign(fichiers.begin(), fichiers.end());
    Chargeur chargeur(base);
    const std::size_t nb = std::min<std::size_t>(fichiers.size(), UINT16_MAX);
    base.parties.reserve(parties_annoncees(fichiers.first(nb)));
    for (std::size_t i = 0; i < nb; ++i) {
        if (suivi.arrete()) return annulee();
        suivi.signale(0.1 * static_cast<double>(i) / static_cast<double>(nb));
        chargeur.lit(fichiers[i], static_cast<uint16_t>(i));
    }
    if (base.parties.size() > IndexPositions::parties_max) {
        base.refus.push_back("Seules les " + std::to_string(IndexPositions::parties_max)
                             + " premières parties sont indexées.");
    }
    const Suivi indexation {[&suivi](double f) { suivi.signale(0.1 + 0.9 * f); }, suivi.annule};
    if (!base.index.construit(base.parties, profondeur, indexation)) return annulee();
    return base;
}

} // namespace tavik
