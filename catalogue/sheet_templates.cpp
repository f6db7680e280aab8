#include "catalogue/sheet_templates.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <map>
#include <memory>
#include <variant>

#include "catalogue/xml_reader.h"

namespace tagmora {

namespace {

// Why a part number is left out, in the order the rules are tried.
enum Reason {
    kNotRectangles,
    kNotOneGrid,
    kNoPaper,
    kPaperSize,
    kColumns,
    kLabels,
    kOverlap,
    kOutside,
    kBadLength,
    kNoTarget,
    kReasonCount
};

constexpr const char* kReasonTexts[kReasonCount] = {
    "labels not rectangles, or of more than one kind",
    "not one regular grid",
    "no sheet of paper (a roll or an unknown size)",
    "paper outside 150-250 x 240-360 mm",
    "more than 8 columns",
    "more than 128 labels",
    "labels overlapping their neighbours",
    "labels reaching outside the paper",
    "a length that cannot be read",
    "an alias of a part the data does not hold",
};

// Only the error of converting inches and points in double precision is forgiven: a label the data puts
// half a micrometre past the paper's edge is outside it, as the rule says.
constexpr double kToleranceMm = 1e-6;

struct Paper {
    double width = 0;
    double height = 0;
    std::string name;
};

using Verdict = std::variant<TemplateGeometry, Reason>;

std::string AttributeOr(const XmlElement& element, std::string_view name) {
    const std::string* value = element.Attribute(name);
    return value ? *value : std::string();
}

std::optional<int> Count(const XmlElement& element, std::string_view name) {
    const std::string* value = element.Attribute(name);
    if (!value || value->empty() || value->size() > 6)
        return std::nullopt;
    char* end = nullptr;
    const long count = std::strtol(value->c_str(), &end, 10);
    if (*end != '\0' || count < 1)
        return std::nullopt;
    return static_cast<int>(count);
}

std::optional<double> Length(const XmlElement& element, std::string_view name) {
    const std::string* value = element.Attribute(name);
    return value ? LengthInMillimetres(*value) : std::optional<double>(0.0);
}

Verdict Judge(const XmlElement& product, const std::map<std::string, Paper>& papers) {
    const XmlElement* label = nullptr;
    int labelKinds = 0;
    for (const XmlElement& child : product.children) {
        if (child.name.rfind("Label-", 0) == 0) {
            ++labelKinds;
            label = &child;
        }
    }
    if (labelKinds != 1 || label->name != "Label-rectangle")
        return kNotRectangles;
    const XmlElement* layout = nullptr;
    int layouts = 0;
    for (const XmlElement& child : label->children) {
        if (child.name == "Layout") {
            ++layouts;
            layout = &child;
        }
    }
    if (layouts != 1)
        return kNotOneGrid;

    TemplateGeometry g;
    const std::string size = AttributeOr(product, "size");
    if (size == "other" || size == "Other") {
        const auto width = Length(product, "width");
        const auto height = Length(product, "height");
        if (!width || !height)
            return kBadLength;
        g.paperWidth = *width;
        g.paperHeight = *height;
    } else {
        const auto paper = papers.find(size);
        if (paper == papers.end())
            return kNoPaper;
        g.paperWidth = paper->second.width;
        g.paperHeight = paper->second.height;
    }
    if (g.paperWidth < 150 || g.paperWidth > 250 || g.paperHeight < 240 || g.paperHeight > 360)
        return kPaperSize;

    const auto nx = Count(*layout, "nx");
    const auto ny = Count(*layout, "ny");
    if (!nx || !ny)
        return kNotOneGrid;
    g.nx = *nx;
    g.ny = *ny;
    if (g.nx > kMaxProductColumns)
        return kColumns;
    if (g.nx * g.ny > kMaxProductLabels)
        return kLabels;

    const auto width = Length(*label, "width");
    const auto height = Length(*label, "height");
    const auto x0 = Length(*layout, "x0");
    const auto y0 = Length(*layout, "y0");
    const auto dx = Length(*layout, "dx");
    const auto dy = Length(*layout, "dy");
    if (!width || !height || !x0 || !y0 || !dx || !dy || *width <= 0 || *height <= 0)
        return kBadLength;
    g.labelWidth = *width;
    g.labelHeight = *height;
    g.x0 = *x0;
    g.y0 = *y0;
    // A pitch means nothing along a single column or row; the data often gives 0 there.
    g.dx = g.nx > 1 ? *dx : g.labelWidth;
    g.dy = g.ny > 1 ? *dy : g.labelHeight;
    if (g.dx < g.labelWidth - kToleranceMm || g.dy < g.labelHeight - kToleranceMm)
        return kOverlap;
    if (g.x0 < -kToleranceMm || g.y0 < -kToleranceMm ||
        g.x0 + (g.nx - 1) * g.dx + g.labelWidth > g.paperWidth + kToleranceMm ||
        g.y0 + (g.ny - 1) * g.dy + g.labelHeight > g.paperHeight + kToleranceMm)
        return kOutside;
    return g;
}

struct AxisFit {
    std::int32_t nearMargin = 0;
    std::int32_t gap = 0;
    std::int32_t farMargin = 0;
    double error = 0;
    bool found = false;
};

// One direction of the grid in hundredths: the margin, gap and far margin whose laid-out edges
// (margin + i x (size + gap), size being what the paper leaves divided among n) come nearest the data's.
// The far margin sets the pitch to a hundredth divided by n, so a search a few hundredths around each
// rounded value finds a fit within a hundredth everywhere, where rounding each length alone can be several
// hundredths off by the last column of an inch-based sheet.
AxisFit FitAxis(double paperMm, int n, double offsetMm, double sizeMm, double pitchMm) {
    const double offset = offsetMm * 100;
    const double size = sizeMm * 100;
    const double pitch = pitchMm * 100;
    const std::int32_t paper = static_cast<std::int32_t>(std::lround(paperMm * 100));
    const std::int32_t margin0 = static_cast<std::int32_t>(std::lround(offset));
    const std::int32_t gap0 = n > 1 ? static_cast<std::int32_t>(std::lround(pitch - size)) : 0;
    const std::int32_t span0 = static_cast<std::int32_t>(std::lround(n * pitch));
    const int gapReach = n > 1 ? 2 : 0;
    AxisFit best;
    for (std::int32_t margin = std::max(0, margin0 - 2); margin <= margin0 + 2; ++margin) {
        for (std::int32_t gap = std::max(0, gap0 - gapReach); gap <= gap0 + gapReach; ++gap) {
            for (std::int32_t span = span0 - 3; span <= span0 + 3; ++span) {
                // span is n x (size + gap): the far margin follows from it.
                const std::int32_t farMargin = paper - margin + gap - span;
                if (farMargin < 0)
                    continue;
                const double laidSize =
                    (static_cast<double>(paper) - margin - farMargin - (n - 1.0) * gap) / n;
                if (laidSize <= 0)
                    continue;
                double error = 0;
                for (int i = 0; i < n; ++i) {
                    const double edge = margin + i * (laidSize + gap);
                    error = std::max(error, std::fabs(edge - (offset + i * pitch)));
                    error = std::max(error, std::fabs(edge + laidSize - (offset + i * pitch + size)));
                }
                if (!best.found || error < best.error)
                    best = AxisFit{margin, gap, farMargin, error, true};
            }
        }
    }
    return best;
}

struct Entry {
    const XmlElement* element = nullptr;
    std::string brand;
    std::string part;
    std::string equiv;
    std::string description;
};

std::string Lower(std::string text) {
    for (char& c : text) {
        if (c >= 'A' && c <= 'Z')
            c = static_cast<char>(c - 'A' + 'a');
    }
    return text;
}

}  // namespace

std::optional<double> LengthInMillimetres(std::string_view text) {
    while (!text.empty() && (text.front() == ' ' || text.front() == '\t'))
        text.remove_prefix(1);
    while (!text.empty() && (text.back() == ' ' || text.back() == '\t'))
        text.remove_suffix(1);
    if (text.empty())
        return 0.0;
    if (text.size() > 40)
        return std::nullopt;
    const std::string number(text);
    char* end = nullptr;
    const double value = std::strtod(number.c_str(), &end);
    if (end == number.c_str() || !std::isfinite(value) || std::fabs(value) > 1e6)
        return std::nullopt;
    const std::string_view unit =
        std::string_view(number).substr(static_cast<std::size_t>(end - number.c_str()));
    if (unit.empty() || unit == "pt")
        return value * 25.4 / 72.0;
    if (unit == "mm")
        return value;
    if (unit == "cm")
        return value * 10.0;
    if (unit == "in")
        return value * 25.4;
    return std::nullopt;
}

ProductSheet SheetFromGeometry(const TemplateGeometry& data) {
    ProductSheet sheet;
    sheet.paperWidth = static_cast<std::int32_t>(std::lround(data.paperWidth * 100));
    sheet.paperHeight = static_cast<std::int32_t>(std::lround(data.paperHeight * 100));
    sheet.cols = data.nx;
    sheet.rows = data.ny;
    sheet.labelWidth = static_cast<std::int32_t>(std::lround(data.labelWidth * 100));
    sheet.labelHeight = static_cast<std::int32_t>(std::lround(data.labelHeight * 100));
    const AxisFit across = FitAxis(data.paperWidth, data.nx, data.x0, data.labelWidth, data.dx);
    const AxisFit down = FitAxis(data.paperHeight, data.ny, data.y0, data.labelHeight, data.dy);
    sheet.leftMargin = across.nearMargin;
    sheet.columnGap = across.gap;
    sheet.rightMargin = across.farMargin;
    sheet.topMargin = down.nearMargin;
    sheet.rowGap = down.gap;
    sheet.bottomMargin = down.farMargin;
    if (!across.found || !down.found)
        sheet.cols = 0;  // no fit inside the paper: the caller leaves the product out
    return sheet;
}

TemplateConversion ConvertTemplates(const std::vector<std::string>& templateTexts,
                                    std::string_view paperSizesText) {
    TemplateConversion result;
    const XmlDocument paperDocument = ReadXml(paperSizesText);
    if (!paperDocument.error.empty()) {
        result.error = "paper sizes, " + paperDocument.error;
        return result;
    }
    std::map<std::string, Paper> papers;
    for (const XmlElement& size : paperDocument.root.children) {
        const auto width = Length(size, "width");
        const auto height = Length(size, "height");
        if (size.name == "Paper-size" && width && height)
            papers[AttributeOr(size, "id")] = Paper{*width, *height, AttributeOr(size, "name")};
    }

    std::vector<std::unique_ptr<XmlDocument>> documents;
    std::vector<Entry> entries;
    for (std::size_t file = 0; file < templateTexts.size(); ++file) {
        documents.push_back(std::make_unique<XmlDocument>(ReadXml(templateTexts[file])));
        if (!documents.back()->error.empty()) {
            result.error = "template file " + std::to_string(file + 1) + ", " + documents.back()->error;
            return result;
        }
        for (const XmlElement& element : documents.back()->root.children) {
            if (element.name != "Template")
                continue;
            Entry entry{&element, AttributeOr(element, "brand"), AttributeOr(element, "part"),
                        AttributeOr(element, "equiv"), AttributeOr(element, "_description")};
            if (entry.description.empty())
                entry.description = AttributeOr(element, "description");
            entries.push_back(std::move(entry));
        }
    }
    result.partNumbers = static_cast<int>(entries.size());

    std::map<std::pair<std::string, std::string>, std::size_t> byPart;
    for (std::size_t i = 0; i < entries.size(); ++i)
        byPart.emplace(std::make_pair(entries[i].brand, entries[i].part), i);

    int leftOut[kReasonCount] = {};
    for (const Entry& entry : entries) {
        // An alias may name another alias; a few steps reach the template with the geometry.
        const Entry* source = &entry;
        for (int step = 0; source && !source->equiv.empty() && step < 8; ++step) {
            const auto found = byPart.find({source->brand, source->equiv});
            source = found == byPart.end() ? nullptr : &entries[found->second];
        }
        if (!source || !source->equiv.empty()) {
            ++leftOut[kNoTarget];
            continue;
        }
        const Verdict verdict = Judge(*source->element, papers);
        if (const Reason* reason = std::get_if<Reason>(&verdict)) {
            ++leftOut[*reason];
            continue;
        }
        const TemplateGeometry& data = std::get<TemplateGeometry>(verdict);
        ConvertedProduct product{SheetFromGeometry(data), data};
        if (product.sheet.cols == 0) {
            ++leftOut[kOutside];
            continue;
        }
        product.sheet.maker = entry.brand;
        product.sheet.part = entry.part;
        product.sheet.description = entry.description.empty() ? source->description : entry.description;
        const auto paper = papers.find(AttributeOr(*source->element, "size"));
        if (paper != papers.end())
            product.sheet.paperName = paper->second.name;
        result.products.push_back(std::move(product));
    }
    for (int reason = 0; reason < kReasonCount; ++reason)
        result.leftOut.emplace_back(kReasonTexts[reason], leftOut[reason]);

    std::stable_sort(result.products.begin(), result.products.end(),
                     [](const ConvertedProduct& a, const ConvertedProduct& b) {
                         const std::string makerA = Lower(a.sheet.maker), makerB = Lower(b.sheet.maker);
                         if (makerA != makerB)
                             return makerA < makerB;
                         return Lower(a.sheet.part) < Lower(b.sheet.part);
                     });
    return result;
}

}  // namespace tagmora
