// A tab: its objects, slots, selection, moves, alignment, clipboard and the changes it
// announces, for texts, logos and codes.

#include "canvas/core/Etiquette.h"
#include "support/TestRegistry.h"
#include "support/TestSupport.h"

#include <QSignalSpy>
#include <QTemporaryDir>
#include <QtTest>

using namespace plk;
using Kind = Etiquette::ObjectKind;
using Change = Etiquette::Change;

namespace {

void newTab(Etiquette& t, double w = 50, double h = 50)
{
    t.NewProjet("Test", w, h, kColorWindowBackground, kColorWindowFrame, false, false, true);
}

QString solidPicture(const QTemporaryDir& dir, QSize size, QColor colour)
{
    QImage img(size, QImage::Format_RGB32);
    img.fill(colour);
    const QString path = dir.filePath(QStringLiteral("pic%1.png").arg(size.width()));
    img.save(path);
    return path;
}

void newCard(Etiquette& t, double w = 85, double h = 55)
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

class TestEtiquette : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void init() { clipboard.clear(); }

    void newProjetResetsTheTab()
    {
        Etiquette t;
        newTab(t);
        t.NewLabel(10, 10);
        t.NewLabel(11, 11);
        t.NewLogo(12, 12);
        t.NewProjet("Neuf", 60, 40, 255, 0, true, false, false);
        QCOMPARE(t.TypeFond(), std::int16_t(1));
        QCOMPARE(t.BackColor(), OleColor(255));
        QCOMPARE(t.IDlabel(), std::int16_t(1));  // one slot removed of two
        QCOMPARE(t.IDlogo(), std::int16_t(1));
        QCOMPARE(t.labelCount(), 1);
        QVERIFY(!t.label(1).Visible);
        QCOMPARE(t.label(1).ForeColor, OleColor(0));
        QCOMPARE(t.Cadenas(), true);

        Etiquette fresh;
        newTab(fresh);
        QCOMPARE(fresh.IDlabel(), std::int16_t(0));
        QCOMPARE(fresh.IDlogo(), std::int16_t(0));
        QCOMPARE(fresh.BackColor(), kColorWindowBackground);  // a system colour stays symbolic
    }

    void slotRulesForNewObjects()
    {
        Etiquette t;
        newTab(t);
        t.NewLabel(20, 25);
        t.NewLabel(30, 0);
        QCOMPARE(t.label(1).Top, 20.0f);
        QCOMPARE(t.label(2).Top, 5.0f);
        QCOMPARE(t.label(2).Left, 5.0f);
        QCOMPARE(t.label(2).ForeColor, kColorButtonText);

        Etiquette u;
        newTab(u);
        u.NewLabel(20, 25);
        u.objectClick(Kind::Label, 1);
        u.DelLabel();
        QCOMPARE(u.labelCount(), 1);
        u.NewLogo(12, 0);
        u.NewLogo(12, 0);
        QCOMPARE(u.logo(2).Left, 5.0f);
        QCOMPARE(u.logo(2).Top, 5.0f);
        QCOMPARE(u.objects().front().get(), &u.logo(2));  // a new logo goes to the back

        t.setIDlabel(32767);
        QVERIFY_THROWS_EXCEPTION(EtiquetteError, t.NewLabel());
        QCOMPARE(t.IDlabel(), std::int16_t(32767));
    }

    void selectionEventsAndFrame()
    {
        Etiquette t;
        newTab(t);
        t.NewLabel(10, 20);
        QSignalSpy clicks(&t, &Etiquette::LabelClick);
        QSignalSpy downs(&t, &Etiquette::LabelMouseDown);
        t.objectPress(Kind::Label, 1, 1, 0, 0.5, 0.5);
        t.objectClick(Kind::Label, 1);
        QCOMPARE(clicks.count(), 2);
        QCOMPARE(downs.count(), 1);
        QCOMPARE(clicks.at(0).at(1).toInt(), 10);
        QCOMPARE(clicks.at(0).at(2).toInt(), 20);
        QCOMPARE(t.LabelFocus(), std::int16_t(1));
        QCOMPARE(t.LogoFocus(), std::int16_t(-1));
        const QRectF r = t.labelRect(1);
        QVERIFY(r.width() > 10 && r.height() > 2);
        QCOMPARE(t.frame().rect, QRectF(r.left() - 2, r.top() - 1, r.width() + 4, r.height() + 2));
        QCOMPARE(t.frame().kind, QStringLiteral("LABEL"));
        QVERIFY(t.frame().visible);

        QSignalSpy fond(&t, &Etiquette::FondClick);
        t.backgroundClick();
        QCOMPARE(fond.count(), 1);
        QVERIFY(!t.frame().visible);
        QCOMPARE(t.LabelFocus(), std::int16_t(-1));

        t.NewLogo(5, 6);
        QSignalSpy logoClicks(&t, &Etiquette::LogoClick);
        t.objectClick(Kind::Logo, 1);
        QCOMPARE(logoClicks.at(0).at(3).toInt(), int(std::nearbyint(t.logo(1).Width)));
        QCOMPARE(t.LabelFocus(), std::int16_t(-1));
        QCOMPARE(t.LogoFocus(), std::int16_t(1));
    }

