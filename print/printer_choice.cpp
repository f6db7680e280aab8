#include "print/printer_choice.h"

#include <commdlg.h>
#include <winspool.h>

namespace tagmora {

ChosenPrinter ChoosePrinter(HWND owner) {
    PRINTDLGA dialog{};
    dialog.lStructSize = sizeof dialog;
    dialog.hwndOwner = owner;
    dialog.Flags = PD_ALLPAGES | PD_NOPAGENUMS | PD_NOSELECTION | PD_HIDEPRINTTOFILE | PD_RETURNDC;
    ChosenPrinter chosen;
    const bool accepted = PrintDlgA(&dialog) != FALSE;
    // The dialog hands back global memory for the device mode and names, whatever the user answered.
    const GlobalMemory devMode(dialog.hDevMode), devNames(dialog.hDevNames);
    chosen.dc = OwnedDC(dialog.hDC);
    if (!accepted || !chosen.dc)
        return {};
    chosen.name = PrinterNameFrom(devNames.Get());
    return chosen;
}

std::string PrinterNameFrom(HGLOBAL devNames) {
    std::string name;
    if (const auto* names = static_cast<const DEVNAMES*>(GlobalLock(devNames))) {
        name = reinterpret_cast<const char*>(names) + names->wDeviceOffset;
        GlobalUnlock(devNames);
    }
    return name;
}

std::string DefaultPrinterName() {
    char name[512] = {};
    DWORD size = sizeof name;
    return GetDefaultPrinterA(name, &size) ? std::string(name) : std::string();
}

}  // namespace tagmora
