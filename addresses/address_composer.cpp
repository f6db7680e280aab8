#include "addresses/address_composer.h"

#include <array>
#include <string_view>

#include "addresses/code_page.h"
#include "model/text_helpers.h"

namespace tagmora {
namespace {

constexpr std::size_t kRoleCount = static_cast<std::size_t>(ColumnRole::Country) + 1;

// The field's lines, each trimmed, empty ones left out, appended to the address.
void AppendLines(std::string& address, std::string_view field) {
    std::size_t i = 0;
    while (i <= field.size()) {
        std::size_t end = field.find_first_of("\r\n", i);
        if (end == std::string_view::npos)
            end = field.size();
        const std::string_view line = TrimBlanks(field.substr(i, end - i));
        if (!line.empty()) {
            if (!address.empty())
                address += "\r\n";
            address.append(line.data(), line.size());
        }
        if (end == field.size())
            break;
        i = end + (field[end] == '\r' && end + 1 < field.size() && field[end + 1] == '\n' ? 2 : 1);
    }
}

bool IsBlankText(std::string_view text) {
    for (const char c : text) {
        if (c != ' ' && c != '\t' && c != '\r' && c != '\n')
            return false;
    }
    return true;
}

// Pieces joined by the separator, blank ones left out.
std::string Join(std::initializer_list<std::string_view> pieces, const char* separator) {
    std::string joined;
    for (const std::string_view piece : pieces) {
        const std::string_view trimmed = TrimBlanks(piece);
        if (IsBlankText(trimmed))
            continue;
        if (!joined.empty())
            joined += separator;
        joined.append(trimmed.data(), trimmed.size());
    }
    return joined;
}

std::string ComposeByRole(const AddressTable& table, std::size_t record, const AddressPlan& plan) {
    const std::size_t columns = plan.meanings.size();
    // The group of the first address column in column order that holds text.
    const std::string* group = nullptr;
    for (std::size_t c = 0; c < columns && !group; ++c) {
        if (IsAddressRole(plan.meanings[c].role) && !IsBlankText(table.Field(record, c)))
            group = &plan.meanings[c].group;
    }
    std::array<std::string_view, kRoleCount> value{};
    for (std::size_t c = 0; c < columns; ++c) {
        const ColumnMeaning& meaning = plan.meanings[c];
        if (meaning.role == ColumnRole::None ||
            (IsAddressRole(meaning.role) && (!group || meaning.group != *group)))
            continue;
        std::string_view& slot = value[static_cast<std::size_t>(meaning.role)];
        const std::string_view field = table.Field(record, c);
        if (IsBlankText(slot) && !IsBlankText(field))
            slot = field;
    }
    auto v = [&](ColumnRole role) { return value[static_cast<std::size_t>(role)]; };

    std::string address;
    std::string name = Join({v(ColumnRole::Title), v(ColumnRole::FirstName), v(ColumnRole::MiddleName),
                             v(ColumnRole::LastName), v(ColumnRole::Suffix)},
                            " ");
    const bool fullName = name.empty() || (plan.preferFullName && !IsBlankText(v(ColumnRole::FullName)));
    AppendLines(address, fullName ? v(ColumnRole::FullName) : std::string_view(name));
    for (const ColumnRole role :
         {ColumnRole::Company, ColumnRole::Department, ColumnRole::Street, ColumnRole::AddressLine1,
          ColumnRole::AddressLine2, ColumnRole::AddressLine3, ColumnRole::ExtendedAddress,
          ColumnRole::PostOfficeBox})
        AppendLines(address, v(role));
    const std::string place =
        IsBlankText(v(ColumnRole::State))
            ? Join({v(ColumnRole::Postcode), v(ColumnRole::City)}, " ")
            : Join({v(ColumnRole::City), Join({v(ColumnRole::State), v(ColumnRole::Postcode)}, " ")}, ", ");
    AppendLines(address, place);
    AppendLines(address, v(ColumnRole::Country));
    return address;
}

bool IsAscii(const std::string& text) {
    for (const char c : text) {
        if (static_cast<unsigned char>(c) >= 0x80)
            return false;
    }
    return true;
}

}  // namespace

std::string ComposeAddress(const AddressTable& table, std::size_t record, const AddressPlan& plan) {
    if (table.IsBlank(record))
        return {};
    if (plan.byRole)
        return ComposeByRole(table, record, plan);
    std::string address;
    for (const std::size_t column : plan.order)
        AppendLines(address, table.Field(record, column));
    return address;
}

bool ToStoredDest(const std::string& address, std::string& dest) {
    bool complete = true;
    if (IsAscii(address))
        dest = address;
    else
        complete = Utf8ToAnsi(address, dest);
    if (dest.find('&') != std::string::npos)
        dest = ReplaceAll(dest, "&", "&&");
    return complete;
}

ComposedAddresses ComposeAddresses(const AddressTable& table, const AddressPlan& plan, std::size_t keep) {
    ComposedAddresses result;
    std::string dest;
    for (std::size_t r = 0; r < table.RecordCount(); ++r) {
        const std::string address = ComposeAddress(table, r, plan);
        if (address.empty())
            continue;
        ++result.count;
        const bool complete = ToStoredDest(address, dest);
        if (!complete) {
            ++result.lostCount;
            if (result.lostLines.size() < kNamedLostRecords)
                result.lostLines.push_back(table.Line(r));
        }
        if (result.dests.size() < keep) {
            result.dests.push_back(dest);
            result.lines.push_back(table.Line(r));
        }
    }
    return result;
}

}  // namespace tagmora
