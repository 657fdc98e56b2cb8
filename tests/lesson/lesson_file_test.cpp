// The lesson file and the session: what reads back exactly, and why any other text or file is refused.

#include "lesson/lesson_file.h"
#include "lesson/session.h"

#include <gtest/gtest.h>

#include <cmath>
#include <filesystem>
#include <fstream>

namespace {

using lesson::Problem;

// Doubles whose shortest text is long, the smallest and largest, and names in other scripts.
lesson::Lesson Awkward() {
    lesson::Lesson awkward;
    awkward.options = {73, 4, true, true};
    awkward.states.push_back({"Grundzustand „1“", {1, 0, 0, 0, 0, 0}, {0, 0, 0, 0, 0, 0}, "", std::nullopt});
    awkward.states.push_back({"猫态 \"cat\"\n",
                              {0.1, 1.0 / 3, 2.2250738585072014e-308, 5e-324, 1.7976931348623157e308, -0.0},
                              {-720.5, 1e21, 0.30000000000000004, 359.99999999999994, 1, 2},
                              "Say: two bumps at once.\nThen wait for T₁/2.",
                              0.1 + 0.2});
    return awkward;
}

std::string WithStates(const std::string& states) {
    return R"({"kind": "parvok-lesson", "version": 1, "speed": 10, "shown": "Total", "physicalScale": false,
               "timeForward": false, "states": [)" +
           states + "]}";
}

const std::string kState = R"({"name": "a", "magnitudes": [1,0,0,0,0,0], "angles": [0,0,0,0,0,0]})";

TEST(LessonFile, ReadsBackExactlyWhatItWrote) {
    const lesson::Lesson awkward = Awkward();
    const lesson::Reading reading = lesson::FromText(lesson::ToText(awkward));
    ASSERT_EQ(reading.problem, Problem::None) << reading.detail;
    EXPECT_EQ(*reading.lesson, awkward);
    EXPECT_TRUE(std::signbit(reading.lesson->states[1].magnitudes[5]));
    // Each number as the shortest text that reads back as it, not 17 digits.
    EXPECT_NE(lesson::ToText(awkward).find("[0.1, 0.3333333333333333, 2.2250738585072014e-308, 5e-324"),
              std::string::npos);
}

TEST(LessonFile, RefusesWhatIsNoLessonOfThisVersionAndSaysWhere) {
    std::string manyStates;
    for (std::size_t i = 0; i <= lesson::kMaximumStates; ++i)
        manyStates += (i ? "," : "") + kState;
    const struct {
        const char* name;
        std::string text;
        Problem problem;
        std::string detail;
    } cases[] = {
        {"empty", "", Problem::Empty, ""},
        {"not JSON", "Monday's lesson", Problem::NotJson, "1"},
        {"truncated", WithStates(kState).substr(0, 120), Problem::NotJson, "121"},
        {"not UTF-8",
         WithStates("{\"name\": \"\xff\", \"magnitudes\": [1,0,0,0,0,0], \"angles\": [0,0,0,0,0,0]}"),
         Problem::NotUtf8, "154"},
        {"another kind", R"({"kind": "parvok-session", "version": 1})", Problem::NotALesson, ""},
        {"newer", R"({"kind": "parvok-lesson", "version": 2})", Problem::NewerVersion, "2"},
        {"no version", R"({"kind": "parvok-lesson"})", Problem::BadValue, "version"},
        {"no states", R"({"kind": "parvok-lesson", "version": 1, "speed": 10, "shown": "Total",
                          "physicalScale": false, "timeForward": false})",
         Problem::MissingMember, "states"},
        {"state without a name", WithStates(R"({"magnitudes": [1,0,0,0,0,0], "angles": [0,0,0,0,0,0]})"),
         Problem::MissingMember, "states[0].name"},
        {"extra member",
         WithStates(R"({"name": "a", "magnitudes": [1,0,0,0,0,0], "angles": [0,0,0,0,0,0], "colour": 1})"),
         Problem::UnknownMember, "states[0].colour"},
        {"five magnitudes",
         WithStates(R"({"name": "a", "magnitudes": [1,0,0,0,0], "angles": [0,0,0,0,0,0]})"),
         Problem::BadValue, "states[0].magnitudes"},
        {"1e999",
         WithStates(kState + "," +
                    R"({"name": "b", "magnitudes": [1,0,0,0,0,0], "angles": [0,1e999,0,0,0,0]})"),
         Problem::NumberTooLarge, "1e999"},
        {"a text for a number",
         WithStates(R"({"name": "a", "magnitudes": ["1",0,0,0,0,0], "angles": [0,0,0,0,0,0]})"),
         Problem::BadValue, "states[0].magnitudes[0]"},
        {"speed 0",
         R"({"kind": "parvok-lesson", "version": 1, "speed": 0, "shown": "Total", "physicalScale": false,
                        "timeForward": false, "states": []})",
         Problem::BadValue, "speed"},
        {"n=7 shown",
         R"({"kind": "parvok-lesson", "version": 1, "speed": 1, "shown": "n=7", "physicalScale": false,
                          "timeForward": false, "states": []})",
         Problem::BadValue, "shown"},
        {"too many states", WithStates(manyStates), Problem::TooManyStates,
         std::to_string(lesson::kMaximumStates + 1)},
    };
    for (const auto& c : cases) {
        const lesson::Reading reading = lesson::FromText(c.text);
        EXPECT_FALSE(reading.lesson) << c.name;
        EXPECT_EQ(reading.problem, c.problem) << c.name;
        if (!c.detail.empty()) {
            EXPECT_EQ(reading.detail, c.detail) << c.name;
        }
    }
}

TEST(LessonFile, ReadsNoFileThatIsNoneOrTooLarge) {
    const std::filesystem::path folder = std::filesystem::temp_directory_path() / "parvok lesson test";
    std::filesystem::create_directories(folder);
    const std::filesystem::path large = folder / "large.parvok";
    { std::ofstream(large) << WithStates(kState); }
    std::filesystem::resize_file(large, 100'000'000); // sparse: nothing is written
    const struct {
        const char* name;
        std::filesystem::path path;
        Problem problem;
    } cases[] = {
        {"a folder", folder, Problem::NotAFile},
        {"a file of /proc", "/proc/version", Problem::NotAFile},
        {"gone", folder / "gone.parvok", Problem::Unreadable},
        {"100 MB", large, Problem::TooLarge},
    };
    for (const auto& c : cases)
        EXPECT_EQ(lesson::ReadFile(c.path.string()).problem, c.problem) << c.name;
    std::filesystem::remove_all(folder);
}

TEST(Session, ReadsBackTheFieldsAsTypedAndTheLessonWithItsChanges) {
    lesson::Session session;
    session.magnitudes = {"1,5", "x", "", "1e999", "  2", "0.000000"};
    session.angles = {"90", "-45", "0", "0", "0", "ψ"};
    session.options = {5, 2, false, true};
    session.lesson = lesson::Session::OpenLesson{Awkward(), "/home/teacher/Mon day.parvok", true, 1};
    EXPECT_EQ(lesson::SessionFromText(lesson::SessionText(session)), session);
    EXPECT_FALSE(lesson::SessionFromText(lesson::SessionText(session).substr(0, 200)));
}

} // namespace
