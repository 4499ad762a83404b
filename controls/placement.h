#pragma once

#include <QSize>

class QWidget;

// Places a window in the middle of the screen it is on (or its owner's, or
// the main screen), by its frame when it has one; size stands in for the
// window's own before it has been laid out.
void centreOnScreen(QWidget *window, QSize size = {});
