// The start routine and the title-first start, the title and choices
// windows, and the Exit buttons. The reaction kind wizard's pages are a
// driver road (tests/roads/reaction-wizard.drive).
#include "tests/support/Road.h"
#include "lesson/Model.h"
#include "shell/Quantities.h"
#include "shell/Windows.h"
#include "toolkit/Quantity.h"

#include <QtTest>

using namespace toolkit;

class TestWizard : public QObject
{
    Q_OBJECT
private slots:
    void init() { road::startProgram(); }
    void cleanupTestCase() { resetForms(); }

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
            lesson::model().start();
            lesson::model().countDerivedGraph();
            shell::temperature().set(60);
            chemistry ? w.ximia[0].click() : w.RADIO[1].click();
            QCOMPARE(lesson::model().runCount(), 0);
            QCOMPARE(lesson::model().derivedGraphCount(), 0);
            QCOMPARE(shell::duration().value(), duration);
            QCOMPARE(lesson::model().inputs().chemistryChosen, chemistry);
            QCOMPARE(shell::temperature().value(), chemistry ? 25 : 60);
        }
    }

    // Every Exit ends the program; the roads and tours end by the others.
    void exits()
    {
        for (const auto &[window, button] : {std::pair{"eisodos", "Command2"}, {"neaepilogi", "Command4"},
                                             {"YPOTHETIKES", "Command3"}}) {
            road::startProgram();
            shell::formByName(QLatin1String(window))->findChild<CommandButton *>(QLatin1String(button))->click();
            QVERIFY(ended());
            QVERIFY(visibleForms().empty());
        }
    }

    // What a start leaves: each window's place, and each control's place,
    // visibility, caption and value.
    static QStringList programState()
    {
        const auto numbers = [](std::initializer_list<double> values) {
            QStringList text;
            for (double v : values)
                text << QString::number(v);
            return text.join(QLatin1Char(' '));
        };
        QStringList lines;
        for (Form *w : createdForms()) {
            lines << w->objectName() + QLatin1Char(' ') + numbers({w->left(), w->top(), w->widthTwips(), w->heightTwips()});
            for (const Control *c : w->findChildren<Control *>()) {
                QString line = w->objectName() + QLatin1Char('.') + c->objectName() + QLatin1Char(' ') +
                               numbers({double(c->visible()), c->left(), c->top(), c->width(), c->height()});
                if (auto *bar = qobject_cast<const ScrollBar *>(c))
                    line += QLatin1Char(' ') + numbers({double(bar->value()), double(bar->min()), double(bar->max())});
                else if (auto *label = qobject_cast<const Label *>(c))
                    line += QLatin1Char(' ') + label->caption();
                else if (auto *box = qobject_cast<const TextBox *>(c))
                    line += QLatin1Char(' ') + box->text();
                else if (auto *option = qobject_cast<const OptionButton *>(c))
                    line += option->value() ? QStringLiteral(" on") : QStringLiteral(" off");
                lines << line;
            }
        }
        const auto &s = lesson::model();
        const auto k = s.plan().rates;
        lines << QStringLiteral("shared ") +
                     numbers({double(kinetics::core::toInt(s.inputs().process)), double(shell::amount().value()),
                              double(shell::duration().value()), double(shell::temperature().value()), k.steps.k1,
                              k.steps.k1Reverse, k.steps.k2, k.steps.k2Reverse, k.steps.k3, k.k4, k.k5});
        lines.sort();
        return lines;
    }

    // A person's start shows the title first and makes the other windows
    // once it is on the screen, or before the first key reaches it: either
    // way the program is the one the start routine makes.
    void titleFirstMakesTheSameProgram_data()
    {
        QTest::addColumn<bool>("keyFirst");
        QTest::newRow("after the first paint") << false;
        QTest::newRow("a key before it") << true;
    }

    void titleFirstMakesTheSameProgram()
    {
        QFETCH(bool, keyFirst);
        const QStringList reference = programState();
        shell::resetProgram();
        shell::startTitleFirst();
        auto &title = form<eisodos>();
        QCOMPARE(createdForms(), std::vector<Form *>{&title});
        if (keyFirst)
            QTest::keyClick(&title, Qt::Key_Tab);
        else
            QTRY_VERIFY(createdForms().size() > 1);
        QCOMPARE(programState(), reference);
        QCOMPARE(visibleForms(), std::vector<Form *>{&title});
    }
};

QTEST_MAIN(TestWizard)
#include "test_wizard.moc"
