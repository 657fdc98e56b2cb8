#include "lesson/json_text.h"

#include "toolkit/numbers.h"

#include <algorithm>
#include <cmath>

namespace lesson {

namespace {

using json = Json;

// nlohmann's own output writes doubles in a form that reads back but need not be the shortest, and
// puts each number of an array on a line of its own.
void Write(const json& value, int depth, std::string& out);

void NewLine(int depth, std::string& out) {
    out += '\n';
    out.append(2 * static_cast<std::size_t>(depth), ' ');
}

bool AllNumbers(const json& array) {
    return std::all_of(array.begin(), array.end(), [](const json& item) { return item.is_number(); });
}

void WriteArray(const json& array, int depth, std::string& out) {
    const bool inline_ = AllNumbers(array);
    out += '[';
    bool first = true;
    for (const json& item : array) {
        out += first ? "" : (inline_ ? ", " : ",");
        if (!inline_)
            NewLine(depth + 1, out);
        Write(item, depth + 1, out);
        first = false;
    }
    if (!inline_ && !array.empty())
        NewLine(depth, out);
    out += ']';
}

void WriteObject(const json& object, int depth, std::string& out) {
    out += '{';
    bool first = true;
    for (const auto& [key, item] : object.items()) {
        out += first ? "" : ",";
        NewLine(depth + 1, out);
        out += json(key).dump(-1, ' ', false, json::error_handler_t::replace);
        out += ": ";
        Write(item, depth + 1, out);
        first = false;
    }
    if (!object.empty())
        NewLine(depth, out);
    out += '}';
}

// A reader takes "-0" for the integer 0, which has no sign; "-0.0" is read as a double. A value
// that is no number cannot be written in JSON, and is written as none.
void WriteDouble(double value, std::string& out) {
    if (!std::isfinite(value))
        out += "null";
    else if (value == 0 && std::signbit(value))
        out += "-0.0";
    else
        out += tk::Str(value);
}

void Write(const json& value, int depth, std::string& out) {
    if (value.is_object())
        WriteObject(value, depth, out);
    else if (value.is_array())
        WriteArray(value, depth, out);
    else if (value.is_number_float())
        WriteDouble(value.get<double>(), out);
    else
        out += value.dump(-1, ' ', false, json::error_handler_t::replace);
}

} // namespace

std::string JsonText(const Json& value) {
    std::string out;
    Write(value, 0, out);
    out += '\n';
    return out;
}

} // namespace lesson
