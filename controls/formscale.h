#pragma once

#include <QFont>
#include <QPointer>
#include <QRect>
#include <QSize>

#include <vector>

class QWidget;

// A form drawn at one zoom: every position, size and font of its controls is
// the form's own (as it was laid out) times the zoom, so the whole form grows
// and shrinks as one. Controls draw themselves for the size they are given.
class TFormScale {
public:
    // Takes the form as it stands now as its own size, zoom 1: the geometry
    // of every control under root (dialogs and other windows excepted) and
    // every font set on one.
    void capture(QWidget *root);
    bool captured() const { return m_root != nullptr; }

    QSize formSize() const { return m_formSize; }
    qreal zoom() const { return m_zoom; }
    // The zoom at which the form just fits in a room of that size.
    qreal fitting(QSize room) const;
    // Places and sizes every control, and sizes every font, for the zoom.
    void apply(qreal zoom);

    // A length or rectangle of the form at the present zoom. Edges are
    // rounded, not sizes, so controls that touch keep touching.
    int scaled(int length) const;
    QRect scaled(const QRect &formRect) const;

    // A control that has just sized itself to its text at the present zoom
    // (adjustSize): its own size follows from that.
    void refit(QWidget *widget);

private:
    // A control's own rectangle and, when it has a font of its own, that
    // font's own size: the rest of the font (bold, struck out) is the form's
    // to change as it plays.
    struct Control {
        QPointer<QWidget> widget;
        QRect rect;
        bool ownFont = false;
        qreal fontSize = 0; // pixels, or points when pixelSized is false
        bool pixelSized = true;
    };
    Control controlOf(QWidget *widget, qreal zoom) const;
    void applyTo(const Control &control) const;
    Control *find(QWidget *widget);

    QWidget *m_root = nullptr;
    QSize m_formSize;
    QFont m_rootFont;
    qreal m_zoom = 1;
    std::vector<Control> m_controls;
};
