#include "addresses/address_file.h"

#include <cctype>

#include "addresses/delimited_text.h"
#include "addresses/vcard.h"
#include "model/data_file.h"
#include "model/file_system.h"

namespace tagmora {
namespace {

AddressFile Refused(std::string message) {
    AddressFile file;
    file.refusal = std::move(message);
    return file;
}

std::string Quoted(const std::string& path) {
    return "\"" + path + "\"";
}

// A text has no zero characters and few other control characters; a picture or a program has many.
bool LooksLikeText(const std::string& text) {
    const std::size_t sample = text.size() < (1u << 16) ? text.size() : (1u << 16);
    std::size_t controls = 0;
    for (std::size_t i = 0; i < text.size(); ++i) {
        const auto c = static_cast<unsigned char>(text[i]);
        if (c == 0)
            return false;
        if (i < sample && (c < 0x20 || c == 0x7F) && c != '\t' && c != '\r' && c != '\n' && c != '\f')
            ++controls;
    }
    return controls * 100 <= sample;
}

void PlanColumns(AddressFile& file) {
    AddressTable& table = file.table;
    std::size_t columns = 0;
    for (std::size_t r = 0; r < table.RecordCount() && r < kSeparatorSampleRecords; ++r)
        columns = std::max(columns, table.FieldCount(r));
    if (file.kind == AddressFileKind::VCard) {
        static const char* const kNames[kVCardColumnCount] = {
            "FN",         "N prefix",     "N given",    "N additional",    "N family",
            "N suffix",   "ORG",          "ORG unit",   "ADR street",      "ADR extended",
            "ADR PO box", "ADR locality", "ADR region", "ADR postal code", "ADR country"};
        static const ColumnRole kRoles[kVCardColumnCount] = {
            ColumnRole::FullName,        ColumnRole::Title,         ColumnRole::FirstName,
            ColumnRole::MiddleName,      ColumnRole::LastName,      ColumnRole::Suffix,
            ColumnRole::Company,         ColumnRole::Department,    ColumnRole::Street,
            ColumnRole::ExtendedAddress, ColumnRole::PostOfficeBox, ColumnRole::City,
            ColumnRole::State,           ColumnRole::Postcode,      ColumnRole::Country};
        file.plan.byRole = true;
        file.plan.preferFullName = true;
        for (int c = 0; c < kVCardColumnCount; ++c) {
            file.columnNames.emplace_back(kNames[c]);
            file.plan.meanings.push_back({kRoles[c], {}});
        }
        return;
    }
    if (table.RecordCount() > 0) {
        std::vector<ColumnMeaning> meanings;
        for (std::size_t c = 0; c < table.FieldCount(0); ++c)
            meanings.push_back(RecogniseColumn(TrimBlanks(table.Field(0, c))));
        if (IsRecognisedHeader(meanings)) {
            file.header = true;
            file.plan.byRole = true;
            for (std::size_t c = 0; c < meanings.size(); ++c)
                file.columnNames.emplace_back(TrimBlanks(table.Field(0, c)));
            file.plan.meanings = std::move(meanings);
            table.DropFirstRecord();
            return;
        }
    }
    for (std::size_t c = 0; c < columns; ++c) {
        file.columnNames.push_back("Column " + std::to_string(c + 1));
        file.plan.order.push_back(c);
    }
}

}  // namespace

bool IsAddressListPath(const std::string& path) {
    if (path.size() < 4 || path[path.size() - 4] != '.')
        return false;
    std::string ending;
    for (std::size_t i = path.size() - 3; i < path.size(); ++i)
        ending += static_cast<char>(std::tolower(static_cast<unsigned char>(path[i])));
    return ending == "csv" || ending == "tsv" || ending == "tab" || ending == "vcf";
}

const char* SeparatorName(char separator) {
    switch (separator) {
        case ',':
            return "comma";
        case ';':
            return "semicolon";
        case '\t':
            return "tab";
        default:
            return "none (one field a line)";
    }
}

AddressFile ReadAddressFile(const std::string& path) {
    FileErrorCause cause = FileErrorCause::Unknown;
    InputFile input = InputFile::Open(path, &cause);
    if (!input.IsOpen())
        return Refused(kReadErrorPrefix + FileErrorDescription(cause, path));
    const std::optional<std::uint64_t> size = input.RegularFileSize();
    if (!size)
        return Refused(kReadErrorPrefix + FileErrorDescription(FileErrorCause::NotAFile, path));
    if (*size > kMaxReadBytes) {
        return Refused("The address list " + Quoted(path) +
                       " is larger than 64 MiB, more than Tagmora reads.\r"
                       "Save a part of the list into a smaller file and choose that.");
    }
    std::string bytes(static_cast<std::size_t>(*size), '\0');
    std::size_t filled = 0;
    while (filled < bytes.size()) {
        const std::optional<std::size_t> got = input.Read(&bytes[filled], bytes.size() - filled, &cause);
        if (!got)
            return Refused(kReadErrorPrefix + FileErrorDescription(cause, path));
        if (*got == 0)
            break;
        filled += *got;
    }
    bytes.resize(filled);
    return ReadAddressBytes(bytes, path);
}

AddressFile ReadAddressBytes(const std::string& bytes, const std::string& path) {
    if (bytes.size() > kMaxReadBytes)
        return Refused("The address list " + Quoted(path) +
                       " is larger than 64 MiB, more than Tagmora reads.");
    const TextEncoding encoding = DetectTextEncoding(bytes);
    std::string text = DecodeToUtf8(bytes, encoding);
    if (!LooksLikeText(text)) {
        return Refused("The file " + Quoted(path) +
                       " is not a list of addresses: it holds characters that no text holds.\r"
                       "Save the list from its program as CSV, Unicode text or vCard and choose that file.");
    }
    AddressFile file;
    file.encoding = encoding;
    if (LooksLikeVCard(text)) {
        file.kind = AddressFileKind::VCard;
        file.table = ReadVCards(text);
    } else {
        file.separator = DetectSeparator(text);
        DelimitedResult delimited = ReadDelimitedText(text, file.separator);
        if (delimited.unterminatedQuoteLine != 0) {
            return Refused("The address list " + Quoted(path) + " has a quotation mark on line " +
                           std::to_string(delimited.unterminatedQuoteLine) +
                           " that is never closed, so where that field ends is not known.\r"
                           "Close the quotation in the list's program and save it again.");
        }
        file.table = std::move(delimited.table);
    }
    text.clear();
    text.shrink_to_fit();
    PlanColumns(file);
    bool any = false;
    for (std::size_t r = 0; r < file.table.RecordCount() && !any; ++r)
        any = !ComposeAddress(file.table, r, file.plan).empty();
    if (!any)
        return Refused("The file " + Quoted(path) + " holds no addresses.");
    return file;
}

std::size_t EnabledShownLabelCount(const LabelSheet& sheet) {
    std::size_t count = 0;
    for (int i = 0; i < sheet.LabelCount(); ++i)
        count += sheet.Slot(i).enabled ? 1 : 0;
    return count;
}

std::size_t FillEnabledLabels(LabelSheet& sheet, const std::vector<std::string>& dests) {
    std::size_t written = 0;
    for (int i = 0; i < sheet.LabelCount() && written < dests.size(); ++i) {
        if (sheet.Slot(i).enabled)
            sheet.Slot(i).DEST = dests[written++];
    }
    return written;
}

}  // namespace tagmora
