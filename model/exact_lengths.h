#pragma once
// The sheet's lengths in hundredths of a millimetre. Each length is held twice: its whole-millimetre field
// (WMM, TOPMRG, ...), which the setup file has always had and the classic layout uses, and its exact value,
// which counts only while it rounds to the whole field. So a field set to a whole number on its own (an old
// program, a slider, a hand edit of the key) stands as it is, and an exact value never outlives it.

#include <cstdint>
#include <string>

#include "model/label_sheet.h"
#include "model/sheet_fields.h"

namespace tagmora {

constexpr std::int32_t kHundredthsPerMillimetre = 100;

// Whole millimetres, halves away from zero: 15.15 gives 15, 63.5 gives 64, -0.5 gives -1.
std::int32_t RoundToMillimetres(std::int32_t hundredths);

// The length in hundredths of a millimetre that counts: the exact value when it rounds to the field, else the
// field's whole value. The field must be a length (one with an exact value).
std::int32_t ExactLength(const SheetSettings& settings, const SheetField& field);
// Sets the exact value and its whole field (rounded) together.
void SetExactLength(SheetSettings& settings, const SheetField& field, std::int32_t hundredths);
// Sets a length to whole millimetres: what a slider or a paper button does.
void SetWholeLength(SheetSettings& settings, const SheetField& field, std::int32_t millimetres);
// True when any length that counts is not a whole number of millimetres.
bool HasFractionalLength(const SheetSettings& settings);

// "15.15", "15.1", "15", "-0.25": as few decimals as the value needs, a point as separator.
std::string LengthText(std::int32_t hundredths);

// A product's sheet, as a catalogue gives it: the grid and all eight lengths in hundredths of a millimetre.
struct ExactGeometry {
    std::int32_t COLS = 2;
    std::int32_t ROWS = 4;
    std::int32_t WMM = 21000;
    std::int32_t HMM = 29700;
    std::int32_t COLSPC = 200;
    std::int32_t ROWSPC = 0;
    std::int32_t TOPMRG = 1200;
    std::int32_t LFTMRG = 100;
    std::int32_t RGTMRG = 400;
    std::int32_t BOTMRG = 0;
};

// The sheet's grid and the lengths that count.
ExactGeometry CurrentExactGeometry(const SheetSettings& settings);
// Sets the grid, every length (exact value and rounded whole field) and the true-size switch at once;
// values the program cannot use are brought into range as a file's would be.
void ApplyExactGeometry(SheetSettings& settings, const ExactGeometry& geometry, bool trueSize);

}  // namespace tagmora
