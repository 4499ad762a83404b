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

// A control of kind Base that the left button clicks, as ClickTracker counts
// it. The second press of a double click is a click of its own, unless the
// control is made with SecondPressClicks false; either way the double click
// goes no further.
template <class Base, bool SecondPressClicks = true>
class Clickable : public Base {
public:
    using Base::Base;

protected:
    virtual void leftClick() = 0;

    void mousePressEvent(QMouseEvent *event) override { m_click.press(event); }
    void mouseReleaseEvent(QMouseEvent *event) override
    {
        if (m_click.release(event, *this))
            leftClick();
    }
    void mouseDoubleClickEvent(QMouseEvent *event) override
    {
        if (SecondPressClicks)
            m_click.press(event);
        event->accept();
    }

private:
    ClickTracker m_click;
};
