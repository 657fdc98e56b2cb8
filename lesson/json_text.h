#pragma once

#include <nlohmann/json.hpp>

#include <string>

namespace lesson {

// JSON objects keep their members in the order they were written.
using Json = nlohmann::ordered_json;

// The value as JSON text for people to read as well as programs: two spaces of indentation, an
// array of numbers on one line, every number the shortest text that reads back as the same double.
// Strings are UTF-8; bytes that are not are written as U+FFFD.
std::string JsonText(const Json& value);

} // namespace lesson
