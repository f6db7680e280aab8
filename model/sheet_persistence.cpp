#include "model/sheet_persistence.h"

#include "model/data_file.h"
#include "model/setup_file.h"
#include "model/user_message.h"

namespace tagmora {

namespace {

constexpr int kSetAsideNames = 99;

struct LoadAttempt {
    SheetLoad outcome;
    std::string refusal;  // what a refused file's message says
};

LoadAttempt TryLoading(LabelSheet& sheet, const std::string& path) {
    const DataFile file(path, true);
    const FileText read = file.Read();
    if (read.failure) {
        // A path that leads to no file is how the sheet returns to its defaults. A file that is there but
        // cannot be read is another matter: its sheet is not lost yet.
        if (*read.failure == FileErrorCause::FileNotFound || *read.failure == FileErrorCause::BadPath) {
            sheet.ApplyDefaults();
            return {SheetLoad::Defaults, {}};
        }
        return {SheetLoad::Refused, kReadErrorPrefix + FileErrorDescription(*read.failure, path)};
    }
    // The reader takes any text; a file of another kind would read as an empty sheet.
    if (!LooksLikeSetupFile(read.text)) {
        return {SheetLoad::Refused, path +
                                        " is not a Tagmora setup file: it holds none of the settings of "
                                        "one (such as COLS= or <FONT>)."};
    }
    ReadSetupFile(read.text, sheet);
    return {SheetLoad::Read, {}};
}

}  // namespace

SheetLoad LoadSheetFromPath(LabelSheet& sheet, const std::string& path) {
    const LoadAttempt attempt = TryLoading(sheet, path);
    if (attempt.outcome == SheetLoad::Refused)
        ShowUserMessage(attempt.refusal);
    return attempt.outcome;
}

StateFileLoad LoadStateFile(LabelSheet& sheet, const std::string& path) {
    const LoadAttempt attempt = TryLoading(sheet, path);
    if (attempt.outcome != SheetLoad::Refused)
        return {attempt.outcome, true};
    std::string aside;
    std::optional<FileErrorCause> failure;
    for (int n = 1; n <= kSetAsideNames; ++n) {
        aside = path + ".bad" + (n > 1 ? std::to_string(n) : std::string());
        failure = RenameWithoutReplacing(path, aside);
        if (failure != FileErrorCause::AlreadyExists)
            break;
    }
    if (failure) {
        ShowUserMessage(attempt.refusal + "\n\nTagmora starts with its default labels. " + path +
                        " could not be set aside, so they will not be saved over it:\n" +
                        FileErrorDescription(*failure, aside));
        return {SheetLoad::Refused, false};
    }
    ShowUserMessage(attempt.refusal + "\n\nIt was set aside as " + aside +
                    ", and Tagmora starts with its default labels.");
    return {SheetLoad::Refused, true};
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
