#include "colour/colour_pictures.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdlib>

#include "colour/colour_model.h"
#include "colour/picture_layout.h"

namespace tagmora {

namespace {

constexpr Colour kBlack = 0x00000000;

Picture Blank(int width, int height) {
    return {width, height, std::vector<Colour>(static_cast<std::size_t>(width) * height, kPictureWhite)};
}

void Set(Picture& picture, int x, int y, Colour colour) {
    if (x >= 0 && y >= 0 && x < picture.width && y < picture.height)
        picture.pixels[static_cast<std::size_t>(y) * picture.width + x] = colour;
}

int LargestDifference(Colour a, Colour b) {
    int largest = 0;
    for (int shift = 0; shift < 24; shift += 8)
        largest = std::max(
            largest, std::abs(static_cast<int>((a >> shift) & 0xFF) - static_cast<int>((b >> shift) & 0xFF)));
    return largest;
}

// One of the three visible faces of the cube: the parallelogram spanned by two axes from the centre. A
// point centre + a x first axis + b x second axis (a, b from 0 to 1) shows a x 255 and b x 255 in the two
// axes' channels and 0 in the third.
struct Face {
    DevicePoint firstEnd;
    DevicePoint secondEnd;
    int firstChannel;  // 0 red, 1 green, 2 blue
    int secondChannel;
};

constexpr Face kFaces[] = {{kRedAxisEnd, kGreenAxisEnd, 0, 1},
                           {kGreenAxisEnd, kBlueAxisEnd, 1, 2},
                           {kRedAxisEnd, kBlueAxisEnd, 0, 2}};

int ChannelValue(double fraction) {
    return std::max(0, std::min(255, static_cast<int>(std::lround(fraction * 255))));
}

// How far a pixel lies outside a face (0 or less: on it), in fractions of the axes, and the colour the
// face shows there (taken from the nearest point of the face).
double FaceColour(const Face& face, int x, int y, Colour& colour) {
    const double ux = face.firstEnd.x - kCubeCentre.x, uy = face.firstEnd.y - kCubeCentre.y;
    const double wx = face.secondEnd.x - kCubeCentre.x, wy = face.secondEnd.y - kCubeCentre.y;
    const double vx = x - kCubeCentre.x, vy = y - kCubeCentre.y;
    const double determinant = ux * wy - uy * wx;
    const double a = (vx * wy - vy * wx) / determinant;
    const double b = (ux * vy - uy * vx) / determinant;
    int channels[3] = {0, 0, 0};
    channels[face.firstChannel] = ChannelValue(a);
    channels[face.secondChannel] = ChannelValue(b);
    colour = ColourFromRgb({channels[0], channels[1], channels[2]});
    return std::max({-a, -b, a - 1, b - 1});
}

void DrawLine(Picture& picture, DevicePoint from, DevicePoint to, Colour colour) {
    const int dx = std::abs(to.x - from.x), sx = from.x < to.x ? 1 : -1;
    const int dy = -std::abs(to.y - from.y), sy = from.y < to.y ? 1 : -1;
    int error = dx + dy;
    for (DevicePoint p = from;;) {
        Set(picture, p.x, p.y, colour);
        if (p.x == to.x && p.y == to.y)
            return;
        const int twice = 2 * error;
        if (twice >= dy) {
            error += dy;
            p.x += sx;
        }
        if (twice <= dx) {
            error += dx;
            p.y += sy;
        }
    }
}

// A small arrowhead just beyond the axis end, pointing away from the centre, clear of the faces.
void DrawArrowhead(Picture& picture, DevicePoint end, Colour colour) {
    const double ex = end.x - kCubeCentre.x, ey = end.y - kCubeCentre.y;
    const double length = std::sqrt(ex * ex + ey * ey);
    const double ux = ex / length, uy = ey / length;
    const double tip[2] = {end.x + 9 * ux, end.y + 9 * uy};
    const double left[2] = {end.x + 4 * ux - 3 * uy, end.y + 4 * uy + 3 * ux};
    const double right[2] = {end.x + 4 * ux + 3 * uy, end.y + 4 * uy - 3 * ux};
    const auto side = [](const double* a, const double* b, double x, double y) {
        return (b[0] - a[0]) * (y - a[1]) - (b[1] - a[1]) * (x - a[0]);
    };
    for (int y = end.y - 8; y <= end.y + 8; ++y) {
        for (int x = end.x - 8; x <= end.x + 8; ++x) {
            const double s1 = side(tip, left, x, y), s2 = side(left, right, x, y),
                         s3 = side(right, tip, x, y);
            if ((s1 >= 0 && s2 >= 0 && s3 >= 0) || (s1 <= 0 && s2 <= 0 && s3 <= 0))
                Set(picture, x, y, colour);
        }
    }
}

void AddFault(std::string& faults, const std::string& fault) {
    faults += fault;
    faults += '\n';
}

void PutLittleEndian(std::string& bytes, std::uint32_t value, int size) {
    for (int i = 0; i < size; ++i)
        bytes += static_cast<char>((value >> (8 * i)) & 0xFF);
}

}  // namespace

Picture DrawHueWheel() {
    Picture wheel = Blank(kWheelWidth, kWheelHeight);
    for (int y = 0; y < wheel.height; ++y) {
        for (int x = 0; x < wheel.width; ++x) {
            if (Distance({x, y}, kWheelCentre) > kWheelRadius)
                continue;
            const HueSaturation read = HueSaturationFromPoint({x, y}, kWheelCentre);
            Set(wheel, x, y, ColourFromRgb(HsbToRgb({read.hue, read.saturation, 255})));
        }
    }
    return wheel;
}

Picture DrawRgbCube() {
    Picture cube = Blank(kCubeWidth, kCubeHeight);
    std::vector<bool> onFace(cube.pixels.size(), false);
    for (int y = 0; y < cube.height; ++y) {
        for (int x = 0; x < cube.width; ++x) {
            // The face the pixel lies deepest in; the faces reach a pixel and a half beyond their exact
            // edges, where the picker's truncated marker corners can fall.
            double outside = 1;
            Colour colour = 0;
            for (const Face& face : kFaces) {
                Colour faceColour = 0;
                const double faceOutside = FaceColour(face, x, y, faceColour);
                if (faceOutside < outside) {
                    outside = faceOutside;
                    colour = faceColour;
                }
            }
            if (outside <= 0.02) {
                Set(cube, x, y, colour);
                onFace[static_cast<std::size_t>(y) * cube.width + x] = true;
            }
        }
    }
    const auto faceAt = [&](int x, int y) {
        return x >= 0 && y >= 0 && x < cube.width && y < cube.height &&
               onFace[static_cast<std::size_t>(y) * cube.width + x];
    };
    for (int y = 0; y < cube.height; ++y) {
        for (int x = 0; x < cube.width; ++x) {
            if (!faceAt(x, y) &&
                (faceAt(x - 1, y) || faceAt(x + 1, y) || faceAt(x, y - 1) || faceAt(x, y + 1)))
                Set(cube, x, y, kLightGrey);
        }
    }
    for (const DevicePoint end : {kRedAxisEnd, kGreenAxisEnd, kBlueAxisEnd}) {
        DrawLine(cube, kCubeCentre, end, kPictureWhite);
        DrawArrowhead(cube, end, kBlack);
    }
    return cube;
}

std::string CheckHueWheel(const Picture& wheel) {
    std::string faults;
    if (wheel.width != kWheelWidth || wheel.height != kWheelHeight) {
        AddFault(faults, "the wheel is not 202 x 201 pixels");
        return faults;
    }
    int misread = 0;
    for (int y = 0; y < wheel.height; ++y) {
        for (int x = 0; x < wheel.width; ++x) {
            Colour expected = kPictureWhite;
            if (Distance({x, y}, kWheelCentre) <= kWheelRadius) {
                const HueSaturation read = HueSaturationFromPoint({x, y}, kWheelCentre);
                expected = ColourFromRgb(HsbToRgb({read.hue, read.saturation, 255}));
            }
            misread += wheel.At(x, y) != expected;
        }
    }
    if (misread > 0)
        AddFault(faults, std::to_string(misread) + " wheel pixels differ from what a click on them reads");
    int farOff = 0;
    for (int hue = 0; hue < 360; ++hue) {
        for (int saturation = 0; saturation <= 255; ++saturation) {
            const DevicePoint marker = WheelPoint(hue, saturation, kWheelCentre);
            const Colour shown = ColourFromRgb(HsbToRgb({hue, saturation, 255}));
            farOff += LargestDifference(wheel.At(marker.x, marker.y), shown) > kWheelMarkerTolerance;
        }
    }
    if (farOff > 0)
        AddFault(faults, std::to_string(farOff) + " wheel markers sit on a pixel of another colour");
    return faults;
}

std::string CheckRgbCube(const Picture& cube) {
    std::string faults;
    if (cube.width != kCubeWidth || cube.height != kCubeHeight) {
        AddFault(faults, "the cube is not 190 x 190 pixels");
        return faults;
    }
    // Every colour of a face, at the box corner the picker draws for it; corners that fall on an axis
    // line (white) show the line instead.
    int farOff = 0;
    for (const Face& face : kFaces) {
        for (int a = 1; a <= 255; ++a) {
            for (int b = 1; b <= 255; ++b) {
                const DevicePoint first = AxisPoint(kCubeCentre, face.firstEnd, a);
                const DevicePoint second = AxisPoint(kCubeCentre, face.secondEnd, b);
                const Colour shown =
                    cube.At(first.x + second.x - kCubeCentre.x, first.y + second.y - kCubeCentre.y);
                int channels[3] = {0, 0, 0};
                channels[face.firstChannel] = a;
                channels[face.secondChannel] = b;
                const Colour expected = ColourFromRgb({channels[0], channels[1], channels[2]});
                farOff += shown != kPictureWhite && LargestDifference(shown, expected) > kCubeMarkerTolerance;
            }
        }
    }
    if (farOff > 0)
        AddFault(faults, std::to_string(farOff) + " cube colours lie on a pixel of another colour");
    for (const DevicePoint corner : {DevicePoint{0, 0}, DevicePoint{kCubeWidth - 1, kCubeHeight - 1}}) {
        if (cube.At(corner.x, corner.y) != kPictureWhite)
            AddFault(faults, "the cube's background is not white");
    }
    // The far corners of the three faces: yellow at the upper left, cyan at the bottom, magenta at the
    // upper right.
    const auto farCorner = [&](DevicePoint a, DevicePoint b) {
        return cube.At(a.x + b.x - kCubeCentre.x, a.y + b.y - kCubeCentre.y);
    };
    if (farCorner(kRedAxisEnd, kGreenAxisEnd) != 0x0000FFFF ||
        farCorner(kGreenAxisEnd, kBlueAxisEnd) != 0x00FFFF00 ||
        farCorner(kRedAxisEnd, kBlueAxisEnd) != 0x00FF00FF)
        AddFault(faults, "the cube's far corners are not yellow, cyan and magenta");
    return faults;
}

std::string BitmapFileBytes(const Picture& picture) {
    const int rowBytes = (picture.width * 3 + 3) & ~3;
    const std::uint32_t imageBytes = static_cast<std::uint32_t>(rowBytes) * picture.height;
    constexpr std::uint32_t kHeaders = 14 + 40;
    std::string bytes = "BM";
    PutLittleEndian(bytes, kHeaders + imageBytes, 4);
    PutLittleEndian(bytes, 0, 4);
    PutLittleEndian(bytes, kHeaders, 4);
    PutLittleEndian(bytes, 40, 4);
    PutLittleEndian(bytes, static_cast<std::uint32_t>(picture.width), 4);
    PutLittleEndian(bytes, static_cast<std::uint32_t>(picture.height), 4);
    PutLittleEndian(bytes, 1, 2);   // planes
    PutLittleEndian(bytes, 24, 2);  // bits per pixel
    PutLittleEndian(bytes, 0, 4);   // no compression
    PutLittleEndian(bytes, imageBytes, 4);
    PutLittleEndian(bytes, 3780, 4);  // 96 dots per inch
    PutLittleEndian(bytes, 3780, 4);
    PutLittleEndian(bytes, 0, 4);
    PutLittleEndian(bytes, 0, 4);
    for (int y = picture.height - 1; y >= 0; --y) {
        for (int x = 0; x < picture.width; ++x) {
            const Colour c = picture.At(x, y);
            bytes += static_cast<char>((c >> 16) & 0xFF);
            bytes += static_cast<char>((c >> 8) & 0xFF);
            bytes += static_cast<char>(c & 0xFF);
        }
        bytes.append(static_cast<std::size_t>(rowBytes - picture.width * 3), '\0');
    }
    return bytes;
}

void ReplaceColour(unsigned char* rows, int width, int height, int stride, Colour from, Colour to) {
    const unsigned char fromBgr[3] = {static_cast<unsigned char>(from >> 16),
                                      static_cast<unsigned char>(from >> 8),
                                      static_cast<unsigned char>(from)};
    for (int y = 0; y < height; ++y) {
        unsigned char* pixel = rows + static_cast<std::ptrdiff_t>(y) * stride;
        for (int x = 0; x < width; ++x, pixel += 3) {
            if (pixel[0] == fromBgr[0] && pixel[1] == fromBgr[1] && pixel[2] == fromBgr[2]) {
                pixel[0] = static_cast<unsigned char>(to >> 16);
                pixel[1] = static_cast<unsigned char>(to >> 8);
                pixel[2] = static_cast<unsigned char>(to);
            }
        }
    }
}

}  // namespace tagmora
