#pragma once

#include "toolkit/platform.h"

namespace tk::qt {

// Texts compiled into the program with Qt's resource system, at ":/<type>/<id>".
class QtResourceStore : public tk::ResourceStore {
public:
    std::string GetResource(const std::string& type, int id) override;
};

} // namespace tk::qt
