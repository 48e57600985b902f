// A window of the program: a canvas with controls, an optional menu bar and a
// load handler that the registry runs once, when the window is first touched.
#pragma once

#include "toolkit/Canvas.h"
#include "toolkit/Controls.h"

#include <QElapsedTimer>
#include <QTimer>

class QMenuBar;

namespace toolkit {

// A window's position and size are those of its frame, title bar included,
// measured from the top left corner of the work area: a window as large as
// the screen fills the work area, frame and all. Whatever is asked, a
// window's frame is kept inside the work area.
//
// The program places a window (left, top, size, placeAt, placeOver); the
// window manager's moves while it frames the window are put right. What the
// user then does to the window through the window manager (maximise, move
// or resize it by its frame, or through a pager) is the user's: the window
// stays so, its position and size become that frame, also when it is hidden
// and shown again, until the program places it anew.
class Form : public Canvas
{
    Q_OBJECT
public:
    // name is the window's own name (its objectName), caption its designed
    // title; the size is the designed client area in twips.
    Form(const QString &name, const QString &caption, double widthTwips, double heightTwips);
    ~Form() override;

    // The load handler, run once by the registry right after construction.
    virtual void load() {}

    QString caption() const { return windowTitle(); }
    void setCaption(const QString &caption) { setWindowTitle(caption); }

    // Position and size of the frame in twips.
    double left() const;
    double top() const;
    double widthTwips() const;
    double heightTwips() const;
    void setLeft(double twips);
    void setTop(double twips);
    void setWidthTwips(double twips);
    void setHeightTwips(double twips);
    // All four at once: the window is placed once.
    void placeAt(double left, double top, double width, double height);
    // Where another window is asked to be, frame on frame, so that it covers
    // that window exactly.
    void placeOver(const Form &other);
    // Whether the program placed the frame over the whole work area: a
    // page, whatever the window manager or the user did to it since. A run
    // window the user maximised is not one.
    bool fillsWorkArea() const;
    // Whether the window manager's frame of the shown window is known.
    bool framed() const { return m_framed; }

    // Shown modeless and on top of every other window; a second show brings it
    // to the front again. The shown window takes the keyboard: its controls
    // are in reading order for Tab and the first one has the focus.
    void setVisible(bool visible) override;
    // Brings a visible window to the front with the keyboard focus.
    void bringToFront();
    // Brings it to the front and leaves the keyboard where it is.
    void raiseOnly();
    // A window that goes with every step (the lesson panel): F6 rounds the
    // step's windows and then it.
    void goWithEveryStep() { m_withEveryStep = true; }
    bool goesWithEveryStep() const { return m_withEveryStep; }

    QMenuBar *menuBar();

    // The frame around the client area in logical pixels: the window
    // manager's, or the last one seen while this window has none yet.
    QMargins frameMarginsPixels() const;
    // The window manager has framed the window anew: it is placed again by
    // its real frame.
    void frameChanged();

protected:
    bool event(QEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;
    // Return presses the default button, Escape the cancel button, F6 moves
    // to the next window of the step (Shift+F6 to the previous one).
    void keyPressEvent(QKeyEvent *event) override;
    bool focusNextPrevChild(bool next) override;

private:
    // The frame in device pixels: this window's, or the last one seen.
    QMargins deviceMargins() const;
    // The visible, enabled forward button of the window, if it has one.
    CommandButton *defaultButton() const;
    void placeMenuBar();
    // On top of the others with the keyboard.
    void takeKeyboard();
    // The program's own placement: the user's place, or maximised state,
    // ends.
    void place();
    // Applies the frame rectangle asked for, kept inside the work area; also
    // where Qt believes the window is there and the X server has it
    // elsewhere.
    void placeFrame(bool serverElsewhere = false);
    void followFrame();
    void verifyPlace();
    // Whether the X server has the client area where it was placed.
    bool placedThere() const;
    // Maximised or full screen, as Qt has it: the program never asks so.
    bool maximisedState() const;
    // The user moved, resized or maximised the window: it is left so, and
    // its frame rectangle becomes the real one.
    void followUser();
    // The window is where the X server (or Qt) has it: the frame asked for
    // becomes that.
    void takePlace(const QRect &client);
    // The same, kept inside the work area.
    void adoptPlace(const QRect &client);
    QMenuBar *m_menuBar = nullptr;
    int m_menuHeight = 0;
    QRectF m_frame;           // asked for, twips from the work area's corner
    QRect m_placedClient;     // the client area it gave, logical pixels on the desktop
    QRect m_placedDevice;     // the same in device pixels
    QMargins m_placedMargins; // the frame margins it was given with, device pixels
    QMargins m_margins;       // the window manager's frame, device pixels
    bool m_framed = false;    // whether m_margins has been read
    bool m_settled = false;   // framed and placed by its frame since it was shown
    bool m_awaiting = false;  // a placement on its way through the window manager
    bool m_there = false;     // found where it was placed, once the manager was quiet
    bool m_byUser = false;
    bool m_withEveryStep = false;
    bool m_page = false; // placed by the program over the whole work area    // moved, resized or maximised by the user since placed
    QTimer m_verify;          // the look at the X server once it has settled
    int m_verifyTries = 0;
    QElapsedTimer m_placedAt; // since the window was last placed while shown
    bool m_placing = false;
};

// Width, height, top and left of a window that covers the whole screen (the
// work area), in twips.
struct ScreenRect
{
    float width;
    float height;
    float top;
    float left;
};

ScreenRect fullScreenRect(const Form &window);
// Each window in its quarter of the work area, the frames touching.
void tileQuarters(Form &topLeft, Form &topRight, Form &bottomLeft, Form &bottomRight);
// Applies the full-screen placement: left, then top, then width, then height.
void placeFullScreen(Form &window);

} // namespace toolkit
