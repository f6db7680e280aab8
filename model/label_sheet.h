#pragma once
// The one model object of the program: a sheet of self-adhesive labels and its 128 label slots.

#include <array>
#include <cstdint>
#include <string>

#include "model/colour.h"

namespace tagmora {

constexpr int kSlotCount = 128;
constexpr int kMaxColumns = 8;
constexpr int kMaxRows = 16;

inline constexpr const char* kDefaultDest =
    "Left click this label\r\nto enable/disable it.\r\n\r\nRight click this label\r\nto change the address.";
inline constexpr const char* kDefaultSend1 = "Sender\xBB";
inline constexpr const char* kDefaultSend2 = "senders address\r\npress setup to\r\nchange this";
inline constexpr const char* kDefaultFont = "Tahoma";
inline constexpr const char* kDefaultLogo =
    "{{WKDIR}}\\GFX\\Ostrel.bmp";  // holds the working-folder placeholder

// Field names are the setup file's keys, so that code, files and users all speak of COLS, TOPMRG, ...
// Their keys, kinds, defaults and ranges are in the table of model/sheet_fields.h, which a new sheet's
// defaults, the setup file and the comparison of two sheets all follow.
struct SheetSettings {
    SheetSettings();

    bool SDON1;
    bool SDON2;
    bool LGON;
    bool BDON;
    bool YFLP;
    std::int32_t WMM;
    std::int32_t HMM;
    std::int32_t ROWS;
    std::int32_t COLS;
    std::int32_t ROWSPC;
    std::int32_t COLSPC;
    std::int32_t LFTMRG;
    std::int32_t RGTMRG;
    std::int32_t TOPMRG;
    std::int32_t BOTMRG;
    // The eight lengths above once more, exactly, in hundredths of a millimetre (real products are 63.5 x
    // 38.1 mm). One counts only while it rounds to its whole-millimetre field; a field changed on its own
    // stands as it is (model/exact_lengths.h reads and sets both together).
    std::int32_t exactWMM;
    std::int32_t exactHMM;
    std::int32_t exactCOLSPC;
    std::int32_t exactROWSPC;
    std::int32_t exactTOPMRG;
    std::int32_t exactLFTMRG;
    std::int32_t exactRGTMRG;
    std::int32_t exactBOTMRG;
    // Printed true to size: millimetres on the paper rather than the sheet stretched over the printable area.
    bool TRUESIZE;
    std::int32_t DLGX;
    std::int32_t DLGY;
    bool DLGM;
    Colour COLD;
    Colour COLS2;
    Colour COLS1;
    Colour COLDIV;
    std::string LOGO;
    std::string SEND1;
    std::string SEND2;
    std::string FONT;

    bool operator==(const SheetSettings& other) const;
    bool operator!=(const SheetSettings& other) const { return !(*this == other); }
};

struct LabelSlot {
    bool enabled = false;
    // Stored with every "&" doubled; "&&" stands for one ampersand shown to the user.
    std::string DEST = kDefaultDest;

    bool operator==(const LabelSlot& other) const { return enabled == other.enabled && DEST == other.DEST; }
    bool operator!=(const LabelSlot& other) const { return !(*this == other); }
};

class LabelSheet {
  public:
    // A new sheet holds the defaults (with the LOGO placeholder expanded for the current working folder).
    LabelSheet();

    void ApplyDefaults();

    const SheetSettings& Settings() const { return settings_; }
    SheetSettings& MutableSettings() { return settings_; }
    void AssignSettings(const SheetSettings& settings) { settings_ = settings; }

    // COLS x ROWS: the slots shown, laid out, printed and saved with their DEST text.
    int LabelCount() const;

    LabelSlot& Slot(int index);
    const LabelSlot& Slot(int index) const;

    void SetAllEnabled(bool enabled);
    void SetAllDest(const std::string& dest);
    void ToggleEnabled(int index);

    bool operator==(const LabelSheet& other) const;
    bool operator!=(const LabelSheet& other) const { return !(*this == other); }

  private:
    SheetSettings settings_;
    std::array<LabelSlot, kSlotCount> slots_;
};

// The default pattern of enabled flags: slots 0 and 3 on, as one character per slot.
bool DefaultEnabled(int index);

}  // namespace tagmora
