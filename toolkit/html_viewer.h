#pragma once

#include "toolkit/control.h"

#include <string>

namespace tk {

// Shows an HTML page and offers the usual editing commands on it: the page can be selected and
// copied; cutting, pasting and clearing leave a read-only page as it is.
class HTMLViewer : public Control {
public:
    using Control::Control;

    // The page's relative links and images are looked up in the base folder; none when empty.
    void LoadPage(const std::string& source, const std::string& baseFolder = {}) {
        source_ = source;
        baseFolder_ = baseFolder;
        Changed(Aspect::Text);
    }
    const std::string& PageSource() const { return source_; }
    const std::string& BaseFolder() const { return baseFolder_; }

    void Copy() { Perform(EditCommand::Copy); }
    void Paste() { Perform(EditCommand::Paste); }
    void SelectAll() { Perform(EditCommand::SelectAll); }
    void Cut() { Perform(EditCommand::Cut); }
    void Clear() { Perform(EditCommand::Clear); }

private:
    std::string source_;
    std::string baseFolder_;
};

} // namespace tk
