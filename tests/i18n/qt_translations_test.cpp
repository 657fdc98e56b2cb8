// The program in English and each shipped language, offscreen: its menus and captions are
// translated, every caption fits its control with the platform's fonts, no two items of a menu share
// a mnemonic, and the About and Keyboard Shortcuts pages name keys and captions as the menus show them.

#include "app/about_parvok.h"
#include "app/menu_bar1.h"
#include "app/shortcuts_wndo.h"
#include "mainwindow/main_wndo.h"
#include "spacetime/space_time_wndo.h"
#include "toolkit/platform.h"
#include "toolkit/qt/qt_translations.h"
#include "toolkit/qt/qt_widget_peer.h"

#include <QAbstractButton>
#include <QApplication>
#include <QGroupBox>
#include <QKeySequence>
#include <QLabel>
#include <QLocale>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>
#include <QRadioButton>
#include <QRegularExpression>
#include <QStyle>
#include <QStyleOptionButton>
#include <QStyleOptionGroupBox>

#include <gtest/gtest.h>

#include <set>
#include <string>

namespace {

// The letter after the single "&" of a caption, in lower case, or nothing.
QChar Mnemonic(const QString& caption) {
    for (qsizetype i = 0; i + 1 < caption.size(); ++i) {
        if (caption[i] == '&' && caption[i + 1] != '&')
            return caption[i + 1].toLower();
        if (caption[i] == '&')
            ++i;
    }
    return {};
}

// How much wider the control would have to be to show its whole caption.
int Overflow(QWidget* widget) {
    if (auto* label = qobject_cast<QLabel*>(widget))
        return label->fontMetrics().horizontalAdvance(label->text()) - label->contentsRect().width();
    if (auto* button = qobject_cast<QAbstractButton*>(widget)) {
        QStyleOptionButton option;
        option.initFrom(button);
        option.text = button->text();
        const auto contents = qobject_cast<QRadioButton*>(button) ? QStyle::SE_RadioButtonContents
                                                                  : QStyle::SE_PushButtonContents;
        const QRect room = button->style()->subElementRect(contents, &option, button);
        return button->fontMetrics().horizontalAdvance(QString(button->text()).remove('&')) - room.width();
    }
    if (auto* group = qobject_cast<QGroupBox*>(widget)) {
        QStyleOptionGroupBox option;
        option.initFrom(group);
        option.text = group->title();
        option.subControls = QStyle::SC_GroupBoxLabel;
        const QRect title =
            group->style()->subControlRect(QStyle::CC_GroupBox, &option, QStyle::SC_GroupBoxLabel, group);
        return group->fontMetrics().horizontalAdvance(group->title()) - title.width();
    }
    return 0;
}

// The key names that the About page uses where the menus show others, as the page writes them.
QStringList KeysNamedOtherwise(const QString& page) {
    QStringList named;
    for (const char* key : {"Ctrl", "Shift", "Alt", "Space", "Esc", "Tab", "Left", "Right"}) {
        const QString english = QString::fromLatin1(key);
        const bool modifier = english == "Ctrl" || english == "Shift" || english == "Alt";
        QString shown = QKeySequence(modifier ? english + "+A" : english).toString(QKeySequence::NativeText);
        if (modifier)
            shown.chop(2);
        const QRegularExpression word("(?<![\\w-])" + english + "(?![\\w-])");
        if (shown != english && page.contains(word))
            named << english + " (the menus show " + shown + ")";
    }
    return named;
}

class Translations : public testing::TestWithParam<const char*> {
public:
    Translations() {
        EXPECT_EQ(tk::qt::InstallTranslations(QLocale(QString::fromLatin1(GetParam()))), !English());
        window.Open();
    }
    static bool English() { return std::string(GetParam()) == "en"; }
    ~Translations() override {
        window.Close();
        MenuBar1::Release();
        AboutParvok::Release();
        tk::qt::InstallTranslations(QLocale(QLocale::English));
    }

protected:
    QMainWindow* Shown() {
        for (QWidget* w : QApplication::topLevelWidgets())
            if (auto* shown = qobject_cast<QMainWindow*>(w); shown && shown->isVisible())
                return shown;
        return nullptr;
    }
    MainWndo window;
};

// Every menu title has a mnemonic of its own, so that Alt opens each menu.
TEST_P(Translations, MenusAndCaptionsAreTranslatedFitAndKeepTheirMnemonicsApart) {
    QMainWindow* shown = Shown();
    ASSERT_NE(shown, nullptr);
    std::set<QChar> titles;
    for (QAction* menu : shown->menuBar()->actions()) {
        EXPECT_TRUE(!Mnemonic(menu->text()).isNull() && titles.insert(Mnemonic(menu->text())).second)
            << "menu title " << menu->text().toStdString();
        std::set<QChar> letters;
        for (QAction* item : menu->menu()->actions()) {
            if (!item->isSeparator() && !Mnemonic(item->text()).isNull()) {
                EXPECT_TRUE(letters.insert(Mnemonic(item->text())).second)
                    << "in " << menu->text().toStdString() << ": " << item->text().toStdString();
            }
        }
    }
    if (!English()) {
        EXPECT_NE(window.Find<tk::PushButton>("PBNorm")->Caption(), "Normalize");
        EXPECT_NE(window.EditMenu()->Caption(), "&Edit");
        // The About page in the same language: the resources pick it by the locale.
        const std::string language = QString::fromLatin1(GetParam()).replace('_', '-').toStdString();
        EXPECT_EQ(tk::ThePlatform()
                      .Resources()
                      ->GetResource("TEXT", 168)
                      .rfind("<html lang=\"" + language + "\">", 0),
                  0u);
    }
    // The About page names the keys as the menus do, and the Keyboard Shortcuts window shows the
    // menus' captions without their mnemonics, also where one is written in brackets ("(&F)").
    const QString about = QString::fromStdString(tk::ThePlatform().Resources()->GetResource("TEXT", 168));
    EXPECT_EQ(KeysNamedOtherwise(about), QStringList());
    const QString keys = QString::fromStdString(ShortcutsWndo::Page(MenuBar1::Instance()));
    EXPECT_FALSE(keys.contains(QRegularExpression("\\(&?[A-Z]\\)"))) << keys.toStdString();

    // The main window's captions and a view's with choices of its own.
    SpaceTimeWndo view(window);
    view.Open();
    for (QWidget* widget : QApplication::allWidgets()) {
        if (widget->isVisible() && widget->property("tkControl").isValid()) {
            const tk::Control* control = tk::qt::QtWidgetPeer::ControlOf(widget);
            EXPECT_LE(Overflow(widget), 0) << control->Name() << " " << control->Index();
        }
    }
}

INSTANTIATE_TEST_SUITE_P(ShippedLanguages, Translations,
                         testing::Values("en", "de", "fr", "es", "pt_BR", "it", "zh_CN"));

} // namespace
