#include "model/exact_lengths.h"

#include <algorithm>
#include <cstdint>

#include "model/setup_file.h"

namespace tagmora {

std::int32_t RoundToMillimetres(std::int32_t hundredths) {
    const std::int64_t half = hundredths < 0 ? -kHundredthsPerMillimetre / 2 : kHundredthsPerMillimetre / 2;
    return static_cast<std::int32_t>((std::int64_t{hundredths} + half) / kHundredthsPerMillimetre);
}

namespace {

// Whole values beyond the range of hundredths do not come from a file (the reader keeps lengths to ten
// metres); a hand-assigned one stops at the limit.
std::int32_t WholeInHundredths(std::int32_t millimetres) {
    const std::int64_t hundredths = std::int64_t{millimetres} * kHundredthsPerMillimetre;
    return static_cast<std::int32_t>(std::clamp<std::int64_t>(hundredths, INT32_MIN, INT32_MAX));
}

}  // namespace

std::int32_t ExactLength(const SheetSettings& settings, const SheetField& field) {
    const std::int32_t whole = settings.*field.number;
    const std::int32_t exact = settings.*field.exact;
    return RoundToMillimetres(exact) == whole ? exact : WholeInHundredths(whole);
}

void SetExactLength(SheetSettings& settings, const SheetField& field, std::int32_t hundredths) {
    settings.*field.exact = hundredths;
    settings.*field.number = RoundToMillimetres(hundredths);
}

void SetWholeLength(SheetSettings& settings, const SheetField& field, std::int32_t millimetres) {
    settings.*field.number = millimetres;
    settings.*field.exact = WholeInHundredths(millimetres);
}

bool HasFractionalLength(const SheetSettings& settings) {
    for (const SheetField& field : kSheetFields) {
        if (field.exact && ExactLength(settings, field) % kHundredthsPerMillimetre != 0)
            return true;
    }
    return false;
}

std::string LengthText(std::int32_t hundredths) {
    const std::int64_t value = hundredths;
    const std::int64_t magnitude = value < 0 ? -value : value;
    std::string text = (value < 0 ? "-" : "") + std::to_string(magnitude / kHundredthsPerMillimetre);
    const std::int64_t fraction = magnitude % kHundredthsPerMillimetre;
    if (fraction != 0) {
        text += '.';
        text += static_cast<char>('0' + fraction / 10);
        if (fraction % 10 != 0)
            text += static_cast<char>('0' + fraction % 10);
    }
    return text;
}

ExactGeometry CurrentExactGeometry(const SheetSettings& s) {
    ExactGeometry g;
    g.COLS = s.COLS;
    g.ROWS = s.ROWS;
    g.WMM = ExactLength(s, SheetFieldByKey("WMM"));
    g.HMM = ExactLength(s, SheetFieldByKey("HMM"));
    g.COLSPC = ExactLength(s, SheetFieldByKey("COLSPC"));
    g.ROWSPC = ExactLength(s, SheetFieldByKey("ROWSPC"));
    g.TOPMRG = ExactLength(s, SheetFieldByKey("TOPMRG"));
    g.LFTMRG = ExactLength(s, SheetFieldByKey("LFTMRG"));
    g.RGTMRG = ExactLength(s, SheetFieldByKey("RGTMRG"));
    g.BOTMRG = ExactLength(s, SheetFieldByKey("BOTMRG"));
    return g;
}

void ApplyExactGeometry(SheetSettings& s, const ExactGeometry& g, bool trueSize) {
    s.COLS = g.COLS;
    s.ROWS = g.ROWS;
    SetExactLength(s, SheetFieldByKey("WMM"), g.WMM);
    SetExactLength(s, SheetFieldByKey("HMM"), g.HMM);
    SetExactLength(s, SheetFieldByKey("COLSPC"), g.COLSPC);
    SetExactLength(s, SheetFieldByKey("ROWSPC"), g.ROWSPC);
    SetExactLength(s, SheetFieldByKey("TOPMRG"), g.TOPMRG);
    SetExactLength(s, SheetFieldByKey("LFTMRG"), g.LFTMRG);
    SetExactLength(s, SheetFieldByKey("RGTMRG"), g.RGTMRG);
    SetExactLength(s, SheetFieldByKey("BOTMRG"), g.BOTMRG);
    s.TRUESIZE = trueSize;
    KeepGridUsable(s);
}

}  // namespace tagmora
