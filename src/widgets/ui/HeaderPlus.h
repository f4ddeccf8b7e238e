#pragma once
// The banner at the top of a dialog: a title, a subtitle beneath it and a picture on
// the right, over a white band closed by an etched line. Its height is fixed; its
// width follows the dialog.

#include <QPixmap>
#include <QWidget>

class QLabel;

namespace plk {

class Line3D;

class HeaderPlus : public QWidget {
    Q_OBJECT
    Q_PROPERTY(QPixmap Picture READ Picture WRITE setPicture)
    Q_PROPERTY(QString Caption1 READ Caption1 WRITE setCaption1)
    Q_PROPERTY(QString Caption2 READ Caption2 WRITE setCaption2)
    Q_PROPERTY(QString FontName READ FontName WRITE setFontName)
    Q_PROPERTY(int Size1 READ Size1 WRITE setSize1)
    Q_PROPERTY(int Size2 READ Size2 WRITE setSize2)

public:
    static constexpr int kHeightTwips = 975;

    explicit HeaderPlus(QWidget* parent = nullptr);

    QPixmap Picture() const { return m_picture; }
    void setPicture(const QPixmap& picture);
    QString Caption1() const;
    void setCaption1(const QString& text);
    QString Caption2() const;
    void setCaption2(const QString& text);
    /// Font of the title; the subtitle keeps its own.
    QString FontName() const;
    void setFontName(const QString& name);
    int Size1() const;
    void setSize1(int points);
    int Size2() const;
    void setSize2(int points);

    QLabel* Label1() const { return m_title; }
    QLabel* Label2() const { return m_subtitle; }

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    void setLabelFont(QLabel* label, const QString& family, int points);

    QPixmap m_picture;
    QLabel* m_title;
    QLabel* m_subtitle;
    QLabel* m_image;
    Line3D* m_line;
};

}  // namespace plk
