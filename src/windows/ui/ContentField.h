#pragma once
// The tool box's content field: one line for a text on one line, more as Entrée adds
// them to a text in a box. It reads and fills like a line field (text, insert at the
// caret, `textEdited` only for what the user types) and grows with its lines.

#include <QPlainTextEdit>

namespace plk {

class ContentField final : public QPlainTextEdit {
    Q_OBJECT

public:
    explicit ContentField(QWidget* parent = nullptr);

    QString text() const { return toPlainText(); }
    /// Shown without `textEdited`.
    void setText(const QString& text);
    void clear() { setText(QString()); }
    /// At the caret, in place of what is selected there, without `textEdited`.
    void insert(const QString& text);
    void setCursorPosition(int position);

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override { return sizeHint(); }

Q_SIGNALS:
    void textEdited(const QString& text);

private:
    bool m_setting = false;
};

}  // namespace plk
