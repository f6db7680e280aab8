// Feeds arbitrary bytes to the printers.dat reader and stops at the first input that breaks what printing
// relies on: every printer the file aligns has a map with an inverse that keeps the page's corners finite;
// the text written back reads as the same set (so storing one printer never changes another's state); and
// a printer stored from its own points reads back aligned.

#include <cmath>
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "alignment/printers_file.h"

namespace tagmora {
namespace {

void Require(bool condition) {
    if (!condition)
        __builtin_trap();
}

void RequireFiniteCorners(const AffineMap& map) {
    for (const auto& [x, y] : {std::pair{0.0, 0.0}, {360.0, 0.0}, {0.0, 360.0}, {360.0, 360.0}})
        Require(std::isfinite(map.MapX(x, y)) && std::isfinite(map.MapY(x, y)));
}

}  // namespace
}  // namespace tagmora

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace tagmora;
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    const PrinterAlignments read(text);
    const std::string written = read.Text();
    const PrinterAlignments again(written);
    Require(again.Text() == written);

    // The printer names the file holds, from its lines.
    for (std::size_t start = 0; start < written.size();) {
        std::size_t end = written.find("\r\n", start);
        if (end == std::string::npos)
            end = written.size();
        const std::string_view line = std::string_view(written).substr(start, end - start);
        start = end + 2;
        const std::size_t equals = line.rfind('=');
        if (equals == std::string_view::npos || equals == 0)
            continue;
        const std::string_view printer = line.substr(0, equals);
        Require(again.StateOf(printer) == read.StateOf(printer));
        if (const PrinterAlignment* alignment = read.Find(printer)) {
            RequireFiniteCorners(alignment->printerMap);
            const auto correction = Inverse(alignment->printerMap);
            Require(correction.has_value());
            RequireFiniteCorners(*correction);
            PrinterAlignments stored;
            Require(stored.Store(printer, alignment->points));
            Require(PrinterAlignments(stored.Text()).StateOf(printer) == AlignmentState::Aligned);
        }
    }
    return 0;
}
