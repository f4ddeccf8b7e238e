// The tool box's CODE page: opened by "Ajouter un code-barres" and by a double click
// on a code; kind and data checked before they reach the code, the reason told and
// nothing changed when they do not fit; size, colour and text; the business-card helper.

#include "WindowTests.h"
#include "barcode/core/BarcodeSymbol.h"
#include "barcode/core/VCard.h"
#include "windows/ui/UndoCommands.h"

#include <QComboBox>
#include <QPlainTextEdit>
#include <QStackedWidget>

using namespace plk;

Q_DECLARE_METATYPE(plk::BarcodeKind)

class TestCodePage : public QObject {
    Q_OBJECT

    test::MainWindowFixture m_fx;
    frmOutils* m_outils = nullptr;
    frmProjet* m_window = nullptr;

    Etiquette& tab() const { return m_window->surface(1); }
    QString codeRecords() const { return tab().RecupererObjet(Etiquette::kCodeRecords, test::french()); }

    /// Gives the page a kind and data and presses "Appliquer".
    void apply(BarcodeKind kind, const QString& data)
    {
        m_outils->codeKindList()->setCurrentIndex(m_outils->codeKindList()->findData(int(kind)));
        m_outils->codeDataField()->setPlainText(data);
        QTest::mouseClick(m_outils->codeApplyButton(), Qt::LeftButton);
    }

private Q_SLOTS:

    void init()
    {
        m_fx.start();
        m_outils = &m_fx.startToolBox();
        m_window = test::showNewProject(*m_fx.menu, 85, 55, 0xFFFFFF, false);
        m_fx.menu->Mnu_ID_Edition_Click(Edition::AjouterCode);
    }
    void cleanup() { m_fx.stop(); }

    void addingACodeOpensItsPage()
    {
        QVERIFY(App.BoiteVisible);
        QVERIFY(m_outils->isVisible());
        QCOMPARE(m_outils->selectedPage(), int(frmOutils::PageCode));
        QCOMPARE(tab().CodeFocus(), std::int16_t(1));
        QCOMPARE(m_outils->codeKindList()->currentText(), QStringLiteral("QR code"));
        QCOMPARE(m_outils->codeDataField()->toPlainText(), QStringLiteral("https://www.exemple.fr"));
        QCOMPARE(m_outils->codeWidthField()->Text(), QStringLiteral("20"));
        QVERIFY(!m_outils->codeTextBox()->isEnabled());  // a QR code has no text line
        QCOMPARE(m_outils->fieldX()->Text(), QStringLiteral("5"));
    }

    void wrongDataIsRefusedAndChangesNothing_data()
    {
        QTest::addColumn<BarcodeKind>("kind");
        QTest::addColumn<QString>("data");
        // Each kind's reasons are checked with its data; here, what the page does with one.
        QTest::newRow("EAN-13") << BarcodeKind::EAN13 << QStringLiteral("12345");
        QTest::newRow("GS1-128") << BarcodeKind::GS1128 << QStringLiteral("(01)123");
        QTest::newRow("empty QR") << BarcodeKind::QR << QString();
    }

    void wrongDataIsRefusedAndChangesNothing()
    {
        QFETCH(BarcodeKind, kind);
        QFETCH(QString, data);
        const QString before = codeRecords();
        QSignalSpy changes(&tab(), &Etiquette::changed);
        apply(kind, data);
        QCOMPARE(m_fx.dialogs->shown.size(), 1);
        QCOMPARE(m_fx.dialogs->shown[0].kind, QStringLiteral("message"));
        QCOMPARE(m_fx.dialogs->shown[0].text, barcodeDataError(kind, data));
        QCOMPARE(m_fx.dialogs->shown[0].icon, Dialogs::Icon::Exclamation);
        QCOMPARE(codeRecords(), before);
        QCOMPARE(changes.size(), 0);
        // What was typed stays, to be corrected.
        QCOMPARE(m_outils->codeDataField()->toPlainText(), data);
    }

    void goodDataGoesToTheCodeWithTheShapeOfItsKind()
    {
        apply(BarcodeKind::EAN13, QStringLiteral("3017620422003"));
        QVERIFY(m_fx.dialogs->shown.isEmpty());
        QCOMPARE(codeRecords(), QStringLiteral("CODE|EAN13|3017620422003|5|5|40|25|0|Vrai"));
        QCOMPARE(m_outils->codeHeightField()->Text(), QStringLiteral("25"));
        QVERIFY(m_outils->codeTextBox()->isEnabled());

        QTest::mouseClick(m_outils->codeTextBox(), Qt::LeftButton);
        test::typeInto(m_outils->codeWidthField()->Text1(), QStringLiteral("50"));
        m_fx.dialogs->colours.push_back(QColor(0, 0, 128));
        QTest::mouseClick(m_outils->codeColourButton(), Qt::LeftButton);
        QCOMPARE(m_fx.dialogs->colourStarts.at(0), QColor(0, 0, 0));
        QCOMPARE(codeRecords(), QStringLiteral("CODE|EAN13|3017620422003|5|5|50|25|8388608|Faux"));

        // Line breaks of a QR code, as typed.
        apply(BarcodeKind::QR, QStringLiteral("Zoé\nTél. 01 23"));
        QCOMPARE(codeRecords(), QStringLiteral("CODE|QR|Zoé\\nTél. 01 23|5|5|20|20|8388608|Faux"));
    }

