#pragma once
// Projects and pictures the file benchmarks work on, and the memory they took.

#include "document/core/Project.h"

#include <QImage>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>
#include <sys/resource.h>

namespace plk::bench {

/// A 1000 x 1000 picture with some detail, so that it compresses like a photograph.
inline QImage detailedPicture()
{
    QImage image(1000, 1000, QImage::Format_RGB32);
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            image.setPixel(x, y, qRgb((x * 7 + y * 3) % 256, (x * y) % 251, (x ^ y) % 256));
    return image;
}

/// `tabs` tabs of `texts` text objects each.
inline void fillWithTexts(Project& p, int tabs, int texts)
{
    for (int n = 1; n <= tabs; ++n) {
        Etiquette& t = n == 1 ? p.tab(1) : p.addTab(QStringLiteral("Onglet %1").arg(n));
        t.NewProjet(QStringLiteral("Carte %1").arg(n), 85, 54, 255, 0, false, false, true);
        for (int i = 1; i <= texts; ++i) {
            t.NewLabel(1 + i % 50, 1 + i % 80);
            t.Caption(i, QStringLiteral("Texte numéro %1").arg(i));
        }
    }
}

/// The most memory the process has held so far, in megabytes.
inline double peakMegabytes()
{
    rusage usage{};
    ::getrusage(RUSAGE_SELF, &usage);
    return double(usage.ru_maxrss) / 1024.0;
}

}  // namespace plk::bench
