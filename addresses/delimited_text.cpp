#include "addresses/delimited_text.h"

#include <array>
#include <map>
#include <vector>

namespace tagmora {
namespace {

// The field counts of the first records with this separator, quotes respected, blank lines left out.
std::vector<std::size_t> SampleFieldCounts(const std::string& text, char separator) {
    std::vector<std::size_t> counts;
    std::size_t fields = 1;
    bool blank = true;
    bool quoted = false;
    bool fieldStart = true;
    const std::size_t n = text.size();
    for (std::size_t i = 0; i < n && counts.size() < kSeparatorSampleRecords; ++i) {
        const char c = text[i];
        if (quoted) {
            if (c == '"') {
                if (i + 1 < n && text[i + 1] == '"')
                    ++i;
                else
                    quoted = false;
            }
            continue;
        }
        if (c == '"' && fieldStart) {
            quoted = true;
            blank = false;
            fieldStart = false;
        } else if (c == separator) {
            ++fields;
            blank = false;
            fieldStart = true;
        } else if (c == '\r' || c == '\n') {
            if (c == '\r' && i + 1 < n && text[i + 1] == '\n')
                ++i;
            if (!blank)
                counts.push_back(fields);
            fields = 1;
            blank = true;
            fieldStart = true;
        } else {
            if (c != ' ' && c != '\t')
                blank = false;
            fieldStart = false;
        }
    }
    if (!blank && counts.size() < kSeparatorSampleRecords)
        counts.push_back(fields);
    return counts;
}

}  // namespace

char DetectSeparator(const std::string& text) {
    // In order of preference when two are equally good.
    constexpr std::array<char, 3> kCandidates{'\t', ';', ','};
    char best = '\0';
    std::size_t bestFields = 1;
    for (const char separator : kCandidates) {
        const std::vector<std::size_t> counts = SampleFieldCounts(text, separator);
        if (counts.empty() || counts[0] < 2)
            continue;
        bool consistent = true;
        for (const std::size_t count : counts)
            consistent = consistent && count == counts[0];
        if (consistent && counts[0] > bestFields) {
            best = separator;
            bestFields = counts[0];
        }
    }
    if (best != '\0')
        return best;
    // No consistent split: the separator whose most common field count (above one) covers most records.
    std::size_t bestShare = 0;
    for (const char separator : kCandidates) {
        std::map<std::size_t, std::size_t> share;
        for (const std::size_t count : SampleFieldCounts(text, separator)) {
            if (count > 1)
                ++share[count];
        }
        for (const auto& [count, records] : share) {
            if (records > bestShare) {
                bestShare = records;
                best = separator;
            }
        }
    }
    return best;
}

DelimitedResult ReadDelimitedText(const std::string& text, char separator) {
    DelimitedResult result;
    AddressTable& table = result.table;
    const std::size_t n = text.size();
    std::size_t line = 1;
    std::size_t recordLine = 1;
    std::size_t i = 0;
    bool recordOpen = false;
    while (i < n) {
        // One field.
        recordOpen = true;
        if (text[i] == '"') {
            const std::size_t quoteLine = line;
            ++i;
            bool closed = false;
            while (i < n) {
                const std::size_t next = text.find_first_of("\"\r\n", i);
                const std::size_t stop = next == std::string::npos ? n : next;
                table.AppendToField(std::string_view(text).substr(i, stop - i));
                i = stop;
                if (i == n)
                    break;
                const char c = text[i];
                if (c == '"') {
                    if (i + 1 < n && text[i + 1] == '"') {
                        table.AppendToField('"');
                        i += 2;
                        continue;
                    }
                    ++i;
                    closed = true;
                    break;
                }
                // A line break inside the quotes belongs to the field, counted as a line of the file.
                if (c == '\r' && i + 1 < n && text[i + 1] == '\n') {
                    table.AppendToField("\r\n");
                    i += 2;
                } else {
                    table.AppendToField(c);
                    ++i;
                }
                ++line;
            }
            if (!closed) {
                result.unterminatedQuoteLine = quoteLine;
                table.EndField();
                table.EndRecord(recordLine);
                return result;
            }
        }
        // The unquoted field, or what follows a closing quote, up to the separator or the line end.
        std::size_t stop = i;
        while (stop < n && text[stop] != separator && text[stop] != '\r' && text[stop] != '\n')
            ++stop;
        table.AppendToField(std::string_view(text).substr(i, stop - i));
        table.EndField();
        i = stop;
        if (i == n)
            break;
        if (text[i] == separator) {
            ++i;
            if (i == n) {
                table.EndField();  // a separator at the very end leaves one more, empty field
                break;
            }
            continue;
        }
        i += text[i] == '\r' && i + 1 < n && text[i + 1] == '\n' ? 2 : 1;
        table.EndRecord(recordLine);
        recordOpen = false;
        ++line;
        recordLine = line;
    }
    if (recordOpen)
        table.EndRecord(recordLine);
    return result;
}

}  // namespace tagmora
