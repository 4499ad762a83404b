#pragma once

#include "controls/about.h"

class TAnimated;

namespace codebreaking {

// Pegora's About box: a peg dropping into its hole, over and over, while the
// box is open.
class TAboutBox1 : public TAboutBox {
    Q_OBJECT
public:
    explicit TAboutBox1(platform::Platform &platform, QWidget *parent = nullptr);

    TAnimated *Animated1 = nullptr;

protected:
    void showEvent(QShowEvent *event) override;
    // The frame timer runs only while the box is in sight.
    void hideEvent(QHideEvent *event) override;
};

} // namespace codebreaking
