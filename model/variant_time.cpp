#include "model/variant_time.h"

#include <cmath>
#include <ctime>

namespace tagmora {

namespace {

// The range of dates that the platform accepts: 1 January 100 to 31 December 9999.
constexpr double kFirstDay = -657434.0;
constexpr double kLastDay = 2958465.0;
constexpr long long kSecondsPerDay = 86400;

// Days since 1 January 1970 of a proleptic Gregorian date (the well-known era arithmetic).
long long DaysFromCivil(long long y, unsigned m, unsigned d) {
    y -= m <= 2;
    const long long era = (y >= 0 ? y : y - 399) / 400;
    const unsigned yearOfEra = static_cast<unsigned>(y - era * 400);
    const unsigned dayOfYear = (153 * (m > 2 ? m - 3 : m + 9) + 2) / 5 + d - 1;
    const unsigned dayOfEra = yearOfEra * 365 + yearOfEra / 4 - yearOfEra / 100 + dayOfYear;
    return era * 146097 + static_cast<long long>(dayOfEra) - 719468;
}

void CivilFromDays(long long z, int& year, int& month, int& day) {
    z += 719468;
    const long long era = (z >= 0 ? z : z - 146096) / 146097;
    const unsigned dayOfEra = static_cast<unsigned>(z - era * 146097);
    const unsigned yearOfEra = (dayOfEra - dayOfEra / 1460 + dayOfEra / 36524 - dayOfEra / 146096) / 365;
    const unsigned dayOfYear = dayOfEra - (365 * yearOfEra + yearOfEra / 4 - yearOfEra / 100);
    const unsigned mp = (5 * dayOfYear + 2) / 153;
    day = static_cast<int>(dayOfYear - (153 * mp + 2) / 5 + 1);
    month = static_cast<int>(mp < 10 ? mp + 3 : mp - 9);
    year = static_cast<int>(static_cast<long long>(yearOfEra) + era * 400 + (month <= 2));
}

const long long kEpochOffsetDays = DaysFromCivil(1899, 12, 30);  // variant day 0, counted from 1970

}  // namespace

std::optional<CalendarTime> PortableVariantTimeToCalendar(double pointInTime) {
    if (!(pointInTime >= kFirstDay && pointInTime < kLastDay + 1.0))
        return std::nullopt;
    const double whole = std::trunc(pointInTime);
    const double fraction = std::fabs(pointInTime - whole);
    long long dayNumber = static_cast<long long>(whole);
    long long seconds = std::llround(fraction * static_cast<double>(kSecondsPerDay));
    if (seconds >= kSecondsPerDay) {  // rounded up to the next midnight, which is always the later day
        seconds -= kSecondsPerDay;
        ++dayNumber;
    }
    CalendarTime calendar;
    CivilFromDays(dayNumber + kEpochOffsetDays, calendar.year, calendar.month, calendar.day);
    if (calendar.year > 9999)
        return std::nullopt;
    calendar.hour = static_cast<int>(seconds / 3600);
    calendar.minute = static_cast<int>(seconds / 60 % 60);
    calendar.second = static_cast<int>(seconds % 60);
    return calendar;
}

std::optional<double> PortableCalendarToVariantTime(const CalendarTime& c) {
    if (c.year < 100 || c.year > 9999 || c.month < 1 || c.month > 12 || c.day < 1 || c.day > 31 ||
        c.hour < 0 || c.hour > 23 || c.minute < 0 || c.minute > 59 || c.second < 0 || c.second > 59) {
        return std::nullopt;
    }
    const long long dayNumber =
        DaysFromCivil(c.year, static_cast<unsigned>(c.month), static_cast<unsigned>(c.day)) -
        kEpochOffsetDays;
    const double fraction = static_cast<double>(c.hour * 3600 + c.minute * 60 + c.second) / kSecondsPerDay;
    const double whole = static_cast<double>(dayNumber);
    return dayNumber >= 0 ? whole + fraction : whole - fraction;
}

std::optional<CalendarTime> LocalTimeNow() {
    const std::time_t now = std::time(nullptr);
    if (now == static_cast<std::time_t>(-1))
        return std::nullopt;
    std::tm local{};
#if defined(_WIN32)
    if (localtime_s(&local, &now) != 0)
        return std::nullopt;
#else
    if (localtime_r(&now, &local) == nullptr)
        return std::nullopt;
#endif
    CalendarTime calendar;
    calendar.year = local.tm_year + 1900;
    calendar.month = local.tm_mon + 1;
    calendar.day = local.tm_mday;
    calendar.hour = local.tm_hour;
    calendar.minute = local.tm_min;
    calendar.second = local.tm_sec > 59 ? 59 : local.tm_sec;  // a leap second is not a variant time
    return calendar;
}

}  // namespace tagmora
