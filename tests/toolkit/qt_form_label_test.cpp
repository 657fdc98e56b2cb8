// A label of changing digits beside a plain QLabel, at the device pixel ratio of the run (ctest runs this
// binary at 1x and at 2x): whatever texts it showed before, it asks for the size the label asks for
// and draws the pixels the label draws, in the label's size and in a larger one.

#include "toolkit/qt/form_label.h"

#include <QImage>
#include <QLabel>
#include <QWidget>

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

struct Shown {
    const char* name;
    std::vector<QString> before;
    QString text;
    QString family;      // empty for the application's font
    QString familyAfter; // the font it is given once the texts are shown, if any
    Qt::Alignment across = Qt::AlignLeft;
};

void PrintTo(const Shown& shown, std::ostream* out) {
    *out << shown.name;
}

class FormLabelPixels : public testing::TestWithParam<Shown> {};

TEST_P(FormLabelPixels, AsksForTheSizeAndDrawsThePixelsOfAPlainLabel) {
    const Shown& shown = GetParam();
    QWidget window;
    if (!shown.family.isEmpty())
        window.setFont(QFont(shown.family, 11));
    auto* part = new tk::qt::FormLabel(&window);
    auto* plain = new QLabel(&window);
    for (QLabel* label : {static_cast<QLabel*>(part), plain}) {
        label->setContentsMargins(12, 1, 4, 2);
        label->setAlignment(shown.across | Qt::AlignVCenter);
    }
    for (const QString& text : shown.before)
        part->Show(text);
    part->Show(shown.text);
    plain->setText(shown.text);
    if (!shown.familyAfter.isEmpty())
        window.setFont(QFont(shown.familyAfter, 11));
    const QSize wanted = plain->sizeHint();
    EXPECT_EQ(part->Wanted(), wanted);
    // Wider and taller by odd amounts, as a part that grew: the line is centred on half a pixel.
    for (const QSize size : {wanted, wanted + QSize(7, 3)}) {
        for (QLabel* label : {static_cast<QLabel*>(part), plain})
            label->setFixedSize(size);
        EXPECT_TRUE(part->grab().toImage() == plain->grab().toImage())
            << "at " << size.width() << " x " << size.height();
    }
}

INSTANTIATE_TEST_SUITE_P(
    Texts, FormLabelPixels,
    testing::Values(
        Shown{"FirstClock", {}, "t = 0.000 T₁", {}, {}},
        Shown{"DigitsBetweenChineseWords", {"第 1 帧"}, "第 3 帧", {}, {}},
        Shown{"DigitsOfDifferentWidths", {"frame 111"}, "frame 808", "D050000L", {}},
        Shown{"FontChangedSinceTheText", {"frame 1"}, "frame 2", {}, "Liberation Serif"},
        Shown{
            "CentredLines", {"|c₁| = 0.707\nφ₁ = 45°"}, "|c₁| = 0.500\nφ₁ = 300°", {}, {}, Qt::AlignHCenter},
        Shown{"LinesOnTheRight", {"t = 1.0 T₁\n2"}, "t = 2.5 T₁\n18", "DejaVu Serif", {}, Qt::AlignRight}),
    [](const testing::TestParamInfo<Shown>& info) { return std::string(info.param.name); });

} // namespace
