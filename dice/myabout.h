#pragma once

#include "controls/about.h"

namespace kubolo {

class TDice;

// Kubolo's About box: a die in the frame, rolled by a click on it or on the
// frame around it.
class TAboutBox1 : public TAboutBox {
    Q_OBJECT
public:
    explicit TAboutBox1(platform::Platform &platform, QWidget *parent = nullptr);

    // Rolls Dice1 to a new random face.
    void Dice1Click();

    TDice *Dice1 = nullptr;
};

} // namespace kubolo