    void dragFollowsLeftButtonUnlessLocked()
    {
        Etiquette t;
        newTab(t);
        t.NewLabel(10, 10);
        t.objectPress(Kind::Label, 1, 1, 0, 1.0, 1.0);
        t.objectMouseMove(Kind::Label, 1, 1, 3.0, 2.5);
        QCOMPARE(t.label(1).Left, 12.0f);
        QCOMPARE(t.label(1).Top, 11.5f);
        const QRectF r = t.labelRect(1);
        QCOMPARE(t.frame().rect.left(), r.left() - 100 / 56.7);
        QCOMPARE(t.frame().rect.height(), r.height() + 150 / 56.7);
        t.objectMouseMove(Kind::Label, 1, 2, 9.0, 9.0);  // right button
        t.objectMouseMove(Kind::Label, 1, 3, 9.0, 9.0);  // both buttons
        QCOMPARE(t.label(1).Left, 12.0f);
        t.setCadenas(true);
        QSignalSpy clicks(&t, &Etiquette::LabelClick);
        t.objectPress(Kind::Label, 1, 1, 0, 0, 0);
        t.objectMouseMove(Kind::Label, 1, 1, 5.0, 5.0);
        QCOMPARE(clicks.count(), 1);
        QCOMPARE(t.label(1).Left, 12.0f);
        t.setCadenas(false);
        t.objectMouseMove(Kind::Label, 1, 1, -40.0, 0.0);  // off the canvas is allowed
        QCOMPARE(t.label(1).Left, -28.0f);
    }

    void alignmentModes()
    {
        Etiquette t;
        newTab(t, 100, 60);
        t.NewLogo(10, 10);
        t.objectClick(Kind::Logo, 1);
        t.SizeLogo(1, 20, 10);
        const double wc = t.canvasImage().width() * 15.0, hc = t.canvasImage().height() * 15.0;
        t.AlignObjet(1, 3);
        QCOMPARE(t.logo(1).Left, float(150 / 56.7));
        t.AlignObjet(1, 4);
        QCOMPARE(t.logo(1).Left, float((wc - (20 * 56.7 + 150)) / 56.7));
        t.AlignObjet(1, 2);
        QCOMPARE(t.logo(1).Left, float((wc / 2 - 20 * 56.7 / 2) / 56.7));
        QCOMPARE(t.logo(1).Top, float((hc / 2 - 10 * 56.7 / 2) / 56.7));
        QCOMPARE(t.ObjetLeft(), std::int16_t(40));
        QCOMPARE(t.ObjetTop(), std::int16_t(25));
        t.AlignObjet(1, 9);
        QCOMPARE(t.ObjetLeft(), std::int16_t(40));
        t.AlignObjet(0, 3);
        QCOMPARE(t.ObjetLeft(), std::int16_t(40));

        // The frame keeps its kind after ResetFocus, so positioning still works.
        t.ResetFocus();
        t.PositionObjet(1, 7, 8);
        QCOMPARE(t.logo(1).Top, 7.0f);
        t.setLabelFocus(0);
        t.DelLabel();
        QCOMPARE(t.frame().kind, QStringLiteral("LOGO"));
        t.setLogoFocus(1);
        t.DelLogo();
        QVERIFY(!t.logo(1).Visible);
        QCOMPARE(t.frame().kind, QString());
        t.PositionObjet(1, 30, 30);
        QCOMPARE(t.logo(1).Top, 7.0f);
    }

