#pragma once
// Pictures to export in the tests and ways to compare what comes back.

#include <QImage>

namespace plk::test {

/// A 100 x 60 mm label: a three-colour gradient with a dark bar and a white square.
QImage labelPicture();

struct PixelDifference {
    double mean = 0;  // mean absolute channel difference
    int max = 0;      // largest channel difference
};

/// Channel differences of two pictures of one size, after averaging each over
/// squares of (2 * radius + 1) pixels (radius 0 compares pixel by pixel).
PixelDifference compare(const QImage& a, const QImage& b, int radius = 0);

}  // namespace plk::test
