#include "training/moment.h"

#include <array>
#include <chrono>

namespace tavik {

namespace {

std::tm local(std::int64_t secondes)
{
    const auto t = static_cast<std::time_t>(secondes);
    std::tm tm {};
    localtime_r(&t, &tm);
    return tm;
}

} // namespace

Moment moment_local(std::time_t t)
{
    const std::tm tm = local(t);
    const std::chrono::year_month_day date {
        std::chrono::year(tm.tm_year + 1900),
        std::chrono::month(static_cast<unsigned>(tm.tm_mon + 1)),
        std::chrono::day(static_cast<unsigned>(tm.tm_mday))};
    return {static_cast<std::int64_t>(t),
            static_cast<Jour>(std::chrono::sys_days(date).time_since_epoch().count())};
}

std::string horodatage_local(std::int64_t secondes)
{
    const std::tm tm = local(secondes);
    std::array<char, 32> texte {};
    std::strftime(texte.data(), texte.size(), "%Y%m%d-%H%M%S", &tm);
    return texte.data();
}

} // namespace tavik
