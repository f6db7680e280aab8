#include "alignment/printer_map.h"

#include <array>
#include <cmath>

namespace tagmora {
namespace {

constexpr double kPi = 3.14159265358979323846;

// Points closer to one line than this (the squared correlation of their x and y falls short of 1 by less)
// leave the map across that line to rounding.
constexpr double kSmallestSpread = 1e-9;

using Matrix3 = std::array<std::array<double, 3>, 3>;

double Determinant(const Matrix3& m) {
    return m[0][0] * (m[1][1] * m[2][2] - m[1][2] * m[2][1]) -
           m[0][1] * (m[1][0] * m[2][2] - m[1][2] * m[2][0]) +
           m[0][2] * (m[1][0] * m[2][1] - m[1][1] * m[2][0]);
}

// Cramer's rule: the system is 3 x 3 and solved twice, so nothing more general pays.
std::array<double, 3> Solve(const Matrix3& m, const std::array<double, 3>& b, double determinant) {
    std::array<double, 3> result{};
    for (int column = 0; column < 3; ++column) {
        Matrix3 replaced = m;
        for (int row = 0; row < 3; ++row)
            replaced[row][column] = b[row];
        result[column] = Determinant(replaced) / determinant;
    }
    return result;
}

}  // namespace

bool AffineMap::IsIdentity() const {
    return xx == 1 && xy == 0 && x0 == 0 && yx == 0 && yy == 1 && y0 == 0;
}

std::optional<AffineMap> SolvePrinterMap(const std::vector<AlignmentPoint>& points) {
    if (points.size() < 3)
        return std::nullopt;
    // Least squares for each output coordinate: the normal equations over (x, y, 1), measured from the
    // points' centre so that positions of a few hundred millimetres keep their precision.
    double cx = 0, cy = 0;
    for (const AlignmentPoint& p : points) {
        if (!std::isfinite(p.x) || !std::isfinite(p.y) || !std::isfinite(p.dx) || !std::isfinite(p.dy))
            return std::nullopt;
        cx += p.x;
        cy += p.y;
    }
    cx /= static_cast<double>(points.size());
    cy /= static_cast<double>(points.size());
    Matrix3 normal{};
    std::array<double, 3> forX{}, forY{};
    for (const AlignmentPoint& p : points) {
        const std::array<double, 3> row{p.x - cx, p.y - cy, 1};
        const double landedX = p.x + p.dx - cx, landedY = p.y + p.dy - cy;
        for (int i = 0; i < 3; ++i) {
            for (int j = 0; j < 3; ++j)
                normal[i][j] += row[i] * row[j];
            forX[i] += row[i] * landedX;
            forY[i] += row[i] * landedY;
        }
    }
    const double spreadX = normal[0][0], spreadY = normal[1][1], together = normal[0][1];
    if (!(spreadX * spreadY - together * together > kSmallestSpread * spreadX * spreadY))
        return std::nullopt;
    const double determinant = Determinant(normal);
    const std::array<double, 3> a = Solve(normal, forX, determinant);
    const std::array<double, 3> b = Solve(normal, forY, determinant);
    AffineMap map;
    map.xx = a[0];
    map.xy = a[1];
    map.yx = b[0];
    map.yy = b[1];
    // Back from the centre to the paper's corner.
    map.x0 = a[2] + cx - a[0] * cx - a[1] * cy;
    map.y0 = b[2] + cy - b[0] * cx - b[1] * cy;
    if (!(map.xx * map.yy - map.xy * map.yx > 0))
        return std::nullopt;
    return map;
}

std::optional<AffineMap> Inverse(const AffineMap& map) {
    const double determinant = map.xx * map.yy - map.xy * map.yx;
    if (!std::isfinite(determinant) || std::fabs(determinant) < 1e-12)
        return std::nullopt;
    AffineMap inverse;
    inverse.xx = map.yy / determinant;
    inverse.xy = -map.xy / determinant;
    inverse.yx = -map.yx / determinant;
    inverse.yy = map.xx / determinant;
    inverse.x0 = -(inverse.xx * map.x0 + inverse.xy * map.y0);
    inverse.y0 = -(inverse.yx * map.x0 + inverse.yy * map.y0);
    return inverse;
}

MillimetreRect CorrectedRect(const AffineMap& correction, const MillimetreRect& rect) {
    const double cx = (rect.left + rect.right) / 2, cy = (rect.top + rect.bottom) / 2;
    const double halfWidth = (rect.right - rect.left) / 2 * std::hypot(correction.xx, correction.yx);
    const double halfHeight = (rect.bottom - rect.top) / 2 * std::hypot(correction.xy, correction.yy);
    const double x = correction.MapX(cx, cy), y = correction.MapY(cx, cy);
    return {x - halfWidth, y - halfHeight, x + halfWidth, y + halfHeight};
}

AlignmentSummary Summarise(const AffineMap& map) {
    AlignmentSummary summary;
    summary.offsetX = map.x0;
    summary.offsetY = map.y0;
    summary.scaleXPercent = 100 * std::hypot(map.xx, map.yx);
    summary.scaleYPercent = 100 * std::hypot(map.xy, map.yy);
    summary.rotationDegrees = std::atan2(map.yx, map.xx) * 180 / kPi;
    return summary;
}

}  // namespace tagmora
