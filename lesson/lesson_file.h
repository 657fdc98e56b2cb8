#pragma once

#include "lesson/json_text.h"
#include "lesson/lesson.h"

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

namespace lesson {

// A lesson file: UTF-8 JSON text with the extension .parvok, marked with its kind and the version
// of its format. A reader refuses a newer version rather than guess at it, and any member it does
// not know, so that nothing of a file is silently dropped when it is saved again.
inline constexpr const char* kExtension = "parvok";
inline constexpr const char* kKind = "parvok-lesson";
inline constexpr int kFormatVersion = 1;
// Far beyond any lesson a class can go through, and small enough to read at once.
inline constexpr std::size_t kMaximumBytes = std::size_t{16} * 1024 * 1024;
inline constexpr std::size_t kMaximumStates = 10'000;

// Why a file is not read as a lesson.
enum class Problem {
    None,
    Unreadable,     // the system would not read it (detail: its reason)
    NotAFile,       // a folder, a device, or a file of /proc, /sys or /dev
    TooLarge,       // detail: its size in bytes
    Empty,          // no text at all
    NotUtf8,        // detail: the first byte that is no part of a UTF-8 character, from 1
    NotJson,        // not JSON text, or cut short (detail: the byte where it goes wrong, from 1)
    NumberTooLarge, // detail: the number as written, beyond the largest double
    NotALesson,     // JSON, but not marked as a lesson
    NewerVersion,   // detail: the version
    MissingMember,  // detail: where, such as "states[2].name"
    UnknownMember,  // detail: where
    BadValue,       // detail: where; of the wrong kind, out of range, or a number that is not finite
    TooManyStates,  // detail: how many
};

struct Reading {
    std::optional<Lesson> lesson; // when the problem is None
    Problem problem = Problem::None;
    std::string detail;
};

// The lesson as the text of its file.
std::string ToText(const Lesson& lesson);
// The lesson a file's text holds. Never throws: any text is either a lesson or a problem.
Reading FromText(std::string_view text);
// The same, from the file at `path`, read at once; a file larger than kMaximumBytes is not read.
Reading ReadFile(const std::string& path);

// The lesson as JSON, and back: the members of the file besides its kind and version, for a file of
// another kind that holds a lesson (the session). FromJson throws FormatError.
Json ToJson(const Lesson& lesson);
Lesson FromJson(const Json& members);

struct FormatError {
    Problem problem;
    std::string detail;
};

} // namespace lesson
