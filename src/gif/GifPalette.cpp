#include "gif/GifPalette.h"

#include <algorithm>
#include <limits>
#include <unordered_map>

namespace {

struct CChangedBox {
    int left, top, right, bottom; // right and bottom exclusive
    bool Empty() const { return left >= right || top >= bottom; }
};

CChangedBox FindChanges(const CRgbImage& frame, const CRgbImage& previous)
{
    CChangedBox box{frame.Width(), frame.Height(), 0, 0};
    for (int y = 0; y < frame.Height(); ++y) {
        const uint32_t* a = frame.Row(y);
        const uint32_t* b = previous.Row(y);
        int first = -1;
        int last = -1;
        for (int x = 0; x < frame.Width(); ++x)
            if (a[x] != b[x]) {
                if (first < 0)
                    first = x;
                last = x;
            }
        if (first < 0)
            continue;
        box.left = std::min(box.left, first);
        box.right = std::max(box.right, last + 1);
        box.top = std::min(box.top, y);
        box.bottom = y + 1;
    }
    return box;
}

int Distance(uint32_t a, uint32_t b)
{
    const int dr = int((a >> 16) & 0xFF) - int((b >> 16) & 0xFF);
    const int dg = int((a >> 8) & 0xFF) - int((b >> 8) & 0xFF);
    const int db = int(a & 0xFF) - int(b & 0xFF);
    // Weighted towards green, to which the eye is most sensitive.
    return 3 * dr * dr + 4 * dg * dg + 2 * db * db;
}

} // namespace

CIndexedFrame IndexFrame(const CRgbImage& frame, const CRgbImage* previous)
{
    CIndexedFrame out;
    const bool delta = previous && previous->Width() == frame.Width() && previous->Height() == frame.Height();
    CChangedBox box{0, 0, frame.Width(), frame.Height()};
    if (delta) {
        box = FindChanges(frame, *previous);
        if (box.Empty())
            box = {0, 0, std::min(1, frame.Width()), std::min(1, frame.Height())};
    }
    out.left = box.left;
    out.top = box.top;
    out.width = box.right - box.left;
    out.height = box.bottom - box.top;
    const auto changed = [&](int x, int y) { return !delta || frame.Pixel(x, y) != previous->Pixel(x, y); };

    // Count the colours written; runs of one colour are counted in one step.
    std::unordered_map<uint32_t, uint32_t> counts;
    for (int y = box.top; y < box.bottom; ++y) {
        const uint32_t* row = frame.Row(y);
        uint32_t run = 0;
        uint32_t colour = 0;
        for (int x = box.left; x < box.right; ++x) {
            if (!changed(x, y))
                continue;
            if (run && row[x] == colour) {
                ++run;
                continue;
            }
            if (run)
                counts[colour] += run;
            colour = row[x];
            run = 1;
        }
        if (run)
            counts[colour] += run;
    }

    const int room = delta ? 255 : 256;
    std::vector<std::pair<uint32_t, uint32_t>> byCount(counts.begin(), counts.end());
    std::sort(byCount.begin(), byCount.end(), [](const auto& a, const auto& b) {
        return a.second != b.second ? a.second > b.second : a.first < b.first;
    });
    out.colours = std::min<int>(room, int(byCount.size()));
    for (int i = 0; i < out.colours; ++i)
        out.palette[size_t(i)] = byCount[size_t(i)].first;
    if (delta) {
        out.transparent = out.colours;
        out.palette[size_t(out.colours)] = 0;
        ++out.colours;
    }
    out.colours = std::max(out.colours, 2); // a colour table has at least two entries

    // Every colour's index: its own entry, or the nearest one kept.
    std::unordered_map<uint32_t, uint8_t> index;
    index.reserve(byCount.size());
    const int kept = std::min<int>(room, int(byCount.size()));
    for (int i = 0; i < int(byCount.size()); ++i) {
        if (i < kept) {
            index[byCount[size_t(i)].first] = uint8_t(i);
            continue;
        }
        int best = 0;
        int bestDistance = std::numeric_limits<int>::max();
        for (int k = 0; k < kept; ++k) {
            const int d = Distance(byCount[size_t(i)].first, out.palette[size_t(k)]);
            if (d < bestDistance) {
                bestDistance = d;
                best = k;
            }
        }
        index[byCount[size_t(i)].first] = uint8_t(best);
    }

    out.pixels.resize(size_t(out.width) * size_t(out.height));
    uint8_t* dst = out.pixels.data();
    uint32_t lastColour = 0;
    uint8_t lastIndex = 0;
    bool haveLast = false;
    for (int y = box.top; y < box.bottom; ++y) {
        const uint32_t* row = frame.Row(y);
        for (int x = box.left; x < box.right; ++x) {
            if (!changed(x, y)) {
                *dst++ = uint8_t(out.transparent);
                continue;
            }
            if (!haveLast || row[x] != lastColour) {
                lastColour = row[x];
                lastIndex = index[lastColour];
                haveLast = true;
            }
            *dst++ = lastIndex;
        }
    }
    return out;
}
