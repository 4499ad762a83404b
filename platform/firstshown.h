#pragma once

#include <functional>

class QWidget;

namespace platform {

// Calls back once, just after the window is first on the screen: the place
// for work the first sight of the window should not wait for.
void whenFirstShown(QWidget &window, std::function<void()> then);

} // namespace platform
