// A drawing surface with a user scale: the part that forms and picture boxes
// share. What is drawn stays until cls(). A canvas keeps its drawing as a short
// list of strokes and paints them at the screen's resolution; once a window has
// drawn more than a few hundred strokes (a run's points) they are rendered once
// into a persistent image of the client area in device pixels. A canvas that
// never draws holds no image at all, whatever the size of the screen. Beside
// them it keeps the whole drawing as vectors, for its picture: what a copy, a
// saved PNG or a saved SVG holds.
#pragma once

#include "toolkit/Fonts.h"
#include "toolkit/Strokes.h"

#include <QColor>
#include <QFont>
#include <QImage>
#include <QPainter>
#include <QPointF>
#include <QWidget>

#include <algorithm>
#include <functional>
#include <unordered_map>
#include <vector>

namespace toolkit {

class Canvas : public QWidget
{
    Q_OBJECT
public:
    explicit Canvas(QWidget *parent = nullptr);
    ~Canvas() override;

    // User scale: the left edge of the client area is x1, the right x2, the
    // top y1 and the bottom y2 (y grows upwards when y1 > y2). Without one the
    // scale is in twips from the top left corner.
    void scale(double x1, double y1, double x2, double y2);
    double scaleLeft() const;
    double scaleTop() const;
    double scaleWidth() const;
    double scaleHeight() const;

    // Conversions between scale units and twips of the client area, used to
    // place controls. Sizes are positive in both.
    double xToTwips(double x) const;
    double yToTwips(double y) const;
    double widthToTwips(double w) const;
    double heightToTwips(double h) const;
    double xFromTwips(double twips) const;
    double yFromTwips(double twips) const;
    double widthFromTwips(double twips) const;
    double heightFromTwips(double twips) const;

    // The client area in widget pixels (below a form's menu bar).
    QRect clientRect() const { return QRect(0, m_clientTop, width(), std::max(0, height() - m_clientTop)); }
    // A control's rectangle in scale units, as twips of the client area.
    QRectF rectToTwips(double left, double top, double width, double height) const;

    // Drawing, in scale units. Everything drawn stays until cls(), also while
    // the window is covered or hidden.
    void cls();
    void line(double x1, double y1, double x2, double y2, const QColor &color);
    void line(double x1, double y1, double x2, double y2) { line(x1, y1, x2, y2, m_foreColor); }
    // A curve through the points: a light one on a darker edge, drawn whole
    // under it. A light line alone, a point or a disc gets its edge as it is
    // drawn.
    void polyline(const std::vector<QPointF> &points, const QColor &color);
    void box(double x1, double y1, double x2, double y2, const QColor &color, bool filled = false);
    void circle(double x, double y, double radius, const QColor &color);
    void pset(double x, double y, const QColor &color) { pset(x, y, color.rgb()); }
    void pset(double x, double y, QRgb color);
    // Many points, each in its colour, as pset draws them one after another
    // in that order: a run's points drawn again, in one go.
    struct PlotPoint
    {
        double x = 0;
        double y = 0;
        QRgb colour = 0;
    };
    void pset(const std::vector<PlotPoint> &points);
    void print(const QString &text);
    // Prints as print() does, over everything drawn before or after until
    // cls(), on a rim of the background colour: an axis' numbers and names
    // stay readable where a curve crosses them.
    void printLabel(const QString &text);
    // What assistive technology tells of the drawing, when the texts printed
    // on it do not say it (the spots' counts).
    void setDescription(const QString &description);

    double currentX() const { return m_currentX; }
    double currentY() const { return m_currentY; }
    void setCurrentX(double x) { m_currentX = x; }
    void setCurrentY(double y) { m_currentY = y; }

    int drawWidth() const { return m_drawWidth; }
    void setDrawWidth(int pixels) { m_drawWidth = pixels < 1 ? 1 : pixels; }
    DrawStyle drawStyle() const { return m_drawStyle; }
    void setDrawStyle(DrawStyle style) { m_drawStyle = style; }
    QColor foreColor() const { return m_foreColor; }
    void setForeColor(const QColor &color) { m_foreColor = color; }
    QColor fillColor() const { return m_fillColor; }
    void setFillColor(const QColor &color) { m_fillColor = color; }
    bool fillSolid() const { return m_fillSolid; }
    void setFillSolid(bool solid) { m_fillSolid = solid; }
    QColor backColor() const { return m_backColor; }
    void setBackColor(const QColor &color);

    QString fontName() const { return m_fontName; }
    void setFontName(const QString &name);
    double fontSize() const { return m_fontSize; }
    void setFontSize(double points);
    bool fontBold() const { return m_font.bold(); }
    void setFontBold(bool bold) { m_font.setBold(bold); }
    bool fontItalic() const { return m_font.italic(); }
    void setFontItalic(bool italic) { m_font.setItalic(italic); }
    // The share of the drawing's height that printed text takes at least,
    // so that it reads from afar on a large window.
    static constexpr double readableShare = 0.02;
    // The height, in pixels, of a drawing as designed (a quarter of a
    // 1366 x 768 screen): on a taller one a point or a curve is drawn wider
    // in proportion.
    static constexpr double designedHeight = 360;
    // The font text is printed in: the one set, grown to that share.
    QFont printFont() const;
    // The height of a line of printed text and the width of `text` in the
    // print font, in scale units (positive).
    double textHeight() const;
    double textWidth(const QString &text) const;

    // A thin frame around the client area, as picture boxes have.
    void setBorder(bool visible);

    // A vector picture painted over the client area, clean at any size.
    void setPicture(std::function<void(QPainter &, const QRectF &)> picture);

