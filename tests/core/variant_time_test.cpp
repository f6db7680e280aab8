#include "model/variant_time.h"

#include <gtest/gtest.h>

#include <cmath>

namespace tagmora {
namespace {

TEST(PortableVariantTime, KnownDaysConvertBothWays) {
    struct Case {
        double variant;
        CalendarTime calendar;
    };
    const Case cases[] = {
        {0.0, {1899, 12, 30, 0, 0, 0}},
        {1.0, {1899, 12, 31, 0, 0, 0}},
        {2.25, {1900, 1, 1, 6, 0, 0}},
        {60.0, {1900, 2, 28, 0, 0, 0}},  // 1900 is no leap year here, unlike some spreadsheets
        {61.0, {1900, 3, 1, 0, 0, 0}},
        {-1.5, {1899, 12, 29, 12, 0, 0}},
        {-657434.0, {100, 1, 1, 0, 0, 0}},
        {2958465.0, {9999, 12, 31, 0, 0, 0}},
        {36526.0, {2000, 1, 1, 0, 0, 0}},
        {36585.0, {2000, 2, 29, 0, 0, 0}},
    };
    for (const auto& c : cases) {
        const auto calendar = PortableVariantTimeToCalendar(c.variant);
        ASSERT_TRUE(calendar.has_value()) << c.variant;
        EXPECT_EQ(c.calendar, *calendar) << c.variant;
        const auto variant = PortableCalendarToVariantTime(c.calendar);
        ASSERT_TRUE(variant.has_value()) << c.variant;
        EXPECT_DOUBLE_EQ(c.variant, *variant);
    }
}

TEST(PortableVariantTime, RoundsToTheNearestSecondAndCarriesIntoTheNextDay) {
    const double oneSecond = 1.0 / 86400.0;
    EXPECT_EQ((CalendarTime{2000, 1, 1, 0, 0, 1}), *PortableVariantTimeToCalendar(36526.0 + 0.7 * oneSecond));
    EXPECT_EQ((CalendarTime{2000, 1, 1, 0, 0, 0}), *PortableVariantTimeToCalendar(36526.0 + 0.3 * oneSecond));
    EXPECT_EQ((CalendarTime{2000, 1, 2, 0, 0, 0}), *PortableVariantTimeToCalendar(36527.0 - 0.2 * oneSecond));
    // Before the epoch the carry goes to the later day as well.
    EXPECT_EQ((CalendarTime{1899, 12, 30, 0, 0, 0}),
              *PortableVariantTimeToCalendar(-1.0 - (1.0 - 0.2 * oneSecond)));
}

TEST(PortableVariantTime, RejectsWhatThePlatformRejects) {
    EXPECT_FALSE(PortableVariantTimeToCalendar(-657435.0).has_value());
    EXPECT_FALSE(PortableVariantTimeToCalendar(2958466.0).has_value());
    EXPECT_FALSE(PortableVariantTimeToCalendar(std::nan("")).has_value());
    EXPECT_FALSE(PortableCalendarToVariantTime({99, 12, 31, 0, 0, 0}).has_value());
    EXPECT_FALSE(PortableCalendarToVariantTime({2000, 13, 1, 0, 0, 0}).has_value());
    EXPECT_FALSE(PortableCalendarToVariantTime({2000, 1, 1, 24, 0, 0}).has_value());
}

TEST(PortableVariantTime, EverySecondOfADayRoundTrips) {
    for (int second = 0; second < 86400; second += 7) {
        const CalendarTime calendar{2026, 12, 7, second / 3600, second / 60 % 60, second % 60};
        EXPECT_EQ(calendar, *PortableVariantTimeToCalendar(*PortableCalendarToVariantTime(calendar)));
    }
}

}  // namespace
}  // namespace tagmora
