// The main window through Qt, offscreen: driven with real key and mouse events, as a user would.

#include "app/menu_bar1.h"
#include "mainwindow/main_wndo.h"
#include "toolkit/qt/qt_widget_peer.h"

#include <QAccessible>
#include <QApplication>
#include <QLineEdit>
#include <QMainWindow>
#include <QPushButton>
#include <QSlider>
#include <QTest>

#include <gtest/gtest.h>

#include <map>
#include <string>
#include <vector>

namespace {

using Strings = std::vector<std::string>;

// Counts the paint events of the widgets it watches.
class PaintCounter : public QObject {
public:
    std::map<QObject*, int> paints;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Paint)
            ++paints[watched];
        return false;
    }
};

class QtMainWndoTest : public testing::Test {
protected:
    QtMainWndoTest() {
        window.Open();
        top = qobject_cast<QMainWindow*>(Widget("GFWFunc")->window());
        QApplication::setActiveWindow(top);
        QApplication::processEvents();
    }
    ~QtMainWndoTest() override { MenuBar1::Release(); }

    QWidget* Widget(const std::string& name, int index = tk::Control::kNoIndex) {
        const tk::Control* control = window.Find(name, index);
        for (QWidget* child : QApplication::allWidgets())
            if (child->property("tkControl").isValid() && tk::qt::QtWidgetPeer::ControlOf(child) == control)
                return child;
        ADD_FAILURE() << "no widget for " << name << " " << index;
        return nullptr;
    }
    QLineEdit* Field(const std::string& name, int index) {
        return qobject_cast<QLineEdit*>(Widget(name, index));
    }
    std::string FocusedControl() {
        const tk::Control* c = tk::qt::QtWidgetPeer::ControlOf(QApplication::focusWidget());
        if (!c)
            return "none";
        return c->Name() + (c->Index() == tk::Control::kNoIndex ? "" : " " + std::to_string(c->Index()));
    }
    void Retype(QLineEdit* field, const QString& text) {
        field->setFocus();
        QTest::keyClick(field, Qt::Key_A, Qt::ControlModifier);
        QTest::keyClicks(field, text);
    }

    MainWndo window;
    QMainWindow* top = nullptr;
};

TEST_F(QtMainWndoTest, TypingNormalizingRunningAndStoppingShowTheStateOnTheScreen) {
    Retype(Field("EFMagn", 0), "3");
    Retype(Field("EFMagn", 1), "4");
    Retype(Field("EFAngle", 1), "90");
    QTest::mouseClick(Widget("PBNorm"), Qt::LeftButton);
    EXPECT_EQ(Field("EFMagn", 0)->text(), "0.600000");
    EXPECT_EQ(Field("EFMagn", 1)->text(), "0.800000");
    EXPECT_EQ(Field("EFAngle", 1)->text(), "90");
    QApplication::processEvents();
    const QImage phasor = Widget("Phasor", 1)->grab().toImage();
    EXPECT_EQ(phasor.pixelColor(35, 15), Qt::black) << "state 2's arrow points up, 0.8 of the radius";
    EXPECT_EQ(phasor.pixelColor(35, 3), Qt::white);

    QTest::mouseClick(Widget("PBStart"), Qt::LeftButton);
    EXPECT_EQ(qobject_cast<QPushButton*>(Widget("PBStart"))->text(), "Stop");
    EXPECT_FALSE(Field("EFMagn", 0)->isEnabled());
    QTest::qWait(250);
    QTest::mouseClick(Widget("PBStart"), Qt::LeftButton);
    EXPECT_GT(window.Find<PhasorDiagram>("Phasor", 0)->angle, 3.0) << "frames ran";
    EXPECT_EQ(FocusedControl(), "EFMagn 0");
    EXPECT_EQ(Field("EFMagn", 0)->selectedText(), "0.600000");

    // The density curve crosses the middle column of the probability plot somewhere below the top.
    const QImage density = Widget("GFProb")->grab().toImage();
    Graph& prob = *window.Find<Graph>("GFProb");
    const int middle = prob.XCoord(0.5);
    int curvePixels = 0;
    for (int y = prob.GTop + 1; y < prob.GTop + prob.GHeight; ++y)
        curvePixels += density.pixelColor(middle, y) == Qt::black;
    EXPECT_GE(curvePixels, 1);
}

