#include "app/menu_bar1.h"

#include "app/commands.h"
#include "measurement/lab.h"
#include "toolkit/exceptions.h"
#include "toolkit/numbers.h"
#include "toolkit/translation.h"

namespace {

// What every menu, item and separator is given first, in this order: its name, AutoEnable and its
// caption.
std::unique_ptr<tk::MenuItem> Described(std::unique_ptr<tk::MenuItem> item, const std::string& name,
                                        const std::string& caption) {
    item->SetName(name);
    item->SetAutoEnable(true);
    item->SetCaption(caption);
    return item;
}

tk::MenuItem& MenuNamed(const tk::MenuBar& bar, const std::string& name) {
    tk::MenuItem* menu = bar.Child(name);
    if (!menu)
        throw tk::NilObjectException("no menu " + name);
    return *menu;
}

} // namespace

MenuBar1::MenuBar1() {
    Untitled0();
    Untitled1();
    View();
    BuildAnimationMenu();
    BuildMeasureMenu();
    BuildStatesMenu();
    Untitled2();
    AddShortcutsItem();
}

void MenuBar1::Untitled0() {
    AddMenu(command::kFileMenu, tk::Translate("MenuBar1", "&File"));
    LessonItems();
    ExportItems();
    AddItem(command::kFileMenu, std::make_unique<tk::QuitMenuItem>(), command::kFileQuit,
            tk::Translate("MenuBar1", "&Quit"), "Cmd+Q");
}

void MenuBar1::Untitled1() {
    AddMenu(command::kEditMenu, tk::Translate("MenuBar1", "&Edit"));
    AddItem(command::kEditMenu, command::kEditUndo, tk::Translate("MenuBar1", "&Undo"), "Cmd+Z");
    AddSeparator(command::kEditMenu, command::kUntitledMenu1);
    AddItem(command::kEditMenu, command::kEditCut, tk::Translate("MenuBar1", "Cu&t"), "Cmd+X");
    AddItem(command::kEditMenu, command::kEditCopy, tk::Translate("MenuBar1", "&Copy"), "Cmd+C");
    AddItem(command::kEditMenu, command::kEditPaste, tk::Translate("MenuBar1", "&Paste"), "Cmd+V");
    AddItem(command::kEditMenu, command::kEditClear, tk::Translate("MenuBar1", "&Delete"), "");
    AddSeparator(command::kEditMenu, command::kUntitledMenu0);
    AddItem(command::kEditMenu, command::kEditSelectAll, tk::Translate("MenuBar1", "Select &All"), "Cmd+A");
    CopyPictureItem();
}

// How the plots scale the wavefunction; then the windows that show more of the state than the main
// window, each of which adds its item (AddViewItem).
void MenuBar1::View() {
    AddMenu(command::kViewMenu, tk::Translate("MenuBar1", "&View"));
    AddItem(command::kViewMenu, command::kViewPhysicalScale, tk::Translate("MenuBar1", "Physical &Scale"), "",
            tk::Translate("MenuBar1", "Plot √L·ψ and L·|ψ|², the wavefunction to scale, in ranges that fit "
                                      "the state at every instant"));
    Find(command::kViewPhysicalScale)->SetCheckable(true);
    AddSeparator(command::kViewMenu, "ViewSeparator0");
}

void MenuBar1::AddViewItem(const tk::ViewItem& item) {
    AddItem(command::kViewMenu, item.name, tk::Translate("MenuBar1", item.caption), item.shortcut);
}

void MenuBar1::Untitled2() {
    AddMenu(command::kHelpMenu, tk::Translate("MenuBar1", "&Help"));
    AddItem(command::kHelpMenu, command::kHelpAbout, tk::Translate("MenuBar1", "&About Parvok…"), "Cmd+?");
    Find(command::kHelpAbout)->SetAlternateShortcut("F1"); // the help key of most desktops
}

