#include "merge/core/FieldMarkers.h"

#include "base/core/ValueReader.h"

namespace plk {

namespace {

constexpr char16_t kOpen = u'«';
constexpr char16_t kClose = u'»';

/// Calls `found(begin, end, name)` for every marker of the text, where [begin, end)
/// covers the guillemets. A « that another « follows before any » is plain text.
template <typename Found>
void forEachMarker(QStringView text, Found&& found)
{
    qsizetype open = -1;
    for (qsizetype i = 0; i < text.size(); ++i) {
        const char16_t c = text[i].unicode();
        if (c == kOpen) {
            open = i;
        } else if (c == kClose && open >= 0) {
            const QStringView name = text.sliced(open + 1, i - open - 1).trimmed();
            if (!name.isEmpty())
                found(open, i + 1, name);
            open = -1;
        } else if (c == u'\n' || c == u'\r') {
            open = -1;
        }
    }
}

void appendOnce(QStringList& list, QStringView name)
{
    if (!list.contains(name))
        list.append(name.toString());
}

}  // namespace

QStringList fieldMarkers(QStringView text)
{
    QStringList names;
    forEachMarker(text, [&names](qsizetype, qsizetype, QStringView name) { appendOnce(names, name); });
    return names;
}

MergedText fillMarkers(const QString& text, const MarkerValue& valueOf, bool keepLineBreaks)
{
    MergedText merged;
    qsizetype copied = 0;
    bool filled = false;
    bool blank = true;  // nothing but blanks and empty values so far
    const auto copy = [&](qsizetype end) {
        const QStringView typed = QStringView(text).sliced(copied, end - copied);
        blank = blank && typed.trimmed().isEmpty();
        merged.text += typed;
    };
    forEachMarker(text, [&](qsizetype begin, qsizetype end, QStringView name) {
        std::optional<QString> value = valueOf(name);
        if (!value)
            return;
        if (!keepLineBreaks)
            value->replace(QLatin1Char('\n'), QLatin1Char(' '));
        copy(begin);
        merged.text += *value;
        filled = true;
        blank = blank && value->trimmed().isEmpty();
        copied = end;
    });
    copy(text.size());
    merged.onlyEmptyMarkers = filled && blank;
    // Many markers of long values would make a text too long to lay out.
    merged.text.truncate(kMaxTextLength);
    return merged;
}

QString mergeText(const QString& text, const DataTable& table, int row)
{
    return fillMarkers(text, [&](QStringView name) -> std::optional<QString> {
               const int field = table.fieldIndex(name);
               return field < 0 ? std::nullopt : std::optional(table.value(row, field));
           }).text;
}

QStringList unknownMarkers(const QStringList& texts, const QStringList& fields)
{
    QStringList unknown;
    for (const QString& text : texts) {
        forEachMarker(text, [&](qsizetype, qsizetype, QStringView name) {
            if (!fields.contains(name))
                appendOnce(unknown, name);
        });
    }
    return unknown;
}

}  // namespace plk
