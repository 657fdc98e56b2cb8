// Windows, controls and menus shown through Qt (offscreen).

#include "toolkit/edit_field.h"
#include "toolkit/menu_item.h"
#include "toolkit/qt/plain_text_view.h"
#include "toolkit/qt/qt_window_peer.h"
#include "toolkit/range_control.h"
#include "toolkit/text_area.h"
#include "toolkit/window.h"

#include <QAccessible>
#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QImage>
#include <QLineEdit>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>
#include <QPointer>
#include <QPushButton>
#include <QSlider>
#include <QTest>

#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <tuple>

namespace {

class TestWindow : public tk::Window {
public:
    void Layout() override {
        settings.title = "Test window";
        settings.width = 320;
        settings.height = 200;
        settings.resizable = false;
        settings.maximizeButton = false;
    }
    void CreateControls() override {
        field = &AddControl("Field", std::make_unique<tk::EditField>());
        field->SetBounds(10, 10, 100, 22);
        AddControl("Slider", std::make_unique<tk::Slider>()).SetBounds(10, 40, 100, 20);
        area = &AddControl("Area", std::make_unique<tk::TextArea>());
        area->SetBounds(10, 70, 200, 100);
        if (beforeOpening)
            beforeOpening(*this);
    }
    std::function<void(TestWindow&)> beforeOpening;
    tk::EditField* field = nullptr;
    tk::TextArea* area = nullptr;
};

std::unique_ptr<tk::MenuItem> Item(const std::string& name, const std::string& caption,
                                   const std::string& keys) {
    auto item = std::make_unique<tk::MenuItem>();
    item->SetName(name);
    item->SetCaption(caption);
    item->SetShortcut(keys);
    item->SetAutoEnable(true);
    return item;
}

QMainWindow& WidgetOf(const tk::Window& window) {
    return *static_cast<tk::qt::QtWindowPeer*>(window.Peer())->Widget();
}

const std::tuple<const char*, const char*, const char*> kEditItems[] = {
    {"EditUndo", "&Undo", "Cmd+Z"},   {"EditCut", "Cu&t", "Cmd+X"}, {"EditCopy", "&Copy", "Cmd+C"},
    {"EditPaste", "&Paste", "Cmd+V"}, {"EditClear", "&Delete", ""}, {"EditSelectAll", "Select &All", "Cmd+A"},
    {"Nothing", "Nothing", ""}};

class QtWindowTest : public testing::Test {
protected:
    void SetUp() override {
        auto edit = Item("EditMenu", "&Edit", "");
        for (const auto& [name, caption, keys] : kEditItems)
            edit->Append(Item(name, caption, keys));
        bar_.Append(std::move(edit));
        window_.SetMenuBar(&bar_);
        window_.Open();
        QApplication::processEvents();
    }
    QMainWindow* Main() const { return &WidgetOf(window_); }
    QAction* Action(const char* name) const { return Main()->menuBar()->findChild<QAction*>(name); }
    QLineEdit* Line() const { return Main()->findChild<QLineEdit*>(); }
    // The names of the enabled items as the menu opens, "Edit" left out.
    std::string Enabled() const {
        QMenu& menu = *Main()->menuBar()->actions()[0]->menu();
        emit menu.aboutToShow();
        std::string enabled;
        for (QAction* item : menu.actions())
            if (item->isEnabled())
                enabled += (enabled.empty() ? "" : " ") + item->objectName().remove("Edit").toStdString();
        return enabled;
    }

