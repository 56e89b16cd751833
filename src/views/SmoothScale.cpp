#include "views/SmoothScale.h"

#include <algorithm>
#include <cmath>
#include <cstring>

namespace {

// The source pixels one destination row or column reads, with weights that
// add up to kOne exactly, so a flat colour stays exactly that colour.
constexpr int kOne = 256;

struct CTaps {
    std::vector<int> start;  // per destination index: first entry in index/weight
    std::vector<int> index;
    std::vector<int> weight;
};

CTaps MakeTaps(int sourceLength, int destLength, int from, int to)
{
    CTaps taps;
    const double scale = double(sourceLength) / double(destLength);
    std::vector<double> raw;
    for (int d = from; d < to; ++d) {
        taps.start.push_back(int(taps.index.size()));
        const size_t first = taps.index.size();
        raw.clear();
        if (scale <= 1.0) {
            const double centre = (d + 0.5) * scale - 0.5;
            const int i0 = int(std::floor(centre));
            const double t = centre - i0;
            taps.index.push_back(std::clamp(i0, 0, sourceLength - 1));
            raw.push_back(1.0 - t);
            taps.index.push_back(std::clamp(i0 + 1, 0, sourceLength - 1));
            raw.push_back(t);
        } else {
            const double left = d * scale;
            const double right = (d + 1) * scale;
            for (int i = int(std::floor(left)); i < int(std::ceil(right)) && i < sourceLength; ++i) {
                const double covered = std::min(right, i + 1.0) - std::max(left, double(i));
                if (covered <= 0)
                    continue;
                taps.index.push_back(i);
                raw.push_back(covered / scale);
            }
        }
        int sum = 0;
        size_t largest = 0;
        for (size_t k = 0; k < raw.size(); ++k) {
            const int w = int(std::lround(raw[k] * kOne));
            taps.weight.push_back(w);
            sum += w;
            if (raw[k] > raw[largest])
                largest = k;
        }
        taps.weight[first + largest] += kOne - sum;
    }
    taps.start.push_back(int(taps.index.size()));
    return taps;
}

} // namespace

namespace raster {

void SmoothScaleRegion(CRgbImage& dest, const CRgbImage& source, CRasterRect region)
{
    const int x0 = std::max(region.x, 0);
    const int y0 = std::max(region.y, 0);
    const int x1 = std::min(region.x + region.width, dest.Width());
    const int y1 = std::min(region.y + region.height, dest.Height());
    if (x0 >= x1 || y0 >= y1 || source.Width() <= 0 || source.Height() <= 0)
        return;
    const CTaps cols = MakeTaps(source.Width(), dest.Width(), x0, x1);
    const CTaps rows = MakeTaps(source.Height(), dest.Height(), y0, y1);
    const int width = x1 - x0;
    // Per destination column, the weighted sums of the three channels.
    std::vector<uint32_t> sum(size_t(width) * 3);
    for (int y = y0; y < y1; ++y) {
        std::fill(sum.begin(), sum.end(), 0u);
        const int r = y - y0;
        for (int k = rows.start[size_t(r)]; k < rows.start[size_t(r) + 1]; ++k) {
            const uint32_t* src = source.Row(rows.index[size_t(k)]);
            const uint32_t wy = uint32_t(rows.weight[size_t(k)]);
            if (wy == 0)
                continue;
            for (int c = 0; c < width; ++c) {
                uint32_t red = 0, green = 0, blue = 0;
                for (int j = cols.start[size_t(c)]; j < cols.start[size_t(c) + 1]; ++j) {
                    const uint32_t p = src[cols.index[size_t(j)]];
                    const uint32_t wx = uint32_t(cols.weight[size_t(j)]);
                    red += ((p >> 16) & 0xFF) * wx;
                    green += ((p >> 8) & 0xFF) * wx;
                    blue += (p & 0xFF) * wx;
                }
                sum[size_t(c) * 3] += red * wy;
                sum[size_t(c) * 3 + 1] += green * wy;
                sum[size_t(c) * 3 + 2] += blue * wy;
            }
        }
        uint32_t* out = dest.Row(y) + x0;
        constexpr uint32_t kHalf = kOne * kOne / 2;
        for (int c = 0; c < width; ++c) {
            const uint32_t red = (sum[size_t(c) * 3] + kHalf) / (kOne * kOne);
            const uint32_t green = (sum[size_t(c) * 3 + 1] + kHalf) / (kOne * kOne);
            const uint32_t blue = (sum[size_t(c) * 3 + 2] + kHalf) / (kOne * kOne);
            out[c] = (std::min(red, 255u) << 16) | (std::min(green, 255u) << 8) | std::min(blue, 255u);
        }
    }
}

void SmoothScale(CRgbImage& dest, const CRgbImage& source)
{
    SmoothScaleRegion(dest, source, {0, 0, dest.Width(), dest.Height()});
}

} // namespace raster

