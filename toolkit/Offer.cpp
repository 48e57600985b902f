#include "toolkit/Offer.h"

#include "toolkit/Canvas.h"
#include "toolkit/Files.h"
#include "toolkit/SaveDialog.h"
#include "toolkit/Text.h"
#include "toolkit/Screen.h"

#include <QCoreApplication>
#include <QAccessible>
#include <QAccessibleWidget>
#include <QApplication>
#include <QBuffer>
#include <QClipboard>
#include <QContextMenuEvent>
#include <QDir>
#include <QFileInfo>
#include <QLabel>
#include <QMenu>
#include <QMimeData>
#include <QPointer>
#include <QRegularExpression>
#include <QShortcut>
#include <QStandardPaths>
#include <QSvgGenerator>
#include <QThreadPool>
#include <QTimer>

#include <algorithm>
#include <utility>

namespace toolkit {

namespace {

constexpr int noticeMilliseconds = 8000;

// The lines at the bottom of a window, over the drawing: the designed
// windows have no status bar, and a dialog would stop the student. From the
// bottom up: what became of a file, the window's own message, the progress
// of its work.
const char *const noticeLines[] = {"fileNotice", "notice", "progress"};

// How long a line stays.
enum class Stay { Awhile, Lasting, UntilAction };

class Notice final : public QLabel
{
    Q_OBJECT
public:
    Notice(QWidget &window, const QString &name)
        : QLabel(&window)
    {
        setObjectName(name);
        // A click on a line goes on to the window under it; a pointer held
        // over it shows its tooltip.
        setAttribute(Qt::WA_TransparentForMouseEvents, name != QLatin1String("notice"));
        setWordWrap(true);
        setTextFormat(Qt::PlainText);
        setFrameStyle(QFrame::Box | QFrame::Plain);
        setMargin(4);
        setAutoFillBackground(true);
        QPalette colours = palette();
        colours.setColor(QPalette::Window, colours.color(QPalette::ToolTipBase));
        colours.setColor(QPalette::WindowText, colours.color(QPalette::ToolTipText));
        setPalette(colours);
        m_timer.setSingleShot(true);
        connect(&m_timer, &QTimer::timeout, this, &Notice::withdraw);
    }

    void say(const QString &text, Stay stay)
    {
        const bool same = isVisible() && text == this->text();
        setText(text);
        const QWidget &window = *parentWidget();
        const int room = std::max(40, window.width() - 16);
        const int natural = fontMetrics().horizontalAdvance(text) + 2 * (margin() + frameWidth()) + 2;
        setFixedWidth(std::min(room, natural));
        setFixedHeight(heightForWidth(width()));
        raise();
        show();
        arrange(*parentWidget());
        m_timer.stop();
        if (stay == Stay::Awhile)
            m_timer.start(noticeMilliseconds);
        if (stay == Stay::UntilAction)
            qApp->installEventFilter(this);
        else
            qApp->removeEventFilter(this);
        // Progress told again in the same words is not news.
        if (!same) {
            QAccessibleEvent alert(this, QAccessible::Alert);
            QAccessible::updateAccessibility(&alert);
        }
    }

    void withdraw()
    {
        qApp->removeEventFilter(this);
        m_timer.stop();
        hide();
        arrange(*parentWidget());
    }

