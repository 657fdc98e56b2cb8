// The main window through Qt, offscreen: driven with real key and mouse events, as a user would.

#include "app/menu_bar1.h"
#include "mainwindow/main_wndo.h"
#include "toolkit/qt/qt_widget_peer.h"

#include <QAccessible>
#include <QAction>
#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QMainWindow>
#include <QMenuBar>
#include <QStatusBar>
#include <QTest>

#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <string>
#include <utility>

namespace {

// Counts the paint events of the widgets it watches.
class PaintCounter : public QObject {
public:
    std::map<QObject*, int> paints;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        paints[watched] += event->type() == QEvent::Paint;
        return false;
    }
};

// Whether the pixels that differ span the height of the control, give or take a pixel.
bool MarkedDownItsHeight(const QImage& before, const QImage& after) {
    QRect differing;
    for (int y = 0; y < before.height(); ++y)
        for (int x = 0; x < before.width(); ++x)
            if (before.pixel(x, y) != after.pixel(x, y))
                differing |= QRect(x, y, 1, 1);
    return differing.top() <= 1 && differing.bottom() >= before.height() - 2;
}

class QtMainWndo : public testing::Test {
public:
    QtMainWndo() {
        window.Open();
        QApplication::setActiveWindow(Widget("GFWFunc")->window());
        QApplication::processEvents();
    }
    ~QtMainWndo() override { MenuBar1::Release(); }

protected:
    QWidget* Widget(const std::string& name, int index = tk::Control::kNoIndex) {
        for (QWidget* w : QApplication::allWidgets())
            if (w->property("tkControl").isValid() &&
                tk::qt::QtWidgetPeer::ControlOf(w) == window.Find(name, index))
                return w;
        return nullptr;
    }
    QLineEdit* Field(const std::string& name, int index) {
        return qobject_cast<QLineEdit*>(Widget(name, index));
    }
    std::string Focused() {
        const tk::Control* c = tk::qt::QtWidgetPeer::ControlOf(QApplication::focusWidget());
        return c ? c->Name() + (c->Index() < 0 ? "" : " " + std::to_string(c->Index())) : "none";
    }
    // The window row under the first letter of a control's text: the lowest dark row of the first
    // run of dark columns, the frame of a field left out.
    int Baseline(const std::string& name, int index) {
        QWidget* w = Widget(name, index);
        const QImage image = w->grab().toImage();
        const auto dark = [&image](int x, int y) { return qGray(image.pixel(x, y)) < 100; };
        int lowest = -1;
        bool inGlyph = false;
        for (int x = 3; x < image.width() - 3; ++x) {
            bool column = false;
            for (int y = 3; y < image.height() - 3; ++y)
                if (dark(x, y)) {
                    column = true;
                    lowest = std::max(lowest, y);
                }
            if (inGlyph && !column)
                break;
            inGlyph = inGlyph || column;
        }
        return w->mapTo(w->window(), QPoint(0, lowest)).y();
    }
    MainWndo window;
};

TEST_F(QtMainWndo, AFrameIsPaintedOnceAControl) {
    PaintCounter counter;
    for (const char* name : {"GFWFunc", "GFProb"})
        Widget(name)->installEventFilter(&counter);
    for (int k = 0; k < MainWndo::kComponents; ++k)
        Widget("Phasor", k)->installEventFilter(&counter);
    window.DoNormalize();
    window.TMFrame_Action();
    window.TMFrame_Action();
    QApplication::processEvents();
    ASSERT_EQ(counter.paints.size(), 8u);
    for (const auto& [widget, paints] : counter.paints)
        EXPECT_EQ(paints, 1) << widget;
}