void MenuBar1::ExportItems() {
    AddItem(command::kFileMenu, command::kFileExportPicture, tk::Translate("MenuBar1", "&Export Picture…"),
            "Cmd+Shift+E",
            tk::Translate("MenuBar1", "Save the plots and the phasors as they are now, as SVG, PDF or PNG"));
    AddItem(
        command::kFileMenu, command::kFileExportData, tk::Translate("MenuBar1", "Export &Data…"),
        "Cmd+Shift+D",
        tk::Translate("MenuBar1", "Save the coefficients and the wavefunction at the 101 samples as CSV"));
    AddItem(command::kFileMenu, command::kFilePrint, tk::Translate("MenuBar1", "&Print…"), "Cmd+P",
            tk::Translate("MenuBar1", "Print the plots and the phasors as they are now, on one page"));
    AddSeparator(command::kFileMenu, "FileExportSeparator");
}

void MenuBar1::CopyPictureItem() {
    AddSeparator(command::kEditMenu, "EditPictureSeparator");
    AddItem(command::kEditMenu, command::kEditCopyPicture, tk::Translate("MenuBar1", "Copy P&icture"),
            "Cmd+Shift+C",
            tk::Translate("MenuBar1", "Put the plots and the phasors as they are now on the clipboard"));
}

void MenuBar1::BuildAnimationMenu() {
    const std::string menu = command::kAnimationMenu;
    AddMenu(menu, tk::Translate("MenuBar1", "&Animation"));
    AddItem(menu, command::kAnimationStartStop, tk::Translate("MenuBar1", "&Start/Stop"), "Cmd+R",
            tk::Translate("MenuBar1", "Start from the typed state, or stop: the Start button"));
    AddItem(menu, command::kAnimationPause, tk::Translate("MenuBar1", "&Pause/Resume"), "Cmd+Space",
            tk::Translate("MenuBar1", "Hold the animation at this instant, or run on from it"));
    AddSeparator(menu, "AnimationSeparator0");
    AddItem(menu, command::kAnimationStepForward, tk::Translate("MenuBar1", "Step &Forward"), "Alt+Right",
            tk::Translate("MenuBar1", "One frame forward at the current speed"));
    AddItem(menu, command::kAnimationStepBack, tk::Translate("MenuBar1", "Step &Back"), "Alt+Left",
            tk::Translate("MenuBar1", "One frame back at the current speed"));
    AddSeparator(menu, "AnimationSeparator1");
    AddItem(menu, command::kAnimationGoToQuarter, tk::Translate("MenuBar1", "Go to t = T₁/&4"), "Cmd+1",
            tk::Translate("MenuBar1", "A quarter of the period of state 1 after Start"));
    AddItem(
        menu, command::kAnimationGoToHalf, tk::Translate("MenuBar1", "Go to t = T₁/&2"), "Cmd+2",
        tk::Translate("MenuBar1",
                      "Half the period of state 1: the density is the mirror image of the density at Start"));
    AddItem(menu, command::kAnimationGoToThreeQuarters, tk::Translate("MenuBar1", "Go to t = &3T₁/4"),
            "Cmd+3", tk::Translate("MenuBar1", "Three quarters of the period of state 1"));
    AddItem(menu, command::kAnimationGoToPeriod, tk::Translate("MenuBar1", "Go to t = T₁ (Re&vival)"),
            "Cmd+4",
            tk::Translate("MenuBar1", "One period of state 1: every state is back where it started"));
    AddSeparator(menu, "AnimationSeparator2");
    AddItem(menu, command::kAnimationRestart, tk::Translate("MenuBar1", "&Restart"), "Cmd+0",
            tk::Translate("MenuBar1", "Back to t = 0, the typed state, paused"));
    AddSeparator(menu, "AnimationSeparator3");
    AddItem(menu, command::kAnimationTimeForward, tk::Translate("MenuBar1", "&Time Forward"), "",
            tk::Translate("MenuBar1", "Turn the phases clockwise, as in nature, so that packets move with "
                                      "⟨p⟩; the clock counts up either way"));
    Find(command::kAnimationTimeForward)->SetCheckable(true);
}

