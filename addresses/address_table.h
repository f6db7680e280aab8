#pragma once
// The records of an address file as fields of text, held in one buffer: a list of a million records must
// not cost a string per field in a 32-bit process.

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace tagmora {

class AddressTable {
  public:
    std::size_t RecordCount() const { return lines_.size(); }
    std::size_t FieldCount(std::size_t record) const;
    // Empty past the record's last field.
    std::string_view Field(std::size_t record, std::size_t field) const;
    // The file's line (from 1) on which the record starts.
    std::size_t Line(std::size_t record) const { return lines_[record]; }
    // True when every field is blank.
    bool IsBlank(std::size_t record) const;

    // The field being built grows with AppendToField; EndField closes it, EndRecord the record.
    void AppendToField(std::string_view text) { cells_.append(text.data(), text.size()); }
    void AppendToField(char c) { cells_ += c; }
    void EndField() { fieldEnds_.push_back(cells_.size()); }
    void EndRecord(std::size_t line);
    void DropFirstRecord();

  private:
    std::string cells_;
    std::vector<std::size_t> fieldEnds_;   // end offset of each field in cells_
    std::vector<std::size_t> recordEnds_;  // end index of each record in fieldEnds_
    std::vector<std::size_t> lines_;
    std::size_t firstRecord_ = 0;  // records dropped from the front stay stored but unseen
};

// Spaces and tabs cut from both ends.
std::string_view TrimBlanks(std::string_view text);

}  // namespace tagmora