    void textStylesAndMirror()
    {
        Etiquette t;
        newTab(t);
        t.NewLabel();
        QCOMPARE(t.Caption(1, "Bon|jour"), QStringLiteral("ZONE DE TEXTE"));
        QCOMPARE(t.Caption(1, ""), QStringLiteral("Bonjour"));
        const double narrow = t.labelRect(1).width();
        t.FontStyle(1, "Tahoma", 16, true, true, false, false);
        QVERIFY(t.labelRect(1).width() > narrow * 1.5);
        QCOMPARE(t.FontSize(), std::int16_t(16));
        QCOMPARE(t.FontBold(), true);
        t.FontStyle2(1, 2, true);
        QCOMPARE(t.label(1).FontUnderline, true);
        QCOMPARE(t.FontUnderline(), true);
        t.FontStyle2(1, 7, true);
        t.FontCouleur(1, 255);
        QCOMPARE(t.FontColor(), OleColor(255));
        QCOMPARE(t.ProprietesObjet("LABEL", 1, "Caption").toString(), QStringLiteral("Bonjour"));
        QCOMPARE(t.ProprietesObjet("LABEL", 1, "Top").toDouble(), 5.0);
        QVERIFY(t.ProprietesObjet("LABEL", 0, "Top").isNull());
        QVERIFY(t.ProprietesObjet("LABEL", 1, "Couleur").isNull());
    }

    void logoPictures()
    {
        QTemporaryDir dir;
        const QString path = solidPicture(dir, QSize(60, 30), Qt::blue);
        Etiquette t;
        newTab(t);
        t.NewLogo();
        QCOMPARE(t.Image(1, path), QString());
        QCOMPARE(t.logo(1).Tag, path);
        QCOMPARE(t.logo(1).Width, float(60 * 15 / 56.7));
        t.NewLabel();
        t.objectClick(Kind::Label, 1);
        t.DimensionLogo(1, 30, 30);  // a text object is selected: nothing
        QCOMPARE(t.logo(1).Width, float(60 * 15 / 56.7));
        t.objectClick(Kind::Logo, 1);
        t.DimensionLogo(1, 30, 20);
        QCOMPARE(t.logo(1).Width, 30.0f);
        QCOMPARE(t.Image(1, QString(), true), path);  // read-only also restores the own size
        QCOMPARE(t.logo(1).Height, float(30 * 15 / 56.7));
        t.Image(1, dir.filePath("gone.png"));
        QCOMPARE(t.logo(1).Tag, QString());
        QCOMPARE(t.logo(1).picture.size(), QSize(32, 32));
        QFile junk(dir.filePath("junk.png"));
        QVERIFY(junk.open(QIODevice::WriteOnly));
        junk.write("not a picture");
        junk.close();
        t.Image(1, path);
        t.Image(1, junk.fileName());  // unreadable: keeps what it had
        QCOMPARE(t.logo(1).Tag, path);
    }

    void clipboardOffsets()
    {
        Etiquette a, b;
        newTab(a);
        newTab(b);
        a.NewLabel(10, 20);
        a.FontStyle(1, "Tahoma", 12, true, false, false, false);
        a.objectClick(Kind::Label, 1);
        a.Copier(1, clipboard, test::french());
        QVERIFY(clipboard.startsWith("LABEL|ZONE DE TEXTE|10|20|Tahoma|12|Vrai|"));
        for (int i = 0; i < 3; ++i)
            b.Coller(clipboard, test::french());
        QCOMPARE(b.IDlabel(), std::int16_t(3));
        for (int i = 1; i <= 3; ++i) {
            QCOMPARE(b.label(i).Top, 15.0f);
            QCOMPARE(b.label(i).Left, 25.0f);
            QCOMPARE(b.label(i).FontBold, true);
        }
        a.PositionObjet(1, -5, 20);
        a.Copier(1, clipboard, test::french());
        b.Coller(clipboard, test::french());
        QCOMPARE(b.label(4).Top, 5.0f);  // top 0 means "no position"
        QCOMPARE(b.label(4).Left, 5.0f);

        a.NewLogo(10, 10);
        a.objectClick(Kind::Logo, 1);
        a.DimensionLogo(1, 22, 11);
        a.Copier(1, clipboard, test::french());
        QCOMPARE(clipboard, QStringLiteral("LOGO||10|10|22|11"));
        b.objectClick(Kind::Label, 1);
        b.Coller(clipboard, test::french());
        QCOMPARE(b.logo(1).Width, 22.0f);
        QCOMPARE(b.logo(1).Top, 15.0f);

        a.ResetFocus();
        a.setLabelFocus(1);
        a.Copier(0, clipboard, test::french());
        QCOMPARE(clipboard, QStringLiteral("LOGO||10|10|22|11"));
    }

