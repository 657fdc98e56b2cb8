#include "lesson/session.h"

#include "lesson/json_text.h"
#include "lesson/lesson_file.h"

#include <fstream>
#include <iterator>

namespace lesson {

namespace {

constexpr const char* kSessionKind = "parvok-session";

Json LessonJson(const Session::OpenLesson& lesson) {
    Json json{{"path", lesson.path}, {"modified", lesson.modified}, {"content", ToJson(lesson.content)}};
    if (lesson.current)
        json["current"] = *lesson.current;
    return json;
}

Session::OpenLesson LessonOf(const Json& json) {
    Session::OpenLesson lesson{FromJson(json.at("content")), json.at("path").get<std::string>(),
                               json.at("modified").get<bool>(), std::nullopt};
    if (json.contains("current"))
        lesson.current = json.at("current").get<std::size_t>();
    return lesson;
}

} // namespace

std::string SessionText(const Session& session) {
    Json file{{"kind", kSessionKind},
              {"version", kFormatVersion},
              {"magnitudes", session.magnitudes},
              {"angles", session.angles},
              {"options", ToJson(Lesson{{}, session.options})}};
    if (session.lesson)
        file["lesson"] = LessonJson(*session.lesson);
    return JsonText(file);
}

std::optional<Session> SessionFromText(std::string_view text) {
    try {
        const Json file = Json::parse(text);
        if (file.at("kind") != kSessionKind || file.at("version") != kFormatVersion)
            return std::nullopt;
        Session session;
        session.magnitudes = file.at("magnitudes").get<std::array<std::string, physics::kComponents>>();
        session.angles = file.at("angles").get<std::array<std::string, physics::kComponents>>();
        session.options = FromJson(file.at("options")).options;
        if (file.contains("lesson"))
            session.lesson = LessonOf(file.at("lesson"));
        return session;
    } catch (const Json::exception&) {
        return std::nullopt;
    } catch (const FormatError&) {
        return std::nullopt;
    }
}

std::optional<Session> ReadSession(const std::string& path) {
    std::ifstream file(path, std::ios::binary);
    if (!file)
        return std::nullopt;
    const std::string text{std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>()};
    return SessionFromText(text);
}

} // namespace lesson
