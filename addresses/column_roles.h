#pragma once
// What a column of an address list holds, recognised from the names that exports of Outlook, Google
// Contacts, Excel and LibreOffice give their columns, in English, German and French.

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace tagmora {

enum class ColumnRole {
    None,  // a column the address leaves out (telephone, e-mail, notes, ...)
    Title,
    FirstName,
    MiddleName,
    LastName,
    Suffix,
    FullName,
    Company,
    Department,
    Street,
    AddressLine1,
    AddressLine2,
    AddressLine3,
    ExtendedAddress,
    PostOfficeBox,
    Postcode,
    City,
    State,
    Country,
};

struct ColumnMeaning {
    ColumnRole role = ColumnRole::None;
    // Which of several addresses of one contact the column belongs to ("business", "home", "address2",
    // ...); empty for a column of no group. Only address columns have one.
    std::string group;
};

// The meaning of one column name (UTF-8). Case, accents, blanks and punctuation do not matter.
ColumnMeaning RecogniseColumn(std::string_view name);

// Whether a record of these names is a header: at least two of them are recognised.
bool IsRecognisedHeader(const std::vector<ColumnMeaning>& meanings);

// True for the roles that belong to a postal address rather than to the person.
bool IsAddressRole(ColumnRole role);

}  // namespace tagmora
