// Memory of plakatorium-batch on the largest inputs the limits accept (and on the
// over-long ones they now refuse): each case runs the tool in a process of its own and
// reports that process's peak resident memory ("peak_rss_mb", goal: under 500) and its
// exit code. The cases are those of the hostile-input audit: an 8 MB caption, a 30 MB
// merged value, a 1000 mm tab printed and exported, the highest resolutions.
#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>

#include <algorithm>
#include <spawn.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <vector>

extern char** environ;

namespace {

QTemporaryDir& folder()
{
    static QTemporaryDir dir;
    return dir;
}

QString file(const QString& name) { return folder().filePath(name); }

void write(const QString& name, const QByteArray& bytes)
{
    QFile f(file(name));
    if (f.open(QIODevice::WriteOnly))
        f.write(bytes);
}

/// A file of `head`, `count` times the byte, then `tail`, written in pieces: the
/// tool inherits the peak memory of this process, which must stay small.
void writeLong(const QString& name, const QByteArray& head, char byte, qint64 count, const QByteArray& tail)
{
    QFile f(file(name));
    if (!f.open(QIODevice::WriteOnly))
        return;
    f.write(head);
    const QByteArray piece(1 << 16, byte);
    for (qint64 left = count; left > 0; left -= piece.size())
        f.write(piece.constData(), std::min<qint64>(left, piece.size()));
    f.write(tail);
}

/// A tab of the size with one text, its sheets of one label a page.
QByteArray tab(const QByteArray& mm, const QByteArray& caption, const QByteArray& merge = QByteArray())
{
    return "ONGLET|Grand\r\nPROJET|Grand|" + mm + "|" + mm + "|255|0|Faux|Faux|Vrai|Faux|Faux\r\n"
           "LABEL|" + caption + "|5|5|Tahoma|10|Faux|Faux|Faux|Faux|0\r\nFOND|3|0|255|65280|16711680\r\n"
           "PRINT|0|0|0|3|1|0|0|0|0|1|1\r\n" + merge;
}

/// Runs the tool with the arguments; the peak memory of its process in megabytes.
void runTool(benchmark::State& state, std::vector<std::string> args)
{
    args.insert(args.begin(), PLK_BATCH_EXE);
    std::vector<char*> argv;
    for (std::string& a : args)
        argv.push_back(a.data());
    argv.push_back(nullptr);
    for (auto _ : state) {
        pid_t pid = 0;
        if (posix_spawn(&pid, argv[0], nullptr, nullptr, argv.data(), environ) != 0) {
            state.SkipWithError("the tool does not start");
            return;
        }
        int status = 0;
        rusage usage{};
        wait4(pid, &status, 0, &usage);
        state.counters["peak_rss_mb"] = double(usage.ru_maxrss) / 1024.0;
        state.counters["exit_code"] = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    }
}

std::string path(const QString& name) { return file(name).toStdString(); }

void prepare()
{
    const QByteArray head = tab("100", "@");
    const qsizetype at = head.indexOf('@');
    writeLong("legende-8mo.plk", head.left(at), 'x', 8 << 20, head.mid(at + 1));
    write("legende-limite.plk", tab("100", QByteArray(10000, 'x')));
    writeLong("valeur-30mo.csv", "Nom\r\n", 'v', 30 << 20, "\r\n");
    write("valeur-limite.csv", "Nom\r\n" + QByteArray(10000, 'v') + "\r\n");
    write("valeur-30mo.plk", tab("100", "\xABNom\xBB", "FUSION|valeur-30mo.csv|1\r\n"));
    write("valeur-limite.plk", tab("100", "\xABNom\xBB", "FUSION|valeur-limite.csv|1\r\n"));
    write("onglet-500.plk", tab("500", "Texte"));
    write("onglet-1000.plk", tab("1000", "Texte"));
    write("carte.plk", tab("85,5", "Texte"));
}

void caption8MbSheets(benchmark::State& s) { runTool(s, {"sheets", path("legende-8mo.plk"), path("a.pdf")}); }
void captionAtLimitSheets(benchmark::State& s) { runTool(s, {"sheets", path("legende-limite.plk"), path("a.pdf")}); }
void value30MbSheets(benchmark::State& s) { runTool(s, {"sheets", path("valeur-30mo.plk"), path("a.pdf")}); }
void valueAtLimitSheets(benchmark::State& s) { runTool(s, {"sheets", path("valeur-limite.plk"), path("a.pdf")}); }
void tab500Sheets(benchmark::State& s) { runTool(s, {"sheets", path("onglet-500.plk"), path("a.pdf")}); }
void tab1000Sheets(benchmark::State& s) { runTool(s, {"sheets", path("onglet-1000.plk"), path("a.pdf")}); }
void tab1000Snapshot250(benchmark::State& s)
{
    runTool(s, {"snapshot", path("onglet-1000.plk"), path("a.png"), "--dpi", "250"});
}
void tab1000SnapshotMost(benchmark::State& s)
{
    runTool(s, {"snapshot", path("onglet-1000.plk"), path("a.png"), "--dpi", "178"});
}
void tab1000Pdf1200(benchmark::State& s)
{
    runTool(s, {"snapshot", path("onglet-1000.plk"), path("a.pdf"), "--dpi", "1200"});
}
void cardSnapshot1200(benchmark::State& s)
{
    runTool(s, {"snapshot", path("carte.plk"), path("a.png"), "--dpi", "1200"});
}
void tab1000Preview600(benchmark::State& s)
{
    runTool(s, {"preview", path("onglet-1000.plk"), path("pages"), "--dpi", "600"});
}

}  // namespace

BENCHMARK(caption8MbSheets)->Iterations(1)->Unit(benchmark::kMillisecond);
BENCHMARK(captionAtLimitSheets)->Iterations(1)->Unit(benchmark::kMillisecond);
BENCHMARK(value30MbSheets)->Iterations(1)->Unit(benchmark::kMillisecond);
BENCHMARK(valueAtLimitSheets)->Iterations(1)->Unit(benchmark::kMillisecond);
BENCHMARK(tab500Sheets)->Iterations(1)->Unit(benchmark::kMillisecond);
BENCHMARK(tab1000Sheets)->Iterations(1)->Unit(benchmark::kMillisecond);
BENCHMARK(tab1000Snapshot250)->Iterations(1)->Unit(benchmark::kMillisecond);
BENCHMARK(tab1000SnapshotMost)->Iterations(1)->Unit(benchmark::kMillisecond);
BENCHMARK(tab1000Pdf1200)->Iterations(1)->Unit(benchmark::kMillisecond);
BENCHMARK(cardSnapshot1200)->Iterations(1)->Unit(benchmark::kMillisecond);
BENCHMARK(tab1000Preview600)->Iterations(1)->Unit(benchmark::kMillisecond);

int main(int argc, char** argv)
{
    prepare();
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
