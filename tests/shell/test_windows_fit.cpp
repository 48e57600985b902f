// Every window of the program, on small and large screens: each caption shows
// whole in its control (font metrics of the font it is shown in), no font is
// shrunk below the readable floor, no control sticks out of its window and no
// window's frame out of the work area, and nothing covers a button or a
// scroll bar (on a work area of 640 x 480 logical pixels or more). Run at
// scale factors 1, 1.5 and 2 (QT_SCALE_FACTOR): the screen sizes are device
// pixels, as a real screen's. SPOTSIM_TEST_LANGUAGE (el, pseudo) runs it in
// another language; in the pseudo-translation, whose every text is longer and
// has an accent on every letter, a text shown with plain letters escaped the
// translation.
#include "tests/support/Captions.h"
#include "tests/support/Road.h"
#include "acids/CARBONIC.h"
#include "acids/carbonic2.h"
#include "acids/grafvxc.h"
#include "decay/GNOSTED.h"
#include "graphs/grafiki1.h"
#include "graphs/mathematical.h"

#include "toolkit/Language.h"

#include <QAbstractButton>
#include <QAbstractScrollArea>
#include <QAbstractSlider>
#include <QCheckBox>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QRegularExpression>
#include <QStyleOptionButton>
#include <QWindow>
#include <QtTest>

using namespace toolkit;
using testing::captionOf;

