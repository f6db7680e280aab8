#include "model/sheet_persistence.h"

#include "model/data_file.h"
#include "model/setup_file.h"

namespace tagmora {

SheetLoad LoadSheetFromPath(LabelSheet& sheet, const std::string& path) {
    const DataFile file(path, true);
    if (!file.Exists()) {
        sheet.ApplyDefaults();
        return SheetLoad::Defaults;
    }
    ReadSetupFile(file.ReadAllText(true), sheet);
    return SheetLoad::Read;
}

bool SaveSheetToPath(const LabelSheet& sheet, const std::string& path) {
    const DataFile file(path, true);
    return file.WriteAllText(WriteSetupFile(sheet), true).has_value();
}

std::string SetupFileNameWithExtension(const std::string& chosenPath) {
    if (chosenPath.find(kSetupFileExtension) != std::string::npos)
        return chosenPath;
    return chosenPath + kSetupFileExtension;
}

}  // namespace tagmora
