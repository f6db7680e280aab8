#pragma once
// A printer the user chooses in the system print dialog, with the name the spooler knows it by.

#include <windows.h>

#include <string>

#include "win/handle.h"

namespace tagmora {

struct ChosenPrinter {
    OwnedDC dc;
    std::string name;
};

// Empty dc when the user cancelled (or the dialog failed); the name is the one the dialog shows.
ChosenPrinter ChoosePrinter(HWND owner);

// The device name a print dialog's DEVNAMES block holds; empty without one.
std::string PrinterNameFrom(HGLOBAL devNames);

// The default printer's name, or empty when there is none.
std::string DefaultPrinterName();

}  // namespace tagmora