TEST_F(QtMainWndoTest, AFrameIsPaintedOnceAPlotAndShowsTheFinishedDrawing) {
    PaintCounter counter;
    for (const char* name : {"GFWFunc", "GFProb"})
        Widget(name)->installEventFilter(&counter);
    for (int k = 0; k < MainWndo::kComponents; ++k)
        Widget("Phasor", k)->installEventFilter(&counter);
    QApplication::processEvents();
    counter.paints.clear();
    window.DoNormalize();
    window.TMFrame_Action();
    window.TMFrame_Action();
    QApplication::processEvents();
    EXPECT_EQ(counter.paints.size(), 8u) << "every plot and phasor was repainted";
    for (const auto& [widget, paints] : counter.paints)
        EXPECT_EQ(paints, 1) << widget;
    const QImage shown = Widget("GFWFunc")->grab().toImage();
    const Graph& wave = *window.Find<Graph>("GFWFunc");
    int red = 0;
    for (int x = wave.GLeft; x < wave.GLeft + wave.GWidth; ++x)
        for (int y = wave.GTop; y < wave.GTop + wave.GHeight; ++y)
            red += shown.pixelColor(x, y) == Qt::red;
    EXPECT_GT(red, 100) << "the curves, not the axes alone";
}

TEST_F(QtMainWndoTest, TabVisitsFieldsRowByRowThenTheButtonsTheSliderAndTheRadioGroup) {
    Field("EFMagn", 0)->setFocus();
    Strings visited;
    for (int step = 0; step < 17; ++step) {
        visited.push_back(FocusedControl());
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    }
    Strings expected;
    for (int k = 0; k < MainWndo::kComponents; ++k) {
        expected.push_back("EFMagn " + std::to_string(k));
        expected.push_back("EFAngle " + std::to_string(k));
    }
    // The radio buttons are one stop, at the chosen one; no plot or phasor takes the focus.
    for (const char* last : {"PBNorm", "PBStart", "SLSpeed", "RBTotal", "EFMagn 0"})
        expected.push_back(last);
    EXPECT_EQ(visited, expected);
}

TEST_F(QtMainWndoTest, KeysPressButtonsAndMoveTheSliderAndTheNamesReachAssistiveTechnology) {
    Widget("PBStart")->setFocus();
    QTest::keyClick(Widget("PBStart"), Qt::Key_Space);
    EXPECT_EQ(window.Find<tk::PushButton>("PBStart")->Caption(), "Stop");
    QTest::keyClick(Widget("PBStart"), Qt::Key_Space);
    Widget("SLSpeed")->setFocus();
    QTest::keyClick(Widget("SLSpeed"), Qt::Key_Right);
    EXPECT_EQ(window.Find<tk::Slider>("SLSpeed")->Value(), 11);
    Widget("RBTotal")->setFocus();
    QTest::keyClick(Widget("RBTotal"), Qt::Key_Up);
    EXPECT_EQ(FocusedControl(), "RBNth 5");
    EXPECT_EQ(window.Show, (std::array<std::int32_t, 6>{0, 0, 0, 0, 0, 1})) << "the arrow chose n=6";
    QAccessibleInterface* field = QAccessible::queryAccessibleInterface(Widget("EFMagn", 2));
    ASSERT_NE(field, nullptr);
    EXPECT_EQ(field->text(QAccessible::Name), "Magnitude of state 3");
    window.DoNormalize();
    QAccessibleInterface* phasor = QAccessible::queryAccessibleInterface(Widget("Phasor", 0));
    ASSERT_NE(phasor, nullptr);
    EXPECT_EQ(phasor->text(QAccessible::Description), "State 1: magnitude 1.000000, angle 0 degrees");
}

} // namespace
