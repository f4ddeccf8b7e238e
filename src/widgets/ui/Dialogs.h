#pragma once
// Every question, message and common dialog the program shows goes through this
// seam, so that windows can be driven by tests with scripted answers and no test
// ever waits on a real modal dialog.

#include <QColor>
#include <QFont>
#include <QString>
#include <QStringList>
#include <optional>

class QWidget;

namespace plk {

class Dialogs {
public:
    enum class Icon { Information, Exclamation, Question, Critical };
    enum class Buttons { Ok, YesNo, YesNoCancel, OkCancel };
    enum class Answer { Ok, Yes, No, Cancel };

    struct FileRequest {
        QString title;
        QStringList filters;    // "Projet (*.plk)" ...
        int filterIndex = 0;    // the filter selected first
        QString directory;      // where the dialog starts
        QString fileName;       // proposed name
        QString defaultSuffix;  // appended to a name typed without one

        /// The chosen path with the default suffix added when its file name does not
        /// already end with it: a name typed without extension still lands where the
        /// program's own dialogs list it. Applied by whoever receives the path, since a
        /// dialog of the desktop may return the name exactly as typed.
        QString withDefaultSuffix(const QString& path) const;
    };
    struct FileAnswer {
        QString path;           // the chosen file
        int filterIndex = 0;    // the filter in use when it was chosen
    };
    /// A font with the colour of its text, for the font dialog that offers effects.
    struct FontChoice {
        QFont font;
        QColor colour;
    };

    virtual ~Dialogs() = default;

    /// A message box; the title is the program's unless one is given. Return presses
    /// `defaultButton`, or the first button when none is named.
    virtual Answer message(QWidget* parent, const QString& text, Icon icon, Buttons buttons,
                           const QString& title = QString(), std::optional<Answer> defaultButton = std::nullopt) = 0;
    /// An input box; nothing when cancelled.
    virtual std::optional<QString> inputText(QWidget* parent, const QString& prompt, const QString& title,
                                             const QString& initial) = 0;
    virtual std::optional<FileAnswer> openFile(QWidget* parent, const FileRequest& request) = 0;
    virtual std::optional<FileAnswer> saveFile(QWidget* parent, const FileRequest& request) = 0;
    virtual std::optional<QColor> colour(QWidget* parent, const QColor& initial) = 0;
    /// The font dialog: family, style, size. Bold and italic can be chosen for every
    /// family, also one that has no such face (it is then drawn slanted or thickened).
    virtual std::optional<QFont> font(QWidget* parent, const QFont& initial) = 0;
    /// The font dialog with its effects too: underline, strikethrough and colour.
    virtual std::optional<FontChoice> fontWithEffects(QWidget* parent, const FontChoice& initial) = 0;

    /// The program's title, used for message boxes without a title of their own.
    static QString applicationTitle() { return QStringLiteral("Plakatorium"); }
    /// The button Return presses in a box of these buttons when none is named.
    static Answer firstButton(Buttons buttons);
};

/// The real dialogs of the desktop, with French buttons.
class QtDialogs final : public Dialogs {
public:
    Answer message(QWidget* parent, const QString& text, Icon icon, Buttons buttons, const QString& title,
                   std::optional<Answer> defaultButton) override;
    std::optional<QString> inputText(QWidget* parent, const QString& prompt, const QString& title,
                                     const QString& initial) override;
    std::optional<FileAnswer> openFile(QWidget* parent, const FileRequest& request) override;
    std::optional<FileAnswer> saveFile(QWidget* parent, const FileRequest& request) override;
    std::optional<QColor> colour(QWidget* parent, const QColor& initial) override;
    std::optional<QFont> font(QWidget* parent, const QFont& initial) override;
    std::optional<FontChoice> fontWithEffects(QWidget* parent, const FontChoice& initial) override;
};

}  // namespace plk
