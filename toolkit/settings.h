#pragma once

#include <map>
#include <optional>
#include <string>

namespace tk {

// What the program remembers from one session to the next: texts under keys such as
// "view/physicalScale". A key never written reads as nothing, and a reader gives its own default.
class Settings {
public:
    virtual ~Settings() = default;

    virtual std::optional<std::string> Value(const std::string& key) const = 0;
    virtual void SetValue(const std::string& key, const std::string& value) = 0;

    // A yes or no, written "true" or "false"; any other text, or none, reads as `fallback`.
    bool Flag(const std::string& key, bool fallback) const;
    void SetFlag(const std::string& key, bool on);
};

// Settings kept for as long as the process runs: a platform's that remembers nothing on disk.
class SessionSettings : public Settings {
public:
    std::optional<std::string> Value(const std::string& key) const override;
    void SetValue(const std::string& key, const std::string& value) override { values_[key] = value; }

private:
    std::map<std::string, std::string> values_;
};

} // namespace tk
