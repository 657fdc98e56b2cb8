#pragma once

#include <string>

// The About text, read from the application's resources once per run and kept.
namespace AboutParvok {

// Whether the text has been read; the text as read, possibly empty.
extern bool loaded;
extern std::string _permatext;

// The About page, the resource of type "TEXT" and id 168. Raises tk::NilObjectException where the
// application has no resource store; nothing is kept then, so a later call tries again.
std::string AboutParvok();

// Drops the kept text at the end of the run.
void Release();

} // namespace AboutParvok
