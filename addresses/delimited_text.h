#pragma once
// Delimited text as spreadsheets and address books export it: comma, semicolon or tab between fields,
// double quotes around a field that holds one of them, a quote or a line break, "" for a quote inside.

#include <cstddef>
#include <string>

#include "addresses/address_table.h"

namespace tagmora {

// How many records the separator is judged on.
constexpr std::size_t kSeparatorSampleRecords = 50;

// The separator that splits the first records (blank ones aside), outside quotes, into one number of
// fields greater than one; of several, the one giving more fields, then tab, semicolon, comma. When none
// is consistent, the one that splits most of them alike; '\0' when none splits any (one field a line).
char DetectSeparator(const std::string& text);

struct DelimitedResult {
    AddressTable table;
    // 0, or the line on which a quoted field opens that never closes.
    std::size_t unterminatedQuoteLine = 0;
};

// Lines end with CR LF, LF or CR; the last one may have no line end. A quote opens a quoted field only
// at the field's start; anything after its closing quote up to the separator still belongs to the field.
DelimitedResult ReadDelimitedText(const std::string& text, char separator);

}  // namespace tagmora
