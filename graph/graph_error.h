#pragma once

#include "toolkit/exceptions.h"

#include <string>

// A failure the plotting control detected itself. The message begins with the name of the
// operation that raised it and a colon.
class GraphError : public tk::RuntimeException {
public:
    explicit GraphError(const std::string& message) : tk::RuntimeException(message), msg(message) {}

    std::string msg;
};
