#pragma once
// The headers of a ".bmp" file held against the file's real size before the platform's loader sees it.
// Wine's loader reads wherever the headers point and faults on a file cut short, or one whose pixels are
// said to lie past its end; a logo file like that would crash every start of the program.

#include <cstddef>
#include <cstdint>
#include <string_view>

namespace tagmora {

// The file header and the largest information header: all of a file that the check reads.
constexpr std::size_t kBitmapHeadBytes = 14 + 124;
// Far past any logo. Beyond them a loader may miscount the memory a picture needs.
constexpr std::int64_t kMaxBitmapSide = 32767;
constexpr std::int64_t kMaxBitmapPixels = std::int64_t{1} << 28;

// Whether a file of fileSize bytes that begins with `head` (its first kBitmapHeadBytes bytes, or all of it
// when it is shorter) is an uncompressed or run-length bitmap whose headers, colour table and pixels all lie
// inside the file, no larger than the limits above.
bool IsWholeBitmapFile(std::string_view head, std::uint64_t fileSize);

}  // namespace tagmora
