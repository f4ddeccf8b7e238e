#pragma once
// Messages held back while a run of operations goes on, to be told together at its end
// rather than one box after another (see HandOverQueue).

#include "widgets/ui/Dialogs.h"

#include <QStringList>
#include <utility>

namespace plk {

/// Dialogs that hold back messages with only an "OK" button while told to, and show
/// everything else through the dialogs they wrap.
class HeldMessages final : public Dialogs {
public:
    explicit HeldMessages(Dialogs& shown) : m_shown(shown) {}

    void hold(bool holding) { m_holding = holding; }
    /// The messages held back since the last call.
    QStringList takeHeld() { return std::exchange(m_held, {}); }
    Dialogs& shown() { return m_shown; }

    Answer message(QWidget* parent, const QString& text, Icon icon, Buttons buttons, const QString& title,
                   std::optional<Answer> defaultButton) override;
    std::optional<QString> inputText(QWidget* parent, const QString& prompt, const QString& title,
                                     const QString& initial) override
    {
        return m_shown.inputText(parent, prompt, title, initial);
    }
    std::optional<FileAnswer> openFile(QWidget* parent, const FileRequest& request) override
    {
        return m_shown.openFile(parent, request);
    }
    std::optional<FileAnswer> saveFile(QWidget* parent, const FileRequest& request) override
    {
        return m_shown.saveFile(parent, request);
    }
    std::optional<QColor> colour(QWidget* parent, const QColor& initial) override
    {
        return m_shown.colour(parent, initial);
    }
    std::optional<QFont> font(QWidget* parent, const QFont& initial) override { return m_shown.font(parent, initial); }
    std::optional<FontChoice> fontWithEffects(QWidget* parent, const FontChoice& initial) override
    {
        return m_shown.fontWithEffects(parent, initial);
    }

private:
    Dialogs& m_shown;
    bool m_holding = false;
    QStringList m_held;
};

}  // namespace plk
