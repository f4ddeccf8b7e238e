#pragma once
// Button and modifier codes as the program's pointer events carry them: 1 left,
// 2 right, 4 middle; 1 Shift, 2 Ctrl, 4 Alt.

#include <Qt>

namespace plk {

inline int buttonCode(Qt::MouseButtons buttons)
{
    return (buttons & Qt::LeftButton ? 1 : 0) | (buttons & Qt::RightButton ? 2 : 0) | (buttons & Qt::MiddleButton ? 4 : 0);
}

inline int shiftCode(Qt::KeyboardModifiers m)
{
    return (m & Qt::ShiftModifier ? 1 : 0) | (m & Qt::ControlModifier ? 2 : 0) | (m & Qt::AltModifier ? 4 : 0);
}

}  // namespace plk
