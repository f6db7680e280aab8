#include "render/fitted_text.h"

#include <cstring>
#include <iterator>
#include <memory>

namespace tagmora {

namespace {

constexpr int kFittedWeight = 400;
constexpr BYTE kVariablePitchRoman = 0x12;
constexpr const char* kFallbackFace = "Helvetica";

TextExtent MeasureLine(HDC dc, const std::string& line) {
    SIZE size{};
    GetTextExtentPoint32A(dc, line.data(), static_cast<int>(line.size()), &size);
    return {size.cx, size.cy};
}

// The extents at one height, measured directly on the device context.
bool FitsMeasuringDirectly(HDC dc, int h, const std::vector<std::string>& lines, const std::string& face,
                           std::int32_t width, std::int32_t height) {
    Font font;
    std::unique_ptr<ScopedSelection> selection;
    return LinesFitAt(h, lines, width, height, [&](const std::string& line) {
        if (!font) {
            font = CreateFittedFont(face, h);
            selection = std::make_unique<ScopedSelection>(dc, font.Get());
        }
        return MeasureLine(dc, line);
    });
}

// Summing advances gives the platform's own line width only when logical and device units are the same,
// no extra space goes between characters, and every byte is one character.
bool DeviceMeasuresBySummingAdvances(HDC dc) {
    if (GetMapMode(dc) != MM_TEXT || GetTextCharacterExtra(dc) != 0)
        return false;
    if (GetGraphicsMode(dc) == GM_ADVANCED) {
        XFORM transform{};
        if (!GetWorldTransform(dc, &transform))
            return false;
        if (transform.eM11 != 1.0f || transform.eM12 != 0.0f || transform.eM21 != 0.0f ||
            transform.eM22 != 1.0f) {
            return false;
        }
    }
    return true;
}

// The realised font (selected into dc) converts bytes to characters with its charset's code page.
bool SelectedFontIsSingleByte(HDC dc) {
    CHARSETINFO info{};
    const UINT charset = static_cast<UINT>(GetTextCharset(dc));
    if (!TranslateCharsetInfo(reinterpret_cast<DWORD*>(static_cast<ULONG_PTR>(charset)), &info,
                              TCI_SRCCHARSET)) {
        return false;
    }
    CPINFO codePage{};
    return GetCPInfo(info.ciACP, &codePage) && codePage.MaxCharSize == 1;
}

// Line feeds and printable ASCII: what addresses are mostly made of.
FontMetricsTable::ByteSet CommonBytes() {
    FontMetricsTable::ByteSet bytes;
    bytes.set('\n');
    for (int byte = 0x20; byte < 0x7F; ++byte)
        bytes.set(static_cast<std::size_t>(byte));
    return bytes;
}

// Fills the table at height h with the line heights and the advances of the needed bytes. The common
// bytes come along at once: fetching them with the first font of a height costs less than selecting that
// font again for every later text that brings a new letter. While the font is selected, the lines of the
// text at hand are measured by the platform too: should its widths ever differ from the summed advances,
// the table is given up for this face and device.
void MeasureIntoTable(HDC dc, FontMetricsTable& table, const std::string& face, int h,
                      const std::vector<std::string>& lines, const FontMetricsTable::ByteSet& needed) {
    if (table.HasLineHeights(h) && table.Missing(h, needed).none())
        return;
    const FontMetricsTable::ByteSet missing = table.Missing(h, needed | CommonBytes());
    const Font font = CreateFittedFont(face, h);
    const ScopedSelection selection(dc, font.Get());
    if (table.exactness == FontMetricsTable::Exactness::Unknown) {
        table.exactness = SelectedFontIsSingleByte(dc) ? FontMetricsTable::Exactness::Exact
                                                       : FontMetricsTable::Exactness::Inexact;
    }
    if (!table.HasLineHeights(h)) {
        table.StoreLineHeights(h, MeasureLine(dc, " ").height, MeasureLine(dc, std::string()).height);
    }
    for (int first = 0; first < 256; ++first) {
        if (!missing.test(static_cast<std::size_t>(first)))
            continue;
        int last = first;
        while (last + 1 < 256 && missing.test(static_cast<std::size_t>(last + 1)))
            ++last;
        INT advances[256] = {};
        if (!GetCharWidth32A(dc, static_cast<UINT>(first), static_cast<UINT>(last), advances)) {
            table.exactness = FontMetricsTable::Exactness::Inexact;
            return;
        }
        for (int byte = first; byte <= last; ++byte) {
            table.StoreAdvance(h, static_cast<unsigned char>(byte), advances[byte - first]);
        }
        first = last;
    }
    for (const std::string& line : lines) {
        const TextExtent platform = MeasureLine(dc, line);
        const TextExtent summed = table.Measure(h, line);
        if (platform.width != summed.width || platform.height != summed.height) {
            table.exactness = FontMetricsTable::Exactness::Inexact;
            return;
        }
    }
}

// The search from the table; 0 when the table turns out not to measure as the platform does.
int SearchFromTable(HDC dc, FontMetricsTable& table, const std::string& face,
                    const std::vector<std::string>& lines, std::int32_t width, std::int32_t height) {
    FontMetricsTable::ByteSet needed;
    for (const std::string& line : lines)
        needed |= FontMetricsTable::BytesOf(line);
    const auto usable = [&table] { return table.exactness != FontMetricsTable::Exactness::Inexact; };
    const int fitted = SearchFittedHeight([&](int h) {
        bool measured = false;
        return usable() && LinesFitAt(h, lines, width, height, [&](const std::string& line) {
                   if (!measured) {
                       MeasureIntoTable(dc, table, face, h, lines, needed);
                       measured = true;
                   }
                   // A table given up midway stops the search at once; the caller starts again.
                   return usable() ? table.Measure(h, line) : TextExtent{INT32_MAX, INT32_MAX};
               });
    });
    return usable() ? fitted : 0;
}

}  // namespace

Font CreateFittedFont(const std::string& face, int height) {
    LOGFONTA font{};
    font.lfHeight = height;
    font.lfWeight = kFittedWeight;
    font.lfCharSet = ANSI_CHARSET;
    font.lfOutPrecision = OUT_DEFAULT_PRECIS;
    font.lfClipPrecision = CLIP_DEFAULT_PRECIS;
    font.lfQuality = DEFAULT_QUALITY;
    font.lfPitchAndFamily = kVariablePitchRoman;
    lstrcpynA(font.lfFaceName, face.c_str(), LF_FACESIZE);
    HFONT created = CreateFontIndirectA(&font);
    if (!created) {
        lstrcpynA(font.lfFaceName, kFallbackFace, LF_FACESIZE);
        created = CreateFontIndirectA(&font);
    }
    return Font(created);
}

HFONT FontCache::Get(const std::string& face, int height, HFONT selected) {
    auto key = std::make_pair(face, height);
    const auto found = fonts_.find(key);
    if (found != fonts_.end())
        return found->second.Get();
    if (fonts_.size() >= kMaxFonts) {
        for (auto it = fonts_.begin(); it != fonts_.end();) {
            it = it->second.Get() == selected ? std::next(it) : fonts_.erase(it);
        }
    }
    Font font = CreateFittedFont(face, height);
    HFONT handle = font.Get();
    if (handle)
        fonts_.emplace(std::move(key), std::move(font));
    return handle;
}

DeviceDescription ReadDeviceDescription(HDC dc) {
    return {GetDeviceCaps(dc, TECHNOLOGY), GetDeviceCaps(dc, LOGPIXELSX), GetDeviceCaps(dc, LOGPIXELSY),
            GetDeviceCaps(dc, HORZRES), GetDeviceCaps(dc, VERTRES)};
}

DeviceKey ReadDeviceKey(HDC dc, const DeviceDescription& device) {
    DeviceKey key;
    auto& v = key.values;
    v[0] = device.technology;
    v[1] = device.pixelsPerInchX;
    v[2] = device.pixelsPerInchY;
    v[3] = device.width;
    v[4] = device.height;
    v[5] = GetMapMode(dc);
    SIZE extent{};
    GetWindowExtEx(dc, &extent);
    v[6] = extent.cx;
    v[7] = extent.cy;
    GetViewportExtEx(dc, &extent);
    v[8] = extent.cx;
    v[9] = extent.cy;
    v[10] = GetTextCharacterExtra(dc);
    v[11] = GetGraphicsMode(dc);
    if (v[11] == GM_ADVANCED) {
        XFORM transform{};
        GetWorldTransform(dc, &transform);
        const float scales[4] = {transform.eM11, transform.eM12, transform.eM21, transform.eM22};
        for (int i = 0; i < 4; ++i) {
            std::uint32_t bits = 0;
            std::memcpy(&bits, &scales[i], sizeof bits);
            v[static_cast<std::size_t>(12 + i)] = bits;
        }
    }
    return key;
}

int FindFittedHeightLinear(HDC dc, const std::vector<std::string>& lines, const std::string& face,
                           std::int32_t width, std::int32_t height) {
    return SearchFittedHeight(
        [&](int h) { return FitsMeasuringDirectly(dc, h, lines, face, width, height); });
}

int FindFittedHeightFast(HDC dc, const DeviceDescription& description, const std::string& text,
                         const std::vector<std::string>& lines, const std::string& face, std::int32_t width,
                         std::int32_t height, FittedHeightCache& cache) {
    const DeviceKey device = ReadDeviceKey(dc, description);
    if (const int known = cache.FindHeight(device, face, width, height, text))
        return known;

    FontMetricsTable& table = cache.Table(device, face);
    if (!DeviceMeasuresBySummingAdvances(dc))
        table.exactness = FontMetricsTable::Exactness::Inexact;
    int fitted = SearchFromTable(dc, table, face, lines, width, height);
    if (fitted == 0)
        fitted = FindFittedHeightLinear(dc, lines, face, width, height);
    cache.StoreHeight(device, face, width, height, text, fitted);
    return fitted;
}

}  // namespace tagmora
