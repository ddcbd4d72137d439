#include "ColourQuantiser.h"

#include <QMap>

#include <algorithm>
#include <array>
#include <climits>
#include <cmath>
#include <vector>

namespace vorlo::artgen {

namespace {

struct Entry {
    std::array<int, 3> rgb;
    qint64 count;
};

struct Box {
    std::vector<Entry> entries;
};

// The channel (0 red, 1 green, 2 blue) over which the box's colours spread most, and that spread.
int widestChannel(const Box& box, int* range) {
    std::array<int, 3> lo{255, 255, 255};
    std::array<int, 3> hi{0, 0, 0};
    for (const Entry& e : box.entries) {
        for (int c = 0; c < 3; ++c) {
            lo[c] = std::min(lo[c], e.rgb[c]);
            hi[c] = std::max(hi[c], e.rgb[c]);
        }
    }
    int best = 0;
    for (int c = 1; c < 3; ++c) {
        if (hi[c] - lo[c] > hi[best] - lo[best])
            best = c;
    }
    *range = hi[best] - lo[best];
    return best;
}

// The box's colour: the mean of its colours weighted by how many pixels have each.
QRgb meanColour(const Box& box) {
    std::array<qint64, 3> sum{};
    qint64 n = 0;
    for (const Entry& e : box.entries) {
        for (int c = 0; c < 3; ++c)
            sum[c] += e.rgb[c] * e.count;
        n += e.count;
    }
    return qRgb(int((sum[0] + n / 2) / n), int((sum[1] + n / 2) / n), int((sum[2] + n / 2) / n));
}

} // namespace

QList<QRgb> ColourQuantiser::palette(const QImage& image, int maxColours) {
    const QImage src = image.convertToFormat(QImage::Format_ARGB32);
    QMap<QRgb, qint64> histogram; // ordered, so the outcome never depends on hashing
    for (int y = 0; y < src.height(); ++y) {
        const QRgb* line = reinterpret_cast<const QRgb*>(src.constScanLine(y));
        for (int x = 0; x < src.width(); ++x) {
            if (qAlpha(line[x]) >= kAlphaThreshold)
                ++histogram[line[x] | 0xFF000000u];
        }
    }
    QList<QRgb> result;
    if (histogram.size() <= maxColours) {
        result = histogram.keys();
        return result;
    }

    std::vector<Box> boxes(1);
    for (auto it = histogram.cbegin(); it != histogram.cend(); ++it)
        boxes[0].entries.push_back(
            {{qRed(it.key()), qGreen(it.key()), qBlue(it.key())}, it.value()});

    while (static_cast<int>(boxes.size()) < maxColours) {
        // Split the box whose widest channel spans most, weighted by how many pixels it holds.
        int pick = -1;
        double pickScore = 0;
        for (int i = 0; i < static_cast<int>(boxes.size()); ++i) {
            if (boxes[i].entries.size() < 2)
                continue;
            int range = 0;
            widestChannel(boxes[i], &range);
            qint64 pixels = 0;
            for (const Entry& e : boxes[i].entries)
                pixels += e.count;
            const double score = double(range) * std::sqrt(double(pixels));
            if (score > pickScore) {
                pickScore = score;
                pick = i;
            }
        }
        if (pick < 0)
            break;
        int range = 0;
        const int channel = widestChannel(boxes[pick], &range);
        std::vector<Entry>& v = boxes[pick].entries;
        std::stable_sort(v.begin(), v.end(), [channel](const Entry& a, const Entry& b) {
            return a.rgb[channel] < b.rgb[channel];
        });
        qint64 total = 0;
        for (const Entry& e : v)
            total += e.count;
        qint64 running = 0;
        size_t cut = 1;
        for (size_t i = 0; i + 1 < v.size(); ++i) {
            running += v[i].count;
            cut = i + 1;
            if (running * 2 >= total)
                break;
        }
        Box upper;
        upper.entries.assign(v.begin() + static_cast<std::ptrdiff_t>(cut), v.end());
        v.resize(cut);
        boxes.push_back(std::move(upper));
    }
    for (const Box& b : boxes)
        result.append(meanColour(b));
    std::sort(result.begin(), result.end());
    result.erase(std::unique(result.begin(), result.end()), result.end());
    return result;
}

int ColourQuantiser::nearest(const QList<QRgb>& palette, QRgb colour) {
    int best = 0;
    int bestDistance = INT_MAX;
    for (int i = 0; i < palette.size(); ++i) {
        const int dr = qRed(palette[i]) - qRed(colour);
        const int dg = qGreen(palette[i]) - qGreen(colour);
        const int db = qBlue(palette[i]) - qBlue(colour);
        const int d = dr * dr + dg * dg + db * db;
        if (d < bestDistance) {
            bestDistance = d;
            best = i;
        }
    }
    return best;
}

} // namespace vorlo::artgen