void MenuBar1::BuildMeasureMenu() {
    const std::string menu = command::kMeasureMenu;
    AddMenu(menu, tk::Translate("MenuBar1", "&Measure"));
    AddItem(menu, command::kMeasurePosition, tk::Translate("MenuBar1", "Measure &Position"), "Cmd+M",
            tk::Translate("MenuBar1", "Find the particle at one place, drawn at random from |ψ(x, t)|²; "
                                      "off while every magnitude is 0"));
    AddItem(menu, command::kMeasureEnergy, tk::Translate("MenuBar1", "Measure &Energy"), "Cmd+E",
            tk::Translate("MenuBar1", "Find one energy Eₙ = n² E₁, drawn at random with the probability "
                                      "|cₙ|²; off while every magnitude is 0"));
    AddSeparator(menu, "MeasureSeparator0");
    AddItem(menu, command::kMeasureCollapse, tk::Translate("MenuBar1", "&Collapse on Measurement"), "",
            tk::Translate("MenuBar1", "A measurement changes the state: after it, the state is the one "
                                      "found, from t = 0"));
    Find(command::kMeasureCollapse)->SetCheckable(true);
    const auto& widthItems = command::kMeasureWidths;
    static_assert(std::size(command::kMeasureWidths) == measurement::Lab::kOfferedWidths.size());
    for (std::size_t i = 0; i < std::size(widthItems); ++i) {
        const std::string width = tk::Str(measurement::Lab::kOfferedWidths[i]);
        AddItem(menu, widthItems[i],
                tk::Substitute(tk::Translate("MenuBar1", "Collapse to a Bell %1 L Wide"), {width}), "",
                tk::Translate("MenuBar1",
                              "The width, the standard deviation of |ψ|², of the state a position "
                              "found leaves"));
        Find(widthItems[i])->SetCheckable(true);
    }
}

void MenuBar1::BuildStatesMenu() {
    const std::string menu = command::kStatesMenu;
    AddMenu(menu, tk::Translate("MenuBar1", "&States"));
    AddItem(menu, command::kStatesGround, tk::Translate("MenuBar1", "&Ground State"), "",
            tk::Translate("MenuBar1", "State 1 alone: its density stands still"));
    AddItem(menu, command::kStatesFirstTwo, tk::Translate("MenuBar1", "States &1 and 2 in Equal Parts"), "",
            tk::Translate("MenuBar1", "The simplest superposition: the density sloshes"));
    AddItem(menu, command::kStatesFirstThree, tk::Translate("MenuBar1", "States 1, 2 and &3 in Equal Parts"),
            "",
            tk::Translate("MenuBar1", "Three states: the density beats at three rates, 3, 5 and 8 × E₁/ħ"));
    AddItem(menu, command::kStatesPacket, tk::Translate("MenuBar1", "&Packet Near x = L/4"), "",
            tk::Translate("MenuBar1", "A narrow bump near x = L/4, made of the six states"));
    AddItem(menu, command::kStatesCat, tk::Translate("MenuBar1", "&Two Packets (Cat State)"), "",
            tk::Translate("MenuBar1", "Two bumps at once, near L/4 and 3L/4"));
    AddItem(menu, command::kStatesBuildPacket, tk::Translate("MenuBar1", "&Build a Packet…"), "",
            tk::Translate("MenuBar1", "A Gaussian packet of your centre, width and momentum, as the six "
                                      "states hold it"));
    LessonStateItems();
}

void MenuBar1::LessonItems() {
    const std::string menu = command::kFileMenu;
    AddItem(
        menu, command::kFileNewLesson, tk::Translate("MenuBar1", "&New Lesson"), "Cmd+N",
        tk::Translate("MenuBar1", "Start an empty lesson, to which States › Add Current State… adds states"));
    AddItem(menu, command::kFileOpen, tk::Translate("MenuBar1", "&Open…"), "Cmd+O",
            tk::Translate("MenuBar1", "Open a lesson saved before"));
    AddList(menu, command::kFileOpenRecent, tk::Translate("MenuBar1", "Open &Recent"),
            tk::MenuItem::List::Submenu);
    AddItem(menu, command::kFileSave, tk::Translate("MenuBar1", "&Save"), "Cmd+S",
            tk::Translate("MenuBar1", "Save the lesson to its file"));
    AddItem(menu, command::kFileSaveAs, tk::Translate("MenuBar1", "Save &As…"), "Cmd+Shift+S",
            tk::Translate("MenuBar1", "Save the lesson to a file of another name"));
    AddSeparator(menu, "FileLessonSeparator");
}

