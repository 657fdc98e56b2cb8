#include "lesson/lesson_file.h"

#include "toolkit/system_folders.h"
#include "toolkit/utf8.h"

#include <algorithm>
#include <cerrno>
#include <cmath>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <initializer_list>
#include <iterator>
#include <limits>

namespace lesson {

namespace {

constexpr const char* kShownTotal = "Total";

[[noreturn]] void Fail(Problem problem, std::string detail) {
    throw FormatError{problem, std::move(detail)};
}

// The object's members, each of them among `known`, with the required ones present.
void CheckMembers(const Json& object, const std::string& where, std::initializer_list<const char*> required,
                  std::initializer_list<const char*> optional = {}) {
    if (!object.is_object())
        Fail(Problem::BadValue, where.empty() ? "/" : where);
    const std::string prefix = where.empty() ? "" : where + ".";
    for (const char* name : required)
        if (!object.contains(name))
            Fail(Problem::MissingMember, prefix + name);
    for (const auto& member : object.items()) {
        const std::string& name = member.key();
        const auto is = [&name](const char* known) { return name == known; };
        if (std::none_of(required.begin(), required.end(), is) &&
            std::none_of(optional.begin(), optional.end(), is))
            Fail(Problem::UnknownMember, prefix + name);
    }
}

double FiniteNumber(const Json& value, const std::string& where) {
    if (!value.is_number() || !std::isfinite(value.get<double>()))
        Fail(Problem::BadValue, where);
    return value.get<double>();
}

physics::Components SixNumbers(const Json& value, const std::string& where) {
    if (!value.is_array() || value.size() != physics::kComponents)
        Fail(Problem::BadValue, where);
    physics::Components numbers{};
    for (std::size_t k = 0; k < numbers.size(); ++k)
        numbers[k] = FiniteNumber(value[k], where + "[" + std::to_string(k) + "]");
    return numbers;
}

std::string Text(const Json& value, const std::string& where) {
    if (!value.is_string())
        Fail(Problem::BadValue, where);
    return value.get<std::string>();
}

bool Flag(const Json& value, const std::string& where) {
    if (!value.is_boolean())
        Fail(Problem::BadValue, where);
    return value.get<bool>();
}

int WholeNumberIn(const Json& value, const std::string& where, int lowest, int highest) {
    if (!value.is_number_integer() || value.get<long long>() < lowest || value.get<long long>() > highest)
        Fail(Problem::BadValue, where);
    return value.get<int>();
}

std::string ShownName(int shown) {
    return shown == 0 ? kShownTotal : "n=" + std::to_string(shown);
}

int ShownOf(const Json& value, const std::string& where) {
    const std::string name = Text(value, where);
    for (int shown = 0; shown <= physics::kComponents; ++shown)
        if (name == ShownName(shown))
            return shown;
    Fail(Problem::BadValue, where);
}

// Where the text first holds a byte that is no part of a UTF-8 character; none for UTF-8 text.
std::optional<std::size_t> IllFormedByte(std::string_view text) {
    for (std::size_t at = 0; at < text.size();) {
        const std::size_t length = tk::WellFormedLength(text.substr(at));
        if (length == 0)
            return at;
        at += length;
    }
    return std::nullopt;
}

// The part of the reader's message in single quotes, which names what it could not read; the whole
// message where it has none.
std::string QuotedPart(std::string_view message) {
    const std::size_t first = message.find('\'');
    const std::size_t last = message.rfind('\'');
    if (first == std::string_view::npos || last == first)
        return std::string(message);
    return std::string(message.substr(first + 1, last - first - 1));
}

Json StateJson(const State& state) {
    Json json{{"name", state.name}, {"magnitudes", state.magnitudes}, {"angles", state.degrees}};
    if (!state.note.empty())
        json["note"] = state.note;
    if (state.periods)
        json["time"] = *state.periods;
    return json;
}

State StateOf(const Json& json, const std::string& where) {
    CheckMembers(json, where, {"name", "magnitudes", "angles"}, {"note", "time"});
    State state;
    state.name = Text(json["name"], where + ".name");
    state.magnitudes = SixNumbers(json["magnitudes"], where + ".magnitudes");
    state.degrees = SixNumbers(json["angles"], where + ".angles");
    if (json.contains("note"))
        state.note = Text(json["note"], where + ".note");
    if (json.contains("time"))
        state.periods = FiniteNumber(json["time"], where + ".time");
    return state;
}

} // namespace

Json ToJson(const Lesson& lesson) {
    Json states = Json::array();
    for (const State& state : lesson.states)
        states.push_back(StateJson(state));
    const Options& options = lesson.options;
    return {{"speed", options.speed},
            {"shown", ShownName(options.shown)},
            {"physicalScale", options.physicalScale},
            {"timeForward", options.timeForward},
            {"states", std::move(states)}};
}

Lesson FromJson(const Json& members) {
    CheckMembers(members, "", {"speed", "shown", "physicalScale", "timeForward", "states"});
    Lesson lesson;
    lesson.options.speed = WholeNumberIn(members["speed"], "speed", 1, 100);
    lesson.options.shown = ShownOf(members["shown"], "shown");
    lesson.options.physicalScale = Flag(members["physicalScale"], "physicalScale");
    lesson.options.timeForward = Flag(members["timeForward"], "timeForward");
    const Json& states = members["states"];
    if (!states.is_array())
        Fail(Problem::BadValue, "states");
    if (states.size() > kMaximumStates)
        Fail(Problem::TooManyStates, std::to_string(states.size()));
    lesson.states.reserve(states.size());
    for (std::size_t i = 0; i < states.size(); ++i)
        lesson.states.push_back(StateOf(states[i], "states[" + std::to_string(i) + "]"));
    return lesson;
}

std::string ToText(const Lesson& lesson) {
    Json file{{"kind", kKind}, {"version", kFormatVersion}};
    file.update(ToJson(lesson));
    return JsonText(file);
}

Reading FromText(std::string_view text) {
    if (text.empty())
        return {std::nullopt, Problem::Empty, {}};
    if (const auto at = IllFormedByte(text))
        return {std::nullopt, Problem::NotUtf8, std::to_string(*at + 1)};
    Json file;
    try {
        file = Json::parse(text);
    } catch (const Json::parse_error& error) {
        return {std::nullopt, Problem::NotJson, std::to_string(error.byte)};
    } catch (const Json::exception& error) { // the one other: a number beyond the largest double
        return {std::nullopt, Problem::NumberTooLarge, QuotedPart(error.what())};
    }
    if (!file.is_object() || file.value("kind", Json()) != kKind)
        return {std::nullopt, Problem::NotALesson, {}};
    try {
        const int version = WholeNumberIn(file["version"], "version", 1, std::numeric_limits<int>::max());
        if (version > kFormatVersion)
            return {std::nullopt, Problem::NewerVersion, std::to_string(version)};
        file.erase("kind");
        file.erase("version");
        return {FromJson(file), Problem::None, {}};
    } catch (const FormatError& error) {
        return {std::nullopt, error.problem, error.detail};
    }
}

Reading ReadFile(const std::string& path) {
    std::error_code error;
    const auto status = std::filesystem::status(path, error);
    if (error)
        return {std::nullopt, Problem::Unreadable, error.message()};
    if (!std::filesystem::is_regular_file(status) || !tk::SystemFolder(path).empty())
        return {std::nullopt, Problem::NotAFile, {}};
    const auto size = std::filesystem::file_size(path, error);
    if (!error && size > kMaximumBytes)
        return {std::nullopt, Problem::TooLarge, std::to_string(size)};
    std::ifstream file(path, std::ios::binary);
    if (!file)
        return {std::nullopt, Problem::Unreadable, std::strerror(errno)};
    // One byte more than its size, and at most one more than allowed: a file that grew since its
    // size was read is still refused.
    std::string text(
        static_cast<std::size_t>(error ? kMaximumBytes : std::min<std::uintmax_t>(size, kMaximumBytes)) + 1,
        '\0');
    file.read(text.data(), static_cast<std::streamsize>(text.size()));
    if (file.bad())
        return {std::nullopt, Problem::Unreadable, std::strerror(errno)};
    text.resize(static_cast<std::size_t>(file.gcount()));
    if (text.size() > kMaximumBytes)
        return {std::nullopt, Problem::TooLarge, std::to_string(text.size())};
    return FromText(text);
}

} // namespace lesson
