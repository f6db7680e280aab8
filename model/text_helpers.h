#pragma once
// The two small text operations that the model, the drawing and the windows all need.

#include <string>
#include <vector>

namespace tagmora {

// Every occurrence of from (exact, case-sensitive, left to right, not overlapping) replaced by to.
std::string ReplaceAll(const std::string& text, const std::string& from, const std::string& to);

// Every carriage return ends a line and belongs to none; the text after the last one, empty when the text
// ends with one, is a line of its own. Line feeds are kept: with CR LF breaks, every line after the first
// starts with its LF.
std::vector<std::string> SplitAtCarriageReturns(const std::string& text);

}  // namespace tagmora