namespace {

constexpr int kTile = 16;

// The destination span whose pixels may read source pixels from..to
// (exclusive), one source pixel of filter reach added on each side.
std::pair<int, int> DestSpan(int from, int to, int sourceLength, int destLength)
{
    const double perSource = double(destLength) / double(sourceLength);
    const int a = int(std::floor((from - 1) * perSource)) - 1;
    const int b = int(std::ceil((to + 1) * perSource)) + 1;
    return {std::clamp(a, 0, destLength), std::clamp(b, 0, destLength)};
}

bool TileDiffers(const CRgbImage& a, const CRgbImage& b, int tx, int ty)
{
    const int x0 = tx * kTile;
    const int x1 = std::min(x0 + kTile, a.Width());
    const int y1 = std::min(ty * kTile + kTile, a.Height());
    for (int y = ty * kTile; y < y1; ++y)
        if (std::memcmp(a.Row(y) + x0, b.Row(y) + x0, size_t(x1 - x0) * 4) != 0)
            return true;
    return false;
}

} // namespace

void CSmoothZoomCache::Rebuild(const CRgbImage& bareBoard, int width, int height)
{
    m_board = bareBoard;
    m_scaledBoard = CRgbImage(width, height);
    raster::SmoothScale(m_scaledBoard, m_board);
    m_result = m_scaledBoard;
    m_touched.clear();
}

const CRgbImage& CSmoothZoomCache::Scale(const CRgbImage& picture, const CRgbImage& bareBoard, int width,
                                         int height)
{
    if (picture.Width() != bareBoard.Width() || picture.Height() != bareBoard.Height()) {
        // Not composed on this board: filter it all.
        m_result = CRgbImage(width, height);
        raster::SmoothScale(m_result, picture);
        m_board = {};
        m_touched.clear();
        m_nLastDirty = size_t(-1);
        return m_result;
    }
    if (m_scaledBoard.Width() != width || m_scaledBoard.Height() != height || !(m_board == bareBoard) ||
        m_result.Width() != width || m_result.Height() != height)
        Rebuild(bareBoard, width, height);

    // Put back what the last season changed.
    for (const CRasterRect& r : m_touched)
        raster::Copy(m_result, r.x, r.y, m_scaledBoard, r.x, r.y, r.width, r.height);
    m_touched.clear();

    const int tilesX = (picture.Width() + kTile - 1) / kTile;
    const int tilesY = (picture.Height() + kTile - 1) / kTile;
    m_nLastDirty = 0;
    for (int ty = 0; ty < tilesY; ++ty) {
        // Runs of changed tiles along a row are filtered as one rectangle.
        int runStart = -1;
        for (int tx = 0; tx <= tilesX; ++tx) {
            const bool dirty = tx < tilesX && TileDiffers(picture, bareBoard, tx, ty);
            m_nLastDirty += dirty;
            if (dirty && runStart < 0)
                runStart = tx;
            if (!dirty && runStart >= 0) {
                const auto [dx0, dx1] = DestSpan(runStart * kTile, std::min(tx * kTile, picture.Width()),
                                                 picture.Width(), width);
                const auto [dy0, dy1] = DestSpan(ty * kTile, std::min(ty * kTile + kTile, picture.Height()),
                                                 picture.Height(), height);
                const CRasterRect r{dx0, dy0, dx1 - dx0, dy1 - dy0};
                raster::SmoothScaleRegion(m_result, picture, r);
                m_touched.push_back(r);
                runStart = -1;
            }
        }
    }
    return m_result;
}
