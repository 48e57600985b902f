// Lesson files: each fault of a file is one line naming it; a lesson plays in
// the language in use, waits for the student's step and its value, replays
// the same runs on Back, and keeps the answers with the runs' counts.
#include "graphs/apotelesmata.h"
#include "lesson/Model.h"
#include "shell/LessonFile.h"
#include "shell/LessonPlayer.h"
#include "tests/support/Road.h"
#include "toolkit/Toolkit.h"

#include <QProcess>
#include <QtTest>

using namespace toolkit;

namespace {

// From the title window to the parameters of a one-step reaction.
const QByteArray toParameters = "click eisodos.Command1\n"
                                "click eisagogi.ximia(0)\n"
                                "click neaepilogi.Command2\n"
                                "click amfinaioxi.Command3\n";

void settle()
{
    for (int i = 0; i < 5; ++i)
        QCoreApplication::processEvents();
}

} // namespace

class TestLessons : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase() { QVERIFY(m_dir.isValid()); }
    void init() { road::startProgram(); }
    void cleanupTestCase() { resetForms(); }

    // A lesson with one fault gives one line, FILE:LINE: reason.
    void faultsGiveOneLine_data()
    {
        QTest::addColumn<QByteArray>("fault");
        QTest::addColumn<int>("line");
        QTest::addColumn<QString>("reason");
        QTest::newRow("unknown command") << QByteArray("frobnicate 3") << 3 << "unknown command 'frobnicate'";
        QTest::newRow("unknown window") << QByteArray("click nowhere.Command1") << 3 << "no window";
        QTest::newRow("unknown control") << QByteArray("click eisodos.Nothing") << 3 << "no control";
        QTest::newRow("bar out of range") << QByteArray("set YPOTHETIKES.sidesq 100") << 3 << "goes from 2 to 99, not to 100";
        QTest::newRow("step out of range") << QByteArray("do YPOTHETIKES.sidesq=1 Set it") << 3 << "goes from 2 to 99, not to 1";
        QTest::newRow("value for a button") << QByteArray("do eisodos.Command1=1 Press it") << 3 << "takes no value";
        QTest::newRow("step without text") << QByteArray("do eisodos.Command1") << 3 << "needs a text that tells";
        QTest::newRow("note without text") << QByteArray("say") << 3 << "say needs a text";
        QTest::newRow("question without text") << QByteArray("ask  ") << 3 << "ask needs a text";
        QTest::newRow("title without text") << QByteArray("title") << 3 << "title needs a text";
        QTest::newRow("writes a file") << QByteArray("shot eisodos x.png") << 3 << "not for lessons";
        QTest::newRow("continues nothing") << QByteArray("\n| more") << 4 << "goes on with a say";
        QTest::newRow("unknown language") << QByteArray("lang fr") << 3 << "lang takes en, el or all";
        QTest::newRow("not UTF-8") << QByteArray("say caf\xe9") << 3 << "not UTF-8";
        QTest::newRow("wait too long") << QByteArray("wait 3600001") << 3 << "an hour";
        QTest::newRow("pause with words") << QByteArray("pause now") << 3 << "pause takes nothing";
        QTest::newRow("steps differ by language") << QByteArray("lang en\npause\nlang all") << 5 << "2 steps in English and 1 in Greek";
    }

    void faultsGiveOneLine()
    {
        QFETCH(QByteArray, fault);
        QFETCH(int, line);
        QFETCH(QString, reason);
        const QString file = write("fault.spotsim-lesson", "title A lesson\npause\n" + fault + "\n");
        const QStringList problems = lesson::player().open(file);
        QCOMPARE(problems.size(), 1);
        QVERIFY2(problems[0].startsWith(QStringLiteral("%1:%2: ").arg(file).arg(line)), qPrintable(problems[0]));
        QVERIFY2(problems[0].contains(reason), qPrintable(problems[0]));
    }

    // Each language plays its own blocks; '|' lines go on with the note.
    void languageBlocks_data()
    {
        QTest::addColumn<QString>("language");
        QTest::addColumn<QString>("title");
        QTest::addColumn<QString>("note");
        QTest::newRow("English") << "en" << "Rates" << "A falls.\nB rises.";
        QTest::newRow("Greek") << "el" << "Ταχύτητες" << "Το A μειώνεται.";
    }

    void languageBlocks()
    {
        QFETCH(QString, language);
        QFETCH(QString, title);
        QFETCH(QString, note);
        const QByteArray text = "lang en\ntitle Rates\nsay A falls.\n| B rises.\nlang el\ntitle Ταχύτητες\n"
                                "say Το A μειώνεται.\nlang all\npause\n";
        std::vector<lesson::Problem> problems;
        const lesson::Script script = lesson::readLesson(text, language, {}, problems);
        QVERIFY(problems.empty());
        QCOMPARE(script.title, title);
        QCOMPARE(script.items.size(), std::size_t(2));
        QCOMPARE(script.items[0].text, note);
        QCOMPARE(script.steps(), 1);
    }

    // A step waits until its control holds its value; then the lesson goes on.
    void stepWaitsForItsValue()
    {
        auto &player = lesson::player();
        QVERIFY(player.open(write("step.spotsim-lesson", toParameters + "do YPOTHETIKES.sidesq=20 Set 20\npause\n")).isEmpty());
        player.begin();
        QCOMPARE(player.current()->kind, lesson::Item::Kind::Do);
        auto &bars = form<YPOTHETIKES>();
        bars.sidesq.setValue(19);
        settle();
        QCOMPARE(player.current()->kind, lesson::Item::Kind::Do);
        bars.sidesq.setValue(20);
        settle();
        QCOMPARE(player.current()->kind, lesson::Item::Kind::Pause);
        QCOMPARE(player.step(), 2);
    }

    // Back replays from the start with the same seed: the same run, the
    // student's bar and answer as they were; the answers file holds them.
    void backReplaysTheSameRun()
    {
        auto &player = lesson::player();
        const QByteArray text = toParameters + "do YPOTHETIKES.sidesq Move the bar\nclick YPOTHETIKES.Command2\n"
                                               "click apotelesmata.Command2\nrun\nask Where is B highest?\npause\n";
        QVERIFY(player.open(write("back.spotsim-lesson", text)).isEmpty());
        player.begin();
        form<YPOTHETIKES>().sidesq.setValue(12);
        settle();
        settle();
        QVERIFY(lesson::model().running());
        while (lesson::model().running())
            form<apotelesmata>().Timer1.tick();
        QTRY_VERIFY2(player.current(), qPrintable(player.problem()));
        QCOMPARE(player.current()->kind, lesson::Item::Kind::Ask);
        const QByteArray counts = form<apotelesmata>().countsCsv();
        player.setAnswer(QStringLiteral("at t = 40"));
        player.goOn();
        QCOMPARE(player.step(), 3);
        player.back();
        QCOMPARE(player.step(), 2);
        QCOMPARE(player.current()->kind, lesson::Item::Kind::Ask);
        QCOMPARE(form<YPOTHETIKES>().sidesq.value(), 12);
        QCOMPARE(form<apotelesmata>().countsCsv(), counts);
        QCOMPARE(player.answer(), QStringLiteral("at t = 40"));
        const QString answers = player.answersText();
        QVERIFY(answers.contains(QStringLiteral("Question 1: Where is B highest?\nAnswer: at t = 40\n")));
        QVERIFY(answers.contains(QStringLiteral("\nRun 1\n") + QString::fromUtf8(counts)));
        QVERIFY(!answers.contains(QStringLiteral("Run 2")));
    }

    // A lesson moves only what the student sees: a hidden window's button
    // stops it at its line.
    void hiddenControlStopsTheLesson()
    {
        auto &player = lesson::player();
        QVERIFY(player.open(write("hidden.spotsim-lesson", "pause\nclick YPOTHETIKES.Command2\npause\n")).isEmpty());
        int code = 0;
        const QString problem = player.playToEnd(code);
        QCOMPARE(code, 2);
        QVERIFY2(problem.startsWith(QLatin1String("2: YPOTHETIKES.Command2 is not on the screen")), qPrintable(problem));
        QVERIFY(!player.ended());
    }

    // From the command line: every fault a line and exit 2, before anything
    // plays; a good lesson checks clean.
    void commandLine_data()
    {
        QTest::addColumn<QString>("program");
        QTest::addColumn<QString>("option");
        QTest::newRow("spotsim --lesson") << SPOTSIM_PROGRAM << "--lesson";
        QTest::newRow("spotsim-drive --check") << SPOTSIM_DRIVE << "--check";
    }

    void commandLine()
    {
        QFETCH(QString, program);
        QFETCH(QString, option);
        const QString bad = write("bad.spotsim-lesson", "title Two faults\nsay\npause\nset YPOTHETIKES.sidesq 1\n");
        QProcess run;
        run.start(program, {option, bad});
        QVERIFY(run.waitForFinished(60000));
        QCOMPARE(run.exitCode(), 2);
        const QByteArray expected = bad.toUtf8() + ":2: say needs a text\n" + bad.toUtf8()
                                    + ":4: YPOTHETIKES.sidesq goes from 2 to 99, not to 1\n";
        QCOMPARE(run.readAllStandardError(), expected);
        if (option == QLatin1String("--check")) {
            run.start(program, {option, write("good.spotsim-lesson", "pause\n")});
            QVERIFY(run.waitForFinished(60000));
            QCOMPARE(run.exitCode(), 0);
            QCOMPARE(run.readAllStandardError(), QByteArray());
        }
    }

private:
    QString write(const QString &name, const QByteArray &bytes)
    {
        QFile file(m_dir.filePath(name));
        [&] { QVERIFY(file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size()); }();
        return file.fileName();
    }
    QTemporaryDir m_dir;
};

QTEST_MAIN(TestLessons)
#include "test_lessons.moc"
