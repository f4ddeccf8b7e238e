// Codes on a tab: their slots, selection, moves, alignment, clipboard and deletion as
// for texts and logos; data a kind cannot carry refused with nothing changed; every
// change announced; drawn over the other objects.

#include "canvas/core/Etiquette.h"
#include "support/TestRegistry.h"
#include "support/TestSupport.h"

#include <QSignalSpy>
#include <QtTest>

using namespace plk;
using Kind = Etiquette::ObjectKind;
using Change = Etiquette::Change;

namespace {

void newTab(Etiquette& t, double w = 85, double h = 55)
{
    t.NewProjet("Carte", w, h, 0xFFFFFF, kColorWindowFrame, false, false, false);
}

CodeObject qr(const QString& data, double top = 10, double left = 10)
{
    CodeObject c;
    c.Data = data;
    c.Top = top;
    c.Left = left;
    c.Width = c.Height = 20;
    return c;
}

/// What each `changed` said, in order.
QList<Etiquette::Changes> heard(const QSignalSpy& spy)
{
    QList<Etiquette::Changes> all;
    for (const QList<QVariant>& call : spy)
        all << call.at(0).value<Etiquette::Changes>();
    return all;
}

}  // namespace

class TestEtiquetteCodes : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void init() { clipboard.clear(); }

    void slotsFromOneDeletedOnesHiddenUntilUnloaded()
    {
        Etiquette t;
        newTab(t);
        QCOMPARE(t.IDcode(), std::int16_t(0));
        for (const char* data : {"un", "deux", "trois"})
            t.NewCode(qr(QString::fromLatin1(data)));
        QCOMPARE(t.IDcode(), std::int16_t(3));
        QCOMPARE(t.codeData(2), QStringLiteral("deux"));

        QSignalSpy clicks(&t, &Etiquette::objectClicked);
        t.objectClick(Kind::Code, 2);
        QCOMPARE(clicks.size(), 1);
        QCOMPARE(t.CodeFocus(), std::int16_t(2));
        QCOMPARE(t.LabelFocus(), std::int16_t(-1));
        QCOMPARE(t.LogoFocus(), std::int16_t(-1));
        QCOMPARE(t.frame().kind, QStringLiteral("CODE"));
        QVERIFY(t.frame().visible);
        QCOMPARE(t.frame().rect, QRectF(8, 9, 24, 22));  // 2 mm beside, 1 mm above and below

        t.deleteSelected();
        QVERIFY(!t.code(2).Visible);
        QCOMPARE(t.IDcode(), std::int16_t(3));
        QCOMPARE(t.CodeFocus(), std::int16_t(-1));
        QVERIFY(!t.frame().visible);
        QCOMPARE(t.RecupererObjet(Etiquette::kCodeRecords, test::french()),
                 QStringLiteral("CODE|QR|un|10|10|20|20|0|Vrai\r\nCODE|QR|trois|10|10|20|20|0|Vrai"));

        // A click elsewhere drops the selection; a new project drops the codes.
        t.objectClick(Kind::Code, 1);
        t.backgroundClick();
        QCOMPARE(t.CodeFocus(), std::int16_t(-1));
        newTab(t);
        QCOMPARE(t.IDcode(), std::int16_t(0));
        QCOMPARE(t.RecupererObjet(Etiquette::kCodeRecords), QString());
    }

    void dataTheKindCannotCarryChangesNothing()
    {
        Etiquette t;
        newTab(t);
        QSignalSpy changes(&t, &Etiquette::changed);
        CodeObject ean = qr(QStringLiteral("123"));
        ean.Kind = BarcodeKind::EAN13;
        try {
            t.NewCode(ean);
            QFAIL("refused");
        } catch (const EtiquetteError& e) {
            QCOMPARE(QString::fromUtf8(e.what()), QStringLiteral("Un code EAN-13 compte 12 ou 13 chiffres."));
        }
        QCOMPARE(t.IDcode(), std::int16_t(0));
        QCOMPARE(changes.size(), 0);

        t.NewCode(qr(QStringLiteral("ABC")));
        changes.clear();
        CodeObject wrong = t.code(1);
        wrong.Kind = BarcodeKind::Code39;
        wrong.Data = QStringLiteral("abé");
        QVERIFY_THROWS_EXCEPTION(EtiquetteError, t.SetCode(1, wrong));
        wrong.Data = QStringLiteral("ABC");
        wrong.Width = 0;
        QVERIFY_THROWS_EXCEPTION(EtiquetteError, t.SetCode(1, wrong));
        QCOMPARE(t.code(1).Kind, BarcodeKind::QR);
        QCOMPARE(t.code(1).Width, 20.0);
        QCOMPARE(changes.size(), 0);
    }

    void aTabHoldsABoundedAmountOfCodeData()
    {
        // Large codes take long to encode: a tab (and a file) cannot ask for any number.
        Etiquette t;
        newTab(t);
        const QString large(5000, QLatin1Char('7'));
        for (int i = 0; i < 4; ++i)
            t.NewCode(qr(large));
        QVERIFY_THROWS_EXCEPTION(EtiquetteError, t.NewCode(qr(QStringLiteral("x"))));
        QCOMPARE(t.IDcode(), std::int16_t(4));
        CodeObject longer = t.code(1);
        longer.Data += QLatin1Char('7');
        QVERIFY_THROWS_EXCEPTION(EtiquetteError, t.SetCode(1, longer));
        longer.Data.chop(2);
        t.SetCode(1, longer);  // a code may keep or shorten its own data
        t.objectClick(Kind::Code, 2);
        t.deleteSelected();  // a deleted code leaves room
        t.NewCode(qr(QStringLiteral("x")));
        QCOMPARE(t.IDcode(), std::int16_t(5));
        try {
            t.NewCode(qr(large + QStringLiteral("77")));  // 20002 characters with the others
            QFAIL("refused");
        } catch (const EtiquetteError& e) {
            QCOMPARE(QString::fromUtf8(e.what()),
                     QStringLiteral("Les codes d'un onglet portent au plus 20000 caractères de données en tout."));
        }
    }

    void editsKeepThePlaceAndLineBreaksComeAsOne()
    {
        Etiquette t;
        newTab(t);
        t.NewCode(qr(QStringLiteral("x"), 12.5, 30.25));
        t.objectClick(Kind::Code, 1);
        QSignalSpy changes(&t, &Etiquette::changed);
        CodeObject values = qr(QStringLiteral("ligne 1\r\nligne 2\rfin"), 0, 0);
        values.Kind = BarcodeKind::DataMatrix;
        values.Width = 30;
        values.ForeColor = 0xFF;
        t.SetCode(1, values);
        QCOMPARE(heard(changes), QList<Etiquette::Changes>({Change::Objects | Change::Selection}));
        const CodeObject& c = t.code(1);
        QCOMPARE(c.Data, QStringLiteral("ligne 1\nligne 2\nfin"));
        QCOMPARE(c.rect(), QRectF(30.25, 12.5, 30, 20));
        QCOMPARE(t.frame().rect, QRectF(28.25, 11.5, 34, 22));  // the frame follows the size
        QCOMPARE(c.ForeColor, OleColor(0xFF));
    }

    void draggedAlignedUnlessLocked()
    {
        Etiquette t;
        newTab(t);
        t.NewCode(qr(QStringLiteral("x")));
        QSignalSpy changes(&t, &Etiquette::changed);
        t.objectPress(Kind::Code, 1, 1, 0, 2, 3);
        t.objectMouseMove(Kind::Code, 1, 1, 7, 8);
        QCOMPARE(t.codeRect(1).topLeft(), QPointF(15, 15));
        QVERIFY(heard(changes).contains(Change::Objects | Change::Selection));

        t.setCadenas(true);
        t.objectMouseMove(Kind::Code, 1, 1, 9, 9);
        QCOMPARE(t.codeRect(1).topLeft(), QPointF(15, 15));
        t.setCadenas(false);

        t.AlignObjet(1, 2);  // middle of the card, in twips of its whole-pixel size
        const double wc = t.canvasImage().width() * 15.0, hc = t.canvasImage().height() * 15.0;
        QCOMPARE(t.codeRect(1).left(), (wc / 2 - 20 * 56.7 / 2) / 56.7);
        QCOMPARE(t.codeRect(1).top(), (hc / 2 - 20 * 56.7 / 2) / 56.7);
        t.PositionObjet(1, 4, 6);
        QCOMPARE(t.codeRect(1).topLeft(), QPointF(6, 4));
    }

    void clipboardCarriesTheRecordWithItsEscapes()
    {
        Etiquette t;
        newTab(t);
        CodeObject c = qr(QStringLiteral("a|b\\c\nd"), 10.5, 20);
        c.ShowText = false;
        t.NewCode(c);
        t.objectClick(Kind::Code, 1);
        t.Copier(1, clipboard, test::french());
        QCOMPARE(clipboard, QStringLiteral("CODE|QR|a\\pb\\\\c\\nd|10,5|20|20|20|0|Faux"));

        Etiquette other;
        newTab(other);
        other.NewLabel(1, 1);
        other.Coller(clipboard, test::french());
        QCOMPARE(other.IDcode(), std::int16_t(1));
        QCOMPARE(other.codeData(1), QStringLiteral("a|b\\c\nd"));
        QCOMPARE(other.codeRect(1), QRectF(25, 15.5, 20, 20));  // 5 mm below and right
        QVERIFY(!other.code(1).ShowText);
        QCOMPARE(other.IDlabel(), std::int16_t(1));
    }

    void drawnOverTextsAndLogos()
    {
        Etiquette t;
        newTab(t);
        t.NewLogo(0, 0);
        t.SizeLogo(1, 85, 55);  // the placeholder picture over the whole card
        t.NewLabel(12, 12);
        t.Caption(1, QStringLiteral("MMMMMMMMMMMMMMMMMMMM"));
        CodeObject c = qr(QStringLiteral("https://www.exemple.fr"));
        c.ForeColor = 0x00FF00;  // pure green: neither the placeholder's nor the text's
        t.NewCode(c);
        const QImage picture = t.Picture();
        // The code's finder pattern: its corner module is the code's colour.
        int green = 0;
        for (int y = 0; y < picture.height(); ++y)
            for (int x = 0; x < picture.width(); ++x)
                green += picture.pixel(x, y) == qRgb(0, 255, 0) ? 1 : 0;
        // The logo covers the whole card: only a code drawn after it shows.
        QVERIFY(green > 400);  // a QR code of 20 mm at 96 dpi: hundreds of dark pixels
    }

private:
    QString clipboard;  // the object clipboard the program would share
};

PLK_TEST_CLASS(TestEtiquetteCodes)
#include "tst_EtiquetteCodes.moc"
