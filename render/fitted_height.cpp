#include "render/fitted_height.h"

#include <algorithm>

namespace tagmora {

bool LinesFitAt(int h, const std::vector<std::string>& lines, std::int32_t width, std::int32_t height,
                const std::function<TextExtent(const std::string& line)>& measure) {
    if (h > kMaxFittedHeight)
        return false;
    std::int64_t runningHeight = 0;
    for (const std::string& line : lines) {
        const TextExtent extent = measure(line);
        if (extent.width > width)
            return false;
        runningHeight += extent.height;
        if (runningHeight > height)
            return false;
    }
    // Lines that all measure 0 high (empty lines only) would fit at every height: such a text stops at
    // the first font taller than its rectangle instead of at the cap.
    return runningHeight > 0 || h <= height;
}

int SearchFittedHeight(const std::function<bool(int h)>& fitsAt) {
    int h = 1;
    while (h <= kMaxFittedHeight && fitsAt(h))
        ++h;
    return std::max(1, h - 1);
}

FontMetricsTable::ByteSet FontMetricsTable::BytesOf(const std::string& text) {
    ByteSet bytes;
    for (const char c : text)
        bytes.set(static_cast<unsigned char>(c));
    return bytes;
}

const FontMetricsTable::Height* FontMetricsTable::Find(int h) const {
    if (h < 1 || static_cast<std::size_t>(h) > heights_.size())
        return nullptr;
    return &heights_[static_cast<std::size_t>(h) - 1];
}

FontMetricsTable::Height& FontMetricsTable::At(int h) {
    if (static_cast<std::size_t>(h) > heights_.size())
        heights_.resize(static_cast<std::size_t>(h));
    return heights_[static_cast<std::size_t>(h) - 1];
}

bool FontMetricsTable::HasLineHeights(int h) const {
    const Height* entry = Find(h);
    return entry && entry->hasLineHeights;
}

bool FontMetricsTable::Covers(int h, const ByteSet& needed) const {
    const Height* entry = Find(h);
    return entry && entry->hasLineHeights && (needed & ~entry->known).none();
}

FontMetricsTable::ByteSet FontMetricsTable::Missing(int h, const ByteSet& needed) const {
    const Height* entry = Find(h);
    return entry ? (needed & ~entry->known) : needed;
}

void FontMetricsTable::StoreLineHeights(int h, std::int32_t lineHeight, std::int32_t emptyLineHeight) {
    Height& entry = At(h);
    entry.hasLineHeights = true;
    entry.lineHeight = lineHeight;
    entry.emptyLineHeight = emptyLineHeight;
}

void FontMetricsTable::StoreAdvance(int h, unsigned char byte, std::int32_t advance) {
    Height& entry = At(h);
    entry.known.set(byte);
    entry.advance[byte] = advance;
}

TextExtent FontMetricsTable::Measure(int h, const std::string& line) const {
    const Height* entry = Find(h);
    if (!entry)
        return {};
    std::int64_t width = 0;
    for (const char c : line)
        width += entry->advance[static_cast<unsigned char>(c)];
    const std::int32_t clamped = static_cast<std::int32_t>(std::min<std::int64_t>(width, INT32_MAX));
    return {clamped, line.empty() ? entry->emptyLineHeight : entry->lineHeight};
}

std::size_t FittedHeightCache::HeightKeyHash::operator()(const HeightKey& key) const {
    std::size_t seed = std::hash<std::string>{}(key.text);
    const auto mix = [&seed](std::size_t value) {
        seed ^= value + 0x9E3779B97F4A7C15ull + (seed << 6) + (seed >> 2);
    };
    mix(std::hash<std::string>{}(key.face));
    mix(static_cast<std::size_t>(key.width));
    mix(static_cast<std::size_t>(key.height));
    for (const std::int64_t value : key.device.values)
        mix(static_cast<std::size_t>(value));
    return seed;
}

int FittedHeightCache::FindHeight(const DeviceKey& device, const std::string& face, std::int32_t width,
                                  std::int32_t height, const std::string& text) const {
    const auto found = heights_.find(HeightKey{device, face, width, height, text});
    return found == heights_.end() ? 0 : found->second;
}

void FittedHeightCache::StoreHeight(const DeviceKey& device, const std::string& face, std::int32_t width,
                                    std::int32_t height, const std::string& text, int fittedHeight) {
    if (heights_.size() >= kMaxHeights)
        heights_.clear();
    heights_[HeightKey{device, face, width, height, text}] = fittedHeight;
}

FontMetricsTable& FittedHeightCache::Table(const DeviceKey& device, const std::string& face) {
    auto key = std::make_pair(device, face);
    auto found = tables_.find(key);
    if (found != tables_.end())
        return found->second;
    if (tables_.size() >= kMaxTables)
        tables_.clear();
    return tables_[std::move(key)];
}

void FittedHeightCache::Clear() {
    heights_.clear();
    tables_.clear();
}

}  // namespace tagmora
