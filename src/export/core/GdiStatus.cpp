#include "export/core/GdiStatus.h"

#include <array>

namespace plk {

QString GdiErrorString(int status)
{
    static constexpr std::array<const char*, 21> kTexts = {
        "",  // Ok has no text
        "Generic Error",
        "Invalid Parameter",
        "Out Of Memory",
        "Object Busy",
        "Insufficient Buffer",
        "Not Implemented",
        "Win32 Error",
        "Wrong State",
        "Aborted",
        "File Not Found",
        "Value Overflow",
        "Access Denied",
        "Unknown Image Format",
        "FontFamily Not Found",
        "FontStyle Not Found",
        "Not TrueType Font",
        "Unsupported Gdiplus Version",
        "Gdiplus Not Initialized",
        "Property Not Found",
        "Property Not Supported",
    };
    if (status < 1 || status >= int(kTexts.size()))
        return QStringLiteral("Unknown GDI+ Error");
    return QString::fromLatin1(kTexts[std::size_t(status)]);
}

}  // namespace plk
