#include "catalogue/core/PaperSizes.h"

namespace plk {

const std::vector<PaperSize>& standardPapers()
{
    static const std::vector<PaperSize> papers{
        {QStringLiteral("A4"), QStringLiteral("A4"), {210, 297}},
        {QStringLiteral("A5"), QStringLiteral("A5"), {148, 210}},
        {QStringLiteral("A3"), QStringLiteral("A3"), {297, 420}},
        {QStringLiteral("US-Letter"), QStringLiteral("US Letter"), {215.9, 279.4}},
        {QStringLiteral("US-Legal"), QStringLiteral("US Legal"), {215.9, 355.6}},
    };
    return papers;
}

}  // namespace plk
