#include "toolkit/Form.h"

#include "toolkit/Registry.h"
#include "toolkit/Screen.h"

#include <QGuiApplication>
#include <QMenuBar>

#include <cmath>

namespace toolkit {

Form::Form(const QString &name, double widthTwips, double heightTwips)
{
    setObjectName(name);
    setWindowTitle(name);
    resize(std::max(1, toPixels(widthTwips)), std::max(1, toPixels(heightTwips)));
}

Form::~Form() = default;

double Form::left() const { return x() * twipsPerPixel(); }
double Form::top() const { return y() * twipsPerPixel(); }
double Form::widthTwips() const { return width() * twipsPerPixel(); }
double Form::heightTwips() const { return height() * twipsPerPixel(); }
void Form::setLeft(double twips) { move(toPixels(twips), y()); }
void Form::setTop(double twips) { move(x(), toPixels(twips)); }
void Form::setWidthTwips(double twips) { resize(std::max(1, toPixels(twips)), height()); }
void Form::setHeightTwips(double twips) { resize(width(), std::max(1, toPixels(twips))); }

void Form::setVisible(bool visible)
{
    if (visible && ended())
        return;
    formShown(this, visible);
    Canvas::setVisible(visible);
    static const bool stacking = QGuiApplication::platformName() != QLatin1String("offscreen");
    if (visible && stacking) {
        raise();
        activateWindow();
    }
}

QMenuBar *Form::menuBar()
{
    if (!m_menuBar) {
        m_menuBar = new QMenuBar(this);
        m_menuBar->setNativeMenuBar(false);
        m_menuBar->installEventFilter(this);
        placeMenuBar();
        for (Control *control : findChildren<Control *>(Qt::FindDirectChildrenOnly))
            control->applyGeometry();
    }
    return m_menuBar;
}

void Form::placeMenuBar()
{
    if (!m_menuBar)
        return;
    m_menuHeight = m_menuBar->sizeHint().height();
    setClientTop(m_menuHeight);
    m_menuBar->setGeometry(0, 0, width(), m_menuHeight);
}

bool Form::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == m_menuBar && (event->type() == QEvent::ActionAdded || event->type() == QEvent::ActionChanged ||
                                 event->type() == QEvent::ActionRemoved)) {
        const int before = m_menuHeight;
        placeMenuBar();
        if (m_menuHeight != before)
            for (Control *control : findChildren<Control *>(Qt::FindDirectChildrenOnly))
                control->applyGeometry();
    }
    return Canvas::eventFilter(watched, event);
}

void Form::resizeEvent(QResizeEvent *event)
{
    placeMenuBar();
    Canvas::resizeEvent(event);
}

} // namespace toolkit
