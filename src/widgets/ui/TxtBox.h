#pragma once
// A numeric entry field with a spin bar beside it. The number lives in the bar: the
// field shows what was typed, but `Value` only takes numbers within the range. The
// bar's up arrow increases the number. A typed number outside the range is brought
// to the nearest end of it when the field loses the focus or its dialog acts, so the
// field never keeps showing a number that is not used.

#include <QWidget>

class QLineEdit;
class QScrollBar;

namespace plk {

class TxtBox : public QWidget {
    Q_OBJECT
    Q_PROPERTY(QString Text READ Text WRITE setText)
    Q_PROPERTY(int LargeChange READ LargeChange WRITE setLargeChange)
    Q_PROPERTY(int Value READ Value WRITE setValue)
    Q_PROPERTY(int MaxLength READ MaxLength WRITE setMaxLength)
    Q_PROPERTY(bool Enabled READ isEnabled WRITE setEnabled)

public:
    static constexpr int kWidthTwips = 990;
    static constexpr int kHeightTwips = 315;

    explicit TxtBox(QWidget* parent = nullptr);

    QString Text() const;
    void setText(const QString& text);
    /// Low end of the range (the bar's bottom).
    int Min() const { return m_bottom; }
    void setMin(int value);
    /// High end of the range (the bar's top).
    int Max() const { return m_top; }
    void setMax(int value);
    /// Restores a range as stored with a form: the stored "Min" is the bar's top,
    /// "Max" its bottom, and the owners store the larger number under "Min".
    void loadRange(int storedMin, int storedMax);
    int LargeChange() const;
    void setLargeChange(int step);
    /// The bar's value, not the text.
    int Value() const;
    /// Negative numbers are taken as their absolute value; out-of-range ones are
    /// brought to the nearest end.
    void setValue(int value);
    int MaxLength() const;
    void setMaxLength(int length);

    /// A typed number outside the range becomes the nearest end of the range, shown
    /// and taken. A number the program put in the field is left as it is shown.
    void settle();
    /// Settles every numeric field inside `container`: a dialog does it before it
    /// reads them.
    static void settleAll(const QWidget* container);

    QLineEdit* Text1() const { return m_edit; }
    QScrollBar* VS1() const { return m_bar; }

Q_SIGNALS:
    void Change();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    // The bar runs from m_top at the top to m_bottom at the bottom, either way round;
    // a QScrollBar always has its minimum at the top, so a bar whose top end is the
    // larger number holds negated values.
    int sign() const { return m_top > m_bottom ? -1 : 1; }
    void applyRange();
    void textChanged(const QString& text);
    void barMoved(int barValue);

    QLineEdit* m_edit;
    QScrollBar* m_bar;
    int m_top = 1;
    int m_bottom = 1;
    bool m_syncing = false;
};

}  // namespace plk
