#pragma once

#include <stdexcept>
#include <string>

namespace tk {

// Base of every failure the application raises itself.
class RuntimeException : public std::runtime_error {
public:
    explicit RuntimeException(const std::string& message) : std::runtime_error(message) {}
};

// Raised by a call through an object that does not exist.
class NilObjectException : public RuntimeException {
public:
    explicit NilObjectException(const std::string& what = "NilObjectException") : RuntimeException(what) {}
};

} // namespace tk