namespace {

// Where the widget draws its caption and with which flags.
struct CaptionPlace
{
    QRect box;
    int flags = 0;
};

CaptionPlace captionPlace(const QWidget *w)
{
    if (const auto *label = qobject_cast<const QLabel *>(w)) {
        const int inset = label->frameWidth() + label->margin();
        return {label->rect().adjusted(inset, inset, -inset, -inset),
                int(label->alignment()) | (label->wordWrap() ? Qt::TextWordWrap : 0)};
    }
    const auto *button = qobject_cast<const QAbstractButton *>(w);
    QStyleOptionButton option;
    option.initFrom(button);
    option.text = button->text();
    if (qobject_cast<const QPushButton *>(w))
        return {w->style()->subElementRect(QStyle::SE_PushButtonContents, &option, w),
                Qt::AlignCenter | Qt::TextWordWrap};
    const auto element = qobject_cast<const QRadioButton *>(w) ? QStyle::SE_RadioButtonContents
                                                                 : QStyle::SE_CheckBoxContents;
    return {w->style()->subElementRect(element, &option, w), Qt::AlignLeft | Qt::AlignVCenter};
}

QString describe(const QRect &r)
{
    return QStringLiteral("%1,%2 %3x%4").arg(r.x()).arg(r.y()).arg(r.width()).arg(r.height());
}

// A visible control stacked above `w` that covers part of it, when `w` is
// one a student clicks, scrolls or reads on.
const QWidget *coveringSibling(const QWidget *w)
{
    if (!qobject_cast<const QAbstractButton *>(w) && !qobject_cast<const QAbstractSlider *>(w) &&
        !qobject_cast<const QAbstractScrollArea *>(w))
        return nullptr;
    const QObjectList &siblings = w->parentWidget()->children();
    for (qsizetype k = siblings.indexOf(w) + 1; k < siblings.size(); ++k) {
        const auto *other = qobject_cast<const QWidget *>(siblings[k]);
        if (!other || !other->isVisible() || other->isWindow())
            continue;
        // Neighbours designed edge to edge may share a pixel when rounded.
        const QRect common = other->geometry().intersected(w->geometry());
        if (common.width() > 2 && common.height() > 2)
            return other;
    }
    return nullptr;
}

// A word of plain Latin letters in a text, where the pseudo-translation
// leaves none: the text did not go through the translation. Chemical formulas
// and symbols (H2CO3, Po, HA, pH, K, mol/L) and the program's name are the
// same in every language.
QString untranslatedWord(const QString &text)
{
    if (toolkit::languageInUse() != toolkit::Language::Pseudo)
        return {};
    static const QRegularExpression word(QStringLiteral("[A-Za-z]{2,}"));
    static const QRegularExpression symbols(QStringLiteral("^(?:(?:[A-Z][a-z]?)+|pH|mol|min|ms|sec|CSV|PNG|SVG|spotsim)$"));
    for (const QRegularExpressionMatch &m : word.globalMatch(text))
        if (!symbols.match(m.captured()).hasMatch())
            return m.captured();
    return {};
}

// What is wrong with the visible windows, one line a fault.
QStringList faults(const QString &when)
{
    QStringList found;
    const QRect area = workArea();
    // Below the smallest screen the windows were designed for, controls may
    // have to share room.
    const bool roomy = area.width() >= 640 && area.height() >= 480;
    for (Form *form : visibleForms()) {
        const QString where = QStringLiteral("%1: %2").arg(when, form->objectName());
        const auto untranslated = [&](const QString &what, const QString &text) {
            if (const QString word = untranslatedWord(text); !word.isEmpty())
                found << QStringLiteral("%1%2 '%3' shows '%4' untranslated").arg(where, what, text, word);
        };
        untranslated(QStringLiteral(" title"), form->windowTitle());
        // What the drawings print, as their descriptions keep it.
        for (const Canvas *canvas : QList<Canvas *>{form} + form->findChildren<Canvas *>())
            untranslated(QStringLiteral(" drawing ") + canvas->objectName(), canvas->accessibleDescription());
        for (const MenuItem *item : form->findChildren<MenuItem *>())
            untranslated(QStringLiteral(" menu"), item->caption());
        const QRect frame = form->frameGeometry();
        if (!area.contains(frame))
            found << QStringLiteral("%1 frame %2 leaves the work area").arg(where, describe(frame));
        for (Control *control : form->findChildren<Control *>()) {
            QWidget *w = control->widget();
            if (!w || !w->isVisibleTo(form) || w->width() <= 0 || w->height() <= 0)
                continue;
            const auto *container = qobject_cast<const Canvas *>(w->parentWidget());
            const QRect inside = container ? container->clientRect() : w->parentWidget()->rect();
            if (!inside.contains(w->geometry()))
                found << QStringLiteral("%1.%2 at %3 is not inside %4")
                             .arg(where, control->objectName(), describe(w->geometry()), describe(inside));

            if (const QWidget *above = roomy ? coveringSibling(w) : nullptr)
                found << QStringLiteral("%1.%2 at %3 is covered by %4 at %5")
                             .arg(where, control->objectName(), describe(w->geometry()), above->objectName(),
                                  describe(above->geometry()));

            const QString caption = captionOf(control).remove(QRegularExpression(QStringLiteral("\\s+$")));
            if (caption.isEmpty())
                continue;
            untranslated(QLatin1Char('.') + control->objectName(), caption);
            const CaptionPlace place = captionPlace(w);
            const QRect needed = QFontMetrics(w->font()).boundingRect(place.box, place.flags, caption);
            if (!place.box.contains(needed))
                found << QStringLiteral("%1.%2 '%3' needs %4, has %5")
                             .arg(where, control->objectName(), caption, describe(needed), describe(place.box));
            const double floor = std::min(readableFloorPoints, control->fontSize());
            if (w->font().pointSizeF() < floor - 0.01)
                found << QStringLiteral("%1.%2 '%3' shrunk to %4 pt")
                             .arg(where, control->objectName(), caption)
                             .arg(w->font().pointSizeF());
        }
    }
    return found;
}

const QSize screens[] = {QSize(800, 600), QSize(1024, 768), QSize(1366, 768), QSize(1920, 1080)};

// The captions drawn smaller than their design size, step by step.
QStringList shrunk(const QString &when)
{
    QStringList found;
    for (Form *form : visibleForms())
        for (Control *control : form->findChildren<Control *>()) {
            const QWidget *w = control->widget();
            if (w && w->isVisibleTo(form) && !captionOf(control).trimmed().isEmpty()
                && w->font().pointSizeF() < control->fontSize() - 0.01)
                found << QStringLiteral("%1: %2.%3").arg(when, form->objectName(), control->objectName());
        }
    return found;
}

// Each road of a chapter walked on a screen, what `look` finds at each step.
QStringList walkRoad(QSize screen, const QString &chapter, const std::function<QStringList(const QString &)> &look)
{
    road::startProgram(screen);
    QStringList found;
    auto &run = form<apotelesmata>();
    if (chapter == QLatin1String("decay")) {
        road::toDecayRates(3);
        found << look(QStringLiteral("decay rates"));
        road::startDecayRun(3).Timer1.tick();
        form<grafiki1>().xronoimizoi.click();
        found << look(QStringLiteral("decay run"));
        run.Command4.click();
        found << look(QStringLiteral("worked example"));
        form<GNOSTED>().mprosta.click();
        road::start().Timer1.tick();
        found << look(QStringLiteral("worked example run"));
    } else if (chapter == QLatin1String("acids")) {
        auto &examples = road::toAcidExamples();
        examples.Command2.click();
        found << look(QStringLiteral("acid examples"));
        examples.Command7.click();
        road::start().Timer1.tick();
        found << look(QStringLiteral("acid run"));
        form<grafiki1>().changerates.click();
        form<mathematical>().grafvcshos.click();
        form<grafvxc>().phshow.click();
        found << look(QStringLiteral("acid graphs"));
        run.Command4.click();
        found << look(QStringLiteral("carbonic acid"));
        form<CARBONIC>().Command2.click();
        found << look(QStringLiteral("carbonic rates"));
        form<carbonic2>().Command2.click();
        road::start().Timer1.tick();
        found << look(QStringLiteral("carbonic run"));
    } else {
        road::toParameters(chapter.startsWith(QLatin1Char('2')), chapter.endsWith(QLatin1String("reversible")),
                           [&](const char *page) { found << look(QLatin1String(page)); });
        road::startRun().Timer1.tick();
        found << look(QStringLiteral("run"));
        form<grafiki1>().diaforikes.click();
        form<grafiki1>().changerates.click();
        found << look(QStringLiteral("rates"));
        form<grafiki1>().voithia.click();
        found << look(QStringLiteral("notes"));
    }
    return found;
}

} // namespace

