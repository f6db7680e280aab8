#pragma once
// How a record of an address list becomes the text of one label.

#include <cstddef>
#include <string>
#include <vector>

#include "addresses/address_table.h"
#include "addresses/column_roles.h"

namespace tagmora {

struct AddressPlan {
    // With a recognised header (or a vCard), the address is built from the columns' roles; otherwise it is
    // the columns in `order`, one non-empty field a line.
    bool byRole = false;
    // A vCard's FN is the name as its owner wrote it; N's parts stand in only without one.
    bool preferFullName = false;
    std::vector<ColumnMeaning> meanings;  // one per column, for byRole
    std::vector<std::size_t> order;       // included columns in the order they are written
};

// The address of one record (UTF-8, CR LF between lines), empty when it holds no text. By role: the name
// (title, first, middle and last name and suffix joined by spaces, else the one name column), company,
// department, street lines, "Postcode City" or "City, State Postcode" when there is a state, country.
// Of a contact's several addresses (Outlook's business and home, Google's Address 1 and 2) the first in
// column order that holds any text is taken. Every field is trimmed, line by line; no line is empty.
std::string ComposeAddress(const AddressTable& table, std::size_t record, const AddressPlan& plan);

// The address as a label stores it: in the ANSI code page, every "&" doubled. False when a character was
// lost (it is then "?").
bool ToStoredDest(const std::string& address, std::string& dest);

struct ComposedAddresses {
    std::vector<std::string> dests;      // the first ones, as stored
    std::vector<std::size_t> lines;      // the file line of each one's record
    std::size_t count = 0;               // every address of the file
    std::size_t lostCount = 0;           // addresses that lost a character
    std::vector<std::size_t> lostLines;  // the first of their records' lines
};

constexpr std::size_t kNamedLostRecords = 20;

// Every record composed and counted; the first `keep` addresses kept.
ComposedAddresses ComposeAddresses(const AddressTable& table, const AddressPlan& plan, std::size_t keep);

}  // namespace tagmora
