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

#include <string>
#include <tuple>
#include <utility>

namespace {

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
    MainWndo window;
};

TEST_F(QtMainWndo, KeysReachEveryInputInOrderAndNamesReachAssistiveTechnology) {
    EXPECT_EQ(Focused() + " " + Field("EFMagn", 0)->selectedText().toStdString(), "EFMagn 0 1.000000")
        << "as the window opened";
    std::string visited;
    for (int step = 0; step < 17; ++step) {
        visited += Focused() + ", ";
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    }
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

// The status line lies in the content, under the control group, so that the window is no higher
// than its content and menu bar; the hint of a menu item covers its message, never the clock. (The
// end-to-end run reads the line as a screen reader does.)
TEST_F(QtMainWndo, TheStatusLineLiesInTheContentAndHintsNeverCoverTheClock) {
    auto& main = *qobject_cast<QMainWindow*>(Widget("GFWFunc")->window());
    QStatusBar& bar = *main.centralWidget()->findChild<QStatusBar*>();
    EXPECT_EQ(std::tuple(bar.geometry(), main.height()),
              std::tuple(QRect(0, 649, 850, 20), 669 + main.menuBar()->height()));
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
