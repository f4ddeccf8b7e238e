#pragma once
// A strip of tabs that wraps onto further rows when its captions do not fit its width,
// as tab strips of several rows do on the desktop: each row's tabs share its width, and
// the row of the current tab lies next to the page below it.

#include <QString>
#include <QStringList>
#include <QWidget>
#include <vector>

class QStyleOptionTab;

namespace plk {

class TabRows : public QWidget {
    Q_OBJECT
public:
    explicit TabRows(QWidget* parent = nullptr);

    int addTab(const QString& text);
    int count() const { return int(m_texts.size()); }
    QString tabText(int index) const { return m_texts.value(index); }
    int currentIndex() const { return m_current; }
    void setCurrentIndex(int index);
    /// Where the tab lies in the strip, as laid out for the strip's present width.
    QRect tabRect(int index) const;
    /// Room beside a caption within its tab (the style's own when negative).
    void setCaptionSpace(int pixels);

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;
    bool hasHeightForWidth() const override { return true; }
    int heightForWidth(int width) const override;

Q_SIGNALS:
    void currentChanged(int index);

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    struct Row {
        int first = 0;
        int count = 0;
    };
    int tabWidth(int index) const;
    int tabHeight() const;
    std::vector<Row> rowsFor(int width) const;
    void layoutTabs();
    void initOption(QStyleOptionTab& option, int index) const;

    QStringList m_texts;
    int m_current = -1;
    int m_captionSpace = -1;
    std::vector<QRect> m_rects;
};

}  // namespace plk
