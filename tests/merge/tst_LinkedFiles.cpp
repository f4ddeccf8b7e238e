// A project reads a data file outside its folder tree only once the user agreed: the
// tool asks once per project and file, the batch tool needs --allow-outside.

#include "canvas/ui/TabDataPrompts.h"
#include "document/core/ProjectFile.h"
#include "merge/core/DataTable.h"
#include "merge/core/LinkedFiles.h"
#include "support/ScriptedDialogs.h"
#include "support/TestRegistry.h"
#include "support/TestSupport.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QtTest>

using namespace plk;

namespace {

const QByteArray kProject = "ONGLET|Carte\r\n"
                            "PROJET|Carte|60|30|255|0|Faux|Faux|Faux|Faux|Faux\r\n"
                            "LABEL|\xABNom\xBB|5|5|Tahoma|10|Faux|Faux|Faux|Faux|0\r\n"
                            "FOND|1|255\r\n"
                            "PRINT|2|0|0|1|1|0|0|2|2|3|8\r\n";

}  // namespace

class TestLinkedFiles : public QObject {
    Q_OBJECT

    QTemporaryDir m_dir;

    QString path(const QString& name) const { return m_dir.filePath(name); }

    /// The project "projet/Carte.plk" naming `dataFile`, with a data file of two rows there.
    QString writeProject(const QString& dataFile) const
    {
        const QString data = QDir(path("projet")).absoluteFilePath(dataFile);
        QDir().mkpath(QFileInfo(data).absolutePath());
        test::writeBytes(data, "Nom\r\nAnne\r\nBruno\r\n");
        test::writeBytes(path("projet/Carte.plk"), kProject + "FUSION|" + dataFile.toUtf8() + "|1\r\n");
        return path("projet/Carte.plk");
    }

private Q_SLOTS:
    void initTestCase()
    {
        QVERIFY(QDir().mkpath(path("projet")) && QDir().mkpath(path("ailleurs")));
        QVERIFY(QFile::link(path("ailleurs"), path("projet/lien")));
    }

    void onlyTheProjectTreeIsItsOwn_data()
    {
        QTest::addColumn<QString>("dataFile");
        QTest::addColumn<bool>("inside");
        QTest::newRow("beside") << "noms.csv" << true;
        QTest::newRow("below") << "listes/noms.csv" << true;
        QTest::newRow("above") << "../noms.csv" << false;
        QTest::newRow("hidden folder") << ".ssh/noms.csv" << false;
        QTest::newRow("through a link") << "lien/noms.csv" << false;
    }

    void onlyTheProjectTreeIsItsOwn()
    {
        QFETCH(QString, dataFile);
        QFETCH(bool, inside);
        Project project;
        QVERIFY(readProjectFile(writeProject(dataFile), project).ok());
        QCOMPARE(project.tab(1).mergeSettings().needsConsent, !inside);

        const QString data = QDir::cleanPath(path("projet/") + dataFile);
        const test::BatchRun refused = test::batch({"sheets", path("projet/Carte.plk"), path("planches.pdf")});
        QCOMPARE(refused.exitCode, inside ? 0 : 1);
        QCOMPARE(refused.err.contains(data.toUtf8() + " : fichier de données hors du dossier du projet"), !inside);
        const test::BatchRun allowed =
            test::batch({"sheets", path("projet/Carte.plk"), path("planches.pdf"), "--allow-outside"});
        QCOMPARE(allowed.exitCode, 0);
    }

    void theToolAsksOncePerProjectAndFile()
    {
        Project project;
        project.filePath = writeProject("../partage/noms.csv");
        QVERIFY(readProjectFile(project.filePath, project).ok());
        const QString data = path("partage/noms.csv");
        const LinkedFileAnswers answers(path("Plakatorium.ini"), project.filePath);
        test::ScriptedDialogs dialogs;
        dialogs.answers = {Dialogs::Answer::Yes};
        const auto first = dataForOutput(dialogs, nullptr, project.tab(1), answers, false);
        QVERIFY(first && *first && (*first)->rowCount() == 2);
        const auto again = dataForOutput(dialogs, nullptr, project.tab(1), answers, false);
        QVERIFY(again && *again);
        QCOMPARE(dialogs.shown.size(), 1);
        QCOMPARE(dialogs.shown[0].text, linkedFileQuestion(data));
        QVERIFY(dialogs.shown[0].text.startsWith("Ce projet lit le fichier « " + data));

        const LinkedFileAnswers otherProject(path("Plakatorium.ini"), path("Autre.plk"));
        dialogs.answers = {Dialogs::Answer::No};
        QVERIFY(!dataForOutput(dialogs, nullptr, project.tab(1), otherProject, false));
        QVERIFY(!dataForOutput(dialogs, nullptr, project.tab(1), otherProject, false));
        QCOMPARE(dialogs.shown.size(), 3);  // asked, then told it was refused
        QCOMPARE(dialogs.shown[2].text, linkedFileRefusal(data));
        QCOMPARE(answers.answer(data), std::optional<bool>(true));
        QCOMPARE(otherProject.answer(data), std::optional<bool>(false));
    }
};

PLK_TEST_CLASS(TestLinkedFiles)
#include "tst_LinkedFiles.moc"
