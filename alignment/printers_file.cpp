#include "alignment/printers_file.h"

#include <optional>

#include "alignment/millimetre_text.h"
#include "model/data_file.h"
#include "model/working_folder.h"

namespace tagmora {
namespace {

// Printer names differ only in case for the spooler, not in anything else.
bool SameName(std::string_view a, std::string_view b) {
    if (a.size() != b.size())
        return false;
    for (std::size_t i = 0; i < a.size(); ++i) {
        const auto lower = [](char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; };
        if (lower(a[i]) != lower(b[i]))
            return false;
    }
    return true;
}

std::vector<std::string_view> Split(std::string_view text, char separator) {
    std::vector<std::string_view> parts;
    for (std::size_t start = 0;;) {
        const std::size_t end = text.find(separator, start);
        parts.push_back(
            text.substr(start, end == std::string_view::npos ? std::string_view::npos : end - start));
        if (end == std::string_view::npos)
            return parts;
        start = end + 1;
    }
}

// "x,y,dx,dy;..." with "." decimals only: a "," inside a number would be taken for the next one.
std::optional<std::vector<AlignmentPoint>> ParsePoints(std::string_view text) {
    std::vector<AlignmentPoint> points;
    for (const std::string_view point : Split(text, ';')) {
        const std::vector<std::string_view> numbers = Split(point, ',');
        if (numbers.size() != 4)
            return std::nullopt;
        double values[4];
        for (std::size_t i = 0; i < 4; ++i) {
            const std::optional<double> value = ParseMillimetres(numbers[i]);
            // Nothing on a page lies a metre away from it.
            if (!value || *value < -1000 || *value > 1000)
                return std::nullopt;
            values[i] = *value;
        }
        points.push_back({values[0], values[1], values[2], values[3]});
    }
    return points;
}

std::string PointsText(const std::vector<AlignmentPoint>& points) {
    std::string text;
    for (const AlignmentPoint& p : points) {
        if (!text.empty())
            text += ';';
        text += MillimetreText(p.x) + "," + MillimetreText(p.y) + "," + MillimetreText(p.dx) + "," +
                MillimetreText(p.dy);
    }
    return text;
}

}  // namespace

PrinterAlignments::PrinterAlignments(std::string_view text) {
    // CR LF, LF or a lone CR ends a line: a name never holds a line break.
    std::string lines(text);
    for (char& c : lines)
        c = c == '\r' ? '\n' : c;
    for (const std::string_view lineText : Split(lines, '\n')) {
        if (lineText.empty() || lineText == kPrintersFileHeader)
            continue;
        Line line;
        line.text = std::string(lineText);
        // The points hold no "=", so the last one ends the name, whatever the name holds.
        const std::size_t equals = lineText.rfind('=');
        if (equals != std::string_view::npos && equals > 0) {
            line.printer = std::string(lineText.substr(0, equals));
            if (const auto points = ParsePoints(lineText.substr(equals + 1))) {
                if (const auto printerMap = SolvePrinterMap(*points)) {
                    line.sound = true;
                    line.alignment = {line.printer, *points, *printerMap};
                }
            }
        }
        lines_.push_back(std::move(line));
    }
}

const PrinterAlignments::Line* PrinterAlignments::LineOf(std::string_view printer) const {
    // The first line of a name counts, as a file edited by hand may hold two.
    for (const Line& line : lines_) {
        if (!line.printer.empty() && SameName(line.printer, printer))
            return &line;
    }
    return nullptr;
}

AlignmentState PrinterAlignments::StateOf(std::string_view printer) const {
    const Line* line = LineOf(printer);
    return !line ? AlignmentState::None : line->sound ? AlignmentState::Aligned : AlignmentState::Damaged;
}

const PrinterAlignment* PrinterAlignments::Find(std::string_view printer) const {
    const Line* line = LineOf(printer);
    return line && line->sound ? &line->alignment : nullptr;
}

bool PrinterAlignments::Store(std::string_view printer, const std::vector<AlignmentPoint>& points) {
    // A name with a line break would split its line; one without characters names nothing.
    if (printer.empty() || printer.find_first_of("\r\n") != std::string_view::npos)
        return false;
    // Kept as the file will read back: the points to the thousandth, as their text says.
    Line line;
    line.printer = std::string(printer);
    line.text = line.printer + "=" + PointsText(points);
    const auto stored = ParsePoints(line.text.substr(line.printer.size() + 1));
    const auto printerMap = stored ? SolvePrinterMap(*stored) : std::nullopt;
    if (!printerMap)
        return false;
    line.sound = true;
    line.alignment = {line.printer, *stored, *printerMap};
    Remove(printer);
    lines_.push_back(std::move(line));
    return true;
}

void PrinterAlignments::Remove(std::string_view printer) {
    for (auto it = lines_.begin(); it != lines_.end();) {
        it = !it->printer.empty() && SameName(it->printer, printer) ? lines_.erase(it) : it + 1;
    }
}

std::string PrinterAlignments::Text() const {
    std::string text = std::string(kPrintersFileHeader) + "\r\n";
    for (const Line& line : lines_)
        text += line.text + "\r\n";
    return text;
}

PrinterAlignments ReadPrintersFile() {
    const FileText read = DataFile(WorkingFolder() + kPrintersFileName, false).Read();
    return read.failure ? PrinterAlignments() : PrinterAlignments(read.text);
}

bool WritePrintersFile(const PrinterAlignments& alignments) {
    return DataFile(WorkingFolder() + kPrintersFileName, false)
        .WriteAllText(alignments.Text(), true)
        .has_value();
}

}  // namespace tagmora
