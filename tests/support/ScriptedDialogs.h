#pragma once
// Dialogs that answer from a script, for widget tests: every call is recorded and
// takes the next scripted answer of its kind (or a cancel when none is left).

#include "widgets/ui/Dialogs.h"

#include <QList>
#include <deque>

namespace plk::test {

class ScriptedDialogs final : public Dialogs {
public:
    struct Shown {
        QString kind;   // "message", "input", "open", "save", "colour", "font"
        QString text;   // the message, prompt or dialog title
        QString title;
        Icon icon = Icon::Information;
        Buttons buttons = Buttons::Ok;
        FileRequest request;
        Answer defaultButton = Answer::Ok;  // the button Return presses in a message box
    };

    std::deque<Answer> answers;
    std::deque<std::optional<QString>> inputs;
    std::deque<std::optional<FileAnswer>> files;
    std::deque<std::optional<QColor>> colours;
    std::deque<std::optional<QFont>> fonts;
    QList<Shown> shown;
    QList<QColor> colourStarts;  // the colour each colour dialog started at
    QList<QFont> fontStarts;     // the font each font dialog started with
    std::deque<QColor> fontColours;  // the colour chosen in the next font dialog with effects
    QList<QColor> fontColourStarts;  // the colour each font dialog with effects started at

    Answer message(QWidget*, const QString& text, Icon icon, Buttons buttons, const QString& title,
                   std::optional<Answer> defaultButton) override
    {
        shown.append({QStringLiteral("message"), text, title, icon, buttons, {},
                      defaultButton.value_or(firstButton(buttons))});
        if (answers.empty())
            return buttons == Buttons::Ok ? Answer::Ok : Answer::Cancel;
        const Answer a = answers.front();
        answers.pop_front();
        return a;
    }
    std::optional<QString> inputText(QWidget*, const QString& prompt, const QString& title, const QString&) override
    {
        shown.append({QStringLiteral("input"), prompt, title, {}, {}, {}, {}});
        return next(inputs);
    }
    std::optional<FileAnswer> openFile(QWidget*, const FileRequest& request) override
    {
        shown.append({QStringLiteral("open"), request.title, request.title, {}, {}, request, {}});
        return next(files);
    }
    std::optional<FileAnswer> saveFile(QWidget*, const FileRequest& request) override
    {
        shown.append({QStringLiteral("save"), request.title, request.title, {}, {}, request, {}});
        return next(files);
    }
    std::optional<QColor> colour(QWidget*, const QColor& initial) override
    {
        colourStarts.append(initial);
        shown.append({QStringLiteral("colour"), {}, {}, {}, {}, {}, {}});
        return next(colours);
    }
    std::optional<QFont> font(QWidget*, const QFont& initial) override
    {
        fontStarts.append(initial);
        shown.append({QStringLiteral("font"), {}, {}, {}, {}, {}, {}});
        return next(fonts);
    }
    std::optional<FontChoice> fontWithEffects(QWidget* parent, const FontChoice& initial) override
    {
        fontColourStarts.append(initial.colour);
        const auto chosen = font(parent, initial.font);
        if (!chosen)
            return std::nullopt;
        QColor colour = initial.colour;
        if (!fontColours.empty()) {
            colour = fontColours.front();
            fontColours.pop_front();
        }
        return FontChoice{*chosen, colour};
    }

private:
    template <typename T>
    static std::optional<T> next(std::deque<std::optional<T>>& queue)
    {
        if (queue.empty())
            return std::nullopt;
        const bool answered = queue.front().has_value();
        T value = answered ? *queue.front() : T();
        queue.pop_front();
        if (!answered)
            return std::nullopt;
        return value;
    }
};

}  // namespace plk::test
