// A real print job through the CUPS queue "PDF" (cups-pdf), set up by .ci/run: the
// job's PDF file must have one page per sheet and the labels where the layout puts
// them. Skipped on a machine without that queue.

#include "canvas/core/Etiquette.h"
#include "print/PrintTests.h"
#include "support/TestRegistry.h"
#include "support/TestSupport.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QPrinterInfo>
#include <QRegularExpression>
#include <QtTest>
#include <pwd.h>
#include <unistd.h>

using namespace plk;

namespace {

const QString kQueue = QStringLiteral("PDF");

/// Where cups-pdf writes the jobs of the user running the tests.
QString cupsPdfFolder()
{
    const passwd* user = getpwuid(getuid());
    const QString home = user ? QString::fromLocal8Bit(user->pw_dir) : QDir::homePath();
    QString out = QStringLiteral("${HOME}/PDF");
    QFile conf(QStringLiteral("/etc/cups/cups-pdf.conf"));
    if (conf.open(QIODevice::ReadOnly | QIODevice::Text)) {
        static const QRegularExpression line(QStringLiteral("^\\s*Out\\s+(\\S.*)$"));
        for (const QString& l : QString::fromLocal8Bit(conf.readAll()).split(QLatin1Char('\n'))) {
            const QRegularExpressionMatch m = line.match(l);
            if (m.hasMatch())
                out = m.captured(1).trimmed();
        }
    }
    return out.replace(QStringLiteral("${HOME}"), home);
}

QString jobFile(const QString& folder, const QString& title)
{
    const QStringList found = QDir(folder).entryList({QStringLiteral("*") + title + QStringLiteral("*.pdf")}, QDir::Files);
    return found.isEmpty() ? QString() : QDir(folder).filePath(found.first());
}

}  // namespace

class TestCupsQueue : public QObject {
    Q_OBJECT

    QString m_output;

private Q_SLOTS:
    void initTestCase()
    {
        if (!QPrinterInfo::availablePrinterNames().contains(kQueue))
            QSKIP("Pas de file d'impression CUPS « PDF » sur cette machine (.ci/run la crée).");
    }

    void cleanup()
    {
        if (!m_output.isEmpty())
            QFile::remove(m_output);
    }

    void twoSheetsThroughTheQueue()
    {
        Etiquette tab;
        tab.setPrjWidth(90);
        tab.setPrjHeight(50);
        tab.pctFond(rgbColor(255, 0, 0));
        const QString title = QStringLiteral("PlkCups%1x%2").arg(QCoreApplication::applicationPid()).arg(
            QDateTime::currentMSecsSinceEpoch());
        tab.setNameProjet(title);
        tab.setPrinterName(kQueue);
        tab.setResolution(-4);

        // The margins as the set-up reads them, and the true offset of the printable area.
        const SystemPrinters printers;
        const auto printer = printers.printer(kQueue);
        QVERIFY(printer);
        const QPoint margins = printerMargins(*printer);
        const QPointF offset = printer->pageRect(QPrinter::Millimeter).topLeft();
        const LayoutValues values = test::values(15, 12, 2, 3, 2, 5, 2, int(margins.x()), int(margins.y()));

        const QString folder = cupsPdfFolder();
        QVERIFY(Print_Projet(tab, values, printers));
        QTRY_VERIFY_WITH_TIMEOUT(!(m_output = jobFile(folder, title)).isEmpty(), 60000);
        // cups-pdf writes the file in steps: wait until it reads as a whole document.
        QList<QImage> pages;
        QTRY_COMPARE_WITH_TIMEOUT((pages = test::rasterise(m_output, 127)).size(), 2, 30000);

        QList<QPointF> onPaper;  // mm from the paper's corner
        const SheetLayout layout(values, QSizeF(90, 50));
        for (const QPointF at : layout.labels())
            onPaper << at + offset;
        for (const QImage& page : pages) {
            const QList<QRect> labels = test::inReadingOrder(test::regions(page, test::near(Qt::red), 2000));
            QCOMPARE(test::misplaced(labels, onPaper, 5, 3, {90, 50}, 3), QString());
        }
    }

    void oneLabelAPageOnALabelPrinter()
    {
        // A roll of 62 mm cut at 29 mm, as a label printer's queue takes it: a page of
        // the label's size each, three labels, three pages.
        Etiquette tab;
        tab.setPrjWidth(62);
        tab.setPrjHeight(29);
        tab.pctFond(rgbColor(255, 0, 0));
        const QString title = QStringLiteral("PlkRoll%1x%2").arg(QCoreApplication::applicationPid()).arg(
            QDateTime::currentMSecsSinceEpoch());
        tab.setNameProjet(title);
        tab.setPrinterName(kQueue);
        tab.setResolution(-4);
        PrintSettings settings;
        settings.paper = Paper{QString(), 62, 29};
        tab.setPrint(settings);
        QVERIFY(Print_Projet(tab, test::values(0, 0, 0, 0, 1, 1, 3, 0, 0), SystemPrinters()));
        QTRY_VERIFY_WITH_TIMEOUT(!(m_output = jobFile(cupsPdfFolder(), title)).isEmpty(), 60000);
        QList<QImage> pages;
        QTRY_COMPARE_WITH_TIMEOUT((pages = test::rasterise(m_output, 127)).size(), 3, 30000);
        for (const QImage& page : pages)
            QVERIFY2(std::abs(page.width() - 310) <= 2 && std::abs(page.height() - 145) <= 2,
                     qPrintable(QStringLiteral("%1 x %2").arg(page.width()).arg(page.height())));
    }
};

PLK_TEST_CLASS(TestCupsQueue)
#include "tst_CupsQueue.moc"
