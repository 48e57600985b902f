// A drawing surface with a persistent image and a user scale: the part that
// forms and picture boxes share.
#pragma once

#include <QColor>
#include <QFont>
#include <QImage>
#include <QPainter>
#include <QWidget>

#include <algorithm>
#include <functional>

namespace toolkit {

enum class DrawStyle { Solid = 0, Dash = 1, Dot = 2, DashDot = 3 };

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
    void scaleTwips();
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

    // Drawing, in scale units. Everything drawn stays until cls().
    void cls();
    void line(double x1, double y1, double x2, double y2, const QColor &color);
    void line(double x1, double y1, double x2, double y2) { line(x1, y1, x2, y2, m_foreColor); }
    void box(double x1, double y1, double x2, double y2, const QColor &color, bool filled = false);
    void circle(double x, double y, double radius, const QColor &color);
    void pset(double x, double y, const QColor &color) { pset(x, y, color.rgb()); }
    void pset(double x, double y, QRgb color);
    void print(const QString &text);

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
    bool autoRedraw() const { return m_autoRedraw; }
    void setAutoRedraw(bool on) { m_autoRedraw = on; }

    QString fontName() const { return m_fontName; }
    void setFontName(const QString &name);
    double fontSize() const { return m_fontSize; }
    void setFontSize(double points);
    bool fontBold() const { return m_font.bold(); }
    void setFontBold(bool bold) { m_font.setBold(bold); }
    bool fontItalic() const { return m_font.italic(); }
    void setFontItalic(bool italic) { m_font.setItalic(italic); }
    // The height of a line of printed text, in scale units (positive).
    double textHeight() const;

    // A thin frame around the client area, as picture boxes have.
    void setBorder(bool visible);

    // A vector picture painted over the client area, clean at any size.
    void setPicture(std::function<void(QPainter &, const QRectF &)> picture);

    // The persistent image and one of its pixels, for tests and screenshots.
    const QImage &image() const { return m_image; }
    QColor pixelAt(double x, double y) const;

    double xToPixel(double x) const;
    double yToPixel(double y) const;

protected:
    void paintEvent(QPaintEvent *event) override;
    // Pixels taken from the top of the widget by a form's menu bar.
    void setClientTop(int pixels) { m_clientTop = pixels; }

private:
    QPainter &painter();
    void endPainter();
    void ensureImage();
    void markDirty();
    QPen pen(const QColor &color) const;
    QSizeF clientTwips() const;

    QImage m_image;
    QPainter m_painter;
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
    bool m_autoRedraw = false;
    QString m_fontName = QStringLiteral("MS Sans Serif");
    double m_fontSize = 8.25;
    QFont m_font;
    std::function<void(QPainter &, const QRectF &)> m_picture;
    bool m_border = false;
};

} // namespace toolkit
