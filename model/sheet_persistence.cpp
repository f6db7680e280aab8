#include "model/sheet_persistence.h"

#include "model/data_file.h"
#include "model/setup_file.h"

namespace tagmora {

void LoadSheetFromPath(LabelSheet& sheet, const std::string& path) {
    const DataFile file(path, true);
    if (file.Exists()) {
        ReadSetupFile(file.ReadAllText(true), sheet);
    } else {
        sheet.ApplyDefaults();
    }
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
