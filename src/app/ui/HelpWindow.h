#pragma once
// The help: HTML pages that come with the program, shown in one help window at the
// section of a key (a menu's topic or a dialog's caption).

#include <QWidget>

class QTextBrowser;

namespace plk {

class HelpWindow : public QWidget {
    Q_OBJECT

public:
    explicit HelpWindow(QWidget* parent = nullptr);

    /// Shows the page and section of the key; an unknown key shows the index. Opened
    /// from a modal dialog, it stands above that dialog and takes input while the
    /// dialog stays open.
    void ShowHelpTopic(const QString& key);
    /// The page and anchor ("page.html#anchor") a key leads to.
    static QString topicFor(const QString& key);
    QTextBrowser* browser() const { return m_browser; }

private:
    /// Beside `owner` when there is room, always within the screen's available area.
    void placeOnScreen(const QWidget& owner);

    QTextBrowser* m_browser;
};

}  // namespace plk
