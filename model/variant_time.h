#pragma once
// OLE automation dates ("variant dates"): days since 30 December 1899 with the time of day as the fraction.
// Before that day the whole part is negative and the fraction still counts forward into the day
// (-1.25 is 29 December 1899, 06:00).

#include <optional>

namespace tagmora {

struct CalendarTime {
    int year = 0;
    int month = 0;  // 1..12
    int day = 0;    // 1..31
    int hour = 0;
    int minute = 0;
    int second = 0;

    bool operator==(const CalendarTime& o) const {
        return year == o.year && month == o.month && day == o.day && hour == o.hour && minute == o.minute &&
               second == o.second;
    }
};

// The platform's conversions on Windows (VariantTimeToSystemTime, SystemTimeToVariantTime);
// elsewhere the portable ones below. Empty when the value is outside years 100 to 9999 or not a number.
std::optional<CalendarTime> VariantTimeToCalendar(double pointInTime);
std::optional<double> CalendarToVariantTime(const CalendarTime& calendar);

// Our own equivalents, rounded to the nearest whole second; tested against the platform on Windows.
std::optional<CalendarTime> PortableVariantTimeToCalendar(double pointInTime);
std::optional<double> PortableCalendarToVariantTime(const CalendarTime& calendar);

// The local time now, whole seconds, as a calendar time; empty when the clock cannot be converted.
std::optional<CalendarTime> LocalTimeNow();

}  // namespace tagmora
