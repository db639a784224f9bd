#pragma once

#include <cstdint>
#include <ctime>
#include <string>

namespace tavik {

// A calendar day of the learner's local time, counted from 1970-01-01. Scheduling counts in
// these days, so that a line due "tomorrow" is due after the learner's midnight.
using Jour = std::int32_t;

// One instant as the drill sees it: when (seconds since the epoch, UTC) and on which local day.
// The caller supplies it, so tests move through days at will.
struct Moment
{
    std::int64_t secondes = 0;
    Jour jour = 0;
    friend bool operator==(const Moment&, const Moment&) = default;
};

// The instant `t` with its day in the machine's local time zone.
Moment moment_local(std::time_t t);

// The local date and time of an instant as "20240517-143012", for file names.
std::string horodatage_local(std::int64_t secondes);

} // namespace tavik
