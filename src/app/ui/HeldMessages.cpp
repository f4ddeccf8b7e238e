#include "app/ui/HeldMessages.h"

namespace plk {

Dialogs::Answer HeldMessages::message(QWidget* parent, const QString& text, Icon icon, Buttons buttons,
                                      const QString& title, std::optional<Answer> defaultButton)
{
    if (m_holding && buttons == Buttons::Ok) {
        m_held << text;
        return Answer::Ok;
    }
    return m_shown.message(parent, text, icon, buttons, title, defaultButton);
}

}  // namespace plk
