#include "controls/placement.h"

#include <QGuiApplication>
#include <QScreen>
#include <QWidget>

void centreOnScreen(QWidget *window, QSize size)
{
    QScreen *screen = window->screen();
    if (!screen && window->parentWidget())
        screen = window->parentWidget()->screen();
    if (!screen)
        screen = QGuiApplication::primaryScreen();
    if (!screen)
        return;
    // The frame is known once the window has been shown; until then its
    // client size is the best guess.
    const QSize frame = (size.isValid() ? size : window->size()) + (window->frameGeometry().size() - window->size());
    window->move(screen->availableGeometry().center() - QPoint(frame.width() / 2, frame.height() / 2));
}
