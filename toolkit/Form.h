// A window of the program: a canvas with controls, an optional menu bar and a
// load handler that the registry runs once, when the window is first touched.
#pragma once

#include "toolkit/Canvas.h"
#include "toolkit/Controls.h"

class QMenuBar;

namespace toolkit {

class Form : public Canvas
{
    Q_OBJECT
public:
    // name is the window's own name (its objectName); the size is the designed
    // client area in twips.
    Form(const QString &name, double widthTwips, double heightTwips);
    ~Form() override;

    // The load handler, run once by the registry right after construction.
    virtual void load() {}

    QString caption() const { return windowTitle(); }
    void setCaption(const QString &caption) { setWindowTitle(caption); }

    // Position and size in twips.
    double left() const;
    double top() const;
    double widthTwips() const;
    double heightTwips() const;
    void setLeft(double twips);
    void setTop(double twips);
    void setWidthTwips(double twips);
    void setHeightTwips(double twips);

    // Shown modeless and on top of every other window; a second show brings it
    // to the front again.
    void setVisible(bool visible) override;

    QMenuBar *menuBar();

protected:
    void resizeEvent(QResizeEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void placeMenuBar();
    QMenuBar *m_menuBar = nullptr;
    int m_menuHeight = 0;
};

} // namespace toolkit
