#pragma once
// One open project: its tabs (each a caption in the tab strip and the design surface
// holding the tab's state), the file it came from or was saved to, and its caption.

#include "canvas/core/Etiquette.h"

#include <QObject>
#include <QString>
#include <memory>
#include <vector>

namespace plk {

class Project : public QObject {
    Q_OBJECT

public:
    /// A project starts with one tab.
    explicit Project(const QString& firstTabCaption = QString(), QObject* parent = nullptr);
    ~Project() override;

    QString filePath;  // empty until opened from or saved to a file
    QString caption;

    int tabCount() const { return int(m_tabs.size()); }
    /// Tab i, counted from 1 as in the tab strip.
    Etiquette& tab(int i) const { return *m_tabs.at(std::size_t(i - 1)).surface; }
    const QString& tabCaption(int i) const { return m_tabs.at(std::size_t(i - 1)).caption; }
    /// Sets a tab's caption; "|" and line breaks are removed so the file reads back.
    void setTabCaption(int i, const QString& caption);

    /// Adds a tab at the end of the strip and returns its surface.
    Etiquette& addTab(const QString& caption);
    /// Removes the last tab; the only tab cannot be removed.
    bool removeLastTab();

Q_SIGNALS:
    void tabAdded(int index);
    void tabRemoved(int index);
    void tabCaptionChanged(int index);

private:
    struct Tab {
        QString caption;
        std::unique_ptr<Etiquette> surface;
    };
    std::vector<Tab> m_tabs;
};

}  // namespace plk
