// Our own variant-date arithmetic against the platform's, on the same inputs.
#include <gtest/gtest.h>
// The automation header needs the base declarations first.
// clang-format off
#include <windows.h>
#include <oleauto.h>
// clang-format on

#include <random>

#include "model/text_value_codec.h"
#include "model/variant_time.h"

namespace tagmora {
namespace {

TEST(VariantTimeOnWindows, PlatformAndPortableAgreeOnWholeSeconds) {
    std::mt19937 random(20261207);
    std::uniform_int_distribution<int> year(100, 9999), month(1, 12), day(1, 28), hour(0, 23), minute(0, 59),
        second(0, 59);
    for (int i = 0; i < 20000; ++i) {
        const CalendarTime calendar{year(random), month(random),  day(random),
                                    hour(random), minute(random), second(random)};
        const auto platform = CalendarToVariantTime(calendar);
        const auto portable = PortableCalendarToVariantTime(calendar);
        ASSERT_TRUE(platform && portable);
        ASSERT_DOUBLE_EQ(*platform, *portable)
            << calendar.year << "-" << calendar.month << "-" << calendar.day;
        const auto back = VariantTimeToCalendar(*platform);
        ASSERT_TRUE(back.has_value());
        ASSERT_EQ(*back, *PortableVariantTimeToCalendar(*platform)) << *platform;
        ASSERT_EQ(calendar, *back);
    }
}

TEST(VariantTimeOnWindows, PlatformAndPortableAgreeOnFractionsAwayFromHalfSeconds) {
    std::mt19937 random(7);
    std::uniform_real_distribution<double> days(-657000.0, 2958000.0);
    for (int i = 0; i < 20000; ++i) {
        double value = days(random);
        // Keep clear of the half-second boundary, where two correct roundings may differ.
        const double seconds = std::fabs(value - std::trunc(value)) * 86400.0;
        if (std::fabs(seconds - std::floor(seconds) - 0.5) < 0.01)
            continue;
        const auto platform = VariantTimeToCalendar(value);
        const auto portable = PortableVariantTimeToCalendar(value);
        ASSERT_TRUE(platform && portable) << value;
        ASSERT_EQ(*platform, *portable) << value;
    }
}

TEST(VariantTimeOnWindows, TheTextsAreTheSameOnTheSameInputs) {
    const double inputs[] = {0.0, 1.0, -1.25, 2.5, 36526.0, 46363.0 + 50709.0 / 86400.0, 2958465.0};
    for (double input : inputs) {
        const auto calendar = PortableVariantTimeToCalendar(input);
        ASSERT_TRUE(calendar.has_value());
        char date[64], time[64];
        snprintf(date, sizeof date, "%d-%d-%d", calendar->day, calendar->month, calendar->year);
        snprintf(time, sizeof time, "%02d-%02d-%02d", calendar->hour, calendar->minute, calendar->second);
        EXPECT_EQ(date, text_value_codec::DateText(input, false)) << input;
        EXPECT_EQ(time, text_value_codec::TimeText(input, false)) << input;
    }
    EXPECT_EQ("-1--1--1", text_value_codec::TimeText(46363.0, true));
    EXPECT_EQ("-1--1--1", text_value_codec::DateText(1e9, false));
    EXPECT_EQ("7-12-2026", text_value_codec::DateText(46363.0 + 50709.0 / 86400.0, false));
    EXPECT_EQ("14-05-09", text_value_codec::TimeText(46363.0 + 50709.0 / 86400.0, false));
}

}  // namespace
}  // namespace tagmora
