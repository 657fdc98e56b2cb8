#pragma once

#include "toolkit/function_band.h"
#include "toolkit/graphics.h"
#include "toolkit/qt/font_mapping.h"

#include <QPainter>
#include <QPen>
#include <QPolygonF>

#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>

namespace tk::qt {

// Draws with a QPainter, on a picture, a widget or a printer, honouring the pixel semantics of
// tk::Graphics: shapes cover exactly width x height pixels and lines include both end points.
//
// Lines and outlines are PenSize logical pixels wide. One logical pixel wide where a logical pixel is
// one device pixel, they are Qt's cosmetic lines; wider, or on a denser device (device pixel ratio
// 2), they are drawn with a pen of that width through the middle of the pixels they cover, so that
// they cover whole device pixels: as heavy at 2x as at 1x, and as sharp.
//
// The painter's pen, brush and font are this context's while it lasts: it sets them only when the
// colour, the line width or the text style changed since it last did, and it maps each text style
// and converts, measures and shapes each text once.
class QtGraphics : public tk::Graphics {
public:
    // Paints on a device with a painter of its own, active for the lifetime of this object.
    explicit QtGraphics(QPaintDevice* device);
    // Paints with a painter that someone else keeps active (a widget's paint event, a printer).
    explicit QtGraphics(QPainter* painter);
    ~QtGraphics() override;

    void DrawLine(int x1, int y1, int x2, int y2) override;
    void ClearRect(int x, int y, int width, int height) override;
    void DrawRect(int x, int y, int width, int height) override;
    void FillRect(int x, int y, int width, int height) override;
    void DrawOval(int x, int y, int width, int height) override;
    void FillOval(int x, int y, int width, int height) override;
    void DrawPolygon(const std::vector<tk::Point>& vertices) override;
    void FillPolygon(const std::vector<tk::Point>& vertices) override;
    void DrawPolyline(const std::vector<tk::Point>& vertices) override;
    void DrawSmoothPolyline(const std::vector<tk::PointF>& vertices) override;
    void DrawString(std::string_view text, int x, int baseline) override;
    double StringWidth(std::string_view text) override;
    int TextHeight() override;
    using tk::Graphics::DrawPicture;
    void DrawPicture(const tk::Picture& picture, tk::Rect destination, tk::Rect source) override;

    QPainter& Painter() { return *painter_; }

protected:
    // Lines and outlines are laid on paper, not on pixels: PenSize points wide through the
    // coordinates given, since one device pixel of a printer would be a hairline.
    void UsePaperLines() { paperLines_ = true; }

private:
    void StartPainting();
    // Whether lines and outlines are laid on whole pixels by a pen of PenSize logical pixels, rather
    // than drawn by a cosmetic pen through the pixels' corners (or on paper).
    bool OnPixels() const { return !paperLines_ && (denseDevice_ || PenSize() > 1); }
    // The width of the pen: 0 is cosmetic.
    qreal PenWidth() const { return paperLines_ || OnPixels() ? PenSize() : 0; }
    // From the corner of a pixel to the middle of the pen that covers it (PenSize() across, the odd
    // pixel right and below).
    QPointF ToPenMiddle() const;
    // The rectangle through the middle of an outline PenSize() thick inside x, y, width, height.
    QRectF PenPath(int x, int y, int width, int height) const;
    void UsePen();
    const QPen& PenFor(const QColor& color);
    // An invalid colour is no brush.
    void UseBrush(const QColor& color);
    void Ellipse(int x, int y, int width, int height, bool filled);
    void Polygon(const std::vector<tk::Point>& vertices, bool filled);
    MappedFonts& SelectFont();
    void UseFont();
    // A smooth curve that is no function's graph (it turns back or stands nearly upright), or that is
    // drawn where its band cannot be blended in directly, is filled when this many device pixels wide or
    // wider, and drawn in strands when narrower.
    static constexpr int kFilledCurveWidth = 4;
    // The picture painted on, when the band of a function's graph can be blended into its pixels
    // directly: with no clip, no transform but a scale and a shift, and plain painting over.
    QImage* BlendableImage() const;
    bool DrawFunctionBand(const std::vector<tk::PointF>& vertices);
    void DrawCurveStrands(const std::vector<tk::PointF>& vertices, int width, qreal ratio);
    void FillCurveBand(const std::vector<tk::PointF>& vertices, qreal width);

    // The pens of the last few colours and widths drawn with: a plot switches between a few.
    struct MadePen {
        QColor color; // invalid while none is made
        qreal width = 0;
        QPen pen;
    };
    static constexpr std::size_t kMadePens = 4;

    std::optional<QPainter> ownPainter_;
    // Kept from one smooth curve to the next, so that a frame allocates nothing.
    QPolygonF smoothVertices_;
    QPolygonF smoothNormals_;
    std::vector<tk::PointF> deviceVertices_;
    tk::FunctionBand band_;
    QPainter* painter_;
    bool paperLines_ = false;
    bool denseDevice_ = false; // more than one device pixel a logical pixel

    std::array<MadePen, kMadePens> pens_;
    std::size_t nextPen_ = 0;
    // What the painter was last given; an invalid colour and font serial 0 are none yet.
    QColor penColor_;
    qreal penWidth_ = 0;
    QColor brushColor_;
    std::uint64_t fontSerial_ = 0;
    MappedFonts fonts_;
    // Pixels take text as glyphs shaped once; other devices (the printer) lay text out themselves
    // at their own resolution.
    bool rasterDevice_ = false;
};

} // namespace tk::qt
