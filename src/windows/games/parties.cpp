// The games window's files and its loads.
#include "windows/games/parties.h"

#include <algorithm>

namespace tavik {

namespace {

std::string nombre_de_parties(std::size_t n, const char* qualificatif)
{
    return std::to_string(n) + (n > 1 ? " parties " : " partie ") + qualificatif
        + (n > 1 ? "s" : "");
}

} // namespace

Parties::Parties(Plateau& plateau, std::vector<std::filesystem::path> fichiers,
                 std::function<void(const std::vector<std::filesystem::path>&)> retient)
    : plateau_(plateau)
    , retient_(std::move(retient))
    , fichiers_(std::move(fichiers))
    , abonnement_(plateau_.abonne_lecture_biblio([this] { relit_biblio(); }))
{
    biblio_.construit(plateau_.com().biblio, plateau_.com().nb_biblio);
    montre_fichiers();
    montre_etat();
}

Parties::~Parties()
{
    Form_Unload();
    plateau_.desabonne_lecture_biblio(abonnement_);
}

void Parties::Form_Load()
{
    montre_fichiers();
    if (!fichiers_.empty() && !chargee_ && !en_chargement()) demande_chargement();
    montre_etat();
    montre_position();
}

void Parties::Form_Unload()
{
    if (en_cours_) en_cours_->annule->store(true);
    en_cours_.reset();
    a_lancer_.reset();
    progression = 0;
    montre_etat();
}

void Parties::ajoute_fichiers(const std::vector<std::filesystem::path>& fichiers)
{
    bool ajoute = false;
    for (const std::filesystem::path& f : fichiers) {
        if (f.empty() || std::find(fichiers_.begin(), fichiers_.end(), f) != fichiers_.end())
            continue;
        fichiers_.push_back(f);
        ajoute = true;
    }
    if (ajoute) change_fichiers();
}

void Parties::LstFichiers_Click(int entree)
{
    LstFichiers.selection = entree >= 0 && entree < LstFichiers.nombre() ? entree : -1;
    CmdRetirer.actif = LstFichiers.selection >= 0;
}

void Parties::CmdRetirer_Click()
{
    const int choix = LstFichiers.selection;
    if (choix < 0 || choix >= static_cast<int>(fichiers_.size())) return;
    fichiers_.erase(fichiers_.begin() + choix);
    change_fichiers();
}

void Parties::CmdAnnuler_Click()
{
    if (!en_chargement()) return;
    Form_Unload();
    annulee_ = true;
    montre_etat();
}

// The list changed: it is remembered and loaded again from the start.
void Parties::change_fichiers()
{
    if (retient_) retient_(fichiers_);
    montre_fichiers();
    demande_chargement();
    montre_etat();
    montre_position();
}

// The base of the files as they were is dropped at once, so that two bases never take the
// memory together and the statistics shown never come from files no longer listed.
void Parties::demande_chargement()
{
    if (en_cours_) en_cours_->annule->store(true);
    en_cours_.reset();
    a_lancer_.reset();
    base_ = Base {};
    chargee_ = false;
    annulee_ = false;
    progression = 0;
    ++version_;
    if (fichiers_.empty()) return;
    DemandeChargement d;
    d.numero = ++derniere_demande_;
    d.fichiers = fichiers_;
    a_lancer_ = d;
    en_cours_ = std::move(d);
}

std::optional<DemandeChargement> Parties::prend_demande()
{
    std::optional<DemandeChargement> d = std::move(a_lancer_);
    a_lancer_.reset();
    return d;
}

void Parties::avance(int numero, double fraction)
{
    if (en_cours_ && numero == en_cours_->numero) progression = std::clamp(fraction, 0.0, 1.0);
}

void Parties::termine(int numero, Base base)
{
    if (!en_cours_ || numero != en_cours_->numero) return;
    en_cours_.reset();
    progression = 0;
    annulee_ = base.annule;
    chargee_ = !base.annule;
    base_ = base.annule ? Base {} : std::move(base);
    ++version_;
    montre_fichiers();
    montre_etat();
    montre_position();
}

// Each file by its path; a games file that gave no game says so.
void Parties::montre_fichiers()
{
    std::vector<std::size_t> lues(fichiers_.size(), 0);
    for (const PartieBase& p : base_.parties)
        if (p.fichier < lues.size()) ++lues[p.fichier];
    const int choix = LstFichiers.selection;
    LstFichiers.vide();
    for (std::size_t i = 0; i < fichiers_.size(); ++i) {
        std::string texte = fichiers_[i].string();
        const std::string e = fichiers_[i].extension().string();
        const bool noms = e.size() == 4 && (e[1] | 0x20) != 'w'; // .jou, .trn
        if (chargee_ && lues[i] == 0 && !noms) texte += " (aucune partie lue)";
        LstFichiers.ajoute(std::move(texte), static_cast<int>(i));
    }
    LstFichiers.selection = choix < LstFichiers.nombre() ? choix : -1;
    CmdRetirer.actif = LstFichiers.selection >= 0;
}

void Parties::montre_etat()
{
    CmdAnnuler.actif = en_chargement();
    std::string& etat = LblEtat.legende;
    if (en_chargement())
        etat = "Chargement des parties…";
    else if (annulee_)
        etat = "Chargement annulé.";
    else if (fichiers_.empty())
        etat
            = "Ajoutez des fichiers de parties\u00a0: WTHOR (.wtb) ou texte, une partie par ligne.";
    else if (!chargee_)
        etat.clear();
    else {
        etat = nombre_de_parties(base_.parties.size(), "chargée") + ".";
        if (!base_.refus.empty())
            etat += "\n" + nombre_de_parties(base_.refus.size(), "refusée")
                + ", dont\u00a0: " + base_.refus.front();
        for (const std::string& m : base_.illisibles) etat += "\n" + m;
    }
}

} // namespace tavik
