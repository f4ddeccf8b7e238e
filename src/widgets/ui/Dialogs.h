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
    };
    struct FileAnswer {
        QString path;           // the chosen file
        int filterIndex = 0;    // the filter in use when it was chosen
    };

    virtual ~Dialogs() = default;

    /// A message box; the title is the program's unless one is given.
    virtual Answer message(QWidget* parent, const QString& text, Icon icon, Buttons buttons,
                           const QString& title = QString()) = 0;
    /// An input box; nothing when cancelled.
    virtual std::optional<QString> inputText(QWidget* parent, const QString& prompt, const QString& title,
                                             const QString& initial) = 0;
    virtual std::optional<FileAnswer> openFile(QWidget* parent, const FileRequest& request) = 0;
    virtual std::optional<FileAnswer> saveFile(QWidget* parent, const FileRequest& request) = 0;
    virtual std::optional<QColor> colour(QWidget* parent, const QColor& initial) = 0;
    virtual std::optional<QFont> font(QWidget* parent, const QFont& initial) = 0;

    /// The program's title, used for message boxes without a title of their own.
    static QString applicationTitle() { return QStringLiteral("Plakatorium"); }
};

/// The real dialogs of the desktop, with French buttons.
class QtDialogs final : public Dialogs {
public:
    Answer message(QWidget* parent, const QString& text, Icon icon, Buttons buttons, const QString& title) override;
    std::optional<QString> inputText(QWidget* parent, const QString& prompt, const QString& title,
                                     const QString& initial) override;
    std::optional<FileAnswer> openFile(QWidget* parent, const FileRequest& request) override;
    std::optional<FileAnswer> saveFile(QWidget* parent, const FileRequest& request) override;
    std::optional<QColor> colour(QWidget* parent, const QColor& initial) override;
    std::optional<QFont> font(QWidget* parent, const QFont& initial) override;
};

}  // namespace plk
