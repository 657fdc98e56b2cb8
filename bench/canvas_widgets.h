#pragma once

#include <vector>

class QWidget;

namespace tk {
class Control;
class Window;
} // namespace tk

namespace bench {

// The widgets that show these controls of a window realized through the Qt platform, in order.
std::vector<QWidget*> WidgetsOf(const tk::Window& window, const std::vector<const tk::Control*>& controls);

} // namespace bench
