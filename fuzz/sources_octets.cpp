#include "actions.h"

// The bytes that choose the actions: those of a fuzzer's input, or a seeded stream (SplitMix64)
// for the soak and the seeds.

namespace tavik::fuzz {

std::uint8_t SourceOctets::octet()
{
    if (reste_.empty()) return 0;
    const std::uint8_t o = reste_.front();
    reste_ = reste_.subspan(1);
    return o;
}

std::uint8_t SourceGraine::octet()
{
    if (restants_ == 0) {
        std::uint64_t z = (etat_ += 0x9E3779B97F4A7C15ULL);
        z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ULL;
        z = (z ^ (z >> 27)) * 0x94D049BB133111EBULL;
        mot_ = z ^ (z >> 31);
        restants_ = 8;
    }
    --restants_;
    const auto o = static_cast<std::uint8_t>(mot_);
    mot_ >>= 8;
    return o;
}

} // namespace tavik::fuzz
