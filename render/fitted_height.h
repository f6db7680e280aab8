#pragma once
// The arithmetic of fitted text, apart from the platform: splitting a text into its measured lines, the
// rule that decides whether the lines fit at one font height, the search for the largest such height,
// and the caches that let a sheet of labels find its heights without creating hundreds of fonts per text.

#include <array>
#include <bitset>
#include <cstddef>
#include <cstdint>
#include <functional>
#include <map>
#include <string>
#include <tuple>
#include <unordered_map>
#include <vector>

namespace tagmora {

struct TextExtent {
    std::int32_t width = 0;
    std::int32_t height = 0;
};

// No font is taller than this, whatever the rectangle: bounds the search for absurd rectangles.
constexpr int kMaxFittedHeight = 32767;

// Whether the lines fit at font height h: they fail as soon as one line is wider than the rectangle or the
// running sum of line heights exceeds its height, and the lines are measured only while they still fit.
// Where that rule alone would never end, two bounds end it: lines that all measure 0 high fail at the
// first h taller than the rectangle, and no h above kMaxFittedHeight fits (a face whose cell stops
// growing, such as a bitmap face, meets that one).
bool LinesFitAt(int h, const std::vector<std::string>& lines, std::int32_t width, std::int32_t height,
                const std::function<TextExtent(const std::string& line)>& measure);

// Tries h = 1, 2, 3, ... and stops at the first h that does not fit: the height is h - 1, or 1 when
// even 1 does not fit. Extents need not grow with the height, so no height may be skipped.
int SearchFittedHeight(const std::function<bool(int h)>& fitsAt);

// What the measured extents of a font depend on besides its height and face: the device's resolution and
// kind, and the device context's mapping from logical to device units.
struct DeviceKey {
    std::array<std::int64_t, 16> values{};
    bool operator<(const DeviceKey& other) const { return values < other.values; }
    bool operator==(const DeviceKey& other) const { return values == other.values; }
};

// The metrics of one face on one device at every height measured so far: the height of a line with
// characters, the height of an empty line, and the advance width of each single-byte character.
// Measuring a line from it is exact when the platform measures a line as the sum of its characters'
// advances (single-byte code pages, no character extra, no scaling between logical and device units).
class FontMetricsTable {
  public:
    using ByteSet = std::bitset<256>;
    enum class Exactness { Unknown, Exact, Inexact };

    // Whether lines may be measured from the table on this face and device; found out once, with the
    // first font realised for it.
    Exactness exactness = Exactness::Unknown;

    static ByteSet BytesOf(const std::string& text);
    // True when height h has its line heights and the advances of every byte in `needed`.
    bool Covers(int h, const ByteSet& needed) const;
    // The bytes of `needed` whose advances at h are still unknown.
    ByteSet Missing(int h, const ByteSet& needed) const;
    void StoreLineHeights(int h, std::int32_t lineHeight, std::int32_t emptyLineHeight);
    void StoreAdvance(int h, unsigned char byte, std::int32_t advance);
    bool HasLineHeights(int h) const;
    TextExtent Measure(int h, const std::string& line) const;

  private:
    struct Height {
        bool hasLineHeights = false;
        std::int32_t lineHeight = 0;
        std::int32_t emptyLineHeight = 0;
        ByteSet known;
        std::array<std::int32_t, 256> advance{};
    };
    const Height* Find(int h) const;
    Height& At(int h);
    std::vector<Height> heights_;  // index h - 1
};

// Found heights and metrics tables, bounded: a full cache is emptied and refilled, which at worst costs
// one sheet's searches again.
class FittedHeightCache {
  public:
    static constexpr std::size_t kMaxHeights = 4096;
    static constexpr std::size_t kMaxTables = 16;

    // 0 when not known.
    int FindHeight(const DeviceKey& device, const std::string& face, std::int32_t width, std::int32_t height,
                   const std::string& text) const;
    void StoreHeight(const DeviceKey& device, const std::string& face, std::int32_t width,
                     std::int32_t height, const std::string& text, int fittedHeight);
    FontMetricsTable& Table(const DeviceKey& device, const std::string& face);
    void Clear();
    std::size_t HeightCount() const { return heights_.size(); }

  private:
    struct HeightKey {
        DeviceKey device;
        std::string face;
        std::int32_t width;
        std::int32_t height;
        std::string text;
        bool operator==(const HeightKey& o) const {
            return device == o.device && width == o.width && height == o.height && face == o.face &&
                   text == o.text;
        }
    };
    struct HeightKeyHash {
        std::size_t operator()(const HeightKey& key) const;
    };
    std::unordered_map<HeightKey, int, HeightKeyHash> heights_;
    std::map<std::pair<DeviceKey, std::string>, FontMetricsTable> tables_;
};

}  // namespace tagmora
