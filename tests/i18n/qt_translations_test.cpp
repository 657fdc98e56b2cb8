// The program in each shipped language, offscreen: its menus and captions are translated, every
// caption fits its control with the platform's fonts, and no two items of a menu share a mnemonic.

#include "app/about_parvok.h"
#include "app/menu_bar1.h"
#include "mainwindow/main_wndo.h"
#include "toolkit/platform.h"
#include "toolkit/qt/qt_translations.h"
#include "toolkit/qt/qt_widget_peer.h"
#include "toolkit/qt/qt_window_peer.h"

#include <QAbstractButton>
#include <QApplication>
#include <QGroupBox>
#include <QLabel>
#include <QLocale>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>
#include <QRadioButton>
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

class Translations : public testing::TestWithParam<const char*> {
public:
    Translations() {
        EXPECT_TRUE(tk::qt::InstallTranslations(QLocale(QString::fromLatin1(GetParam()))));
        window.Open();
    }
    ~Translations() override {
        window.Close();
        MenuBar1::Release();
        AboutParvok::Release();
        tk::qt::InstallTranslations(QLocale(QLocale::English));
    }

protected:
    QMainWindow* Shown() { return static_cast<tk::qt::QtWindowPeer*>(window.Peer())->Widget(); }
    MainWndo window;
};

TEST_P(Translations, MenusAndCaptionsAreTranslatedFitAndKeepTheirMnemonicsApart) {
    QMainWindow* shown = Shown();
    ASSERT_NE(shown, nullptr);
    std::set<QChar> titles;
    for (QAction* menu : shown->menuBar()->actions()) {
        EXPECT_TRUE(titles.insert(Mnemonic(menu->text())).second || Mnemonic(menu->text()).isNull())
            << "menu title " << menu->text().toStdString();
        std::set<QChar> letters;
        for (QAction* item : menu->menu()->actions()) {
            if (!item->isSeparator() && !Mnemonic(item->text()).isNull()) {
                EXPECT_TRUE(letters.insert(Mnemonic(item->text())).second)
                    << "in " << menu->text().toStdString() << ": " << item->text().toStdString();
            }
        }
    }
    EXPECT_NE(window.Find<tk::PushButton>("PBNorm")->Caption(), "Normalize");
    // The About page in the same language: the resources pick it by the locale.
    const std::string language = QString::fromLatin1(GetParam()).replace('_', '-').toStdString();
    EXPECT_EQ(
        tk::ThePlatform().Resources()->GetResource("TEXT", 168).rfind("<html lang=\"" + language + "\">", 0),
        0u);

    for (QWidget* widget : QApplication::allWidgets()) {
        if (widget->window() == shown && widget->isVisible() && widget->property("tkControl").isValid()) {
            const tk::Control* control = tk::qt::QtWidgetPeer::ControlOf(widget);
            EXPECT_LE(Overflow(widget), 0) << control->Name() << " " << control->Index();
        }
    }
}

INSTANTIATE_TEST_SUITE_P(ShippedLanguages, Translations,
                         testing::Values("de", "fr", "es", "pt_BR", "it", "zh_CN"));

} // namespace
