// Feeds arbitrary bytes to the lesson reader. Whatever it reads must write back as a text that reads
// as the same lesson; anything else must be refused with a reason, never thrown.

#include "lesson/lesson_file.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>

namespace {

void Require(bool holds) {
    if (!holds)
        std::abort();
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const lesson::Reading reading = lesson::FromText(std::string(data, data + size));
    Require(reading.lesson.has_value() == (reading.problem == lesson::Problem::None));
    if (reading.lesson) {
        const lesson::Reading again = lesson::FromText(lesson::ToText(*reading.lesson));
        Require(again.lesson && *again.lesson == *reading.lesson);
    }
    return 0;
}
