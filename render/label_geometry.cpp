#include "render/label_geometry.h"

#include <algorithm>
#include <cmath>
#include <cstdint>

namespace tagmora {

namespace {

// The fractions of the diagonal are single-precision constants, taken into double as they are: 0.04f is
// slightly below 0.04, so a diagonal of 250 gives a corner of 9, and 0.33333334f slightly above a third.
constexpr float kInsetFraction = 0.03f;
constexpr float kDrawUnitFraction = 0.01f;
constexpr float kCornerFraction = 0.04f;
constexpr float kBorderFraction = 0.002f;
constexpr float kHalf = 0.5f;
constexpr float kThird = 0.33333334f;

std::int32_t AtLeastOne(std::int32_t value) {
    return std::max<std::int32_t>(1, value);
}

std::int32_t Fraction(double length, float fraction) {
    return TruncToInt32(length * static_cast<double>(fraction));
}

// Rectangles are worked in 64 bits: a label laid out from absurd margins may sit at the int32 limits, and
// insetting it must not overflow.
struct WideRect {
    std::int64_t left = 0;
    std::int64_t top = 0;
    std::int64_t right = 0;
    std::int64_t bottom = 0;

    explicit WideRect(const DeviceRect& r) : left(r.left), top(r.top), right(r.right), bottom(r.bottom) {}
    WideRect(std::int64_t l, std::int64_t t, std::int64_t r, std::int64_t b)
        : left(l), top(t), right(r), bottom(b) {}
    DeviceRect Narrow() const {
        return {SaturatingInt32(left), SaturatingInt32(top), SaturatingInt32(right), SaturatingInt32(bottom)};
    }
};

std::int64_t Trunc64(double value) {
    // Lengths here stay far inside 2^62; NaN cannot arise from finite inputs.
    return static_cast<std::int64_t>(std::clamp(value, -4.0e18, 4.0e18));
}

}  // namespace

LabelMeasures MeasureLabel(const DeviceRect& label) {
    const double width = static_cast<double>(std::int64_t{label.right} - label.left);
    const double height = static_cast<double>(std::int64_t{label.bottom} - label.top);
    LabelMeasures m;
    m.diagonal = std::sqrt(width * width + height * height);
    m.inset = AtLeastOne(Fraction(m.diagonal, kInsetFraction));
    m.drawUnit = AtLeastOne(Fraction(m.diagonal, kDrawUnitFraction));
    m.rawHalfUnit = Fraction(m.drawUnit, kHalf);
    m.halfUnit = AtLeastOne(m.rawHalfUnit);
    m.corner = AtLeastOne(Fraction(m.diagonal, kCornerFraction));
    m.borderWidth = AtLeastOne(Fraction(m.diagonal, kBorderFraction));
    return m;
}

LabelGeometry ComputeLabelGeometry(const SheetSettings& settings, const SlotLayout& slot, float logoAspect) {
    LabelGeometry g;
    g.measures = MeasureLabel(slot.label);
    const LabelMeasures& m = g.measures;
    g.hasSenderBand = settings.SDON1 || settings.SDON2 || settings.LGON;

    const WideRect inner(std::int64_t{slot.label.left} + m.inset, std::int64_t{slot.label.top} + m.inset,
                         std::int64_t{slot.label.right} - m.inset, std::int64_t{slot.label.bottom} - m.inset);
    WideRect content = inner;
    WideRect sender(0, 0, 0, 0);
    if (g.hasSenderBand) {
        const std::int64_t cut = Trunc64(static_cast<double>(inner.bottom - inner.top) * kThird);
        if (settings.YFLP) {
            sender = {inner.left, inner.top, inner.right, inner.top + cut};
            content = {inner.left, inner.top + cut + m.halfUnit, inner.right, inner.bottom};
        } else {
            content = {inner.left, inner.top, inner.right, inner.bottom - m.halfUnit - cut};
            sender = {inner.left, inner.bottom - cut, inner.right, inner.bottom};
        }
    }

    WideRect logo(0, 0, 0, 0);
    if (settings.LGON) {
        // At the right end of the band, as wide as the band is high times the picture's aspect.
        const std::int64_t logoWidth =
            Trunc64(static_cast<double>(sender.bottom - sender.top) * static_cast<double>(logoAspect));
        logo = sender;
        logo.left = std::max(sender.left, sender.right - logoWidth);
    }

    WideRect sender1(0, 0, 0, 0);
    WideRect sender2(0, 0, 0, 0);
    if (settings.SDON2) {
        sender1 = sender;
        sender2 = sender;
        // Sender 2 keeps one millimetre clear of the logo.
        sender2.right = settings.LGON ? logo.left - TruncToInt32(slot.xScale) : sender.right;
        if (settings.SDON1) {
            const std::int64_t split =
                sender2.left + Trunc64(static_cast<double>(sender2.right - sender2.left) * kHalf);
            sender1.right = split;
            sender2.left = split;
        }
    } else if (settings.SDON1) {
        sender1 = sender;
        if (settings.LGON)
            sender1.right = logo.left;
    }

    content.bottom -= m.rawHalfUnit;
    if (settings.SDON1)
        sender1.top += m.rawHalfUnit;
    if (settings.SDON2)
        sender2.top += m.rawHalfUnit;
    if (settings.LGON) {
        logo.left += m.drawUnit;
        logo.top += m.drawUnit;
    }

    if (g.hasSenderBand) {
        WideRect divider = settings.YFLP ? WideRect(sender.left, sender.bottom, sender.right, content.top)
                                         : WideRect(content.left, content.bottom, content.right, sender.top);
        if (divider.bottom - divider.top < 1)
            divider.bottom = divider.top + 1;
        const std::int64_t drop = std::max<std::int64_t>(1, Trunc64(m.halfUnit * static_cast<double>(kHalf)));
        divider.top += drop;
        divider.bottom += drop;
        g.divider = divider.Narrow();
    }

    g.content = content.Narrow();
    g.senderArea = sender.Narrow();
    g.sender1 = sender1.Narrow();
    g.sender2 = sender2.Narrow();
    g.logo = logo.Narrow();
    return g;
}

}  // namespace tagmora
