// The scripted driver stops a bad script with its line number and exit
// code 2, fails an expectation with exit code 1, and never crashes.
#include <QtTest>

class TestDrive : public QObject
{
    Q_OBJECT
private slots:
    void scripts_data()
    {
        QTest::addColumn<QString>("script");
        QTest::addColumn<int>("exitCode");
        QTest::addColumn<QString>("message");
        QTest::newRow("good") << "# a comment\nexpect visible eisodos\nexpect eisodos.Command1 Start\n" << 0 << "";
        QTest::newRow("unknown command") << "expect visible eisodos\nfly away\n" << 2 << "line 2: unknown command";
        QTest::newRow("missing window") << "get nowhere.Command1\n" << 2 << "line 1: no window nowhere";
        QTest::newRow("missing control") << "click eisodos.Command9\n" << 2 << "line 1: no control Command9";
        QTest::newRow("malformed name") << "get eisodos\n" << 2 << "line 1: malformed name";
        QTest::newRow("missing argument") << "set eisodos.Command1\n" << 2 << "line 1: usage";
        QTest::newRow("not a number") << "seed x\n" << 2 << "line 1: seed must be";
        QTest::newRow("wrong kind") << "set eisodos.Command1 5\n" << 2 << "line 1: eisodos.Command1 is not a scroll bar";
        QTest::newRow("no value") << "get eisodos.Line1\n" << 2 << "line 1: Line1 has no value";
        QTest::newRow("unknown property") << "get eisodos.Command1.colour\n" << 2 << "line 1: Command1 has no property";
        QTest::newRow("failed expectation") << "expect eisodos.Command1 Stop\n" << 1 << "line 1: expected";
        QTest::newRow("after the end") << "click eisodos.Command2\nexpect ended\nvisible\n" << 2
                                       << "line 3: the program has ended";
        QTest::newRow("expect ended too early") << "expect ended\n" << 1 << "line 1: expected the program";
        QTest::newRow("text keeps blanks") << "expect eisodos.Text1(2)  RADIOACTIVE DECAYS\n" << 0 << "";
    }

    void scripts()
    {
        QFETCH(QString, script);
        QFETCH(int, exitCode);
        QFETCH(QString, message);
        QProcess drive;
        drive.start(QStringLiteral(SPOTSIM_DRIVE), {QStringLiteral("-")});
        QVERIFY(drive.waitForStarted());
        drive.write(script.toUtf8());
        drive.closeWriteChannel();
        QVERIFY(drive.waitForFinished(60000));
        QCOMPARE(drive.exitStatus(), QProcess::NormalExit);
        const QString out = QString::fromUtf8(drive.readAllStandardOutput());
        QVERIFY2(drive.exitCode() == exitCode, qPrintable(out));
        QVERIFY2(out.contains(message), qPrintable(out));
    }
};

QTEST_GUILESS_MAIN(TestDrive)
#include "test_drive.moc"
