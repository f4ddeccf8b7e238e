// Qt's own dialogs, buttons and context menus speak French once the program has
// loaded Qt's French translation.

#include "app/core/QtFrench.h"
#include "support/TestRegistry.h"

#include <QAbstractButton>
#include <QAbstractFileIconProvider>
#include <QApplication>
#include <QColorDialog>
#include <QFileDialog>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QTreeView>
#include <QtTest>

using namespace plk;

namespace {

template <typename Widget>
QStringList textsOf(const QWidget& dialog, QString (Widget::*text)() const)
{
    QStringList texts;
    for (const Widget* w : dialog.findChildren<Widget*>())
        texts << (w->*text)();
    return texts;
}

}  // namespace

class TestQtFrench : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void initTestCase() { QVERIFY(installQtFrench(*qApp)); }

    void fileDialogs()
    {
        QFileDialog dialog(nullptr, QString(), QDir::tempPath());
        dialog.setOption(QFileDialog::DontUseNativeDialog);
        dialog.setAcceptMode(QFileDialog::AcceptSave);
        const QStringList labels = textsOf<QLabel>(dialog, &QLabel::text);
        QVERIFY2(labels.contains(QStringLiteral("&Nom de fichier :")), qPrintable(labels.join('|')));
        QVERIFY(labels.contains(QStringLiteral("Fichiers de type :")));
        const QStringList buttons = textsOf<QAbstractButton>(dialog, &QAbstractButton::text);
        QVERIFY2(buttons.contains(QStringLiteral("&Enregistrer")), qPrintable(buttons.join('|')));
        QVERIFY(buttons.contains(QStringLiteral("Annuler")));
        QVERIFY(textsOf<QAbstractButton>(dialog, &QAbstractButton::toolTip).contains(QStringLiteral("Dossier parent")));

        QStringList columns;
        const QTreeView* details = dialog.findChild<QTreeView*>();
        QVERIFY(details);
        for (int c = 0; c < details->model()->columnCount(); ++c)
            columns << details->model()->headerData(c, Qt::Horizontal).toString();
        QCOMPARE(columns.mid(0, 2), (QStringList{QStringLiteral("Nom"), QStringLiteral("Taille")}));
        // The kind shown for a folder in the list.
        QCOMPARE(QAbstractFileIconProvider().type(QFileInfo(QDir::tempPath())), QStringLiteral("Dossier"));
    }

    void colourDialog()
    {
        QColorDialog dialog(Qt::red);
        dialog.setOption(QColorDialog::DontUseNativeDialog);
        QCOMPARE(dialog.windowTitle(), QStringLiteral("Sélectionner une couleur"));
        const QStringList labels = textsOf<QLabel>(dialog, &QLabel::text);
        QVERIFY2(labels.contains(QStringLiteral("Couleurs de &base")), qPrintable(labels.join('|')));
        QVERIFY(labels.contains(QStringLiteral("&Rouge :")));
        const QStringList buttons = textsOf<QAbstractButton>(dialog, &QAbstractButton::text);
        QVERIFY(buttons.contains(QStringLiteral("&Ajouter aux couleurs personnalisées")));
        QVERIFY(buttons.contains(QStringLiteral("Annuler")));
    }

    void textFieldMenus()
    {
        QLineEdit field;
        std::unique_ptr<QMenu> menu(field.createStandardContextMenu());
        QStringList entries;
        for (const QAction* a : menu->actions())
            entries << a->text().section(QLatin1Char('\t'), 0, 0);
        QVERIFY2(entries.contains(QStringLiteral("Co&uper")), qPrintable(entries.join('|')));
        QVERIFY(entries.contains(QStringLiteral("Tout sélectionner")));
    }
};

PLK_TEST_CLASS(TestQtFrench)
#include "tst_QtFrench.moc"