    // The visible lines one above the other at the bottom left.
    static void arrange(QWidget &window)
    {
        int bottom = window.height() - 8;
        for (const char *name : noticeLines) {
            auto *line = window.findChild<Notice *>(QLatin1String(name), Qt::FindDirectChildrenOnly);
            if (!line || line->isHidden())
                continue;
            line->move(8, std::max(0, bottom - line->height()));
            bottom -= line->height() + 4;
        }
    }

protected:
    // The student's next action takes a lasting file message away.
    bool eventFilter(QObject *, QEvent *event) override
    {
        switch (event->type()) {
        case QEvent::KeyPress:
        case QEvent::MouseButtonPress:
        case QEvent::Wheel:
            QTimer::singleShot(0, this, &Notice::withdraw);
            break;
        default:
            break;
        }
        return false;
    }

private:
    QTimer m_timer;
};

// Assistive technology reads a notice, or an announcement, as an alert by
// its text.
class NoticeAccessible final : public QAccessibleWidget
{
public:
    explicit NoticeAccessible(QLabel *notice)
        : QAccessibleWidget(notice, QAccessible::AlertMessage)
    {
    }
    QString text(QAccessible::Text t) const override
    {
        if (t == QAccessible::Name)
            return static_cast<const QLabel *>(widget())->text();
        return QAccessibleWidget::text(t);
    }
};

// What assistive technology is told with no line on the screen: a point
// in the window's corner, never drawn, whose text is the announcement.
class Announcement final : public QLabel
{
    Q_OBJECT
public:
    explicit Announcement(QWidget &window)
        : QLabel(&window)
    {
        setObjectName(QStringLiteral("announcement"));
        setAttribute(Qt::WA_TransparentForMouseEvents);
        setFocusPolicy(Qt::NoFocus);
        setGeometry(0, 0, 1, 1);
    }

protected:
    void paintEvent(QPaintEvent *) override {}
};

QAccessibleInterface *noticeAccessible(const QString &, QObject *object)
{
    if (qobject_cast<Notice *>(object) || qobject_cast<Announcement *>(object))
        return new NoticeAccessible(static_cast<QLabel *>(object));
    return nullptr;
}

void installNoticeAccessibility()
{
    static const bool installed = [] {
        QAccessible::installFactory(noticeAccessible);
        return true;
    }();
    Q_UNUSED(installed);
}

Notice &noticeLine(QWidget &window, const char *name)
{
    installNoticeAccessibility();
    auto *line = window.findChild<Notice *>(QLatin1String(name), Qt::FindDirectChildrenOnly);
    return line ? *line : *new Notice(window, QLatin1String(name));
}

void withdrawLine(QWidget &window, const char *name)
{
    if (auto *line = window.findChild<Notice *>(QLatin1String(name), Qt::FindDirectChildrenOnly))
        line->withdraw();
}

// The folder the last file was saved in, where the next dialog opens.
QString &lastFolder()
{
    static QString folder;
    if (folder.isEmpty())
        folder = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    if (folder.isEmpty())
        folder = QDir::homePath();
    return folder;
}

// A file name from the window's caption: "Spots' Representation" gives
// "Spots Representation".
QString suggestedName(const QWidget &window, const QString &suffix)
{
    QString name = window.windowTitle();
    name.remove(QRegularExpression(QStringLiteral("[^\\w\\s-]")));
    name = name.simplified();
    if (name.isEmpty())
        name = window.objectName();
    return QDir(lastFolder()).filePath(name + QLatin1Char('.') + suffix);
}

// The suffix a filter such as "CSV table (*.csv)" names.
QString filterSuffix(const QString &filter)
{
    const auto match = QRegularExpression(QStringLiteral("\\*\\.(\\w+)")).match(filter);
    return match.hasMatch() ? match.captured(1) : QString();
}

// The name the dialog gave, with the suffix of the chosen filter when it has
// none of the offered ones.
QString withSuffix(const QString &file, const QString &filter, const QStringList &suffixes)
{
    if (suffixes.contains(QFileInfo(file).suffix(), Qt::CaseInsensitive))
        return file;
    return file + QLatin1Char('.') + filterSuffix(filter);
}

// Encodes and writes a file on a worker thread, then tells the window.
void writeInBackground(QWidget &window, const QString &file, std::function<QByteArray()> encode)
{
    QPointer<QWidget> target(&window);
    QThreadPool::globalInstance()->start([target, file, encode = std::move(encode)] {
        const QString problem = writeWhole(file, encode());
        QMetaObject::invokeMethod(
            qApp,
            [target, file, problem] {
                if (!target)
                    return;
                // A byte of the name that is not UTF-8 shows as its value.
                const QString shown = printable(QDir::toNativeSeparators(file));
                noticeLine(*target, "fileNotice")
                    .say(problem.isEmpty()
                             ? QCoreApplication::translate("toolkit", "Saved %1").arg(shown)
                             : QCoreApplication::translate("toolkit", "Could not save %1: %2").arg(shown, problem),
                         Stay::UntilAction);
            },
            Qt::QueuedConnection);
    });
}

// The menu of a window's drawing, kept by the canvas that offers it.
class PictureOffer final : public QObject
{
    Q_OBJECT
public:
    explicit PictureOffer(Canvas &canvas)
        : QObject(&canvas)
        , m_canvas(canvas)
        , m_menu(new QMenu(canvas.window()))
    {
        setObjectName(QStringLiteral("pictureOffer"));
        QWidget &window = *canvas.window();
        m_menu->setObjectName(QStringLiteral("pictureMenu"));
        m_menu->setAccessibleName(QCoreApplication::translate("toolkit", "Picture of %1").arg(window.windowTitle()));
        m_menu->setAccessibleDescription(QCoreApplication::translate("toolkit", "Copy or save the drawing of this window"));
        add(QCoreApplication::translate("toolkit", "Copy Picture"), QCoreApplication::translate("toolkit", "Put the drawing on the clipboard"),
            [this] { copyPicture(m_canvas); });
        add(QCoreApplication::translate("toolkit", "Save Picture As..."), QCoreApplication::translate("toolkit", "Save the drawing as a PNG image or an SVG drawing"),
            [this] { askAndSavePicture(); });
        window.installEventFilter(this);
        shortcut(QKeySequence::Copy, QStringLiteral("copyPicture"), [this] { copyPicture(m_canvas); });
        shortcut(QKeySequence(Qt::Key_Menu), QStringLiteral("pictureMenuKey"), [this] { popUpFromKeyboard(); });
        shortcut(QKeySequence(Qt::SHIFT | Qt::Key_F10), QStringLiteral("pictureMenuShiftF10"),
                 [this] { popUpFromKeyboard(); });
    }

