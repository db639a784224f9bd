#include "windows/drill/entrainement.h"

#include "database/parties_par_ligne.h"
#include "library/cle_ligne.h"
#include "record/utf8.h"
#include "training/progres.h"
#include "windows/lignes_de_mes_parties.h"

#include <algorithm>

namespace tavik {

Entrainement::Entrainement(Plateau& plateau, Services services,
                           std::optional<std::filesystem::path> carnet)
    : plateau_(plateau)
    , services_(std::move(services))
    , chemin_(std::move(carnet))
    , abonnement_(plateau_.abonne_lecture_biblio([this] { relit_biblio(); }))
{
    OptCouleur[choix_noir].choisie = true;
    OptPortee[choix_tout].choisie = true;
    ChkDepuisF5.fixe(1);
    ChkDepuisF5.sur_clic([this] { TxtFiltre_Change(); });
    actualise_mes_parties();
}

Entrainement::~Entrainement()
{
    Form_Unload();
    plateau_.desabonne_lecture_biblio(abonnement_);
}

std::filesystem::path Entrainement::chemin_carnet() const
{
    return carnet_ ? carnet_->chemin() : std::filesystem::path();
}

// The notebook is opened, a file that cannot be used set aside with a word to the learner; then
// the lines of the library as it stands, and the progress.
void Entrainement::Form_Load()
{
    if (!carnet_) {
        const Moment m = services_.maintenant();
        carnet_.emplace(chemin_ ? Carnet::ouvre(*chemin_, m.secondes) : Carnet::en_memoire());
    }
    TxtNouvelles.valeur = carnet_->nouvelles_par_jour();
    relit_biblio();
    LblMessage.legende
        = "Choisissez la couleur et les lignes, puis appuyez sur «\u00a0Commencer\u00a0».";
    etat_commandes();
    if (!carnet_->avertissement().empty()) services_.message(carnet_->avertissement());
}

// Closing the window, or the program: the session ends, and the notebook's file alone is whole
// even without a session (the pace of new lines may have changed).
void Entrainement::Form_Unload()
{
    if (session_)
        termine_seance("Séance terminée.");
    else if (carnet_)
        carnet_->verse_le_journal();
}

// The library was read again ("Jouer"): a session on the old lines ends, and the lines, the
// list and the progress are those of the new table. The file has most often not changed: the
// lines are then kept as they are.
void Entrainement::relit_biblio()
{
    if (session_) termine_seance("Séance terminée\u00a0: la bibliothèque a été relue.");
    if (!carnet_) return;
    const FonCom& com = plateau_.com();
    const auto debut = com.biblio.lignes.begin();
    if (lues_ && std::equal(debut, debut + com.nb_biblio, lues_->begin(), lues_->end())) return;
    lues_.emplace(debut, debut + com.nb_biblio);
    rep_ = construit_repertoire(com.biblio, com.nb_biblio);
    items_ = {};
    LstOuverture.vide();
    TxtFiltre_Change();
    actualise_progres();
}

const ItemsCouleur& Entrainement::items(int16_t c) const
{
    std::optional<ItemsCouleur>& faits = items_[c == blanc ? 1 : 0];
    if (!faits) faits = items_de(rep_, c);
    return *faits;
}

int16_t Entrainement::couleur() const
{
    return OptCouleur[choix_blanc].choisie ? blanc : noir;
}

void Entrainement::OptCouleur_Click(int index)
{
    if (session_ || index < 0 || index >= static_cast<int>(OptCouleur.size())) return;
    for (std::size_t i = 0; i < OptCouleur.size(); ++i)
        OptCouleur[i].choisie = static_cast<int>(i) == index;
    actualise_progres();
}

void Entrainement::OptPortee_Click(int index)
{
    if (session_ || index < 0 || index >= static_cast<int>(OptPortee.size())) return;
    for (std::size_t i = 0; i < OptPortee.size(); ++i)
        OptPortee[i].choisie = static_cast<int>(i) == index;
}

// The row of the repertoire that the list selects, or -1.
int Entrainement::rangee_choisie() const
{
    const int i = LstOuverture.selection;
    if (i < 0 || i >= LstOuverture.nombre()) return -1;
    const int r = LstOuverture.entrees[static_cast<std::size_t>(i)].donnee;
    return r >= 0 && r < static_cast<int>(rep_.rangees.size()) ? r : -1;
}

// Moves of the library's orientation as the window writes them: from F5 (turned half a turn,
// which keeps the start position) unless the learner asks for C4.
std::string Entrainement::texte_des_coups(const std::vector<Case>& coups) const
{
    if (!ChkDepuisF5.cochee()) return cle_de_ligne(coups);
    std::vector<Case> tournes;
    for (const Case c : coups)
        tournes.push_back(
            transforme(Transformation::rotation, transforme(Transformation::rotation, c)));
    return cle_de_ligne(tournes);
}

// The openings whose name holds the filter; the one chosen stays chosen while it is listed.
// While an exercise runs the moves are left out: they would give the answer away.
void Entrainement::TxtFiltre_Change()
{
    const int choisie = rangee_choisie();
    coups_caches_ = exercice_en_cours();
    LstOuverture.vide();
    for (const int r : ouvertures_par_nom(rep_, TxtFiltre.texte)) {
        const RangeeRepertoire& rangee = rep_.rangees[static_cast<std::size_t>(r)];
        if (r == choisie) LstOuverture.selection = LstOuverture.nombre();
        std::string texte = visible(rangee.nom);
        if (!coups_caches_) texte += " (" + texte_des_coups(rangee.coups) + ")";
        LstOuverture.ajoute(std::move(texte), r);
    }
}

// Picking an opening in the list chooses to train it.
void Entrainement::LstOuverture_Click()
{
    if (rangee_choisie() >= 0) OptPortee_Click(choix_ouverture);
}

std::optional<std::vector<int>> Entrainement::lignes_choisies() const
{
    const int16_t c = couleur();
    if (OptPortee[choix_position].choisie)
        return portee_position(rep_, c, plateau_.com().liste_coups, plateau_.num_coup);
    if (OptPortee[choix_ouverture].choisie) {
        const int r = rangee_choisie();
        if (r < 0) return std::nullopt;
        return portee_ouverture(rep_, c, rep_.rangees[static_cast<std::size_t>(r)].rangee);
    }
    if (OptPortee[choix_mes_parties].choisie) {
        const std::vector<std::vector<Case>> debuts = debuts_de_mes_parties(services_);
        if (debuts.empty()) return std::nullopt;
        return portee_debuts(rep_, c, debuts);
    }
    return portee_complete(rep_, c);
}

// With a database loaded, how many of its games reach the end of each item of the colour.
std::vector<int> Entrainement::parties_par_item() const
{
    if (!index_) return {};
    std::vector<std::vector<Case>> fins;
    for (const ItemRepertoire& item : items(couleur()).items) fins.push_back(item.coups);
    return parties_au_bout(*index_, fins);
}

void Entrainement::CmdCommencer_Click()
{
    if (session_ || !carnet_ || plateau_.occupe()) return;
    std::optional<std::vector<int>> lignes = lignes_choisies();
    if (!lignes) {
        LblMessage.legende = OptPortee[choix_mes_parties].choisie
            ? "Aucune ligne de vos parties n'est retenue\u00a0: ajoutez-les depuis «\u00a0Mes "
              "parties\u00a0» dans la fenêtre des parties."
            : "Choisissez une ouverture dans la liste.";
        return;
    }
    session_.emplace(
        rep_, *carnet_, couleur(), std::move(*lignes),
        ServicesEntrainement {services_.maintenant, services_.hasard},
        ReglagesSession {OptPortee[choix_tout].choisie, ChkDepuisF5.cochee(), parties_par_item()});
    if (session_->vide()) {
        LblAnnonce.legende = session_->annonce();
        LblMessage.legende.clear();
        session_.reset();
        return;
    }

    // The board is the drill's: no automatic player, and the learner's presses judged.
    ControlesPlateau& c = plateau_.controles;
    c.ChkBlancAuto.fixe(0);
    c.ChkNoirAuto.fixe(0);
    c.ChkBlancAuto.actif = false;
    c.ChkNoirAuto.actif = false;
    plateau_.installe_entraineur(this);
    nouvel_exercice();
}

void Entrainement::CmdArreter_Click()
{
    if (!session_ || plateau_.occupe()) return;
    termine_seance("Séance terminée.");
}

void Entrainement::CmdSuivant_Click()
{
    if (!session_ || plateau_.occupe() || exercice_ == EtatExercice::en_cours) return;
    nouvel_exercice();
}

// The game on the board stays, for the learner to step through; the automatic boxes can be
// ticked again. The session's exercises, so far in the notebook's log, are copied into its
// file: a backup of the file alone then holds them.
void Entrainement::termine_seance(const std::string& texte)
{
    session_.reset();
    carnet_->verse_le_journal();
    exercice_ = EtatExercice::aucun;
    marques_.clear();
    plateau_.installe_entraineur(nullptr);
    plateau_.controles.ChkBlancAuto.actif = true;
    plateau_.controles.ChkNoirAuto.actif = true;
    LblMessage.legende = texte;
    etat_commandes();
    actualise_progres();
}

void Entrainement::etat_commandes()
{
    const bool seance = session_.has_value();
    CmdCommencer.actif = !seance;
    CmdArreter.actif = seance;
    CmdSuivant.actif = seance && exercice_ != EtatExercice::en_cours;
    for (Option& o : OptCouleur) o.actif = !seance;
    for (Option& o : OptPortee) o.actif = !seance;
    TxtFiltre.actif = !seance;
    LstOuverture.actif = !seance;
    CmdImporter.actif = !seance;
    ChkDepuisF5.actif = !seance;
    CmdViderMesParties.actif = vider_possible();
    if (coups_caches_ != exercice_en_cours()) TxtFiltre_Change();
}

void Entrainement::actualise_progres()
{
    if (!carnet_) return;
    const int16_t c = couleur();
    const std::vector<int> lignes = portee_complete(rep_, c);
    const ItemsCouleur& du_joueur = items(c);
    const std::vector<int> choix = items_des_lignes(du_joueur, lignes);
    const Progres p
        = progres_de(du_joueur, *carnet_, c, choix, etats_de(rep_, du_joueur, *carnet_, c),
                     services_.maintenant().jour);
    LblProgres.legende = std::string("Avec les ") + (c == noir ? "noirs" : "blancs") + ", sur "
        + std::to_string(choix.size()) + (choix.size() > 1 ? " lignes" : " ligne")
        + " de la bibliothèque";
    LblConnues.legende = std::to_string(p.connues);
    LblDues.legende = std::to_string(p.dues);
    LblNouvelles.legende = std::to_string(p.nouvelles);
    LblApprentissage.legende = std::to_string(p.en_apprentissage);
    LstFaibles.vide();
    for (const LigneFaible& l : p.plus_faibles) LstFaibles.ajoute(texte_ligne_faible(l), l.ligne);
    activite = p.jours;
}

// The pace of new lines, kept between its bounds; the session takes it up at its next exercise.
void Entrainement::TxtNouvelles_Change()
{
    if (!carnet_) return;
    TxtNouvelles.valeur
        = std::clamp(TxtNouvelles.valeur, TxtNouvelles.minimum, TxtNouvelles.maximum);
    if (TxtNouvelles.valeur == carnet_->nouvelles_par_jour()) return;
    std::string raison;
    if (carnet_->fixe_nouvelles_par_jour(TxtNouvelles.valeur, raison)) return;
    TxtNouvelles.valeur = carnet_->nouvelles_par_jour();
    services_.message("Le nombre de nouvelles lignes par jour n'a pas pu être enregistré (" + raison
                      + ").");
}

void Entrainement::actualise_mes_parties()
{
    std::string reglage = reglage_de_mes_parties(services_);
    if (mes_parties_lues_ == reglage) return;
    mes_parties_lues_ = std::move(reglage);
    const std::size_t n = nb_mes_parties_ = cles_du_reglage(*mes_parties_lues_).size();
    OptPortee[choix_mes_parties].legende = "Lignes de mes parties ("
        + (n == 0 ? std::string("aucune")
                  : std::to_string(n) + (n > 1 ? " positions" : " position"))
        + ")";
    CmdViderMesParties.actif = vider_possible();
}

// The places go, never the notebook's progress on their lines.
void Entrainement::CmdViderMesParties_Click()
{
    actualise_mes_parties();
    if (!vider_possible()) return;
    const std::size_t n = nb_mes_parties_;
    const std::string question = "Ne plus entraîner les lignes de vos parties\u00a0? "
        + (n > 1 ? "Les " + std::to_string(n) + " positions retenues"
                 : std::string("La position retenue"))
        + " depuis «\u00a0Mes parties\u00a0» " + (n > 1 ? "seront oubliées" : "sera oubliée")
        + "\u00a0; votre progression sur leurs lignes est gardée.";
    if (!services_.confirme(question, "Vider")) return;
    oublie_debuts_de_mes_parties(services_);
    LblMessage.legende
        = "Les lignes de vos parties ne sont plus retenues pour l'entraînement\u00a0; "
          "votre progression sur ces lignes est gardée.";
    actualise_mes_parties();
}

} // namespace tavik
