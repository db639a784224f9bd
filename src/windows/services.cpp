#include "windows/services.h"

#include "library/fichier.h"

#include <chrono>
#include <map>
#include <memory>
#include <random>

namespace tavik {

Services Services::par_defaut()
{
    auto generateur = std::make_shared<std::mt19937>(); // default seed: the same every run
    auto reglages = std::make_shared<std::map<std::string, std::string>>();
    return {
        .message = [](const std::string&) {},
        .horloge =
            [] {
                using namespace std::chrono;
                return duration<double>(steady_clock::now().time_since_epoch()).count();
            },
        .traite_evenements = [] {},
        // The 24 high bits of a draw: exactly representable, so never rounded up to 1.
        .hasard = [generateur] { return static_cast<float>((*generateur)() >> 8) * 0x1p-24f; },
        .lit_fichier = &tavik::lit_fichier,
        .lit_reglage =
            [reglages](const std::string& cle) {
                const auto r = reglages->find(cle);
                return r == reglages->end() ? std::string() : r->second;
            },
        .ecrit_reglage = [reglages](const std::string& cle,
                                    const std::string& valeur) { (*reglages)[cle] = valeur; },
    };
}

} // namespace tavik
