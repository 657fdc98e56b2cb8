#pragma once

#include "toolkit/control.h"

#include <string>
#include <vector>

namespace tk {

// A line of text along the bottom of a window: below its content, where the window grows by its
// height and the content keeps its size, or inside the content at the bounds the window gives it
// (Window::AddStatusBar). At its left a message, which a passing one (the hint of the menu
// item under the pointer) may cover for a while; at its right permanent parts, which nothing
// covers. Assistive technology reads the whole line, Line(), as the bar's description. Bounds of no
// width stand for the place below the content.
class StatusBar : public Control {
public:
    struct Texts {
        std::string message;
        std::vector<std::string> parts;
        friend bool operator==(const Texts&, const Texts&) = default;
    };

    const std::string& Message() const { return texts_.message; }
    const std::vector<std::string>& Parts() const { return texts_.parts; }
    // A new message and new parts, shown at once: one change for the peer however many differ.
    // Copied into the bar's own storage, so texts no longer than the last allocate nothing.
    void SetTexts(const Texts& texts) { Set(texts_, texts, Aspect::Text); }
    // A notice that covers the message for a few seconds, such as "Saved “a.svg”"; the parts stay.
    void Notify(const std::string& notice) {
        notice_ = notice;
        ++notices_;
        Changed(Aspect::Text);
    }
    // The last notice, and how many there were: each one is shown anew, even with the same text.
    const std::string& Notice() const { return notice_; }
    int Notices() const { return notices_; }
    // The message and the parts that are not empty, in order, separated by " · ".
    std::string Line() const { return LineOf(texts_); }
    static std::string LineOf(const Texts& texts) {
        std::string line = texts.message;
        for (const std::string& part : texts.parts)
            if (!part.empty())
                line += (line.empty() ? "" : " · ") + part;
        return line;
    }

private:
    Texts texts_;
    std::string notice_;
    int notices_ = 0;
};

} // namespace tk
