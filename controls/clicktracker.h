#pragma once

#include <QMouseEvent>
#include <QWidget>

// A click as the controls count it: the left button pressed on the control
// and let go over it. A release elsewhere is no click.
class ClickTracker {
public:
    void press(QMouseEvent *event)
    {
        if (event->button() == Qt::LeftButton)
            m_pressed = true;
        event->accept();
    }

    // True when this release completes a click on the control.
    bool release(QMouseEvent *event, const QWidget &control)
    {
        const bool click =
            m_pressed && event->button() == Qt::LeftButton && control.rect().contains(event->position().toPoint());
        if (event->button() == Qt::LeftButton)
            m_pressed = false;
        event->accept();
        return click;
    }

private:
    bool m_pressed = false;
};
