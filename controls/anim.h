#pragma once

#include "controls/tcolor.h"

#include <QImage>
#include <QPixmap>
#include <QWidget>

class QTimer;

// A small looping picture: every frame sits side by side in one strip, each as
// wide as the control, and a timer steps through them.
//
// Stopped: Play false, no timer. Armed: Play true but Interval below 1, no
// timer, nothing moves. Playing: Play true and the timer running.
class TAnimated : public QWidget {
    Q_OBJECT
public:
    explicit TAnimated(QWidget *parent = nullptr);
    ~TAnimated() override;

    int Interval() const { return m_interval; }
    void SetInterval(int ms);

    int FrameCount() const { return m_frameCount; }
    // Stored as it stands: no repaint, and Frame is not corrected until it
    // next changes. A count below 1 is refused (the frame is taken modulo it).
    void SetFrameCount(int count);

    int Frame() const { return m_frame; }
    // A negative frame means the last one; any other is taken modulo the count.
    void SetFrame(int frame);

    const QImage &BitMap() const { return m_bitmap; }
    // Copies the strip and takes its height (30 when empty); the width stays.
    void SetBitMap(const QImage &strip);
    void SetBitMap(const QPixmap &strip);
    // The strip of a picture of platform::resources, drawn afresh for the
    // size the control is given and the pixels of the device: its height is
    // the control's designed height, and its frames are as wide as the
    // control at every zoom. The control keeps its size; BitMap is the strip
    // as designed.
    void SetPicture(const QString &name);

    bool Play() const { return m_play; }
    void SetPlay(bool play);

    bool Reverse() const { return m_reverse; }
    void SetReverse(bool reverse) { m_reverse = reverse; }

    bool Loop() const { return m_loop; }
    void SetLoop(bool loop) { m_loop = loop; }

    // -1: none. Otherwise pixels of this colour show the control's own
    // background colour instead.
    TColor TransparentColor() const { return m_transparentColor; }
    void SetTransparentColor(TColor color);

    // The background that transparent pixels show: the window colour.
    QColor Color() const;

    // One step of the frame timer; the timer calls it, and tests may too.
    void TimerTick();
    // The running frame timer, or null when stopped or armed.
    QTimer *timer() const { return m_timer; }
    // Holds or resumes a playing animation's timer without changing Play, so
    // a dialog that is out of sight does not wake the program.
    void SetTimerRunning(bool running);

    // What assistive technology says before the frame ("Rolling peg").
    void setAccessibleCaption(const QString &caption);

    QSize sizeHint() const override { return size(); }

signals:
    void OnChangeFrame(TAnimated *sender);
    void mouseDown(Qt::MouseButton button, QPoint position);
    void mouseMove(QPoint position);
    void mouseUp(Qt::MouseButton button, QPoint position);

protected:
    void paintEvent(QPaintEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;

private:
    void StopUnlessLoop();
    void makeTimer();
    void freeTimer();
    void updateAccessibleName();
    // Pixels of the transparent colour take the background.
    void keyOut(QImage &frame) const;
    void paintPicture(QPainter &painter);

    QImage m_bitmap;
    QString m_picture;
    int m_frameCount = 1;
    int m_frame = 0;
    QTimer *m_timer = nullptr;
    int m_interval = 0;
    bool m_loop = true;
    bool m_reverse = false;
    bool m_play = false;
    TColor m_transparentColor = -1;
    QString m_caption;
};
