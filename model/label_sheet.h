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

extern const char* const kDefaultDest;
extern const char* const kDefaultSend1;
extern const char* const kDefaultSend2;
extern const char* const kDefaultFont;
extern const char* const kDefaultLogo;  // holds the working-folder placeholder

// Field names are the setup file's keys, so that code, files and users all speak of COLS, TOPMRG, ...
struct SheetSettings {
    bool SDON1 = true;
    bool SDON2 = true;
    bool LGON = true;
    bool BDON = true;
    bool YFLP = false;
    std::int32_t WMM = 210;
    std::int32_t HMM = 297;
    std::int32_t ROWS = 4;
    std::int32_t COLS = 2;
    std::int32_t ROWSPC = 0;
    std::int32_t COLSPC = 2;
    std::int32_t LFTMRG = 1;
    std::int32_t RGTMRG = 4;
    std::int32_t TOPMRG = 12;
    std::int32_t BOTMRG = 0;
    std::int32_t DLGX = -1;
    std::int32_t DLGY = -1;
    bool DLGM = false;
    Colour COLD = 0;
    Colour COLS2 = 0;
    Colour COLS1 = 0;
    Colour COLDIV = 0;
    std::string LOGO;
    std::string SEND1 = kDefaultSend1;
    std::string SEND2 = kDefaultSend2;
    std::string FONT = kDefaultFont;
    // Width / height of the LOGO bitmap; recomputed by every sheet layout, never saved.
    float logoAspect = 1.0f;

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
