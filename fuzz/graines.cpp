// Writes the seeds of the action fuzz target: the bytes that short runs of the soak consumed,
// each from the first seed whose run finishes an exercise of the drill after a wrong move, so
// that the fuzzer starts from inputs that reach the training window. The bytes replay the same
// actions in the fuzz target as long as the action table and the harness stay as they are.
//
// Usage: tavik_graines FOLDER   (writes seance_0.bin to seance_3.bin there)

#include "harnais.h"
#include "library/fichier.h"

#include <cstdint>
#include <fstream>
#include <iostream>
#include <string>

using namespace tavik;
using namespace tavik::fuzz;

namespace {

// A seeded source that keeps every byte it hands out.
class SourceEnregistree final : public Source
{
public:
    explicit SourceEnregistree(std::uint64_t graine)
        : source_(graine)
    {
    }
    std::uint8_t octet() override
    {
        const std::uint8_t o = source_.octet();
        octets_.push_back(static_cast<char>(o));
        return o;
    }
    bool epuisee() const override { return false; }
    const std::string& octets() const { return octets_; }

private:
    SourceGraine source_;
    std::string octets_;
};

// The bytes of `actions` actions from `graine`, when the run finished an exercise in which a
// wrong move was judged; nothing otherwise.
std::optional<std::string> parcours(const std::string& biblio, std::uint64_t graine, int actions)
{
    SourceEnregistree source(graine);
    Harnais harnais(biblio, source);
    for (int i = 0; i < actions; ++i)
        harnais.joue(tire_action(source, harnais.plateau(), harnais.ouverture(),
                                 harnais.entrainement(), harnais.parties()));
    const fuzz::Statistiques& s = harnais.statistiques();
    if (s.exercices == 0 || s.erreurs == 0) return std::nullopt;
    return source.octets();
}

} // namespace

int main(int argc, char** argv)
{
    if (argc != 2) {
        std::cerr << "usage: " << argv[0] << " FOLDER\n";
        return 2;
    }
    std::string biblio;
    std::string raison;
    if (!lit_fichier(TAVIK_BIBLIO, biblio, raison)) {
        std::cerr << "cannot read " TAVIK_BIBLIO ": " << raison << "\n";
        return 2;
    }
    const std::filesystem::path dossier = argv[1];
    std::uint64_t graine = 1;
    const int longueurs[] = {300, 600, 1000, 1500};
    for (int k = 0; k < 4; ++k) {
        std::optional<std::string> octets;
        while (!(octets = parcours(biblio, graine, longueurs[k]))) ++graine;
        const std::filesystem::path fichier = dossier / ("seance_" + std::to_string(k) + ".bin");
        std::ofstream(fichier, std::ios::binary) << *octets;
        std::cout << fichier.string() << ": " << longueurs[k] << " actions from seed " << graine
                  << ", " << octets->size() << " bytes\n";
        ++graine;
    }
    return 0;
}
