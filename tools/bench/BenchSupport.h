#pragma once
// Shared by the benchmarks: timing figures and camera-like test pictures.

#include <QElapsedTimer>
#include <QFile>
#include <QImage>
#include <QRandomGenerator>

#include <algorithm>
#include <cstdio>
#include <vector>

namespace vindel::bench {

inline double msSince(const QElapsedTimer &t) { return double(t.nsecsElapsed()) / 1e6; }

// Noise over smooth gradients and a few soft shapes, like a photo of a flower bed: busy enough
// that the compressed data is about as large as a camera's at quality 90.
inline QImage cameraLike(int w, int h, quint32 seed)
{
    QImage image(w, h, QImage::Format_RGB32);
    QRandomGenerator rng(seed);
    const int cx = int(rng.bounded(w)), cy = int(rng.bounded(h));
    for (int y = 0; y < h; ++y) {
        QRgb *line = reinterpret_cast<QRgb *>(image.scanLine(y));
        for (int x = 0; x < w; ++x) {
            const quint32 n = rng.generate();
            const int d = (qAbs(x - cx) + qAbs(y - cy)) >> 4;
            const int r = 60 + (x * 140 / w) + int(n & 31) - 16 + ((d & 64) ? 30 : 0);
            const int g = 90 + (y * 120 / h) + int((n >> 5) & 31) - 16;
            const int b = 40 + ((x + y) * 100 / (w + h)) + int((n >> 10) & 31) - 16 + ((d & 32) ? 20 : 0);
            line[x] = qRgb(qBound(0, r, 255), qBound(0, g, 255), qBound(0, b, 255));
        }
    }
    return image;
}

// Writes `count` different camera pictures (4000 x 3000, quality 90) as folder/kameraN.JPG and
// prints their size.
inline void writeCameraPictures(const QString &folder, int count)
{
    QElapsedTimer t;
    t.start();
    qint64 bytes = 0;
    for (int i = 0; i < count; ++i) {
        QFile f(folder + QStringLiteral("kamera%1.JPG").arg(i));
        f.open(QIODevice::WriteOnly);
        cameraLike(4000, 3000, quint32(i + 1)).save(&f, "JPEG", 90);
        bytes += f.size();
    }
    std::printf("%d pictures of 4000 x 3000 at quality 90, %.1f MB each on average (made in %.1f s)\n", count,
                double(bytes) / count / 1e6, msSince(t) / 1000);
}

// Repeated measurements of one thing.
struct Figures {
    std::vector<double> values;
    void add(double v) { values.push_back(v); }
    double median() const
    {
        std::vector<double> v = values;
        std::sort(v.begin(), v.end());
        return v.empty() ? 0 : v[v.size() / 2];
    }
    double max() const { return values.empty() ? 0 : *std::max_element(values.begin(), values.end()); }
    double min() const { return values.empty() ? 0 : *std::min_element(values.begin(), values.end()); }
};

} // namespace vindel::bench
