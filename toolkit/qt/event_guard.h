#pragma once

#include <functional>

namespace tk::qt {

// Runs application code from a Qt event. A failure the application raised is reported on the
// standard error and the event loop goes on: no exception may unwind through Qt.
void Guarded(const std::function<void()>& call);

} // namespace tk::qt
