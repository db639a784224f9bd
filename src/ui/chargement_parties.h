#pragma once

#include "fenetre_parties.h"

#include <QThread>
#include <atomic>

namespace tavik::ui {

// A load and the thread that runs it; the window waits for the thread before deleting it.
struct FenetreParties::Chargement
{
    DemandeChargement demande;
    std::atomic<double> fraction {0};
    Base base; // written by the thread, read once it has finished
    QThread* fil = nullptr;
};

} // namespace tavik::ui