    void addFile(const QString &caption, const QString &filter, std::function<QByteArray()> contents)
    {
        const QString title = QString(caption).remove(QLatin1String("..."));
        add(caption, title,
            [this, caption, filter, contents = std::move(contents)] { askAndSave(*m_canvas.window(), caption, filter, contents); });
    }

    void addChoices(const QString &caption, const QString &description,
                    const std::vector<std::pair<QString, std::function<void()>>> &choices)
    {
        QMenu *sub = m_menu->addMenu(caption);
        sub->setObjectName(caption);
        sub->menuAction()->setObjectName(caption);
        sub->menuAction()->setStatusTip(description);
        sub->setAccessibleName(caption);
        sub->setAccessibleDescription(description);
        for (const auto &[label, action] : choices) {
            QAction *item = sub->addAction(label);
            item->setObjectName(caption + QLatin1Char('/') + label);
            connect(item, &QAction::triggered, this, action);
        }
    }

    void addAction(const QString &caption, const QString &description, std::function<void()> action)
    {
        add(caption, description, std::move(action));
    }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() != QEvent::ContextMenu || watched != m_canvas.window())
            return false;
        m_menu->popup(static_cast<QContextMenuEvent *>(event)->globalPos());
        return true;
    }

private:
    void add(const QString &caption, const QString &description, std::function<void()> action)
    {
        QAction *item = m_menu->addAction(caption);
        item->setObjectName(caption);
        item->setStatusTip(description);
        item->setToolTip(description);
        connect(item, &QAction::triggered, this, std::move(action));
    }

    void shortcut(const QKeySequence &keys, const QString &name, std::function<void()> action)
    {
        auto *key = new QShortcut(keys, m_canvas.window());
        key->setObjectName(name);
        key->setContext(Qt::WindowShortcut);
        connect(key, &QShortcut::activated, this, std::move(action));
    }

    void popUpFromKeyboard()
    {
        const QRect area = m_canvas.clientRect();
        m_menu->popup(m_canvas.mapToGlobal(area.topLeft() + QPoint(area.width() / 3, area.height() / 3)));
        if (QAction *first = m_menu->actions().value(0))
            m_menu->setActiveAction(first);
    }

    void askAndSavePicture()
    {
        QWidget &window = *m_canvas.window();
        const QString png = QCoreApplication::translate("toolkit", "PNG image (*.png)");
        const QString svg = QCoreApplication::translate("toolkit", "SVG drawing (*.svg)");
        QString chosen = png;
        QString file = askSaveFileName(window, QCoreApplication::translate("toolkit", "Save Picture As"),
                                       suggestedName(window, QStringLiteral("png")), png + QStringLiteral(";;") + svg,
                                       &chosen);
        if (file.isEmpty())
            return;
        file = withSuffix(file, chosen, {QStringLiteral("png"), QStringLiteral("svg")});
        lastFolder() = QFileInfo(file).absolutePath();
        savePictureInBackground(m_canvas, file);
    }

    Canvas &m_canvas;
    QMenu *m_menu; // the window's child: a popup that lives as long as the window
};

PictureOffer &offerOf(Canvas &canvas)
{
    if (auto *offer = canvas.findChild<PictureOffer *>(QString(), Qt::FindDirectChildrenOnly))
        return *offer;
    return *new PictureOffer(canvas);
}

} // namespace

void offerPicture(Canvas &canvas) { offerOf(canvas); }

void askAndSave(QWidget &window, const QString &caption, const QString &filter, const std::function<QByteArray()> &contents)
{
    const QString title = QString(caption).remove(QLatin1String("..."));
    const QString suffix = filterSuffix(filter);
    QString file = askSaveFileName(window, title, suggestedName(window, suffix), filter);
    if (file.isEmpty())
        return;
    file = withSuffix(file, filter, {suffix});
    lastFolder() = QFileInfo(file).absolutePath();
    writeInBackground(window, file, [bytes = contents()] { return bytes; });
}

