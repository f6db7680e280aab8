#include "addresses/vcard.h"

#include <array>
#include <cctype>
#include <string_view>
#include <vector>

#include "addresses/code_page.h"
#include "addresses/text_encoding.h"

namespace tagmora {
namespace {

bool EqualsNoCase(std::string_view a, std::string_view b) {
    if (a.size() != b.size())
        return false;
    for (std::size_t i = 0; i < a.size(); ++i) {
        if (std::toupper(static_cast<unsigned char>(a[i])) != std::toupper(static_cast<unsigned char>(b[i])))
            return false;
    }
    return true;
}

bool ContainsNoCase(std::string_view text, std::string_view part) {
    for (std::size_t i = 0; i + part.size() <= text.size(); ++i) {
        if (EqualsNoCase(text.substr(i, part.size()), part))
            return true;
    }
    return false;
}

int HexValue(char c) {
    if (c >= '0' && c <= '9')
        return c - '0';
    if (c >= 'A' && c <= 'F')
        return c - 'A' + 10;
    if (c >= 'a' && c <= 'f')
        return c - 'a' + 10;
    return -1;
}

std::string DecodeQuotedPrintable(std::string_view value) {
    std::string bytes;
    for (std::size_t i = 0; i < value.size(); ++i) {
        int high = 0;
        int low = 0;
        if (value[i] == '=' && i + 2 < value.size() && (high = HexValue(value[i + 1])) >= 0 &&
            (low = HexValue(value[i + 2])) >= 0) {
            bytes += static_cast<char>(high * 16 + low);
            i += 2;
        } else {
            bytes += value[i];
        }
    }
    return IsValidUtf8(bytes) ? bytes : AnsiToUtf8(bytes);
}

// The value's components, split at unescaped semicolons, escapes undone.
std::vector<std::string> Components(std::string_view value) {
    std::vector<std::string> parts(1);
    for (std::size_t i = 0; i < value.size(); ++i) {
        const char c = value[i];
        if (c == '\\' && i + 1 < value.size()) {
            const char next = value[++i];
            if (next == 'n' || next == 'N')
                parts.back() += "\r\n";
            else
                parts.back() += next;
        } else if (c == ';') {
            parts.emplace_back();
        } else if (c == '\n') {
            parts.back() += "\r\n";
        } else if (c != '\r') {
            parts.back() += c;
        }
    }
    return parts;
}

// The file's physical lines joined into logical ones.
std::vector<std::pair<std::string, std::size_t>> UnfoldedLines(const std::string& text) {
    std::vector<std::pair<std::string, std::size_t>> lines;
    std::size_t i = 0;
    std::size_t number = 0;
    bool softBreak = false;
    // Where the current logical line's name ends, found once: a long value must not be searched again
    // for every folded piece.
    std::size_t colon = std::string::npos;
    bool quotedPrintable = false;
    while (i < text.size()) {
        std::size_t end = text.find_first_of("\r\n", i);
        if (end == std::string::npos)
            end = text.size();
        std::string_view line = std::string_view(text).substr(i, end - i);
        ++number;
        i = end < text.size() && text[end] == '\r' && end + 1 < text.size() && text[end + 1] == '\n'
                ? end + 2
                : end + 1;
        const bool folded = !line.empty() && (line[0] == ' ' || line[0] == '\t');
        if ((softBreak || folded) && !lines.empty()) {
            std::string& joined = lines.back().first;
            const std::size_t before = joined.size();
            joined += softBreak ? line : line.substr(1);
            if (colon == std::string::npos) {
                colon = joined.find(':', before);
                quotedPrintable =
                    colon != std::string::npos &&
                    ContainsNoCase(std::string_view(joined).substr(0, colon), "QUOTED-PRINTABLE");
            }
        } else {
            lines.emplace_back(std::string(line), number);
            colon = line.find(':');
            quotedPrintable =
                colon != std::string::npos && ContainsNoCase(line.substr(0, colon), "QUOTED-PRINTABLE");
        }
        // A quoted-printable value's soft line break: "=" at the end of the line.
        const std::string& joined = lines.back().first;
        softBreak = quotedPrintable && !joined.empty() && joined.back() == '=';
        if (softBreak)
            lines.back().first.pop_back();
    }
    return lines;
}

struct Card {
    std::array<std::string, kVCardColumnCount> fields;
    bool hasAddress = false;
    std::size_t line = 0;
};

void Store(Card& card, std::string_view name, std::string_view parameters, std::string_view rawValue) {
    const std::string value = ContainsNoCase(parameters, "QUOTED-PRINTABLE") ? DecodeQuotedPrintable(rawValue)
                                                                             : std::string(rawValue);
    const std::vector<std::string> parts = Components(value);
    auto part = [&](std::size_t k) { return k < parts.size() ? parts[k] : std::string(); };
    if (EqualsNoCase(name, "FN")) {
        // A name has no components: its semicolons are its own.
        std::string joined = parts[0];
        for (std::size_t k = 1; k < parts.size(); ++k)
            joined += ";" + parts[k];
        card.fields[kVCardFullName] = joined;
    } else if (EqualsNoCase(name, "N")) {
        card.fields[kVCardFamily] = part(0);
        card.fields[kVCardGiven] = part(1);
        card.fields[kVCardAdditional] = part(2);
        card.fields[kVCardPrefix] = part(3);
        card.fields[kVCardSuffix] = part(4);
    } else if (EqualsNoCase(name, "ORG")) {
        card.fields[kVCardOrganisation] = part(0);
        card.fields[kVCardUnit] = part(1);
    } else if (EqualsNoCase(name, "ADR") && !card.hasAddress) {
        card.hasAddress = true;
        card.fields[kVCardPostOfficeBox] = part(0);
        card.fields[kVCardExtended] = part(1);
        card.fields[kVCardStreet] = part(2);
        card.fields[kVCardLocality] = part(3);
        card.fields[kVCardRegion] = part(4);
        card.fields[kVCardPostcode] = part(5);
        card.fields[kVCardCountry] = part(6);
    }
}

void EndCard(AddressTable& table, const Card& card) {
    for (const std::string& field : card.fields) {
        table.AppendToField(field);
        table.EndField();
    }
    table.EndRecord(card.line);
}

}  // namespace

bool LooksLikeVCard(const std::string& text) {
    std::size_t i = 0;
    while (i < text.size() && (text[i] == '\r' || text[i] == '\n' || text[i] == ' ' || text[i] == '\t'))
        ++i;
    return EqualsNoCase(std::string_view(text).substr(i, 11), "BEGIN:VCARD");
}

AddressTable ReadVCards(const std::string& text) {
    AddressTable table;
    Card card;
    bool inCard = false;
    for (const auto& [line, number] : UnfoldedLines(text)) {
        const std::size_t colon = line.find(':');
        if (colon == std::string::npos)
            continue;
        std::string_view head = std::string_view(line).substr(0, colon);
        const std::string_view value = std::string_view(line).substr(colon + 1);
        const std::size_t semicolon = head.find(';');
        std::string_view name = head.substr(0, semicolon);
        const std::string_view parameters = semicolon == std::string_view::npos ? "" : head.substr(semicolon);
        // A group prefix ("item1.ADR") names the same property.
        const std::size_t dot = name.rfind('.');
        if (dot != std::string_view::npos)
            name = name.substr(dot + 1);
        if (EqualsNoCase(name, "BEGIN") && EqualsNoCase(TrimBlanks(value), "VCARD")) {
            if (inCard)
                EndCard(table, card);
            card = Card();
            card.line = number;
            inCard = true;
        } else if (EqualsNoCase(name, "END") && EqualsNoCase(TrimBlanks(value), "VCARD")) {
            if (inCard)
                EndCard(table, card);
            inCard = false;
        } else if (inCard) {
            Store(card, name, parameters, value);
        }
    }
    if (inCard)
        EndCard(table, card);
    return table;
}

}  // namespace tagmora
