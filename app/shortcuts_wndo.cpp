#include "app/shortcuts_wndo.h"

#include "app/commands.h"
#include "app/menu_bar1.h"
#include "toolkit/platform.h"
#include "toolkit/translation.h"

#include <initializer_list>
#include <string>

namespace {

// The keys that the controls and the windows take themselves, by the platform's rules, written as
// a menu's shortcuts are, so that the platform names them in the user's language as it does there.
struct ControlKeys {
    const char* keys[2];
    const char* what;
};
constexpr ControlKeys kControlKeys[] = {
    {{"Tab", "Shift+Tab"},
     tk::Translatable("ShortcutsWndo", "The next or the previous field, button or slider")},
    {{"Space"}, tk::Translatable("ShortcutsWndo", "Presses the button that has the focus")},
    {{"Up", "Down"},
     tk::Translatable("ShortcutsWndo",
                      "Another choice of Total and n=1 … n=6, when one of them has the focus")},
    {{"Left", "Right"},
     tk::Translatable("ShortcutsWndo", "The speed one step down or up, when the slider has the focus")},
    {{"PgUp", "PgDown"}, tk::Translatable("ShortcutsWndo", "The speed 20 up or down")},
    {{"Home", "End"}, tk::Translatable("ShortcutsWndo", "Speed 1 or 100")},
    {{"Down", "Right"},
     tk::Translatable("ShortcutsWndo", "In the space-time picture: one frame on, wherever the focus is")},
    {{"Up", "Left"},
     tk::Translatable("ShortcutsWndo", "In the space-time picture: one frame back, wherever the focus is")},
    {{"F11"}, tk::Translatable("ShortcutsWndo", "In the presentation view: full screen or not")},
    {{"Esc"},
     tk::Translatable("ShortcutsWndo", "In the presentation view: leaves full screen, then closes the view")},
    {{command::kPresentationSpreadKey},
     tk::Translatable("ShortcutsWndo", "In the presentation view: the mean position ⟨x⟩ and ⟨x⟩ ± Δx on the "
                                       "density, or not")},
    {{command::kPresentationGhostKey},
     tk::Translatable("ShortcutsWndo", "In the presentation view: the density at t = 0 in grey, or not")},
    {{command::kPresentationContrastKey},
     tk::Translatable("ShortcutsWndo",
                      "In the presentation view: high contrast, thicker and darker, or not")},
    {{"Esc", "Cmd+W"},
     tk::Translatable("ShortcutsWndo", "Closes the window in front, unless it is the main window")},
    {{"Return"}, tk::Translatable("ShortcutsWndo", "In Build a Packet: loads the packet into the fields")},
    {{"Cmd+Q"}, tk::Translatable("ShortcutsWndo", "Closes the main window, and with it the program")},
};

// A caption as the menu shows it: the mnemonic's "&" gone, with the brackets around it where the
// letter follows the words ("文件(&F)"), and safe in HTML.
std::string Shown(std::string caption) {
    if (const auto bracket = caption.find("(&");
        bracket != std::string::npos && bracket + 3 < caption.size() && caption[bracket + 3] == ')')
        caption.erase(bracket, 4);
    std::string shown;
    for (char c : caption) {
        if (c == '&')
            continue;
        if (c == '<')
            shown += "&lt;";
        else if (c == '>')
            shown += "&gt;";
        else
            shown += c;
    }
    return shown;
}

// A line of its own rather than a table row, whose cells reach a screen reader with frame marks
// (U+FDD0, U+FDD1) between them, or a term over its description, which takes two lines: a longer one
// wraps under its own words, clear of the keys.
std::string Row(const std::string& keys, const std::string& what) {
    return "<p style=\"margin-top:0; margin-bottom:3px; margin-left:24px; text-indent:-24px\"><b>" + keys +
           "</b> — " + what + "</p>\n";
}

// Shortcuts as the menus show them, one after the other; an empty one is left out.
std::string Keys(std::initializer_list<std::string> shortcuts) {
    std::string keys;
    for (const std::string& shortcut : shortcuts)
        if (!shortcut.empty())
            keys += (keys.empty() ? "" : ", ") + Shown(tk::ThePlatform().ShortcutText(shortcut));
    return keys;
}

std::string Heading(const std::string& title) {
    return "<h3>" + title + "</h3>\n";
}

} // namespace

std::string ShortcutsWndo::Page(const tk::MenuBar& bar) {
    std::string page = "<html><body>\n" + Heading(tk::Translate("ShortcutsWndo", "Menus"));
    for (const auto& menu : bar.Children())
        for (const auto& item : menu->Children())
            if (!item->Shortcut().empty())
                page += Row(Keys({item->Shortcut(), item->AlternateShortcut()}),
                            Shown(menu->Caption()) + " › " + Shown(item->Caption()));
    page += Heading(tk::Translate("ShortcutsWndo", "Controls and windows"));
    for (const auto& [keys, what] : kControlKeys)
        page += Row(Keys({keys[0], keys[1] ? keys[1] : ""}), tk::Translate("ShortcutsWndo", what));
    return page + "</body></html>\n";
}

// No menu bar of its own: the window shows the application's.
void ShortcutsWndo::Layout() {
    settings.title = tk::Translate("ShortcutsWndo", "Keyboard Shortcuts");
    settings.width = 640;
    settings.height = 520;
    settings.resizable = true;
    settings.maximizeButton = false;
    settings.closeKeys = true;
    settings.fitPage = true;
}

// The page is there before the window shows, which takes its height.
void ShortcutsWndo::CreateControls() {
    tk::HTMLViewer& viewer = AddControl("HTMLViewer1", std::make_unique<tk::HTMLViewer>());
    HTMLViewer1 = &viewer;
    viewer.SetBounds(12, 12, settings.width - 24, settings.height - 24);
    viewer.SetLockedEdges({true, true, true, true});
    viewer.SetAccessibleName(tk::Translate("ShortcutsWndo", "Keyboard shortcuts"));
    viewer.LoadPage(Page(MenuBar1::Instance()));
}
