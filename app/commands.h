#pragma once

// The names of the menus and of the menu items that the windows and the application handle: the
// menu bar builds its items under these names, and a handler is registered under the same name.
namespace command {

// The menus.
inline constexpr const char* kFileMenu = "FileMenu";
inline constexpr const char* kEditMenu = "EditMenu";
inline constexpr const char* kViewMenu = "ViewMenu";
inline constexpr const char* kAnimationMenu = "AnimationMenu";
inline constexpr const char* kMeasureMenu = "MeasureMenu";
inline constexpr const char* kStatesMenu = "StatesMenu";
inline constexpr const char* kHelpMenu = "HelpMenu";

// File: the lessons, the picture and the data out of the program, and Quit.
inline constexpr const char* kFileNewLesson = "FileNewLesson";
inline constexpr const char* kFileOpen = "FileOpen";
inline constexpr const char* kFileOpenRecent = "FileOpenRecent"; // a submenu of the files opened last
inline constexpr const char* kFileSave = "FileSave";
inline constexpr const char* kFileSaveAs = "FileSaveAs";
inline constexpr const char* kFileExportPicture = "FileExportPicture";
inline constexpr const char* kFileExportData = "FileExportData";
inline constexpr const char* kFilePrint = "FilePrint";
inline constexpr const char* kFileQuit = "FileQuit";

// Edit: the standard items, and the picture onto the clipboard.
inline constexpr const char* kEditUndo = "EditUndo";
inline constexpr const char* kEditCut = "EditCut";
inline constexpr const char* kEditCopy = "EditCopy";
inline constexpr const char* kEditPaste = "EditPaste";
inline constexpr const char* kEditClear = "EditClear";
// The separators around Clear, which the main window names too.
inline constexpr const char* kUntitledMenu0 = "UntitledMenu0";
inline constexpr const char* kUntitledMenu1 = "UntitledMenu1";
inline constexpr const char* kEditSelectAll = "EditSelectAll";
inline constexpr const char* kEditCopyPicture = "EditCopyPicture";

// View: how the plots scale the wavefunction; then one item for each view, which the view declares
// with its name (its kMenuItem).
inline constexpr const char* kViewPhysicalScale = "ViewPhysicalScale";

// Animation: the run and its time.
inline constexpr const char* kAnimationStartStop = "AnimationStartStop";
inline constexpr const char* kAnimationPause = "AnimationPause";
inline constexpr const char* kAnimationStepForward = "AnimationStepForward";
inline constexpr const char* kAnimationStepBack = "AnimationStepBack";
inline constexpr const char* kAnimationGoToQuarter = "AnimationGoToQuarter";
inline constexpr const char* kAnimationGoToHalf = "AnimationGoToHalf";
inline constexpr const char* kAnimationGoToThreeQuarters = "AnimationGoToThreeQuarters";
inline constexpr const char* kAnimationGoToPeriod = "AnimationGoToPeriod";
inline constexpr const char* kAnimationRestart = "AnimationRestart";
inline constexpr const char* kAnimationTimeForward = "AnimationTimeForward";

// Measure: one measurement of the state shown, and what it does to the state.
inline constexpr const char* kMeasurePosition = "MeasurePosition";
inline constexpr const char* kMeasureEnergy = "MeasureEnergy";
inline constexpr const char* kMeasureCollapse = "MeasureCollapse";
// The widths of the bell a position found collapses the state to, one item each, in the order of
// measurement::Lab::kOfferedWidths.
inline constexpr const char* kMeasureWidths[] = {"MeasureWidthNarrow", "MeasureWidthDefault",
                                                 "MeasureWidthWide"};

// States: the ready-made initial states, then the lesson's.
inline constexpr const char* kStatesGround = "StatesGround";
inline constexpr const char* kStatesFirstTwo = "StatesFirstTwo";
inline constexpr const char* kStatesFirstThree = "StatesFirstThree";
inline constexpr const char* kStatesPacket = "StatesPacket";
inline constexpr const char* kStatesCat = "StatesCat";
inline constexpr const char* kStatesBuildPacket = "StatesBuildPacket";
inline constexpr const char* kStatesLesson = "StatesLesson"; // the lesson's states, in the menu
inline constexpr const char* kStatesNext = "StatesNext";
inline constexpr const char* kStatesPrevious = "StatesPrevious";
inline constexpr const char* kStatesAdd = "StatesAdd";
inline constexpr const char* kStatesRename = "StatesRename";
inline constexpr const char* kStatesRemove = "StatesRemove";
inline constexpr const char* kStatesMoveUp = "StatesMoveUp";
inline constexpr const char* kStatesMoveDown = "StatesMoveDown";

// Help.
inline constexpr const char* kHelpAbout = "HelpAbout";
inline constexpr const char* kHelpShortcuts = "HelpShortcuts";

// The keys the presentation view takes itself, which no menu shows: its overlays, each on or off.
inline constexpr const char* kPresentationSpreadKey = "X";   // <x> +- dx on the density
inline constexpr const char* kPresentationGhostKey = "G";    // the density at t = 0 under it
inline constexpr const char* kPresentationContrastKey = "H"; // high contrast

} // namespace command
