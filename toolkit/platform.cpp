#include "toolkit/platform.h"

#include "toolkit/exceptions.h"

#include <utility>

namespace tk {

namespace {
Platform* current = nullptr;
}

Platform& ThePlatform() {
    if (!current)
        throw NilObjectException("no platform installed");
    return *current;
}

Platform* SetPlatform(Platform* platform) {
    return std::exchange(current, platform);
}

void Quit(int exitCode) {
    ThePlatform().Quit(exitCode);
}

std::unique_ptr<Picture> NewPicture(int width, int height, int depth, int zoom) {
    return ThePlatform().NewPicture(width, height, depth, zoom);
}

} // namespace tk