    void listenersHearEachRealChangeOnce()
    {
        using C = Etiquette::Change;
        const QColor white(Qt::white), red(Qt::red), grey(0x80, 0x80, 0x80);
        Etiquette t;
        t.NewProjet("Test", 50, 50, rgbColor(255, 255, 255), rgbColor(255, 0, 0), false, false, true);
        QSignalSpy heard(&t, &Etiquette::changed);
        const auto last = [&heard] { return heard.last().at(0).value<Etiquette::Changes>(); };

        // The value the tab already has is no change.
        t.setBordure(true);
        t.setCadenas(false);
        t.setPrjWidth(50);
        t.setNameProjet("Te|st");  // stored without the separator: the same name
        t.setPrint(t.print());
        t.setPrinterName(QString());
        t.setLabelFocus(-1);
        QCOMPARE(heard.count(), 0);

        // The canvas is repainted by the change itself.
        t.setBordure(false);
        QCOMPARE(heard.count(), 1);
        QCOMPARE(last(), C::Background);
        QCOMPARE(t.canvasImage().pixelColor(0, 0), white);
        t.setDepRegle(true);
        QCOMPARE(last(), C::Settings);
        PrintSettings sheets = t.print();
        sheets.ImpNbrP = 3;
        t.setPrint(sheets);
        QCOMPARE(last(), C::Print);
        const int narrow = t.canvasImage().width();
        t.setPrjWidth(60);
        QCOMPARE(heard.count(), 4);
        QCOMPARE(last(), C::Geometry | C::Background);
        QVERIFY(t.canvasImage().width() > narrow);

        // Picking and dragging an object: one announcement each.
        t.NewLabel(10, 10);
        QCOMPARE(last(), C::Objects);
        t.objectPress(Kind::Label, 1, 1, 0, 1.0, 1.0);
        QCOMPARE(heard.count(), 6);
        QCOMPARE(last(), C::Selection);
        t.objectMouseMove(Kind::Label, 1, 1, 3.0, 3.0);
        QCOMPARE(last(), C::Objects | C::Selection);

        // A batch is heard once, when the outermost one ends, and paints the canvas then.
        heard.clear();
        {
            const Etiquette::Batch outer(t);
            t.setBordure(true);
            {
                const Etiquette::Batch inner(t);
                t.setCD_Pochette(true);
                t.setDepRegle(false);
            }
            QCOMPARE(heard.count(), 0);
            QCOMPARE(t.canvasImage().pixelColor(0, 0), white);
        }
        QCOMPARE(heard.count(), 1);
        QCOMPARE(last(), C::Background | C::Settings);
        QCOMPARE(t.canvasImage().pixelColor(0, 0), red);
        const int guide = int(7 * 56.7 / 15);
        QVERIFY(t.canvasImage().pixelColor(guide, 40) == grey || t.canvasImage().pixelColor(guide + 1, 40) == grey);

        // A new content and a pasted object are one change each.
        heard.clear();
        t.NewProjet("Neuf", 40, 30, rgbColor(255, 255, 255), 0, false, false, false);
        QCOMPARE(heard.count(), 1);
        QCOMPARE(last(), C::Geometry | C::Background | C::Objects | C::Selection | C::Settings);
        clipboard = QStringLiteral("LABEL|Copie|10|10|Tahoma|12|Vrai|Faux|Faux|Faux|255");
        t.Coller(clipboard, test::french());
        QCOMPARE(heard.count(), 2);
        QCOMPARE(last(), C::Objects);  // the selection and the tool box's font stay
    }

    void dimProjetFromWholePixels()
    {
        Etiquette t;
        newTab(t);
        QCOMPARE(t.DimProjet(test::french()), QStringLiteral("50 x 50 Mm"));
        t.setPrjWidth(85.5);
        QCOMPARE(t.canvasImage().width(), 323);
        QCOMPARE(t.DimProjet(test::french()), QStringLiteral("85,4497354497354 x 50 Mm"));
    }

    // Codes on a tab: their slots, selection, moves, alignment, clipboard and deletion as
    // for texts and logos; data a kind cannot carry refused with nothing changed; every
    // change announced; drawn over the other objects.
    void slotsFromOneDeletedOnesHiddenUntilUnloaded()
    {
        Etiquette t;
        newCard(t);
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
        newCard(t);
        QCOMPARE(t.IDcode(), std::int16_t(0));
        QCOMPARE(t.RecupererObjet(Etiquette::kCodeRecords), QString());
    }

    void dataTheKindCannotCarryChangesNothing()
    {
        Etiquette t;
        newCard(t);
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
        newCard(t);
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
        newCard(t);
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
        newCard(t);
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
        newCard(t);
        CodeObject c = qr(QStringLiteral("a|b\\c\nd"), 10.5, 20);
        c.ShowText = false;
        t.NewCode(c);
        t.objectClick(Kind::Code, 1);
        t.Copier(1, clipboard, test::french());
        QCOMPARE(clipboard, QStringLiteral("CODE|QR|a\\pb\\\\c\\nd|10,5|20|20|20|0|Faux"));

        Etiquette other;
        newCard(other);
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
        newCard(t);
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

PLK_TEST_CLASS(TestEtiquette)
#include "tst_Etiquette.moc"
