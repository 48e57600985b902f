// The start routine, the title and choices windows and the Exit buttons.
#include "shell/StartUp.h"
#include "shell/Windows.h"
#include "shell/core/SharedState.h"
#include "shell/eisagogi.h"
#include "shell/eisodos.h"
#include "toolkit/Toolkit.h"

#include <QtTest>

using namespace toolkit;
using shell::core::shared;

class TestShellStartup : public QObject
{
    Q_OBJECT
private slots:
    void cleanupTestCase() { resetForms(); }
    void init()
    {
        setScreenPixels(QSize(1366, 768));
        shell::resetProgram();
        shell::startRoutine();
    }

    void onlyTheTitleIsVisible()
    {
        QCOMPARE(visibleForms(), std::vector<Form *>{&form<eisodos>()});
        for (Form *window : createdForms())
            QCOMPARE(window->isVisible(), window == &form<eisodos>());
        QVERIFY(createdForms().size() >= 2);
    }

    void startValues()
    {
        QCOMPARE(shared().temperatureC, 25);
        QCOMPARE(shared().runDuration, 250);
        QCOMPARE(shared().runCount, 0);
        QCOMPARE(shared().derivedGraphCount, 0);
        QCOMPARE(shared().modelCode, kinetics::core::ModelCode::Reaction);
    }

    void titleFramesItsTexts()
    {
        auto &w = form<eisodos>();
        QCOMPARE(w.widthTwips(), screenWidth());
        const double bottom = w.Text1[2].top() - w.Text1[2].height();
        QCOMPARE(w.Line1.y1(), w.Text1[0].top());
        QVERIFY(qAbs(w.Line1.y2() - bottom) < 0.1);
        QVERIFY(qAbs(w.Line2.x1() - 135) < 0.1); // 15 + 120
        QVERIFY(qAbs(w.Line4.y1() - bottom) < 0.1);
    }

    void choiceButtonsFollowTheScreenWidth_data()
    {
        QTest::addColumn<QSize>("screen");
        QTest::newRow("1366 wide") << QSize(1366, 768);
        QTest::newRow("1024 wide") << QSize(1024, 768);
        QTest::newRow("1920 wide") << QSize(1920, 1080);
    }

    void choiceButtonsFollowTheScreenWidth()
    {
        QFETCH(QSize, screen);
        setScreenPixels(screen);
        shell::resetProgram();
        shell::startRoutine();
        auto &w = form<eisagogi>();
        const double W = screen.width() * twipsPerPixel();
        const double tolerance = twipsPerPixel(); // one pixel
        auto near = [&](double a, double b) { return qAbs(a - b) <= tolerance; };
        QVERIFY(near(w.ximia[0].left(), 480));
        QVERIFY(near(w.ximia[0].width(), W / 3));
        QVERIFY(near(w.RADIO[1].left(), W / 2));
        QVERIFY(near(w.RADIO[1].left() + w.RADIO[1].width(), 5 * W / 6));
        QVERIFY(near(w.Command2.left(), W / 5));
        QVERIFY(near(w.Command2.width(), W / 5));
        QVERIFY(w.Command2.top() > w.ximia[0].top() + w.ximia[0].height());
    }

    void startLeadsToChoices()
    {
        form<eisodos>().Command1.click();
        QCOMPARE(visibleForms(), (std::vector<Form *>{&form<eisodos>(), &form<eisagogi>()}));
    }

    void chapterChoicesReset_data()
    {
        QTest::addColumn<bool>("chemistry");
        QTest::addColumn<int>("duration");
        QTest::newRow("chemical reactions") << true << 250;
        QTest::newRow("radioactive decays") << false << 75;
    }

    void chapterChoicesReset()
    {
        QFETCH(bool, chemistry);
        QFETCH(int, duration);
        auto &w = form<eisagogi>();
        for (int pass = 0; pass < 2; ++pass) {
            shared().runCount = 3;
            shared().derivedGraphCount = 2;
            shared().temperatureC = 60;
            chemistry ? w.ximia[0].click() : w.RADIO[1].click();
            QCOMPARE(shared().runCount, 0);
            QCOMPARE(shared().derivedGraphCount, 0);
            QCOMPARE(shared().runDuration, duration);
            QCOMPARE(shared().chemistryChosen, chemistry);
            QCOMPARE(shared().temperatureC, chemistry ? 25 : 60);
        }
    }

    void everyExitEndsTheProgram_data()
    {
        QTest::addColumn<QString>("window");
        QTest::addColumn<QString>("button");
        QTest::newRow("title Exit") << "eisodos" << "Command2";
        QTest::newRow("choices EXIT") << "eisagogi" << "Command2";
    }

    void everyExitEndsTheProgram()
    {
        QFETCH(QString, window);
        QFETCH(QString, button);
        Form *w = shell::formByName(window);
        QVERIFY(w);
        w->show();
        auto *exit = w->findChild<CommandButton *>(button);
        QVERIFY(exit);
        exit->click();
        QVERIFY(ended());
        QVERIFY(visibleForms().empty());
    }
};

QTEST_MAIN(TestShellStartup)
#include "test_shell_startup.moc"