void offerFile(Canvas &canvas, const QString &caption, const QString &filter, std::function<QByteArray()> contents)
{
    offerOf(canvas).addFile(caption, filter, std::move(contents));
}

void offerChoices(Canvas &canvas, const QString &caption, const QString &description,
                  const std::vector<std::pair<QString, std::function<void()>>> &choices)
{
    offerOf(canvas).addChoices(caption, description, choices);
}

void offerAction(Canvas &canvas, const QString &caption, const QString &description, std::function<void()> action)
{
    offerOf(canvas).addAction(caption, description, std::move(action));
}

Canvas *offeredPicture(const QWidget &window)
{
    const auto *offer = window.findChild<PictureOffer *>();
    return offer ? qobject_cast<Canvas *>(offer->parent()) : nullptr;
}

namespace {

// An SVG document of the picture's size, painted by `paint`: on any thread.
QByteArray svgDocument(const Canvas::Painting &paint, QSize size, int dotsPerInch, const QString &title)
{
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    QSvgGenerator svg;
    svg.setOutputDevice(&buffer);
    svg.setSize(size);
    svg.setViewBox(QRect(QPoint(0, 0), size));
    svg.setResolution(dotsPerInch);
    svg.setTitle(title);
    svg.setDescription(QStringLiteral("Drawn by spotsim"));
    QPainter p(&svg);
    paint(p);
    p.end();
    // The size in pixels, as the drawing has it, rather than in millimetres.
    static const QRegularExpression millimetres(QStringLiteral("<svg width=\"[^\"]*\" height=\"[^\"]*\""));
    const QString pixels = QStringLiteral("<svg width=\"%1\" height=\"%2\"").arg(size.width()).arg(size.height());
    const auto found = millimetres.match(QString::fromLatin1(bytes.left(512)));
    if (found.hasMatch())
        bytes.replace(found.capturedStart(), found.capturedLength(), pixels.toLatin1());
    return bytes;
}

// The SVG of the picture as it is now, made when called: on any thread.
std::function<QByteArray()> svgLater(const Canvas &canvas)
{
    // Fonts given in points come out as large as on the screen.
    return [paint = canvas.vectorPicture(), size = canvas.clientRect().size(), dpi = qRound(1440 / twipsPerPixel()),
            title = canvas.window()->windowTitle()] { return svgDocument(paint, size, dpi, title); };
}

} // namespace

QByteArray pictureSvg(const Canvas &canvas) { return svgLater(canvas)(); }

namespace {

QByteArray encodePng(const QImage &image)
{
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, "PNG");
    return bytes;
}

} // namespace

QByteArray picturePng(const Canvas &canvas) { return encodePng(canvas.pictureImage()); }

bool isSvgName(const QString &file)
{
    return QFileInfo(file).suffix().compare(QLatin1String("svg"), Qt::CaseInsensitive) == 0;
}

void copyPicture(const Canvas &canvas)
{
    auto *data = new QMimeData;
    data->setImageData(canvas.pictureImage());
    data->setData(QStringLiteral("image/svg+xml"), pictureSvg(canvas));
    QGuiApplication::clipboard()->setMimeData(data);
}

void savePictureInBackground(const Canvas &canvas, const QString &file)
{
    QWidget &window = *canvas.window();
    if (isSvgName(file)) {
        writeInBackground(window, file, svgLater(canvas));
        return;
    }
    writeInBackground(window, file, [image = canvas.pictureImage()] { return encodePng(image); });
}

void showNotice(QWidget &window, const QString &text, bool lasting, const QString &detail)
{
    Notice &line = noticeLine(window, "notice");
    line.setToolTip(detail);
    line.setAccessibleDescription(detail);
    line.say(text, lasting ? Stay::Lasting : Stay::Awhile);
}

void hideNotice(QWidget &window) { withdrawLine(window, "notice"); }

void announce(QWidget &window, const QString &text)
{
    installNoticeAccessibility();
    // Qt's bridge to AT-SPI passes no alert events on; an alert that comes
    // into view is what screen readers there speak, so each announcement
    // is a new point.
    delete window.findChild<Announcement *>(QStringLiteral("announcement"), Qt::FindDirectChildrenOnly);
    auto *point = new Announcement(window);
    point->setText(text);
    point->show();
    QAccessibleEvent named(point, QAccessible::NameChanged);
    QAccessible::updateAccessibility(&named);
    QAccessibleEvent alert(point, QAccessible::Alert);
    QAccessible::updateAccessibility(&alert);
}

void showProgress(QWidget &window, const QString &text) { noticeLine(window, "progress").say(text, Stay::Lasting); }

void hideProgress(QWidget &window) { withdrawLine(window, "progress"); }

} // namespace toolkit

#include "Offer.moc"
