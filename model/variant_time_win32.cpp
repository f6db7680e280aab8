// The automation header needs the base declarations first.
// clang-format off
#include <windows.h>
#include <oleauto.h>
// clang-format on

#include <cmath>

#include "model/variant_time.h"

namespace tagmora {

std::optional<CalendarTime> VariantTimeToCalendar(double pointInTime) {
    // The platform's range check lets NaN through and answers with a made-up midnight.
    if (!std::isfinite(pointInTime))
        return std::nullopt;
    SYSTEMTIME st{};
    if (!VariantTimeToSystemTime(pointInTime, &st))
        return std::nullopt;
    return CalendarTime{st.wYear, st.wMonth, st.wDay, st.wHour, st.wMinute, st.wSecond};
}

std::optional<double> CalendarToVariantTime(const CalendarTime& c) {
    SYSTEMTIME st{};
    st.wYear = static_cast<WORD>(c.year);
    st.wMonth = static_cast<WORD>(c.month);
    st.wDay = static_cast<WORD>(c.day);
    st.wHour = static_cast<WORD>(c.hour);
    st.wMinute = static_cast<WORD>(c.minute);
    st.wSecond = static_cast<WORD>(c.second);
    double pointInTime = 0;
    if (!SystemTimeToVariantTime(&st, &pointInTime))
        return std::nullopt;
    return pointInTime;
}

}  // namespace tagmora
