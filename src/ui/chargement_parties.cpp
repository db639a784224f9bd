// The games window's loads: each on a thread of its own, its progress read on a timer, its
// base handed to the core once the thread has finished.

#include "chargement_parties.h"

#include "database/chargement_base.h"

#include <QProgressBar>
#include <QTimer>

namespace tavik::ui {

// Each load that the core asks for runs on a thread of its own; a load that the core stopped
// ends at its next look at the request, and its result is dropped by the core.
void FenetreParties::lance_chargements()
{
    while (std::optional<DemandeChargement> d = parties_.prend_demande()) {
        auto c = std::make_unique<Chargement>();
        c->demande = std::move(*d);
        Chargement* brut = c.get();
        brut->fil = QThread::create([brut] {
            const Suivi suivi {[brut](double f) { brut->fraction = f; },
                               brut->demande.annule.get()};
            brut->base = charge_base(brut->demande.fichiers, brut->demande.profondeur, suivi);
        });
        connect(brut->fil, &QThread::finished, this, [this, brut] { chargement_fini(brut); });
        chargements_.push_back(std::move(c));
        brut->fil->start(QThread::LowPriority);
    }
    if (!chargements_.empty()) minuterie_->start();
}

void FenetreParties::chargement_fini(Chargement* c)
{
    c->fil->wait();
    parties_.termine(c->demande.numero, std::move(c->base));
    delete c->fil;
    std::erase_if(chargements_, [c](const std::unique_ptr<Chargement>& x) { return x.get() == c; });
    if (chargements_.empty()) minuterie_->stop();
    actualise();
}

void FenetreParties::suit_progression()
{
    if (chargements_.empty()) return;
    const Chargement& c = *chargements_.back();
    parties_.avance(c.demande.numero, c.fraction);
    progression_->setValue(static_cast<int>(parties_.progression * 1000));
}

bool FenetreParties::fil_actif() const
{
    return !chargements_.empty();
}

std::shared_ptr<std::atomic<bool>> FenetreParties::annulation() const
{
    return chargements_.empty() ? nullptr : chargements_.back()->demande.annule;
}

// The threads still running, waited for: the window goes only once none can write to it.
void FenetreParties::attend_chargements()
{
    for (const std::unique_ptr<Chargement>& c : chargements_) {
        c->fil->disconnect(this);
        c->fil->wait();
        delete c->fil;
    }
}

} // namespace tavik::ui
