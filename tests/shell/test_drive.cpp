// The scripted driver: values on standard output, each error as one whole
// line of visible text on standard error; exit code 2 for a bad script or bad
// arguments, 1 for a failed expectation; ticks only as the run's timer would;
// the pictures and counts it saves at the end of a run and during one.
#include <QImage>
#include <QXmlStreamReader>
#include <QtTest>

#include <cstring>

#include <fcntl.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <unistd.h>

namespace {

// "Start", "Chemical Reactions", two reversible steps, "Next>" twice: the run
// control is showing with its default parameters, no run started.
const QByteArray toRunControl = "seed 7\n"
                                "click eisodos.Command1\n"
                                "click eisagogi.ximia(0)\n"
                                "click neaepilogi.Option2\n"
                                "click neaepilogi.Command2\n"
                                "click amfinaioxi.reversibleyes\n"
                                "click amfinaioxi.Command3\n"
                                "click YPOTHETIKES.Command2\n";

// How the script reaches the driver, and where its output goes.
enum class Input { StandardInput, File, ClosedStandardInput, FullStandardOutput, ClosedStandardOutput, BrokenPipe };

// The driver given the script on standard input, run to its end.
void runDriver(QProcess &drive, const QByteArray &script)
{
    drive.start(QStringLiteral(SPOTSIM_DRIVE), {QStringLiteral("-")});
    drive.write(script);
    drive.closeWriteChannel();
    QVERIFY(drive.waitForFinished(60000));
}

} // namespace

Q_DECLARE_METATYPE(Input)

