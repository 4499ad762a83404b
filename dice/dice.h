#pragma once

#include "controls/clicktracker.h"
#include "controls/tcolor.h"

#include <QWidget>

namespace platform {
class RandomSource;
}

namespace kubolo {

// One die face with 0 to 6 pips, designed 32 x 32 and drawn at whatever size
// its form gives it. Every property write repaints at once, so each face of
// a roll shows while the roll is still running.
class TDice : public Clickable<QWidget> {
    Q_OBJECT
public:
    explicit TDice(QWidget *owner = nullptr);

    int Value() const { return m_value; }
    TColor BackColor() const { return m_backColor; }
    TColor DiceColor() const { return m_diceColor; }

    // Clamped to 0 (blank) .. 6.
    void SetValue(int value);
    void SetBackColor(TColor color);
    void SetDiceColor(TColor color);

    // A uniform face from 1 to 6, through SetValue.
    void RollFace(platform::RandomSource &random);

    // For assistive technology: what the die is called ("Die 3") and whether
    // its owner holds it. Neither changes the picture.
    void setSpokenName(const QString &name);
    void setHeld(bool held);

    QSize sizeHint() const override { return {32, 32}; }

signals:
    void Click();
    void DblClick();

protected:
    void Paint(QPainter &canvas);
    void paintEvent(QPaintEvent *event) override;
    void leftClick() override { emit Click(); }
    // The second press of a double click is a click of its own as well.
    void mouseDoubleClickEvent(QMouseEvent *event) override;

private:
    void updateAccessibleName();

    int m_value = 1;
    TColor m_backColor = clSilver;
    TColor m_diceColor = clWhite;
    QString m_spokenName;
    bool m_held = false;
};

// "one" .. "six", "blank" for 0.
QString faceWord(int value);

} // namespace kubolo
