#pragma once
// The pieces a task pane is built from: a group's title bar, its content panel and
// the items inside it. They paint themselves from the pane's shared colours and
// report clicks and hovering to the pane, which decides what happens.

#include "base/core/Colors.h"

#include <QIcon>
#include <QPixmap>
#include <QWidget>

namespace plk {

/// Colours of a task pane, 0x00BBGGRR values.
struct TaskPaneColors {
    OleColor titre = rgbColor(0x21, 0x5D, 0xC6);
    OleColor label = rgbColor(0x21, 0x5D, 0xC6);
    OleColor titreOver = rgbColor(0x42, 0x8E, 0xFF);
    OleColor labelOver = rgbColor(0x42, 0x8E, 0xFF);
    OleColor groupBack1 = rgbColor(0xFF, 0xFF, 0xFF);
    OleColor groupBack2 = rgbColor(0xD6, 0xDF, 0xF7);
    OleColor groupBorder = rgbColor(0xFF, 0xFF, 0xFF);
    OleColor header1 = rgbColor(0xD3, 0xDC, 0xEC);
    OleColor header2 = rgbColor(0xA8, 0xBA, 0xDA);
};

/// The title bar of a group: caption and expand/collapse button, painted in two colours.
class TaskGroupTitle : public QWidget {
    Q_OBJECT
public:
    TaskGroupTitle(const TaskPaneColors& colors, const QString& caption, const QFont& font, QWidget* parent);

    QString caption() const { return m_caption; }
    void setCaption(const QString& caption);
    /// Whether the button shows "close" (the group is open).
    void setShowsOpen(bool open);
    void setHovered(bool hovered);
    bool isHovered() const { return m_hovered; }
    /// The caption's colour as painted now.
    QColor captionColor() const;

Q_SIGNALS:
    void leftClicked();
    void rightPressed(const QPoint& globalPos);
    void hovered();

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void enterEvent(QEnterEvent* event) override;
    void leaveEvent(QEvent* event) override;

private:
    void paintButton(QPainter& painter) const;

    const TaskPaneColors& m_colors;
    QString m_caption;
    bool m_open = false;
    bool m_hovered = false;
};

/// The content panel of a group, lying behind its title and extending below it.
class TaskGroupPanel : public QWidget {
    Q_OBJECT
public:
    TaskGroupPanel(const TaskPaneColors& colors, QWidget* parent);

    /// The group's own background picture, stretched over the panel.
    void setPicture(const QPixmap& picture);

Q_SIGNALS:
    void hovered();

protected:
    void paintEvent(QPaintEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;

private:
    const TaskPaneColors& m_colors;
    QPixmap m_picture;
};

/// One command of a group: a 16-pixel icon and its caption, numbered across the pane.
class TaskItem : public QWidget {
    Q_OBJECT
public:
    TaskItem(const TaskPaneColors& colors, int number, const QIcon& icon, const QString& text, const QFont& font,
             QWidget* parent);

    int number() const { return m_number; }
    QString text() const { return m_text; }
    void setHovered(bool hovered);
    bool isHovered() const { return m_hovered; }
    QColor captionColor() const;
    /// Where the caption is painted, in the item's pixels.
    QRect captionRect() const;

Q_SIGNALS:
    void clicked(int number);
    void hovered(int number);

protected:
    void paintEvent(QPaintEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void enterEvent(QEnterEvent* event) override;
    void leaveEvent(QEvent* event) override;

private:
    const TaskPaneColors& m_colors;
    int m_number;
    QIcon m_icon;
    QString m_text;
    bool m_hovered = false;
};

}  // namespace plk
