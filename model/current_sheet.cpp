#include "model/current_sheet.h"

namespace tagmora {
namespace {

SheetHolder* currentSheet = nullptr;

}  // namespace

SheetHolder* CurrentSheet() {
    return currentSheet;
}

void SetCurrentSheet(SheetHolder* holder) {
    currentSheet = holder;
}

}  // namespace tagmora
