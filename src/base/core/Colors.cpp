#include "base/core/Colors.h"

#include <QGuiApplication>
#include <QPalette>

namespace plk {

namespace {

// The desktop's palette where there is one; otherwise the classic values.
QColor systemColor(int index)
{
    const bool gui = qobject_cast<QGuiApplication*>(QCoreApplication::instance()) != nullptr;
    const QPalette palette = gui ? QGuiApplication::palette() : QPalette();
    switch (index) {
    case 0: return palette.color(QPalette::Dark);            // scroll bar
    case 1: return palette.color(QPalette::Window);          // desktop
    case 2: case 3: return palette.color(QPalette::Highlight);  // captions
    case 4: return palette.color(QPalette::Window);          // menu
    case 5: return palette.color(QPalette::Base);            // window background
    case 6: return QColor(0, 0, 0);                          // window frame
    case 7: return palette.color(QPalette::WindowText);      // menu text
    case 8: return palette.color(QPalette::Text);            // window text
    case 9: return palette.color(QPalette::HighlightedText); // caption text
    case 13: return palette.color(QPalette::Highlight);
    case 14: return palette.color(QPalette::HighlightedText);
    case 15: return palette.color(QPalette::Button);         // button face
    case 16: return palette.color(QPalette::Mid);            // button shadow
    case 17: return palette.color(QPalette::PlaceholderText); // grey text
    case 18: return palette.color(QPalette::ButtonText);     // button text
    case 20: return palette.color(QPalette::Light);          // button highlight
    case 21: return palette.color(QPalette::Shadow);
    case 23: return palette.color(QPalette::ToolTipText);
    case 24: return palette.color(QPalette::ToolTipBase);
    default: return palette.color(QPalette::Window);
    }
}

}  // namespace

QColor toQColor(OleColor colour)
{
    if (isSystemColor(colour))
        return systemColor(int(colour & 0xFF));
    const auto c = std::uint32_t(colour);
    return QColor(int(c & 0xFF), int((c >> 8) & 0xFF), int((c >> 16) & 0xFF));
}

OleColor fromQColor(const QColor& colour)
{
    return rgbColor(colour.red(), colour.green(), colour.blue());
}

}  // namespace plk
