#include "windows/ui/ContentField.h"

#include <QScopedValueRollback>
#include <QTextBlock>
#include <algorithm>

namespace plk {

namespace {

constexpr int kMostLinesShown = 6;  // then it scrolls

}  // namespace

ContentField::ContentField(QWidget* parent) : QPlainTextEdit(parent)
{
    // Tab leaves the field, as it leaves a line field.
    setTabChangesFocus(true);
    setLineWrapMode(QPlainTextEdit::NoWrap);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
    connect(this, &QPlainTextEdit::textChanged, this, [this] {
        if (!m_setting)
            Q_EMIT textEdited(toPlainText());
    });
    connect(this, &QPlainTextEdit::blockCountChanged, this, &QWidget::updateGeometry);
}

void ContentField::setText(const QString& text)
{
    const QScopedValueRollback setting(m_setting, true);
    setPlainText(text);
    // The caret after the text, as in a line field.
    moveCursor(QTextCursor::End);
}

void ContentField::insert(const QString& text)
{
    const QScopedValueRollback setting(m_setting, true);
    insertPlainText(text);
}

void ContentField::setCursorPosition(int position)
{
    QTextCursor caret = textCursor();
    caret.setPosition(std::clamp(position, 0, int(toPlainText().size())));
    setTextCursor(caret);
}

QSize ContentField::sizeHint() const
{
    const int lines = std::clamp(blockCount(), 1, kMostLinesShown);
    const int margins = int(2 * document()->documentMargin()) + 2 * frameWidth() + 2;
    return {QPlainTextEdit::sizeHint().width(), fontMetrics().lineSpacing() * lines + margins};
}

}  // namespace plk
