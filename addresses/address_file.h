#pragma once
// An address file as a whole: read, its encoding and kind found, its records and their plan, or the
// reason it was refused; and the filling of a sheet's labels from it.

#include <cstddef>
#include <string>
#include <vector>

#include "addresses/address_composer.h"
#include "addresses/address_table.h"
#include "addresses/text_encoding.h"
#include "model/label_sheet.h"

namespace tagmora {

enum class AddressFileKind { Delimited, VCard };

struct AddressFile {
    // Empty when the file was read; else the message the user sees, and nothing else is set.
    std::string refusal;
    TextEncoding encoding = TextEncoding::Ansi;
    AddressFileKind kind = AddressFileKind::Delimited;
    char separator = '\0';  // of delimited text; '\0' for one field a line
    bool header = false;    // the first record named the columns and is not an address
    // One name per column: the header's, or "Column 1", "Column 2", ... (UTF-8).
    std::vector<std::string> columnNames;
    AddressTable table;
    AddressPlan plan;
};

// Whether a path names an address list by its ending: .csv, .tsv, .tab or .vcf, in any case.
bool IsAddressListPath(const std::string& path);

// The file read whole; a file over kMaxReadBytes, a folder or a device is refused before it is read.
AddressFile ReadAddressFile(const std::string& path);
// The same from the file's bytes; the path only names the file in a message.
AddressFile ReadAddressBytes(const std::string& bytes, const std::string& path);

// "comma", "semicolon", "tab" or "none".
const char* SeparatorName(char separator);

// The addresses written, in slot order, into the enabled labels among the shown ones; returns how many
// were written. The rest did not fit.
std::size_t FillEnabledLabels(LabelSheet& sheet, const std::vector<std::string>& dests);
// How many labels FillEnabledLabels would fill.
std::size_t EnabledShownLabelCount(const LabelSheet& sheet);

}  // namespace tagmora
