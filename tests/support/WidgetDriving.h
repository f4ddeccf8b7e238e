#pragma once
// Driving widgets as a user does, and reading back what they show.

#include <QStringList>

class QComboBox;
class QLineEdit;
class QListWidget;
class QTabBar;
class QWidget;

namespace plk {
class ContentField;
class TxtBox;
}

namespace plk::test {

/// Selects what the field shows and types the text over it (an empty text erases it);
/// with `focusFirst`, gives the field the focus before, as a click into it would.
void typeInto(QLineEdit* field, const QString& text, bool focusFirst = false);
void typeInto(ContentField* field, const QString& text, bool focusFirst = false);
void typeInto(TxtBox* field, const QString& text);
/// Clicks the list's row.
void clickEntry(QListWidget* list, int row);

/// The texts of a list's or a combo box's rows, of a tab bar's tabs, of the group boxes in a widget.
QStringList entries(const QListWidget* list);
QStringList entries(const QComboBox* box);
/// The captions of a tab strip (a QTabBar or the tool box's rows of tabs), in order.
template <class Tabs>
QStringList tabTexts(const Tabs* bar)
{
    QStringList texts;
    for (int i = 0; i < bar->count(); ++i)
        texts << bar->tabText(i);
    return texts;
}
QStringList groupTitles(const QWidget* page);

}  // namespace plk::test