void MenuBar1::LessonStateItems() {
    const std::string menu = command::kStatesMenu;
    AddSeparator(menu, "StatesLessonSeparator0");
    AddList(menu, command::kStatesLesson, "", tk::MenuItem::List::InPlace);
    AddSeparator(menu, "StatesLessonSeparator1");
    AddItem(menu, command::kStatesNext, tk::Translate("MenuBar1", "&Next State"), "Cmd+PgDown",
            tk::Translate("MenuBar1", "The lesson's next state, at its time"));
    AddItem(menu, command::kStatesPrevious, tk::Translate("MenuBar1", "Pre&vious State"), "Cmd+PgUp",
            tk::Translate("MenuBar1", "The lesson's state before, at its time"));
    AddSeparator(menu, "StatesLessonSeparator2");
    AddItem(menu, command::kStatesAdd, tk::Translate("MenuBar1", "&Add Current State…"), "",
            tk::Translate("MenuBar1", "Add the state the fields hold to the lesson, with a name and a note"));
    AddItem(menu, command::kStatesRename, tk::Translate("MenuBar1", "R&ename State…"), "",
            tk::Translate("MenuBar1", "Give the lesson's current state another name or note"));
    AddItem(menu, command::kStatesRemove, tk::Translate("MenuBar1", "Re&move State"), "",
            tk::Translate("MenuBar1", "Take the current state out of the lesson"));
    AddItem(menu, command::kStatesMoveUp, tk::Translate("MenuBar1", "Move State &Up"), "",
            tk::Translate("MenuBar1", "Show the current state one place earlier in the lesson"));
    AddItem(menu, command::kStatesMoveDown, tk::Translate("MenuBar1", "Move State &Down"), "",
            tk::Translate("MenuBar1", "Show the current state one place later in the lesson"));
}

void MenuBar1::AddShortcutsItem() {
    AddItem(command::kHelpMenu, command::kHelpShortcuts, tk::Translate("MenuBar1", "&Keyboard Shortcuts"),
            "Cmd+/", tk::Translate("MenuBar1", "Every key of the program"));
}

void MenuBar1::AddMenu(const std::string& name, const std::string& caption) {
    auto menu = Described(std::make_unique<tk::MenuItem>(), name, caption);
    menu->SetShortcut("");
    Append(std::move(menu));
}

void MenuBar1::AddItem(const std::string& menu, const std::string& name, const std::string& caption,
                       const std::string& shortcut, const std::string& hint) {
    AddItem(menu, std::make_unique<tk::MenuItem>(), name, caption, shortcut, hint);
}

void MenuBar1::AddItem(const std::string& menu, std::unique_ptr<tk::MenuItem> item, const std::string& name,
                       const std::string& caption, const std::string& shortcut, const std::string& hint) {
    item = Described(std::move(item), name, caption);
    item->SetShortcut(shortcut);
    item->SetHint(hint);
    MenuNamed(*this, menu).Append(std::move(item));
}

void MenuBar1::AddList(const std::string& menu, const std::string& name, const std::string& caption,
                       tk::MenuItem::List kind) {
    auto list = Described(std::make_unique<tk::MenuItem>(), name, caption);
    list->SetListKind(kind);
    MenuNamed(*this, menu).Append(std::move(list));
}

// Separators get a name and a caption only.
void MenuBar1::AddSeparator(const std::string& menu, const std::string& name) {
    MenuNamed(*this, menu).Append(Described(std::make_unique<tk::MenuItem>(), name, "-"));
}