class TestDrive : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase() { QVERIFY(m_dir.isValid()); }

    // Each row: the arguments ({script} is a file holding the script; "env:"
    // NAME=VALUE or NAME changes the driver's environment), how the
    // script is given, the exit code, the exact standard output and the start
    // of the one line on standard error (empty: nothing there).
    void scripts_data()
    {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<Input>("input");
        QTest::addColumn<QByteArray>("script");
        QTest::addColumn<int>("exitCode");
        QTest::addColumn<QByteArray>("out");
        QTest::addColumn<QByteArray>("err");

        const QStringList fromInput{QStringLiteral("-")};
        const QStringList fromFile{QStringLiteral("{script}")};
        auto row = [&](const char *name, const QByteArray &script, int exitCode, const QByteArray &out,
                       const QByteArray &err) {
            QTest::newRow(name) << fromInput << Input::StandardInput << script << exitCode << out << err;
        };

        // Where the script comes from, and what is wrong with it or the arguments.
        const QByteArray good = "# a comment\nexpect visible eisodos\nget eisodos.Command1\n";
        const QByteArray goodOut = "eisodos.Command1 = Start\n";
        auto refused = [&](const char *name, const QStringList &arguments, const QByteArray &err) {
            QTest::newRow(name) << arguments << Input::File << good << 2 << QByteArray() << "spotsim-drive: " + err;
        };
        row("standard input", good, 0, goodOut, "");
        QTest::newRow("script file") << fromFile << Input::File << good << 0 << goodOut << QByteArray();
        QTest::newRow("Windows line ends") << fromFile << Input::File << QByteArray(good).replace("\n", "\r\n")
                                           << 0 << goodOut << QByteArray();
        QTest::newRow("closed standard input")
            << fromInput << Input::ClosedStandardInput << QByteArray() << 2 << QByteArray()
            << QByteArray("spotsim-drive: cannot read the script from standard input: it is closed");
        refused("missing file", {m_dir.filePath(QStringLiteral("none.drive"))}, "cannot read the script");
        refused("directory", {m_dir.path()}, "cannot read the script");
        refused("no script", {}, "usage");
        refused("two scripts", {QStringLiteral("{script}"), QStringLiteral("{script}")}, "one script");
        refused("unknown option", {QStringLiteral("--shw"), QStringLiteral("{script}")}, "unknown option '--shw'");
        // Screens from 320 x 240 to 7680 x 4320.
        for (const char *size : {"320x240junk", "7681x4320", "320x239", "99999999999x768"})
            refused(qPrintable(QStringLiteral("screen %1").arg(QLatin1String(size))),
                    {QStringLiteral("--screen"), QString::fromLatin1(size), QStringLiteral("{script}")}, "--screen");
        for (const char *size : {"7680x4320", "320x240"})
            QTest::addRow("screen %s", size) << QStringList{QStringLiteral("--screen"), QString::fromLatin1(size),
                                                            QStringLiteral("{script}")}
                                             << Input::File << good << 0 << goodOut << QByteArray();
        refused("screen missing", {QStringLiteral("{script}"), QStringLiteral("--screen")}, "--screen needs WxH");

        // Bad environments: one line and scale 1.
        // An output that fails stops the script at the value it lost.
        const QByteArray lost = "line 3: cannot write to standard output: ";
        QTest::newRow("standard output full") << fromInput << Input::FullStandardOutput << good << 2 << QByteArray()
                                              << lost + "no space left on the disk";
        QTest::newRow("standard output closed")
            << fromInput << Input::ClosedStandardOutput << good << 2 << QByteArray() << lost + "it is closed";
        QTest::newRow("standard output a broken pipe")
            << fromInput << Input::BrokenPipe << good << 2 << QByteArray() << lost + "the reader closed the pipe";
        // Any text there is quoted escaped, on the one line.
        for (const char *factor : {"0", "nan", "1e-9", "-1", "1\n\x1b[2J"})
            QTest::addRow("scale factor %s", QByteArray(factor).toPercentEncoding().constData())
                << QStringList{QStringLiteral("env:QT_SCALE_FACTOR=") + QLatin1String(factor), QStringLiteral("-")}
                << Input::StandardInput << good << 0 << goodOut
                << "spotsim-drive: QT_SCALE_FACTOR="
                       + QByteArray(factor).replace("\n", "\\x0a").replace("\x1b", "\\x1b") + " is not";

        // Lines the driver refuses; a failed get writes nothing to standard output.
        row("unknown command", "expect visible eisodos\nfly away\n", 2, "", "line 2: unknown command 'fly'");
        row("missing window", "get nowhere.Command1\n", 2, "", "line 1: no window nowhere");
        row("missing control", "get eisagogi.ximia(1)\n", 2, "", "line 1: no control ximia(1) on window eisagogi");
        row("failed get after a good one", "get eisodos.Command1\nget eisodos.Command1.colour\n", 2,
            "eisodos.Command1 = Start\n", "line 2: Command1 has no property 'colour'");
        row("missing shared variable", "get shared.nothing\n", 2, "", "line 1: no shared variable nothing");
        row("malformed name", "get eisodos\n", 2, "", "line 1: malformed name");
        row("missing argument", "set eisodos.Command1\n", 2, "", "line 1: usage");
        row("not a number", "seed x\n", 2, "", "line 1: seed must be");
        row("negative tick count", "tick -1\n", 2, "", "line 1: the count must not be negative");
        row("wrong kind", "set eisodos.Command1 5\n", 2, "", "line 1: eisodos.Command1 is not a scroll bar");
        row("no value", "get eisodos.Line1\n", 2, "", "line 1: Line1 has no value");
        row("NUL and control bytes", QByteArray("get\0x\x01\x1b[2J\x7f\n", 11), 2, "",
            "line 1: unknown command 'get\\x00x\\x01\\x1b[2J\\x7f'");
        row("control bytes in a name", "get eisodos.Command\t1\n", 2, "",
            "line 1: no control Command\\x091 on window eisodos");
        row("failed expectation", "expect eisodos.Command1 Stop\n", 1, "", "line 1: expected eisodos.Command1 = 'Stop'");
        // Files: the reason a file cannot be written, and only a part of a long name.
        row("full device", "screen /dev/full\n", 2, "", "line 1: cannot write /dev/full: no space left on the disk");
        row("a folder", "counts /\n", 2, "", "line 1: cannot write /: it is a folder");
        const QByteArray missing = QFile::encodeName(m_dir.filePath(QStringLiteral("missing/screen.png")));
        row("screen where no folder is", "screen " + missing + "\n", 2, "",
            "line 1: cannot write " + missing + ": no such folder");
        // A name's bytes that are not UTF-8 are kept, and quoted by their value.
        const QByteArray latin = QFile::encodeName(m_dir.path()) + "/caf\xe9/screen.png";
        row("a name that is not UTF-8", "screen " + latin + "\n", 2, "",
            "line 1: cannot write " + QByteArray(latin).replace("\xe9", "\\xe9") + ": no such folder");
        row("repeat before a run has ended", "repeat 10\n", 2, "", "line 1: A run is repeated once it has ended");
        for (const char *count : {"1", "10001"})
            row(qPrintable(QStringLiteral("repeat %1 times").arg(QLatin1String(count))),
                QByteArray("repeat ") + count + "\n", 2, "",
                QByteArray("line 1: the count must be 2 to 10000, not ") + count);
        row("long file name quoted in part", "counts /nonexistent/" + QByteArray(5000, 'x') + "\n", 2, "",
            "line 1: cannot write /nonexistent/" + QByteArray(67, 'x') + "...: the name is too long\n");
        row("shot of another kind of file", "shot antidrasi spots.svg\n", 2, "",
            "line 1: shot writes FILE.png, not 'spots.svg'");
        for (const char *tolerance : {"inf", "-1", "nan"})
            row(qPrintable(QStringLiteral("tolerance %1").arg(QLatin1String(tolerance))),
                QByteArray("expect-near shared.runDuration 250 ") + tolerance + "\n", 2, "",
                "line 1: the tolerance must be");
        row("value not finite", "expect-near shared.runDuration inf 1\n", 2, "", "line 1: the value must be");
        row("wait beyond an hour", "wait 2147483647\n", 2, "", "line 1: the time must be from 0");
        row("long name quoted in part", "get " + QByteArray(1 << 20, 'x') + "\n", 2, "",
            "line 1: malformed name '" + QByteArray(80, 'x') + "...' ");
        row("failed expectation with a tab", "expect eisodos.Command1 St\tart\n", 1, "",
            "line 1: expected eisodos.Command1 = 'St\\x09art', got 'Start'");
        row("after the end", "click eisodos.Command2\nexpect ended\nvisible\n", 2, "",
            "line 3: the program has ended");
        row("expect ended too early", "expect ended\n", 1, "", "line 1: expected the program");
        row("text keeps blanks", "expect eisodos.Text1(2)  RADIOACTIVE DECAYS\n", 0, "", "");
        row("save a window without a drawing", "save eisodos title.png\n", 2, "", "line 1: eisodos has no drawing");
        row("save another kind of file", "save antidrasi spots.jpg\n", 2, "", "line 1: save writes FILE.svg or FILE.png");
        // In Greek, as --lang or the desktop asks, before the program starts too.
        QTest::newRow("a Greek script's line")
            << QStringList{QStringLiteral("--lang"), QStringLiteral("el"), QStringLiteral("{script}")} << Input::File
            << QByteArray("fly away\n") << 2 << QByteArray() << QStringLiteral("γραμμή 1: άγνωστη εντολή 'fly'").toUtf8();
        refused("a Greek desktop's refusal",
                {QStringLiteral("env:LC_ALL=el_GR.UTF-8"), QStringLiteral("--screen"), QStringLiteral("1x1"),
                 QStringLiteral("{script}")},
                QStringLiteral("το --screen 1x1 δεν είναι μέγεθος οθόνης").toUtf8());

        // tick runs only while the run control's timer runs, as the timer would.
        row("tick after the run ended",
            toRunControl
                + "click apotelesmata.Command2\nrun\nexpect shared.tickCount 14\n"
                  "tick 50000\nexpect shared.tickCount 14\nrun\nexpect shared.tickCount 14\n",
            0, "", "");

        // Every way a display can be missing or dead, X or Wayland: the
        // program and the driver's --show each write one line that says what
        // is missing and how to start, in the desktop's language, and end
        // with exit 1 (the program's path first: run it, not the driver).
        const QString runtime = m_dir.filePath(QStringLiteral("runtime"));
        QDir().mkpath(runtime);
        // A socket nobody listens on any more, as a compositor that died leaves it.
        const QString dead = runtime + QStringLiteral("/wayland-dead");
        {
            QFile::remove(dead);
            const int fd = ::socket(AF_UNIX, SOCK_STREAM, 0);
            sockaddr_un address{};
            address.sun_family = AF_UNIX;
            const QByteArray path = QFile::encodeName(dead);
            std::memcpy(address.sun_path, path.constData(), std::size_t(path.size()));
            QVERIFY(::bind(fd, reinterpret_cast<const sockaddr *>(&address), sizeof address) == 0);
            ::close(fd);
        }
        // A display number no X server of this machine has.
        int free = 200;
        while (QFileInfo::exists(QStringLiteral("/tmp/.X11-unix/X%1").arg(free))
               || QFileInfo::exists(QStringLiteral("/tmp/.X%1-lock").arg(free)))
            ++free;
        const QString none = QStringLiteral(":%1").arg(free);
        const QStringList bare{QStringLiteral("env:DISPLAY"), QStringLiteral("env:WAYLAND_DISPLAY"),
                               QStringLiteral("env:QT_QPA_PLATFORM"), QStringLiteral("env:XDG_RUNTIME_DIR=") + runtime,
                               QStringLiteral("env:LANGUAGE"), QStringLiteral("env:LC_ALL=C.UTF-8")};
        const struct
        {
            const char *name;
            QStringList environment;
            QString reason;
        } forms[] = {
            {"DISPLAY not set", {}, QStringLiteral("no display: DISPLAY is not set; ")},
            {"DISPLAY naming no server", {QStringLiteral("env:DISPLAY=") + none},
             QStringLiteral("no display: no X server answers on DISPLAY %1; ").arg(none)},
            {"a dead compositor's socket", {QStringLiteral("env:WAYLAND_DISPLAY=wayland-dead")},
             QStringLiteral("no display: DISPLAY is not set and no Wayland compositor answers on its socket %1; ")
                 .arg(dead)},
            {"no compositor's socket", {QStringLiteral("env:WAYLAND_DISPLAY=wayland-none")},
             QStringLiteral("no display: DISPLAY is not set and the Wayland compositor's socket %1/wayland-none is "
                            "not there; ")
                 .arg(runtime)},
            {"Wayland asked for, nothing there", {QStringLiteral("env:QT_QPA_PLATFORM=wayland")},
             QStringLiteral("no display: no Wayland compositor answers on its socket %1/wayland-0; ").arg(runtime)},
            {"eglfs without a screen", {QStringLiteral("env:QT_QPA_PLATFORM=eglfs")},
             QStringLiteral("no display: Qt's platform eglfs found no screen; ")},
            {"linuxfb without a screen", {QStringLiteral("env:QT_QPA_PLATFORM=linuxfb")},
             QStringLiteral("no display: Qt's platform linuxfb found no screen; ")},
            {"a Greek desktop", {QStringLiteral("env:LC_ALL=el_GR.UTF-8")},
             QStringLiteral("καμία οθόνη: η μεταβλητή DISPLAY δεν έχει οριστεί· ")},
        };
        for (const auto &form : forms) {
            const QStringList environment = bare + form.environment;
            QTest::addRow("spotsim, %s", form.name) << QStringList{QStringLiteral(SPOTSIM_PROGRAM)} + environment
                                                    << Input::File << good << 1 << QByteArray()
                                                    << (QStringLiteral("spotsim: ") + form.reason).toUtf8();
            QTest::addRow("spotsim-drive --show, %s", form.name)
                << environment + QStringList{QStringLiteral("--show"), QStringLiteral("{script}")} << Input::File
                << good << 1 << QByteArray() << (QStringLiteral("spotsim-drive: ") + form.reason).toUtf8();
        }
    }

    // At the end of a reaction's run and during an acid's: the SVG of
    // the spots holds a circle for each spot, the PNG has the drawing's size
    // (the graphs' without their menu bar), and the CSV one row a tick whose
    // counts add up to the spots, the last row the counts at the end.
    void savedFiles_data()
    {
        QTest::addColumn<QByteArray>("road");
        QTest::addColumn<bool>("smooth");
        QTest::newRow("reaction, with its smooth curves")
            << toRunControl + "click apotelesmata.Command2\nrun\nclick grafiki1.diaforikes\n" << true;
        QTest::newRow("phosphoric acid, six ticks into its run")
            << QByteArray("seed 9\nclick eisodos.Command1\nclick eisagogi.ximia(0)\nclick neaepilogi.ACIDS\n"
                          "click OXEA1.Command2\nclick OXEA1.Command7\nclick apotelesmata.Command2\ntick 6\n")
            << false;
    }

    void savedFiles()
    {
        QFETCH(QByteArray, road);
        QFETCH(bool, smooth);
        const QByteArray script =
            road + QStringLiteral("save antidrasi %1/spots.svg\nsave antidrasi %1/spots.png\nshot antidrasi %1/shot.png\n"
                                  "save grafiki1 %1/graph.png\nshot grafiki1 %1/graphshot.png\ncounts %1/run.csv\n"
                                  "get shared.countA\nget shared.countB\nget shared.countC\nget shared.countD\n"
                                  "get shared.tickCount\n")
                       .arg(m_dir.path())
                       .toUtf8();
        QProcess drive;
        runDriver(drive, script);
        QCOMPARE(drive.exitCode(), 0);
        QList<int> got; // A, B, C, D, ticks
        for (const QByteArray &line : drive.readAllStandardOutput().split('\n'))
            if (!line.isEmpty())
                got << line.mid(line.indexOf('=') + 2).toInt();
        QCOMPARE(got.size(), 5);
        const int spots = got[0] + got[1] + got[2] + got[3];

        QFile svg(m_dir.filePath(QStringLiteral("spots.svg")));
        QVERIFY(svg.open(QIODevice::ReadOnly));
        QXmlStreamReader xml(&svg);
        int circles = 0;
        while (!xml.atEnd())
            circles += xml.readNext() == QXmlStreamReader::StartElement && xml.name() == QLatin1String("circle");
        QVERIFY2(!xml.hasError(), qPrintable(xml.errorString()));
        QCOMPARE(circles, spots);
        auto size = [&](const char *name) { return QImage(m_dir.filePath(QLatin1String(name))).size(); };
        QCOMPARE(size("spots.png"), size("shot.png"));
        QCOMPARE(size("graph.png").width(), size("graphshot.png").width());
        QVERIFY(size("graph.png").height() < size("graphshot.png").height());

        QFile csv(m_dir.filePath(QStringLiteral("run.csv")));
        QVERIFY(csv.open(QIODevice::ReadOnly));
        QList<QByteArray> lines = csv.readAll().trimmed().split('\n');
        QVERIFY(lines.size() > 5 && lines.first().startsWith("# process: "));
        QVERIFY(lines.contains("# spots: " + QByteArray::number(spots)));
        while (lines.first().startsWith('#'))
            lines.removeFirst();
        const QByteArray header = "time,A,B,C,D";
        QCOMPARE(lines.takeFirst(), smooth ? header + ",smooth A,smooth B,smooth C,smooth D" : header);
        QCOMPARE(lines.size(), got[4]);
        QList<int> counts;
        for (const QByteArray &row : lines) {
            const QList<QByteArray> cells = row.split(',');
            QCOMPARE(cells.size(), smooth ? 9 : 5);
            counts = {cells[1].toInt(), cells[2].toInt(), cells[3].toInt(), cells[4].toInt()};
            QCOMPARE(counts[0] + counts[1] + counts[2] + counts[3], spots);
        }
        QCOMPARE(counts, got.mid(0, 4));
    }

    // Standard output by its names and a pipe are written to, in the order of
    // the script, never replaced; a pipe nobody reads is refused at once.
    void specialFiles()
    {
        const QByteArray pipe = QFile::encodeName(m_dir.filePath(QStringLiteral("pipe")));
        QVERIFY(::mkfifo(pipe.constData(), 0600) == 0);
        const int reader = ::open(pipe.constData(), O_RDONLY | O_NONBLOCK);
        QVERIFY(reader >= 0);
        const QString file = m_dir.filePath(QStringLiteral("counts.csv"));
        const QByteArray got = "get eisodos.Command1\n";
        QProcess drive;
        runDriver(drive, got + "counts -\ncounts /dev/stdout\ncounts " + QFile::encodeName(file) + "\ncounts " + pipe
                             + "\n" + got);
        QCOMPARE(drive.readAllStandardError(), QByteArray());
        QCOMPARE(drive.exitCode(), 0);
        QFile written(file);
        QVERIFY(written.open(QIODevice::ReadOnly));
        const QByteArray csv = written.readAll();
        QVERIFY(csv.contains("time,A,B,C,D"));
        const QByteArray value = "eisodos.Command1 = Start\n";
        QCOMPARE(drive.readAllStandardOutput(), value + csv + csv + value);
        QByteArray piped(csv.size() + 1, '\0');
        QCOMPARE(::read(reader, piped.data(), std::size_t(piped.size())), ssize_t(csv.size()));
        QCOMPARE(piped.chopped(1), csv);
        ::close(reader);

        runDriver(drive, "counts " + pipe + "\n");
        QCOMPARE(drive.exitCode(), 2);
        QCOMPARE(drive.readAllStandardError(), "line 1: cannot write " + pipe + ": no program reads from that pipe\n");
        struct stat st{};
        QVERIFY(::stat(pipe.constData(), &st) == 0 && S_ISFIFO(st.st_mode));
    }

    // On a disk that is full or read-only, a file that cannot be written
    // leaves the earlier file of its name as it was, and no other file
    // behind; the line says why. A small CSV table fails like a large
    // drawing, though it fits in a write buffer. The disk is a small tmpfs of
    // the test's own, in a private mount namespace.
    void fullDisk_data()
    {
        QTest::addColumn<QByteArray>("command");
        QTest::addColumn<QByteArray>("disk"); // what is done to the disk after the earlier file
        QTest::addColumn<QByteArray>("reason");
        const QByteArray full = "dd if=/dev/zero of=fill bs=4096 2>/dev/null";
        const QByteArray noSpace = "no space left on the disk";
        QTest::newRow("a small table") << QByteArray("counts old.csv") << full << noSpace;
        QTest::newRow("a large drawing") << QByteArray("save grafiki1 old.svg") << full << noSpace;
        QTest::newRow("a screenshot") << QByteArray("shot grafiki1 old.png") << full << noSpace;
        QTest::newRow("read-only") << QByteArray("counts old.csv") << QByteArray("mount -o remount,ro \"$PWD\"")
                                   << QByteArray("the disk is read-only");
    }

    void fullDisk()
    {
        QFETCH(QByteArray, command);
        QFETCH(QByteArray, disk);
        QFETCH(QByteArray, reason);
        const QString mountPoint = m_dir.filePath(QStringLiteral("disk"));
        QVERIFY(QDir().mkpath(mountPoint));
        QProcess probe;
        probe.start(QStringLiteral("unshare"), {QStringLiteral("-m"), QStringLiteral("mount"), QStringLiteral("-t"),
                                                QStringLiteral("tmpfs"), QStringLiteral("tmpfs"), mountPoint});
        if (!probe.waitForFinished(10000) || probe.exitStatus() != QProcess::NormalExit || probe.exitCode() != 0)
            QSKIP(qPrintable(QStringLiteral("a private tmpfs needs unshare and mount, as root: %1")
                                 .arg(QString::fromLocal8Bit(probe.readAllStandardError().trimmed()))));

        // The earlier file, the disk made full or read-only, the script; then
        // anything wrong with the folder is said on standard error.
        const QByteArray shell = "mount -t tmpfs -o size=256k spotsim \"$1\" && cd \"$1\" || exit 9\n"
                                 "printf good >old.${3##*.}\n" + disk + "\n"
                                 "\"$2\" -; status=$?\n"
                                 "[ \"$(cat old.${3##*.})\" = good ] || echo 'the earlier file was replaced' >&2\n"
                                 "for f in .* *; do case $f in .|..|old.*|fill) ;;\n"
                                 "  *) echo \"left behind: $f\" >&2;; esac; done\n"
                                 "exit $status\n";
        const QByteArray script = toRunControl + "click apotelesmata.Command2\nrun\n" + command + "\n";
        QProcess drive;
        drive.start(QStringLiteral("unshare"), {QStringLiteral("-m"), QStringLiteral("sh"), QStringLiteral("-c"),
                                                QString::fromUtf8(shell), QStringLiteral("sh"), mountPoint,
                                                QStringLiteral(SPOTSIM_DRIVE), QString::fromUtf8(command)});
        drive.write(script);
        drive.closeWriteChannel();
        QVERIFY(drive.waitForFinished(60000));
        const QByteArray err = drive.readAllStandardError();
        QVERIFY2(drive.exitCode() == 2, err.constData());
        const QByteArray file = command.mid(command.lastIndexOf(' ') + 1);
        const QByteArray line = "line " + QByteArray::number(script.count('\n'));
        QCOMPARE(err, line + ": cannot write " + file + ": " + reason + "\n");
    }

    void scripts()
    {
        QFETCH(QStringList, arguments);
        QFETCH(Input, input);
        QFETCH(QByteArray, script);
        QFETCH(int, exitCode);
        QFETCH(QByteArray, out);
        QFETCH(QByteArray, err);

        QFile file(m_dir.filePath(QStringLiteral("script.drive")));
        QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
        file.write(script);
        file.close();
        arguments.replaceInStrings(QStringLiteral("{script}"), file.fileName());

        const QString program = arguments.value(0) == QLatin1String(SPOTSIM_PROGRAM) ? arguments.takeFirst()
                                                                                     : QStringLiteral(SPOTSIM_DRIVE);
        QProcess drive;
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        // Qt's own notice about a missing runtime directory is not the driver's output.
        environment.insert(QStringLiteral("XDG_RUNTIME_DIR"), m_dir.path());
        for (const QString &argument : QStringList(arguments)) {
            if (!argument.startsWith(QLatin1String("env:")))
                continue;
            arguments.removeOne(argument);
            const QString setting = argument.mid(4);
            const qsizetype equals = setting.indexOf(QLatin1Char('='));
            if (equals < 0)
                environment.remove(setting);
            else
                environment.insert(setting.left(equals), setting.mid(equals + 1));
        }
        drive.setProcessEnvironment(environment);
        if (input == Input::ClosedStandardInput)
            drive.setChildProcessModifier([] { ::close(STDIN_FILENO); });
        else if (input == Input::File)
            drive.setStandardInputFile(QProcess::nullDevice());
        else if (input == Input::FullStandardOutput)
            drive.setStandardOutputFile(QStringLiteral("/dev/full"));
        else if (input == Input::ClosedStandardOutput)
            drive.setChildProcessModifier([] { ::close(STDOUT_FILENO); });
        else if (input == Input::BrokenPipe)
            drive.setChildProcessModifier([] {
                int ends[2];
                if (::pipe(ends) == 0) {
                    ::dup2(ends[1], STDOUT_FILENO);
                    ::close(ends[0]);
                    ::close(ends[1]);
                }
            });
        drive.start(program, arguments);
        QVERIFY(drive.waitForStarted());
        if (input != Input::File && input != Input::ClosedStandardInput)
            drive.write(script);
        drive.closeWriteChannel();
        QVERIFY(drive.waitForFinished(60000));
        QCOMPARE(drive.exitStatus(), QProcess::NormalExit);

        const QByteArray actualOut = drive.readAllStandardOutput();
        const QByteArray actualErr = drive.readAllStandardError();
        const QByteArray both = "stdout:\n" + actualOut + "stderr:\n" + actualErr;
        QVERIFY2(drive.exitCode() == exitCode, both.constData());
        QCOMPARE(actualOut, out);
        if (err.isEmpty()) {
            QVERIFY2(actualErr.isEmpty(), both.constData());
            return;
        }
        // One whole line of visible text.
        QVERIFY2(actualErr.startsWith(err), both.constData());
        QVERIFY2(actualErr.endsWith('\n') && actualErr.count('\n') == 1, both.constData());
        for (const char c : actualErr.chopped(1))
            QVERIFY2(static_cast<unsigned char>(c) >= 0x20 && c != 0x7f, both.constData());
    }

private:
    QTemporaryDir m_dir;
};

QTEST_GUILESS_MAIN(TestDrive)
#include "test_drive.moc"
