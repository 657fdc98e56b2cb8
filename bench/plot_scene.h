#pragma once

#include <QColor>
#include <QLine>
#include <QRect>
#include <QString>

#include <string>
#include <vector>

namespace bench {

// One drawing call of a plot, with the colour and text style it was made in.
struct SceneOp {
    enum class Kind { Fill, Outline, Line, Text };
    Kind kind = Kind::Line;
    QColor color{};
    QRect rect{};       // Fill, Outline: the pixels covered
    QLine line{};       // Line: both end points included
    QPoint baseline{};  // Text
    std::string text{}; // Text, as UTF-8
    QString family{};   // Text: the installed font
    int pixelSize = 0;
    bool bold = false;
    bool italic = false;
};

// What a plot draws around its data, in order, and the mapping of its data to pixels.
struct PlotScene {
    std::vector<SceneOp> ops;
    int left = 0;   // pixel of the x minimum
    int bottom = 0; // pixel of the y minimum
    double xMin = 0;
    double yMin = 0;
    double xToPixel = 0;
    double yToPixel = 0;
};

} // namespace bench
