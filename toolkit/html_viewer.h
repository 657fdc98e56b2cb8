#pragma once

#include "toolkit/control.h"

#include <string>

namespace tk {

// Shows an HTML page and offers the usual copy and selection commands on it.
class HTMLViewer : public Control {
public:
    using Control::Control;

    void LoadPage(const std::string& source, const std::string& baseFolder = {}) {
        source_ = source;
        baseFolder_ = baseFolder;
        Changed();
    }
    const std::string& PageSource() const { return source_; }
    void Perform(EditCommand command) {
        if (Peer())
            Peer()->Perform(command);
    }

private:
    std::string source_;
    std::string baseFolder_;
};

} // namespace tk
