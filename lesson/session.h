#pragma once

#include "lesson/lesson.h"

#include <array>
#include <cstddef>
#include <optional>
#include <string>

namespace lesson {

// What the program takes up again when it starts: the twelve fields as they were typed, the options,
// and the lesson that was open, with the changes not saved yet.
struct Session {
    std::array<std::string, physics::kComponents> magnitudes;
    std::array<std::string, physics::kComponents> angles;
    Options options;
    struct OpenLesson {
        Lesson content;
        std::string path; // empty for a lesson never saved
        bool modified = false;
        std::optional<std::size_t> current;

        friend bool operator==(const OpenLesson&, const OpenLesson&) = default;
    };
    std::optional<OpenLesson> lesson;

    friend bool operator==(const Session&, const Session&) = default;
};

// The file the session is kept in, in the platform's state folder.
inline constexpr const char* kSessionFile = "session.json";

std::string SessionText(const Session& session);
// None for a text that is not a whole session of this version: the program then starts afresh.
std::optional<Session> SessionFromText(std::string_view text);
std::optional<Session> ReadSession(const std::string& path);

} // namespace lesson
