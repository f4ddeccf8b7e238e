#pragma once
// Files handed over by later starts are opened one after another, never from inside a
// message about an earlier one (a thousand failing files would otherwise open a
// thousand message boxes, each inside the one before). While they are opened, the
// plain messages their opening shows are held back; what was held is then shown in one
// message. Files handed over in the meantime wait their turn.

#include "widgets/ui/Dialogs.h"

#include <QObject>
#include <QStringList>
#include <functional>
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

class HandOverQueue : public QObject {
    Q_OBJECT

public:
    /// `open` opens one file, telling its failures through `dialogs`; the messages
    /// held are shown over `parent`.
    HandOverQueue(HeldMessages& dialogs, std::function<void(const QString&)> open, QWidget* parent);

    /// Files of a later start: opened once the files before them are.
    void add(const QStringList& files);

private:
    void run();

    HeldMessages& m_dialogs;
    std::function<void(const QString&)> m_open;
    QWidget* m_parent;
    QStringList m_pending;
    bool m_running = false;
};

}  // namespace plk
