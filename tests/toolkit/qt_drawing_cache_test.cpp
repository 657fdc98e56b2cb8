// The Qt drawing context keeps pens, fonts, measured and shaped texts from one call to the next:
// whatever order styles, colours and texts come in, it draws and measures what plain QPainter calls
// in the style in force give.

#include "toolkit/qt/font_mapping.h"
#include "toolkit/qt/qt_picture.h"

#include <QImage>
#include <QPainter>

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

// A line across the row when there is no text.
struct Step {
    tk::Color color;
    std::string font;
    int size;
    bool bold;
    bool italic;
    std::string text;
};

// Colours and styles that come back after others, more of them than the context keeps pens for, and
// styles that differ from the one before in one setting only.
const std::vector<Step> kSteps = {
    {tk::RGB(0, 0, 0), "System", 9, false, false, "-0.5"},
    {tk::RGB(180, 180, 180), "System", 9, false, false, ""},
    {tk::RGB(0, 0, 0), "System", 12, false, false, "x/L"},
    {tk::RGB(255, 0, 0), "Helvetica", 9, false, false, "1.0"},
    {tk::RGB(0, 0, 255), "System", 0, true, false, "Wave"},
    {tk::RGB(0, 0, 255), "System", 0, false, false, "Wave"},
    {tk::RGB(0, 128, 0), "System", 12, false, true, "Density"},
    {tk::RGB(0, 128, 0), "System", 12, false, false, "Density"},
    {tk::RGB(200, 30, 60), "Symbol", 14, false, false, "Dyp"},
    {tk::RGB(10, 20, 30), "System", 9, false, false, ""},
    {tk::RGB(0, 0, 0), "System", 9, false, false, "-0.5"},
    {tk::RGB(180, 180, 180), "System", 9, false, false, ""},
    {tk::RGB(255, 0, 0), "System", 7, false, false, "x/L"},
};

constexpr int kRowHeight = 20;

class DrawingCache : public testing::TestWithParam<qreal> {};

TEST_P(DrawingCache, DrawsWhatQPainterDrawsInTheStyleInForce) {
    tk::qt::QtPicture picture(100, kRowHeight * int(kSteps.size() + 1), 32, GetParam());
    tk::Graphics& g = *picture.Graphics();
    QImage expected(picture.Image().size(), picture.Image().format());
    expected.setDevicePixelRatio(GetParam());
    expected.fill(Qt::white);
    QPainter painter(&expected);
    int y = 0;
    for (const Step& step : kSteps) {
        y += kRowHeight;
        g.SetForeColor(step.color);
        g.SetTextFont(step.font);
        g.SetTextSize(step.size);
        g.SetBold(step.bold);
        g.SetItalic(step.italic);
        const QColor color(tk::Red(step.color), tk::Green(step.color), tk::Blue(step.color));
        painter.setPen(QPen(color, 0));
        painter.setFont(tk::qt::MapFont(step.font, step.size, step.bold, step.italic));
        if (step.text.empty()) {
            g.DrawLine(2, y - 5, 80, y - 5);
            painter.fillRect(QRect(2, y - 5, 79, 1), color); // a row of logical pixels, ends included
        } else {
            g.DrawString(step.text, 3, y - 4);
            painter.drawText(QPointF(3, y - 4), tk::qt::DisplayText(step.text, step.font));
        }
    }
    painter.end();
    for (int row = 0; row < expected.height(); ++row)
        for (int x = 0; x < expected.width(); ++x)
            ASSERT_EQ(picture.Image().pixel(x, row), expected.pixel(x, row))
                << "device pixel (" << x << ", " << row << "), step " << int(row / GetParam()) / kRowHeight;
}

INSTANTIATE_TEST_SUITE_P(ScreenDensities, DrawingCache, testing::Values(1.0, 2.0));

} // namespace