    // The drawing as a function of the window's data and size: once the
    // client area has changed size, the drawing is cleared and this draws
    // it anew, in the same scale over the new area.
    void setRedraw(std::function<void()> redraw) { m_redraw = std::move(redraw); }
    // Clears the drawing and draws it anew now.
    void redraw();

    // The drawing as the client area shows it, in device pixels (background
    // included, controls excluded), and one of its pixels by scale units.
    // For tests and pictures: the image is rendered when the canvas holds
    // only strokes.
    QImage image() const;
    QColor pixelAt(double x, double y) const;

    // Whether the canvas holds a persistent image, and its size in device
    // pixels (empty when it holds none).
    bool hasSurface() const { return !m_image.isNull(); }
    QSize surfaceSize() const { return m_image.size(); }
    // Strokes kept as vectors before they are rendered into an image, on a
    // shown window and on a hidden one.
    static constexpr int strokeLimit = 256;
    static constexpr int hiddenStrokeLimit = 20000;

    // The picture of the drawing, which copies and saved files hold: the
    // background, what is drawn, the vector picture, the border, and the
    // shapes, lines, labels and picture boxes on it in their stacking order
    // (never a button, a check box, an option button, a scroll bar or a
    // document). With `vectors` what is drawn is painted from its strokes,
    // otherwise as the screen shows it. In logical pixels of the client area.
    void paintPicture(QPainter &p, bool vectors) const;
    // The picture as vectors, taken now, to be painted later on any thread:
    // the controls on it as they look now.
    using Painting = std::function<void(QPainter &)>;
    Painting vectorPicture() const;
    // That picture as the screen shows it, in device pixels.
    QImage pictureImage() const;
    // Strokes the drawing keeps as vectors for its picture.
    std::size_t recordedStrokes() const { return m_record.size(); }
    // Makes a control's widget part of its container's picture.
    static void addToPicture(QWidget &widget);

    // Positions in logical pixels of the client area.
    double xToPixel(double x) const;
    double yToPixel(double y) const;

protected:
    // cls() has cleared the drawing: what the window keeps to draw it anew
    // goes too.
    virtual void drawingCleared() {}
    void paintEvent(QPaintEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;
    // Pixels taken from the top of the widget by a form's menu bar.
    void setClientTop(int pixels) { m_clientTop = pixels; }

private:
    Stroke stroke(Stroke::Kind kind, QRgb colour) const;
    // How much larger than designed the drawing is, at least 1.
    double growth() const;
    // The colour a mark of this colour is edged with so that it stands out
    // from the background by 3:1; the colour itself when it does already.
    QRgb edgeOf(QRgb colour);
    // One pixel of a point, in the client area.
    void plotPixel(int ix, int iy, QRgb color);
    void printText(const QString &text, bool label);
    void draw(const Stroke &s);
    void drawDiscs(const Stroke &s, const DiscBatch &discs);
    void paintStrokes(QPainter &p) const;
    QPainter &surfacePainter();
    void endPainter();
    // Makes the image, or fits it to the client area and the screen's pixel
    // ratio, keeping what it shows.
    void makeSurface();
    bool surfaceFits() const { return m_imageClient == clientRect().size(); }
    QSize deviceSize(double dpr) const;
    QImage render(double dpr) const;
    // An image of the client area at that pixel ratio, in the background colour.
    QImage blankImage(double dpr) const;
    // The controls that are part of the picture, in their stacking order,
    // with their places in the client area.
    std::vector<std::pair<QWidget *, QPoint>> pictureParts() const;
    // Forgets the drawing: no strokes, no image.
    void clear();
    // Before and after every change of the drawing.
    void changing()
    {
        if (!m_snapshot.isNull())
            m_snapshot = QImage();
    }
    void changed();
    void describeDrawing();
    QSizeF clientTwips() const;

    QImage m_image;        // the persistent image, device pixels, null until needed
    std::vector<Stroke> m_strokes;   // what is drawn and not yet in m_image
    std::vector<StrokeText> m_texts; // the printed texts among them
    StrokeRecord m_record;           // the whole drawing as vectors, for its picture
    LabelList m_labels;              // printed over the drawing
    QStringList m_said;              // every text printed, for a listener
    QString m_description;
    QPainter m_painter;
    DiscStamp m_stamp;
    mutable QImage m_snapshot; // image() rendered for pixelAt, dropped on change
    double m_dpr = 1;          // m_image's device pixel ratio
    QSize m_imageClient;       // and the client area it was made for
    int m_clientTop = 0;
    uchar *m_bits = nullptr; // the image's pixels, for direct writes
    bool m_dirty = false;
    bool m_userScale = false;
    double m_scaleLeft = 0;
    double m_scaleTop = 0;
    double m_scaleWidth = 1;
    double m_scaleHeight = 1;
    double m_currentX = 0;
    double m_currentY = 0;
    int m_drawWidth = 1;
    DrawStyle m_drawStyle = DrawStyle::Solid;
    QColor m_foreColor = Qt::black;
    QColor m_fillColor = Qt::black;
    bool m_fillSolid = false;
    QColor m_backColor = QColor(240, 240, 240);
    QString m_fontName = fonts::defaultSans;
    double m_fontSize = fonts::defaultPointSize;
    QFont m_font;
    std::function<void(QPainter &, const QRectF &)> m_picture;
    std::function<void()> m_redraw;
    std::unordered_map<QRgb, QRgb> m_edges; // edge colours, for m_edgeBackground
    QRgb m_edgeBackground = 0;
    bool m_plainLines = false; // while a polyline draws its edge and curve
    QSize m_drawnFor; // the client area the drawing was last drawn anew for
    bool m_border = false;
};

} // namespace toolkit
