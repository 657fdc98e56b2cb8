// The lesson in the main window's menus, on the fake platform: adding states, saving, opening, the
// questions before changes are lost, and the way through the states. The file format has its own
// tests (tests/lesson).

#include "app/commands.h"
#include "lesson/lesson_file.h"
#include "tests/mainwindow/opened_main_wndo.h"

#include <filesystem>
#include <fstream>

namespace {

using namespace testing_main;

class LessonMenus : public OpenedMainWndo {
protected:
    fake::FakeDialogs& Dialogs() { return fake_.platform.dialogs; }
    // Adds the state typed, named as given, as States › Add Current State… does.
    void Add(const Strings& magnitudes, const std::string& name, const std::string& note = "") {
        Type(magnitudes);
        Dialogs().textAnswers.emplace_back(Strings{name, note});
        Choose(command::kStatesAdd);
    }
    // A lesson file on disk, as Save As wrote it on the fake platform.
    std::string SavedToDisk(const std::string& name) {
        std::string path = (folder_ / name).string();
        Dialogs().saveAnswers.emplace_back(tk::SaveAnswer{path, 0});
        Choose(command::kFileSaveAs);
        std::ofstream(path) << fake_.platform.output.files.at(path);
        return path;
    }
    const std::filesystem::path folder_ = [] {
        auto folder = std::filesystem::temp_directory_path() / "parvok lesson menus";
        std::filesystem::remove_all(folder); // a file left there would be asked about replacing
        std::filesystem::create_directories(folder);
        return folder;
    }();
};

TEST_F(LessonMenus, AddsStatesSavesThemAndShowsThemAgainAtTheirTime) {
    Add({"3", "4"}, "Sloshing", "Watch the density");
    Add({"1"}, "Ground");
    const std::string path = SavedToDisk("monday.parvok");

    Choose(command::kFileNewLesson);
    EXPECT_TRUE(window.Lesson().Content().states.empty());
    // Another option than the file's: the lesson takes its own back, and is as it was saved.
    Choose(command::kViewPhysicalScale);
    Dialogs().unsavedAnswers.push_back(tk::UnsavedAnswer::Discard);
    Dialogs().openAnswers.emplace_back(path);
    Choose(command::kFileOpen);
    EXPECT_FALSE(window.Lesson().Modified());
    EXPECT_FALSE(window.Model().PhysicalScale());
    // The first state shows at once, the second after it, and the menu lists both.
    EXPECT_EQ(Magnitude(0).Text() + " " + Magnitude(1).Text(), "0.600000 0.800000");
    EXPECT_EQ(window.Lesson().CurrentState()->note, "Watch the density");
    Choose(command::kStatesNext);
    EXPECT_EQ(Magnitude(0).Text() + " " + Magnitude(1).Text(), "1.000000 0.000000");
    EXPECT_EQ(window.Commands().MenuHandler(command::kStatesNext), nullptr);
    EXPECT_EQ(window.Commands().FindMenuList(command::kStatesLesson)->captions(),
              (Strings{"Sloshing", "Ground"}));
    EXPECT_EQ(window.Lesson().Recent().front(), path);
}

TEST_F(LessonMenus, ShowsAStateHeldAtAnInstantAtThatInstant) {
    Type({"1", "1"});
    Choose(command::kAnimationGoToQuarter);
    Dialogs().textAnswers.emplace_back(Strings{"Quarter", ""});
    Choose(command::kStatesAdd);
    Choose(command::kAnimationStartStop); // stops
    Choose(command::kStatesGround);
    window.ShowLessonState(0);
    EXPECT_EQ(window.Model().State(), run::RunState::Paused);
    EXPECT_NEAR(window.Model().ElapsedPeriods(), 0.25, 1e-12);
}

// Each command acts on the state shown last, B of A, B, C, which stays shown where it is not removed.
TEST_F(LessonMenus, EditsAndWalksFromTheStateShownLast) {
    const struct {
        const char* command;
        Strings names;
        const char* shown;
    } cases[] = {
        {command::kStatesMoveUp, {"B", "A", "C"}, "B"},   {command::kStatesMoveDown, {"A", "C", "B"}, "B"},
        {command::kStatesRemove, {"A", "C"}, ""},         {command::kStatesRename, {"A", "Bee", "C"}, "Bee"},
        {command::kStatesPrevious, {"A", "B", "C"}, "A"},
    };
    for (const auto& c : cases) {
        if (window.Lesson().Modified())
            Dialogs().unsavedAnswers.push_back(tk::UnsavedAnswer::Discard);
        Choose(command::kFileNewLesson);
        for (const char* name : {"A", "B", "C"})
            Add({"1"}, name);
        Choose(command::kStatesPrevious);
        Dialogs().textAnswers.emplace_back(Strings{"Bee", ""}); // Rename's answer; no other asks
        Choose(c.command);
        Dialogs().textAnswers.clear();
        EXPECT_EQ(window.Commands().FindMenuList(command::kStatesLesson)->captions(), c.names) << c.command;
        const lesson::State* shown = window.Lesson().CurrentState();
        EXPECT_EQ(shown ? shown->name : "", c.shown) << c.command;
    }
}

// A long lesson: the menu lists twenty of its states, around the one shown last.
TEST_F(LessonMenus, ListsTwentyStatesAroundTheOneShownLast) {
    for (int i = 1; i <= 30; ++i)
        Add({"1"}, std::to_string(i));
    const auto* list = window.Commands().FindMenuList(command::kStatesLesson);
    EXPECT_EQ(list->captions().front() + " to " + list->captions().back(), "11 to 30");
    list->choose(0);
    EXPECT_EQ(window.Lesson().CurrentState()->name, "11");
    EXPECT_EQ(list->captions().front() + " to " + list->captions().back(), "1 to 20");
    EXPECT_EQ(list->checked(), 10U);
}

// File › Open Recent: the last ten lessons saved or opened, the latest first, each opened by its entry.
TEST_F(LessonMenus, OpensOneOfTheLastTenLessons) {
    Add({"1"}, "One");
    for (int i = 0; i <= 10; ++i)
        SavedToDisk(std::to_string(i) + ".parvok");
    const auto* recent = window.Commands().FindMenuList(command::kFileOpenRecent);
    ASSERT_EQ(recent->captions().size(), 10U);
    recent->choose(9);
    EXPECT_EQ(std::filesystem::path(window.Lesson().Path()).filename(), "1.parvok");
}

// Each command that would drop the changes asks first: Cancel keeps them, Discard goes on.
TEST_F(LessonMenus, AsksBeforeChangesAreLost) {
    const struct {
        const char* name;
        tk::UnsavedAnswer answer;
        std::size_t statesAfter;
    } cases[] = {
        {"cancel", tk::UnsavedAnswer::Cancel, 1},
        {"discard", tk::UnsavedAnswer::Discard, 0},
        {"save, then cancel the save dialog", tk::UnsavedAnswer::Save, 1},
    };
    for (const auto& c : cases) {
        Choose(command::kFileNewLesson);
        Add({"1"}, "One");
        Dialogs().unsavedAnswers.push_back(c.answer);
        Choose(command::kFileNewLesson);
        EXPECT_EQ(window.Lesson().Content().states.size(), c.statesAfter) << c.name;
    }
    // Discarded as the window closes: gone from the session as well.
    Dialogs().unsavedAnswers.push_back(tk::UnsavedAnswer::Discard);
    EXPECT_FALSE(window.Event_CancelClose());
    EXPECT_FALSE(window.Lesson().IsOpen());
}

TEST_F(LessonMenus, KeepsTheLessonOpenWhenAFileCannotBeRead) {
    Add({"1"}, "One");
    const std::string path = SavedToDisk("kept.parvok");
    const struct {
        const char* name;
        std::string text;
        std::string message;
    } cases[] = {
        {"cut.parvok", R"({"kind": "parvok-lesson", "version": 1, "sta)",
         "“cut.parvok” is not a lesson file, or it was cut short: its text stops making sense at byte 45."},
        {"huge.parvok", R"({"kind": "parvok-lesson", "version": 1, "speed": -1e999})",
         "“huge.parvok” holds the number -1e999, which is beyond the largest number Parvok can use."},
    };
    for (const auto& c : cases) {
        std::ofstream(folder_ / c.name) << c.text;
        Dialogs().openAnswers.emplace_back((folder_ / c.name).string());
        Choose(command::kFileOpen);
        EXPECT_EQ(Dialogs().said.back(), "Warn " + c.message);
        EXPECT_EQ(window.Lesson().Path(), path);
        EXPECT_EQ(window.Lesson().Content().states.size(), 1U);
    }
}

} // namespace
