#pragma once
// vCard files (versions 2.1, 3.0 and 4.0) as phones and address books export them: each card gives one
// record of the columns below, from its FN (or N), ORG and first ADR.

#include <string>

#include "addresses/address_table.h"

namespace tagmora {

// The fields of every vCard record, in this order.
enum VCardColumn {
    kVCardFullName,
    kVCardPrefix,
    kVCardGiven,
    kVCardAdditional,
    kVCardFamily,
    kVCardSuffix,
    kVCardOrganisation,
    kVCardUnit,
    kVCardStreet,
    kVCardExtended,
    kVCardPostOfficeBox,
    kVCardLocality,
    kVCardRegion,
    kVCardPostcode,
    kVCardCountry,
    kVCardColumnCount
};

// Whether the text (UTF-8, without a byte-order mark) starts, after blank lines, with BEGIN:VCARD.
bool LooksLikeVCard(const std::string& text);

// Folded lines are joined (a line starting with a space or tab continues the one before; a
// quoted-printable value ending in "=" continues on the next line). Quoted-printable values are decoded;
// decoded bytes that are not UTF-8 are taken as the ANSI code page. Backslash escapes of 3.0 and 4.0
// (\n, \, \; \\) are undone and components split at unescaped semicolons. Line breaks in a value are
// CR LF. A card without END:VCARD ends at the file's end.
AddressTable ReadVCards(const std::string& text);

}  // namespace tagmora