TEST_F(QtMainWndo, KeysReachEveryInputInOrderAndNamesReachAssistiveTechnology) {
    EXPECT_EQ(Focused() + " " + Field("EFMagn", 0)->selectedText().toStdString(), "EFMagn 0 1.000000")
        << "as the window opened";
    for (const auto& [label, field] : {std::pair("STML", "EFMagn"), std::pair("STAL", "EFAngle")})
        EXPECT_NEAR(Baseline(label, 4), Baseline(field, 4), 1) << label << " stands on the line of " << field;
    // Each control as it looks without the focus, to see that the focus marks it all down its height.
    std::map<QWidget*, QImage> unfocused;
    for (QWidget* w : QApplication::allWidgets())
        if ((w->focusPolicy() & Qt::TabFocus) && w != QApplication::focusWidget())
            unfocused[w] = w->grab().toImage();
    std::string visited;
    std::string unmarked;
    for (int step = 0; step < 17; ++step) {
        visited += Focused() + ", ";
        QWidget* focus = QApplication::focusWidget();
        if (unfocused.contains(focus) && !MarkedDownItsHeight(unfocused[focus], focus->grab().toImage()))
            unmarked += Focused() + ", ";
        QTest::keyClick(focus, Qt::Key_Tab);
    }
    EXPECT_EQ(unmarked, "") << "the focus is not seen on these";
    std::string expected;
    for (int k = 0; k < MainWndo::kComponents; ++k)
        expected += "EFMagn " + std::to_string(k) + ", EFAngle " + std::to_string(k) + ", ";
    // The radio buttons are one stop, at the chosen one; no plot or phasor takes the focus.
    EXPECT_EQ(visited, expected + "PBNorm, PBStart, SLSpeed, RBTotal, EFMagn 0, ");

    QTest::keyClick(Widget("PBStart"), Qt::Key_Space);
    EXPECT_EQ(window.Find<tk::PushButton>("PBStart")->Caption(), "Stop");
    QTest::keyClick(Widget("PBStart"), Qt::Key_Space);
    EXPECT_EQ(Focused() + " " + Field("EFMagn", 0)->selectedText().toStdString(), "EFMagn 0 1.000000")
        << "Stop gives the first field the focus, all selected";
    QTest::keyClick(Widget("SLSpeed"), Qt::Key_Right);
    EXPECT_EQ(window.Find<tk::Slider>("SLSpeed")->Value(), 11);
    Widget("RBTotal")->setFocus();
    QTest::keyClick(Widget("RBTotal"), Qt::Key_Up);
    EXPECT_EQ(window.Show, (std::array<std::int32_t, 6>{0, 0, 0, 0, 0, 1})) << "the arrow chose n=6";

    EXPECT_EQ(QAccessible::queryAccessibleInterface(Widget("EFMagn", 2))->text(QAccessible::Name),
              "Magnitude of state 3");
    window.DoNormalize();
    EXPECT_EQ(QAccessible::queryAccessibleInterface(Widget("Phasor", 0))->text(QAccessible::Description),
              "State 1: magnitude 1.000000, angle 0 degrees");

    Field("EFMagn", 0)->setFocus();
    window.PBStart_Action();
    window.PBStart_Action();
    window.LoadPreset(physics::Preset::Packet);
    QString othersSelected;
    for (int k = 1; k < MainWndo::kComponents; ++k)
        othersSelected += Field("EFMagn", k)->selectedText() + Field("EFAngle", k)->selectedText();
    EXPECT_EQ(othersSelected.toStdString(), "") << "started from a field, no other shows a selection later";
}

// The status line lies below the content, which keeps its size; the hint of a menu item covers
// its message, never the clock. (The end-to-end run reads the line as a screen reader does.)
TEST_F(QtMainWndo, TheStatusLineLiesBelowTheContentAndHintsNeverCoverTheClock) {
    auto& main = *qobject_cast<QMainWindow*>(Widget("GFWFunc")->window());
    QStatusBar& bar = *main.statusBar();
    EXPECT_EQ(main.centralWidget()->size(), QSize(850, 669));
    EXPECT_EQ(bar.geometry().top(), main.centralWidget()->geometry().bottom() + 1);
    const auto shown = [&bar] {
        QStringList texts;
        for (const QLabel* label : bar.findChildren<QLabel*>())
            if (label->isVisible())
                texts << label->text();
        return texts.join(" | ").toStdString();
    };
    EXPECT_EQ(shown(), "Ready | t = 0.000 T₁ | frame 0 | speed 10") << "the clock from the launch on";
    window.GoTo(0.25);
    QApplication::processEvents();
    EXPECT_EQ(shown(), "Paused | t = 0.250 T₁ | frame 90 | speed 10");
    main.menuBar()->findChild<QAction*>("AnimationPause")->showStatusText(&main);
    EXPECT_EQ(std::pair(bar.currentMessage(), shown()),
              std::pair(QString("Hold the animation at this instant, or run on from it"),
                        std::string("t = 0.250 T₁ | frame 90 | speed 10")));
}

} // namespace