class TestWindowsFit : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase()
    {
        const QString asked = qEnvironmentVariable("SPOTSIM_TEST_LANGUAGE");
        if (!asked.isEmpty()) {
            const auto language = toolkit::languageNamed(asked);
            QVERIFY2(language, "SPOTSIM_TEST_LANGUAGE names no language");
            toolkit::useLanguage(*language);
        }
    }
    void cleanupTestCase() { resetForms(); }

    // The windows as each road leaves them, step by step: a chemical reaction
    // of every kind, a decay series and its worked example, an acid and the
    // carbonic acid example. Between them the roads show every window.
    void roads_data()
    {
        QTest::addColumn<QSize>("screen");
        QTest::addColumn<QString>("chapter");
        for (QSize s : screens)
            for (const char *chapter : {"1 step", "1 step reversible", "2 steps", "2 steps reversible", "decay", "acids"})
                QTest::addRow("%dx%d %s", s.width(), s.height(), chapter) << s << QString::fromLatin1(chapter);
    }

    void roads()
    {
        QFETCH(QSize, screen);
        QFETCH(QString, chapter);
        const QStringList found = walkRoad(screen, chapter, faults);
        QVERIFY2(found.isEmpty(), qPrintable(found.join(QLatin1Char('\n'))));
    }

    // In Greek on the screens a classroom has, no text is smaller than its
    // design size where the English one keeps it.
    void greekKeepsTheDesignSizes_data()
    {
        QTest::addColumn<QSize>("screen");
        QTest::addColumn<QString>("chapter");
        for (QSize s : {QSize(1024, 768), QSize(1366, 768)})
            for (const char *chapter : {"2 steps reversible", "decay", "acids"})
                QTest::addRow("%dx%d %s", s.width(), s.height(), chapter) << s << QString::fromLatin1(chapter);
    }

    void greekKeepsTheDesignSizes()
    {
        QFETCH(QSize, screen);
        QFETCH(QString, chapter);
        if (!qEnvironmentVariableIsEmpty("SPOTSIM_TEST_LANGUAGE") || !qEnvironmentVariableIsEmpty("QT_SCALE_FACTOR"))
            QSKIP("walked in both languages by the plain run, at scale 1");
        toolkit::useLanguage(toolkit::Language::English);
        const QStringList english = walkRoad(screen, chapter, shrunk);
        toolkit::useLanguage(toolkit::Language::Greek);
        QStringList greek = walkRoad(screen, chapter, shrunk);
        toolkit::useLanguage(toolkit::Language::English);
        // The wizard's step options are boxes narrower than any Greek word
        // for steps at their design size.
        const QRegularExpression narrow(QStringLiteral("neaepilogi\\.Option[12]$"));
        greek.removeIf([&](const QString &control) { return english.contains(control) || narrow.match(control).hasMatch(); });
        QVERIFY2(greek.isEmpty(), qPrintable(greek.join(QLatin1Char('\n'))));
    }
};

QTEST_MAIN(TestWindowsFit)
#include "test_windows_fit.moc"
