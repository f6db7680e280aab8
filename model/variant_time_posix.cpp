#include "model/variant_time.h"

namespace tagmora {

std::optional<CalendarTime> VariantTimeToCalendar(double pointInTime) {
    return PortableVariantTimeToCalendar(pointInTime);
}

std::optional<double> CalendarToVariantTime(const CalendarTime& calendar) {
    return PortableCalendarToVariantTime(calendar);
}

}  // namespace tagmora