    tk::MenuBar bar_;
    TestWindow window_;
};

// Each item is enabled while it can act on the focused field, and acts on it; nothing else handles
// them, so without a focused field they are off. (The menu by the keyboard, and the editing keys in a
// field, are the end-to-end run's.)
TEST_F(QtWindowTest, EditingFromTheMenuActsOnTheFocusedField) {
    QApplication::clipboard()->clear();
    window_.field->SetText("3.14");
    Line()->setFocus();
    const std::pair<const char*, const char*> steps[] = {
        {"", "3.14: SelectAll"},
        {"EditSelectAll", "3.14: Cut Copy Clear SelectAll"},
        {"EditCopy", "3.14: Cut Copy Paste Clear SelectAll"},
        {"EditClear", ": Undo Paste"},
        {"EditUndo", "3.14: Cut Copy Paste Clear SelectAll"},
        {"EditCut", ": Undo Paste"},
        {"EditPaste", "3.14: Undo Paste SelectAll"},
        {"EditSelectAll", "3.14: Undo Cut Copy Paste Clear SelectAll"},
    };
    for (const auto& [item, expected] : steps) {
        if (*item)
            Action(item)->trigger();
        EXPECT_EQ(window_.field->Text() + ": " + Enabled(), expected) << "after " << item;
    }
    EXPECT_EQ(QApplication::clipboard()->text(), "3.14");
    Main()->findChild<QSlider*>()->setFocus();
    EXPECT_EQ(Enabled(), "") << "no field has the focus";
}

// Settings changed before the window opens (true) or after: those that the peer does more with than
// hand on, the text cut by a limit, the selection in characters, the font, and the options given only
// when they differ.
class FieldSettings : public QtWindowTest, public testing::WithParamInterface<bool> {
protected:
    static void Change(TestWindow& window) {
        tk::EditField& field = *window.field;
        field.SetEnabled(false);
        field.SetText("0.600000");
        field.SetFont(tk::Font{.size = 17, .underline = true});
        field.SetBorder(false);
        field.SetSelStart(2);
        field.SetSelLength(3);
    }
    void SetUp() override {
        if (GetParam())
            window_.beforeOpening = Change;
        QtWindowTest::SetUp();
        if (!GetParam())
            Change(window_);
    }
};

TEST_P(FieldSettings, ReachTheWidgetAndEachLeavesTheOthersAlone) {
    const QLineEdit& line = *Line();
    EXPECT_EQ(std::tuple(line.text(), line.isEnabled(), line.hasFrame(), line.font().pixelSize(),
                         line.font().underline()),
              std::tuple(QString("0.600000"), false, false, 17, true));
    window_.field->SetBorder(true);
    window_.field->SetEnabled(true);
    EXPECT_EQ(std::tuple(line.selectionStart(), line.selectionLength(), line.font().pixelSize()),
              std::tuple(2, 3, 17))
        << "showing one setting keeps the selection and the font";
    window_.field->SetLimitText(4);
    EXPECT_EQ(window_.field->Text(), "0.60")
        << "a limit below the length cuts the text, and the field knows it";
}

INSTANTIATE_TEST_SUITE_P(BeforeAndAfterOpening, FieldSettings, testing::Bool());

// Selections count characters, not UTF-16 units. QLineEdit keeps the line breaks of a paste, shown as
// spaces; the widget holds the spaces, as the field does, and half a character as the field's '?'.
TEST_F(QtWindowTest, SelectionsCountCharactersAndAPasteWithLineBreaksIsOneLine) {
    tk::EditField& field = *window_.field;
    field.SetText("a\U0001F600bc"); // a, an emoji (two UTF-16 units), b, c
    field.SetSelStart(1);
    field.SetSelLength(2);
    EXPECT_EQ(Line()->selectedText(), QString::fromUtf8("\U0001F600b"));
    Line()->setSelection(3, 2); // UTF-16 units 3 and 4: "bc"
    EXPECT_EQ(std::tuple(field.SelStart(), field.SelLength()), std::tuple(2, 2));
    QApplication::clipboard()->setText(QString("1.5\n2.5\r\n3.5") + QChar(0xD800));
    Line()->selectAll();
    Line()->paste();
    const QString line = "1.5 2.5  3.5?";
    EXPECT_EQ(std::tuple(Line()->text(), field.Text(), field.SelStart()),
              std::tuple(line, line.toStdString(), 13));
}

// A window of 400 x 300 with a frame of 20 above and 2 elsewhere, opening over a window or the
// available area of a screen of 1280 x 1000.
TEST(OpeningFrame, CentredOverTheWindowInFrontAndWhollyOnTheScreen) {
    const QMargins margins(2, 20, 2, 2);
    const QRect screen(0, 0, 1280, 1000);
    const struct {
        const char* name = nullptr;
        QRect over;
        QSize size;
        bool resizable = false;
        QRect frame;
    } cases[] = {
        {"centred", {100, 100, 800, 600}, {400, 300}, true, {298, 239, 404, 322}},
        {"moved off the edges", {1000, 900, 200, 200}, {400, 300}, true, {876, 678, 404, 322}},
        {"shrunk to the height", {0, 0, 1280, 1000}, {400, 1200}, true, {438, 0, 404, 1000}},
        {"fixed: top left on it", {0, 0, 1280, 1000}, {400, 1200}, false, {438, 0, 404, 1222}},
    };
    for (const auto& c : cases)
        EXPECT_EQ(tk::qt::OpeningFrame(c.over, c.size, margins, screen, c.resizable), c.frame) << c.name;
}

// The same window opening beside a window in front, where the screen has room.
TEST(OpeningFrame, BesideTheWindowInFrontWhereTheScreenHasRoom) {
    const QMargins margins(2, 20, 2, 2);
    const QRect screen(0, 0, 1280, 1000);
    const struct {
        const char* name = nullptr;
        QRect front;
        QRect frame;
    } cases[] = {
        {"to the right", {0, 0, 800, 600}, {800, 0, 404, 322}},
        {"below", {400, 0, 800, 600}, {400, 600, 404, 322}},
        {"no room: over its right side", {200, 100, 1000, 800}, {876, 100, 404, 322}},
        {"no room: onto the screen", {900, 700, 380, 300}, {876, 678, 404, 322}},
    };
    for (const auto& c : cases)
        EXPECT_EQ(tk::qt::BesideFrame(c.front, {400, 300}, margins, screen, true), c.frame) << c.name;
}

// A place kept from an earlier session is used while the user can still take the window by its
// title bar on one of the screens there are now (offscreen: one of 800 x 600).
TEST(PlaceOnAScreen, KeptWhereTheUserCanStillReachIt) {
    const struct {
        const char* name = nullptr;
        std::optional<std::string> kept;
        std::optional<QRect> place;
    } cases[] = {
        {"on the screen", "100 50 400 300", QRect(100, 50, 400, 300)},
        {"mostly off it, its corner on it", "750 550 400 300", QRect(750, 550, 400, 300)},
        {"too little of it on the screen", "770 100 400 300", std::nullopt},
        {"not numbers", "a b c d", std::nullopt},
    };
    for (const auto& c : cases)
        EXPECT_EQ(tk::qt::PlaceOnAScreen(c.kept), c.place) << c.name;
}

// A window moved by the user opens there again, also after its first window is gone.
TEST(PlaceOnAScreen, AWindowOpensWhereItWasMovedTo) {
    const auto open = [] {
        auto window = std::make_unique<TestWindow>();
        window->beforeOpening = [](TestWindow& w) { w.settings.rememberedPlace = "places/test"; };
        window->Open();
        QApplication::processEvents();
        return window;
    };
    auto first = open();
    WidgetOf(*first).move(130, 70);
    QApplication::processEvents();
    first.reset();
    const auto second = open();
    EXPECT_EQ(WidgetOf(*second).pos(), QPoint(130, 70));
}

// Deleting a focused line edit moves the focus away, and QApplication::focusChanged tells every
// receiver while the field's peer is half destroyed: a handler of that peer still connected would
// run on it, which the sanitized run reports (UBSan's vptr check).
TEST(QtWindowLifetime, WindowWhoseFieldHasTheFocusGoesCleanly) {
    auto window = std::make_unique<TestWindow>();
    window->Open();
    QApplication::processEvents();
    window->field->SetFocus();
    const QPointer<QLineEdit> line = qobject_cast<QLineEdit*>(QApplication::focusWidget());
    ASSERT_NE(line, nullptr) << "the field has the focus";
    window.reset();
    EXPECT_TRUE(line.isNull());
    EXPECT_EQ(QApplication::focusWidget(), nullptr);
}

// The lines the program rewrites at every frame, selected with the keyboard and the mouse, copied
// (the selection, or the whole text where nothing is selected), and read by a screen reader: the
// whole text, and the selection as the reader was told of it.
TEST_F(QtWindowTest, TextAreaSelectsCopiesAndTellsScreenReaders) {
    const char* const text = "x = 0.5000\ny = 1.000\n😀 z";
    auto& view = dynamic_cast<tk::qt::PlainTextView&>(*Main()->findChild<QAbstractScrollArea*>());
    const auto keys = [&view](std::initializer_list<QKeySequence::StandardKey> sequences) {
        for (const QKeySequence::StandardKey keys : sequences)
            QTest::keySequence(&view, keys);
    };
    const auto drag = [&view](int from, int to) {
        const auto at = [&view](int offset) { return view.CharacterRect(offset).center() - QPoint(1, 0); };
        QTest::mousePress(view.viewport(), Qt::LeftButton, {}, at(from));
        QMouseEvent move(QEvent::MouseMove, at(to), view.viewport()->mapToGlobal(at(to)), Qt::NoButton,
                         Qt::LeftButton, {});
        QApplication::sendEvent(view.viewport(), &move);
    };
    const struct {
        const char* name;
        std::function<void()> select;
        const char* copied;
    } rows[] = {
        {"Shift+Right twice",
         [&] {
             view.Select(0, 0), keys({QKeySequence::SelectNextChar, QKeySequence::SelectNextChar});
         },
         "x "},
        {"Shift+Down, Shift+End",
         [&] {
             view.Select(4, 4), keys({QKeySequence::SelectNextLine, QKeySequence::SelectEndOfLine});
         },
         "0.5000\ny = 1.000"},
        {"Shift+Left over a character beyond 16 bits",
         [&] { view.Select(23, 23), keys({QKeySequence::SelectPreviousChar}); }, "😀"},
        {"Ctrl+A", [&] { keys({QKeySequence::SelectAll}); }, text},
        {"a drag with the mouse", [&] { drag(11, 13); }, "y "},
        {"nothing selected", [&] { view.Select(3, 3); }, text},
        {"the selection's line rewritten",
         [&] { view.Select(11, 12), window_.area->SetText("x = 0.5\ny = 0.9987\n😀 z"); }, "y"},
    };
    QAccessibleInterface* reader = QAccessible::queryAccessibleInterface(&view);
    ASSERT_NE(reader, nullptr);
    for (const auto& [name, select, copied] : rows) {
        window_.area->SetText(text);
        select();
        window_.area->Copy();
        EXPECT_EQ(QApplication::clipboard()->text().toStdString(), copied) << name;
        int start = 0;
        int end = 0;
        reader->textInterface()->selection(0, &start, &end);
        EXPECT_EQ(reader->textInterface()->text(start, end), view.SelectedText()) << name;
        EXPECT_EQ(reader->text(QAccessible::Value).toStdString(), window_.area->Text()) << name;
    }
}

// The focus frame of a button the keyboard moved to is a dark line two pixels wide, where a projector
// would lose a faint one: two device pixels, and four at two device pixels a pixel.
TEST(FocusFrame, IsTwoDarkPixelsWideDoubledAtTwiceTheDensity) {
    QPushButton button("Normalize");
    button.resize(100, 30);
    button.show();
    QApplication::setActiveWindow(&button);
    button.setFocus(Qt::TabFocusReason);
    button.setAttribute(Qt::WA_KeyboardFocusChange); // as a Tab leaves it
    ASSERT_TRUE(button.hasFocus());
    for (const int ratio : {1, 2}) {
        QImage image(button.size() * ratio, QImage::Format_RGB32);
        image.setDevicePixelRatio(ratio);
        button.render(&image);
        int dark = 0;
        for (int x = 0; x < 8 * ratio; ++x)
            dark += qGray(image.pixel(x, image.height() / 2)) < 64;
        EXPECT_EQ(dark, 2 * ratio) << ratio << " device pixels a logical pixel";
    }
}

} // namespace
