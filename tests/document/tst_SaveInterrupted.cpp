// Saving survives being killed at any moment: a child process saves in a loop and is
// killed (SIGKILL) at the n-th report of its writer's progress (bytes handed to the
// system, then the moment before the rename), for every n; the file on disk must then
// be the old file or one of the complete versions, never anything between.
#include "document/core/ProjectFile.h"
#include "print/core/PrintJob.h"
#include "support/TestRegistry.h"
#include "support/TestSupport.h"

#include <QTemporaryDir>
#include <QtTest>

#include <csignal>
#include <cstdio>

using namespace plk;

namespace {

constexpr int kVersions = 3;

/// Version v of the project saved in the loop: big enough to take several pieces.
void buildVersion(Project& p, int version)
{
    p.tab(1).NewProjet(QStringLiteral("V%1").arg(version), 80, 50, 255, 0, false, false, true);
    for (int tab = 1; tab <= 40; ++tab) {
        Etiquette& t = tab == 1 ? p.tab(1) : p.addTab(QStringLiteral("Onglet %1").arg(tab));
        if (tab > 1)
            t.NewProjet(QStringLiteral("V%1").arg(version), 80, 50, 255, 0, false, false, true);
        for (int i = 1; i <= 30; ++i) {
            t.NewLabel(i, version + i);
            t.Caption(i, QStringLiteral("Version %1, texte %2").arg(version).arg(i));
        }
    }
    PrintSettings sheets;
    sheets.ImpNbrP = std::int16_t(version);
    sheets.ImpNbrH = 2;
    sheets.ImpNbrV = 4;
    p.tab(1).setPrint(sheets);
    p.tab(1).setResolution(qualityCodeForIndex(0));
}

QByteArray versionBytes(int version)
{
    Project p;
    buildVersion(p, version);
    return encodeProjectText(projectFileText(p, test::french()));
}

/// A writer that kills its program at the n-th report of progress (never for 0).
class KillingWriter final : public FileWriter {
public:
    explicit KillingWriter(long long killAt) : m_killAt(killAt) {}
    long long reports() const { return m_reports; }

protected:
    void progress(qint64) const override
    {
        if (++m_reports == m_killAt)
            std::raise(SIGKILL);
    }

private:
    long long m_killAt;
    mutable long long m_reports = 0;
};

/// The child: saves versions 1..3 in turn through the killing writer; prints how many
/// reports there were when it lives to the end.
int saveInALoop(const QString& kind, const QString& target, long long killAt)
{
    const KillingWriter writer(killAt);
    for (int v = 1; v <= kVersions; ++v) {
        Project p;
        buildVersion(p, v);
        const QString failure = kind == QLatin1String("pdf")
                                    ? printSheetsToPdf(p.tab(1), layoutValues(p.tab(1).print()), target, nullptr, {}, writer)
                                    : writeProjectFile(target, p, test::french(), writer);
        if (!failure.isEmpty())
            return 3;
    }
    std::printf("%lld\n", writer.reports());
    return 0;
}

/// This program run again as the saving child; it dies (exit code -1) when killed.
test::BatchRun runChild(const QString& kind, const QString& target, long long killAt)
{
    return test::run(QCoreApplication::applicationFilePath(),
                     {QStringLiteral("--save-child"), kind, target, QString::number(killAt)});
}

bool isCompletePdf(const QByteArray& bytes)
{
    return bytes.startsWith("%PDF-") && bytes.trimmed().endsWith("%%EOF") && bytes.contains("/Type /Catalog");
}

/// The moments to kill at: every report, or evenly spread ones plus the last few.
QList<long long> killPoints(long long reports, int most)
{
    QList<long long> points;
    const long long step = std::max(1LL, reports / most);
    for (long long n = 1; n <= reports; n += step)
        points << n;
    for (long long n = std::max(1LL, reports - 3); n <= reports; ++n)
        if (!points.contains(n))
            points << n;
    return points;
}

}  // namespace

class TestSaveInterrupted : public QObject {
    Q_OBJECT

private Q_SLOTS:

    void aKilledProjectSaveLeavesTheOldFileOrANewOne()
    {
        QTemporaryDir dir;
        const QString target = dir.filePath("projet.plk");
        QList<QByteArray> versions;
        for (int v = 1; v <= kVersions; ++v)
            versions << versionBytes(v);
        QVERIFY(versions[0].size() > 3 * 8192);

        const test::BatchRun whole = runChild(QStringLiteral("plk"), target, 0);
        QCOMPARE(whole.exitCode, 0);
        QCOMPARE(test::readBytes(target), versions.last());
        const long long reports = whole.out.trimmed().toLongLong();
        QVERIFY(reports >= 3 * 2);  // at least a piece and the moment before the rename, per save

        const QByteArray old = test::kExampleProject;
        QSet<int> seen;
        for (const long long n : killPoints(reports, 1000)) {
            test::writeBytes(target, old);
            const test::BatchRun r = runChild(QStringLiteral("plk"), target, n);
            QVERIFY2(r.exitCode == -1, qPrintable(QStringLiteral("report %1").arg(n)));
            const QByteArray now = test::readBytes(target);
            const int found = now == old ? 0 : int(versions.indexOf(now)) + 1;
            QVERIFY2(found > 0 || now == old, qPrintable(QStringLiteral("report %1: %2 bytes").arg(n).arg(now.size())));
            seen << found;
        }
        // Kills fell before the first save ended, between saves and within later ones.
        QVERIFY(seen.contains(0) && seen.contains(1) && seen.contains(2));
    }

    void aKilledPdfOutputLeavesTheOldFileOrACompleteOne()
    {
        QTemporaryDir dir;
        const QString target = dir.filePath("planches.pdf");
        const test::BatchRun whole = runChild(QStringLiteral("pdf"), target, 0);
        QCOMPARE(whole.exitCode, 0);
        QVERIFY(isCompletePdf(test::readBytes(target)));
        const long long reports = whole.out.trimmed().toLongLong();
        QVERIFY(reports >= 3 * 2);

        const QByteArray old = "%PDF-1.4 ancien fichier\n%%EOF\n";
        int replaced = 0;
        for (const long long n : killPoints(reports, 24)) {
            test::writeBytes(target, old);
            const test::BatchRun r = runChild(QStringLiteral("pdf"), target, n);
            QCOMPARE(r.exitCode, -1);
            const QByteArray now = test::readBytes(target);
            QVERIFY2(now == old || isCompletePdf(now), qPrintable(QStringLiteral("report %1").arg(n)));
            replaced += now != old;
        }
        QVERIFY(replaced > 0);
    }
};

static int saveChild(int argc, char* argv[])
{
    if (argc != 5)
        return 2;
    return saveInALoop(QString::fromLocal8Bit(argv[2]), QString::fromLocal8Bit(argv[3]), std::atoll(argv[4]));
}

PLK_TEST_CLASS(TestSaveInterrupted)
PLK_TEST_CHILD_MODE("--save-child", saveChild)

#include "tst_SaveInterrupted.moc"
