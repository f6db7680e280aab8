#include "addresses/column_roles.h"

#include <cstring>

namespace tagmora {
namespace {

struct Name {
    const char* key;  // lower case, no accents, blanks or punctuation
    ColumnRole role;
};

// clang-format off
constexpr Name kNames[] = {
    // English: Outlook, Google Contacts, spreadsheets.
    {"title", ColumnRole::Title}, {"nameprefix", ColumnRole::Title}, {"prefix", ColumnRole::Title},
    {"salutation", ColumnRole::Title},
    {"firstname", ColumnRole::FirstName}, {"givenname", ColumnRole::FirstName}, {"first", ColumnRole::FirstName},
    {"forename", ColumnRole::FirstName},
    {"middlename", ColumnRole::MiddleName}, {"additionalname", ColumnRole::MiddleName},
    {"lastname", ColumnRole::LastName}, {"familyname", ColumnRole::LastName}, {"surname", ColumnRole::LastName},
    {"last", ColumnRole::LastName},
    {"suffix", ColumnRole::Suffix}, {"namesuffix", ColumnRole::Suffix},
    {"name", ColumnRole::FullName}, {"fullname", ColumnRole::FullName}, {"displayname", ColumnRole::FullName},
    {"contactname", ColumnRole::FullName}, {"contact", ColumnRole::FullName},
    {"company", ColumnRole::Company}, {"companyname", ColumnRole::Company}, {"organization", ColumnRole::Company},
    {"organisation", ColumnRole::Company}, {"organizationname", ColumnRole::Company},
    {"organization1name", ColumnRole::Company}, {"organisationname", ColumnRole::Company},
    {"department", ColumnRole::Department}, {"organizationdepartment", ColumnRole::Department},
    {"organization1department", ColumnRole::Department},
    {"street", ColumnRole::Street}, {"streetaddress", ColumnRole::Street}, {"address", ColumnRole::Street},
    {"street1", ColumnRole::Street}, {"streetaddress1", ColumnRole::AddressLine1},
    {"address1", ColumnRole::AddressLine1}, {"addressline1", ColumnRole::AddressLine1},
    {"address2", ColumnRole::AddressLine2}, {"addressline2", ColumnRole::AddressLine2},
    {"street2", ColumnRole::AddressLine2}, {"streetaddress2", ColumnRole::AddressLine2},
    {"address3", ColumnRole::AddressLine3}, {"addressline3", ColumnRole::AddressLine3},
    {"street3", ColumnRole::AddressLine3}, {"streetaddress3", ColumnRole::AddressLine3},
    {"extendedaddress", ColumnRole::ExtendedAddress},
    {"pobox", ColumnRole::PostOfficeBox}, {"postofficebox", ColumnRole::PostOfficeBox},
    {"zip", ColumnRole::Postcode}, {"zipcode", ColumnRole::Postcode}, {"postalcode", ColumnRole::Postcode},
    {"postcode", ColumnRole::Postcode}, {"zippostalcode", ColumnRole::Postcode},
    {"city", ColumnRole::City}, {"town", ColumnRole::City}, {"locality", ColumnRole::City},
    {"state", ColumnRole::State}, {"region", ColumnRole::State}, {"province", ColumnRole::State},
    {"stateprovince", ColumnRole::State}, {"county", ColumnRole::State},
    {"country", ColumnRole::Country}, {"countryregion", ColumnRole::Country},
    // German.
    {"anrede", ColumnRole::Title}, {"titel", ColumnRole::Title},
    {"vorname", ColumnRole::FirstName},
    {"weiterevornamen", ColumnRole::MiddleName}, {"zweitervorname", ColumnRole::MiddleName},
    {"nachname", ColumnRole::LastName}, {"familienname", ColumnRole::LastName},
    {"namenszusatz", ColumnRole::Suffix}, {"zusatz", ColumnRole::Suffix},
    {"vollstandigername", ColumnRole::FullName}, {"anzeigename", ColumnRole::FullName},
    {"firma", ColumnRole::Company}, {"unternehmen", ColumnRole::Company}, {"organisation", ColumnRole::Company},
    {"abteilung", ColumnRole::Department},
    {"strasse", ColumnRole::Street}, {"str", ColumnRole::Street}, {"adresse", ColumnRole::Street},
    {"anschrift", ColumnRole::Street}, {"strasseundhausnummer", ColumnRole::Street},
    {"strasse1", ColumnRole::Street}, {"adresse1", ColumnRole::AddressLine1},
    {"adresszeile1", ColumnRole::AddressLine1},
    {"strasse2", ColumnRole::AddressLine2}, {"adresse2", ColumnRole::AddressLine2},
    {"adresszeile2", ColumnRole::AddressLine2},
    {"strasse3", ColumnRole::AddressLine3}, {"adresse3", ColumnRole::AddressLine3},
    {"adresszeile3", ColumnRole::AddressLine3},
    {"postfach", ColumnRole::PostOfficeBox},
    {"plz", ColumnRole::Postcode}, {"postleitzahl", ColumnRole::Postcode},
    {"ort", ColumnRole::City}, {"stadt", ColumnRole::City}, {"wohnort", ColumnRole::City},
    {"bundesland", ColumnRole::State}, {"bundeslandkanton", ColumnRole::State}, {"kanton", ColumnRole::State},
    {"land", ColumnRole::Country}, {"landregion", ColumnRole::Country}, {"staat", ColumnRole::Country},
    // French.
    {"civilite", ColumnRole::Title}, {"titre", ColumnRole::Title},
    {"prenom", ColumnRole::FirstName},
    {"deuxiemeprenom", ColumnRole::MiddleName}, {"secondprenom", ColumnRole::MiddleName},
    {"autresprenoms", ColumnRole::MiddleName},
    {"nom", ColumnRole::LastName}, {"nomdefamille", ColumnRole::LastName},
    {"suffixe", ColumnRole::Suffix},
    {"nomcomplet", ColumnRole::FullName}, {"nomaafficher", ColumnRole::FullName},
    {"societe", ColumnRole::Company}, {"entreprise", ColumnRole::Company},
    {"service", ColumnRole::Department}, {"departement", ColumnRole::Department},
    {"rue", ColumnRole::Street}, {"adresse", ColumnRole::Street}, {"rue1", ColumnRole::Street},
    {"rue2", ColumnRole::AddressLine2}, {"rue3", ColumnRole::AddressLine3},
    {"complementdadresse", ColumnRole::AddressLine2},
    {"boitepostale", ColumnRole::PostOfficeBox}, {"bp", ColumnRole::PostOfficeBox},
    {"codepostal", ColumnRole::Postcode}, {"cp", ColumnRole::Postcode},
    {"ville", ColumnRole::City}, {"localite", ColumnRole::City},
    {"depregion", ColumnRole::State}, {"etatprovince", ColumnRole::State},
    {"pays", ColumnRole::Country}, {"paysregion", ColumnRole::Country},
};
// clang-format on

// Words naming which of a contact's addresses a column belongs to.
constexpr const char* kGroupWords[] = {"business",     "home",     "other",   "work",     "private",
                                       "geschaftlich", "privat",   "weitere", "weiterer", "andere",
                                       "bureau",       "domicile", "autre",   "travail"};

// Lower case ASCII letters and digits, in words: accented letters of UTF-8 lose their accent, "ß" becomes
// "ss", every other character ends a word.
std::vector<std::string> Words(std::string_view name) {
    std::vector<std::string> words(1);
    auto letter = [&](const char* text) { words.back() += text; };
    for (std::size_t i = 0; i < name.size(); ++i) {
        const auto c = static_cast<unsigned char>(name[i]);
        if ((c >= 'a' && c <= 'z') || (c >= '0' && c <= '9')) {
            words.back() += static_cast<char>(c);
        } else if (c >= 'A' && c <= 'Z') {
            words.back() += static_cast<char>(c - 'A' + 'a');
        } else if (c == 0xC3 && i + 1 < name.size()) {
            const auto d = static_cast<unsigned char>(name[++i]) | 0x20;  // fold the upper-case half
            if (d == 0xA4 || d == 0xA0 || d == 0xA1 || d == 0xA2 || d == 0xA3 || d == 0xA5)
                letter("a");
            else if (d == 0xA7)
                letter("c");
            else if (d >= 0xA8 && d <= 0xAB)
                letter("e");
            else if (d >= 0xAC && d <= 0xAF)
                letter("i");
            else if ((d >= 0xB2 && d <= 0xB6) || d == 0xB8)
                letter("o");
            else if (d >= 0xB9 && d <= 0xBC)
                letter("u");
            else if (static_cast<unsigned char>(name[i]) == 0x9F)
                letter("ss");
            else if (!words.back().empty())
                words.emplace_back();
        } else if (!words.back().empty()) {
            words.emplace_back();
        }
    }
    if (words.back().empty())
        words.pop_back();
    return words;
}

bool IsGroupWord(const std::string& word) {
    for (const char* group : kGroupWords) {
        if (word == group)
            return true;
    }
    return false;
}

ColumnRole Lookup(const std::string& key) {
    for (const Name& name : kNames) {
        if (key == name.key)
            return name.role;
    }
    return ColumnRole::None;
}

}  // namespace

bool IsAddressRole(ColumnRole role) {
    switch (role) {
        case ColumnRole::Street:
        case ColumnRole::AddressLine1:
        case ColumnRole::AddressLine2:
        case ColumnRole::AddressLine3:
        case ColumnRole::ExtendedAddress:
        case ColumnRole::PostOfficeBox:
        case ColumnRole::Postcode:
        case ColumnRole::City:
        case ColumnRole::State:
        case ColumnRole::Country:
            return true;
        default:
            return false;
    }
}

ColumnMeaning RecogniseColumn(std::string_view name) {
    std::vector<std::string> words = Words(name);
    std::string whole;
    for (const std::string& word : words)
        whole += word;
    // A name that is known as it stands ("Weitere Vornamen") is not split into a group and the rest.
    if (const ColumnRole role = Lookup(whole); role != ColumnRole::None)
        return {role, {}};
    std::string group;
    std::string key;
    // Google's "Address 1 - Street": the numbered address is the group, the rest the column.
    if (words.size() > 2 && words[0] == "address" && !words[1].empty() &&
        words[1].find_first_not_of("0123456789") == std::string::npos) {
        group = words[0] + words[1];
        words.erase(words.begin(), words.begin() + 2);
    }
    for (const std::string& word : words) {
        if (group.empty() && IsGroupWord(word) && words.size() > 1)
            group = word;
        else
            key += word;
    }
    ColumnMeaning meaning;
    meaning.role = Lookup(key);
    if (meaning.role == ColumnRole::None && !group.empty() && group.compare(0, 7, "address") != 0) {
        // A group word that is the whole name ("Business", "Home") is no column of an address.
        return {};
    }
    if (IsAddressRole(meaning.role))
        meaning.group = group;
    return meaning;
}

bool IsRecognisedHeader(const std::vector<ColumnMeaning>& meanings) {
    std::size_t recognised = 0;
    for (const ColumnMeaning& meaning : meanings) {
        if (meaning.role != ColumnRole::None)
            ++recognised;
    }
    return recognised >= 2;
}

}  // namespace tagmora
