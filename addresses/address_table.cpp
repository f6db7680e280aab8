#include "addresses/address_table.h"

namespace tagmora {

std::string_view TrimBlanks(std::string_view text) {
    std::size_t begin = 0;
    std::size_t end = text.size();
    while (begin < end && (text[begin] == ' ' || text[begin] == '\t'))
        ++begin;
    while (end > begin && (text[end - 1] == ' ' || text[end - 1] == '\t'))
        --end;
    return text.substr(begin, end - begin);
}

std::size_t AddressTable::FieldCount(std::size_t record) const {
    const std::size_t r = record + firstRecord_;
    const std::size_t begin = r == 0 ? 0 : recordEnds_[r - 1];
    return recordEnds_[r] - begin;
}

std::string_view AddressTable::Field(std::size_t record, std::size_t field) const {
    const std::size_t r = record + firstRecord_;
    const std::size_t first = r == 0 ? 0 : recordEnds_[r - 1];
    const std::size_t index = first + field;
    if (index >= recordEnds_[r])
        return {};
    const std::size_t begin = index == 0 ? 0 : fieldEnds_[index - 1];
    return std::string_view(cells_).substr(begin, fieldEnds_[index] - begin);
}

bool AddressTable::IsBlank(std::size_t record) const {
    const std::size_t count = FieldCount(record);
    for (std::size_t f = 0; f < count; ++f) {
        for (const char c : Field(record, f)) {
            if (c != ' ' && c != '\t' && c != '\r' && c != '\n')
                return false;
        }
    }
    return true;
}

void AddressTable::EndRecord(std::size_t line) {
    recordEnds_.push_back(fieldEnds_.size());
    lines_.push_back(line);
}

void AddressTable::DropFirstRecord() {
    if (lines_.empty())
        return;
    lines_.erase(lines_.begin());
    ++firstRecord_;
}

}  // namespace tagmora
