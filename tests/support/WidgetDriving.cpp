#include "support/WidgetDriving.h"

#include "widgets/ui/TxtBox.h"
#include "windows/ui/ContentField.h"

#include <QComboBox>
#include <QGroupBox>
#include <QLineEdit>
#include <QListWidget>
#include <QTabBar>
#include <QtTest>

namespace plk::test {

namespace {

template <typename Field>
void typeOver(Field* field, const QString& text, bool focusFirst)
{
    if (focusFirst)
        field->setFocus();
    field->selectAll();
    if (text.isEmpty())
        QTest::keyClick(field, Qt::Key_Backspace);
    else
        QTest::keyClicks(field, text);
}

}  // namespace

void typeInto(QLineEdit* field, const QString& text, bool focusFirst) { typeOver(field, text, focusFirst); }
void typeInto(ContentField* field, const QString& text, bool focusFirst) { typeOver(field, text, focusFirst); }
void typeInto(TxtBox* field, const QString& text) { typeInto(field->Text1(), text); }

void clickEntry(QListWidget* list, int row)
{
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, list->visualItemRect(list->item(row)).center());
}

QStringList entries(const QListWidget* list)
{
    QStringList texts;
    for (int i = 0; i < list->count(); ++i)
        texts << list->item(i)->text();
    return texts;
}

QStringList entries(const QComboBox* box)
{
    QStringList texts;
    for (int i = 0; i < box->count(); ++i)
        texts << box->itemText(i);
    return texts;
}

QStringList groupTitles(const QWidget* page)
{
    QStringList titles;
    for (const QGroupBox* g : page->findChildren<QGroupBox*>())
        titles << g->title();
    return titles;
}

}  // namespace plk::test
