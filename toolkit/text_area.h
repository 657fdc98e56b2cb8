#pragma once

#include "toolkit/control.h"
#include "toolkit/peer.h"

#include <string>

namespace tk {

// Lines of text that the user reads, selects and copies but does not edit, and that screen
// readers read. The program may replace the text at any time: the user's selection stays where
// the new text still reaches, and so does the scrolled position.
class TextArea : public TextControl {
public:
    using TextControl::TextControl;

    const std::string& Text() const { return text_; }
    // Copies into the text's own storage, so a text of the same length as before allocates nothing.
    void SetText(const std::string& text) { Set(text_, text, Aspect::Text); }

    // Copies the selection, or the whole text where nothing is selected.
    void Copy() { Perform(EditCommand::Copy); }
    void SelectAll() { Perform(EditCommand::SelectAll); }

private:
    std::string text_;
};

} // namespace tk