    void businessCardHelperWritesAVCard()
    {
        apply(BarcodeKind::Code128, QStringLiteral("ABC"));
        QTest::mouseClick(m_outils->vCardButton(), Qt::LeftButton);
        QCOMPARE(m_outils->codePanels()->currentIndex(), 1);
        const QString values[frmOutils::kVCardFields] = {"Zoé Lefèvre", "Dupré & Fils", "01 23 45 67 89",
                                                         "zoe@exemple.fr", "https://exemple.fr"};
        for (int k = 0; k < frmOutils::kVCardFields; ++k)
            m_outils->vCardField(k)->setText(values[k]);
        QTest::mouseClick(m_outils->vCardCreateButton(), Qt::LeftButton);
        QCOMPARE(m_outils->codePanels()->currentIndex(), 0);
        const QString expected = QStringLiteral("BEGIN:VCARD\nVERSION:3.0\nN:Lefèvre;Zoé;;;\nFN:Zoé Lefèvre\n"
                                                "ORG:Dupré & Fils\nTEL:01 23 45 67 89\nEMAIL:zoe@exemple.fr\n"
                                                "URL:https://exemple.fr\nEND:VCARD");
        QCOMPARE(tab().code(1).Kind, BarcodeKind::QR);
        QCOMPARE(tab().codeData(1), expected);
        QCOMPARE(tab().code(1).rect().size(), QSizeF(20, 20));  // square again

        // Nothing filled in: told, nothing changed.
        for (int k = 0; k < frmOutils::kVCardFields; ++k)
            m_outils->vCardField(k)->clear();
        QTest::mouseClick(m_outils->vCardButton(), Qt::LeftButton);
        QTest::mouseClick(m_outils->vCardCreateButton(), Qt::LeftButton);
        QCOMPARE(m_fx.dialogs->shown.last().text, QStringLiteral("Remplissez au moins un champ de la carte de visite."));
        QCOMPARE(tab().codeData(1), expected);
    }

    void vCardEscapesItsSeparators()
    {
        QCOMPARE(vCardData({QStringLiteral("Cher"), QStringLiteral("A; B, C\\D"), {}, {}, {}}),
                 QStringLiteral("BEGIN:VCARD\nVERSION:3.0\nN:Cher;;;;\nFN:Cher\nORG:A\\; B\\, C\\\\D\nEND:VCARD"));
        QCOMPARE(vCardData({}), QString());
    }

    void doubleClickOnACodeOpensItsPage()
    {
        m_outils->selectPage(frmOutils::PageProjet);
        tab().backgroundClick();
        CanvasWidget* canvas = m_window->view(1)->canvas();
        const QPoint at = test::toPx(QPointF(15, 15));  // inside the code
        QTest::mouseDClick(canvas, Qt::LeftButton, {}, at);
        QCOMPARE(m_outils->selectedPage(), int(frmOutils::PageCode));
        QCOMPARE(tab().CodeFocus(), std::int16_t(1));
        QCOMPARE(m_outils->codeDataField()->toPlainText(), QStringLiteral("https://www.exemple.fr"));
    }

    void positionFieldsMoveTheCode()
    {
        test::typeInto(m_outils->fieldX()->Text1(), QStringLiteral("30"));
        test::typeInto(m_outils->fieldY()->Text1(), QStringLiteral("12"));
        QCOMPARE(tab().codeRect(1).topLeft(), QPointF(30, 12));
        m_fx.menu->Mnu_ID_Edition_Click(Edition::Copier);
        m_fx.menu->Mnu_ID_Edition_Click(Edition::Coller);
        QCOMPARE(tab().IDcode(), std::int16_t(2));
        QCOMPARE(tab().codeRect(2).topLeft(), QPointF(35, 17));
    }

    void theCanvasShowsTheCode()
    {
        // The canvas lies inside the view, beside the rulers: the code goes where the
        // canvas is, not as far again from the view's corner.
        EtiquetteView* view = m_window->view(1);
        const QImage shot = view->grab().toImage();
        const double k = test::kPxPerMm;
        const QRect code = QRectF(view->canvas()->geometry().topLeft() + QPointF(5, 5) * k, QSizeF(20, 20) * k).toRect();
        int dark = 0;
        for (int y = code.top(); y <= code.bottom(); ++y)
            for (int x = code.left(); x <= code.right(); ++x)
                dark += qGray(shot.pixel(x, y)) < 64 ? 1 : 0;
        QVERIFY2(dark > 300, qPrintable(QString::number(dark)));
    }

    void deletedFromTheMenu()
    {
        m_fx.menu->Mnu_ID_Edition_Click(Edition::SupprimerObjet);
        QVERIFY(!tab().code(1).Visible);
        QCOMPARE(codeRecords(), QString());
        QCOMPARE(m_outils->codeDataField()->toPlainText(), QString());
    }
};

PLK_TEST_CLASS(TestCodePage)
#include "tst_CodePage.moc"
