#pragma once
// The program-wide way to the one Label Sheet: the preview that shows it, while the preview exists. The
// dialogs that have no other way to the sheet reach it here, and check for null.

#include <string>

#include "model/label_sheet.h"

namespace tagmora {

// What the rest of the program may do with the sheet that the preview shows.
class SheetHolder {
  public:
    virtual LabelSheet& Sheet() = 0;
    // Reads a setup file into the sheet (the defaults when there is none; the sheet as it was, after a
    // message, when it is refused), then lays the sheet out and repaints it.
    virtual void LoadFromPath(const std::string& path) = 0;
    // Writes the sheet as a setup file; false after the write message when that failed.
    virtual bool SaveToPath(const std::string& path) const = 0;
    // Repaints at once.
    virtual void Redraw() = 0;

  protected:
    ~SheetHolder() = default;
};

// Null before the preview exists and after it is gone.
SheetHolder* CurrentSheet();
void SetCurrentSheet(SheetHolder* holder);

}  // namespace tagmora
