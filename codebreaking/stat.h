#pragma once

#include "codebreaking/rules.h"
#include "controls/formkit.h"
#include "platform/platform.h"

class QPushButton;
class TNumEdit;

namespace codebreaking {

// The running statistics: games played, seconds and guesses per won game,
// and the share of games not won.
class TStatistics : public formkit::Dialog {
    Q_OBJECT
public:
    TStatistics(platform::Platform &platform, GameStats &stats, QWidget *parent = nullptr);

    // Handlers. FormCreate runs at creation and each time the dialog opens.
    void FormCreate();
    void Button1Click(); // Reset
    void OKButtonClick();

    TNumEdit *mean0; // total games played
    TNumEdit *mean1; // seconds per game
    TNumEdit *mean2; // guesses per game
    TNumEdit *mean3; // % of unsuccessful games
    QPushButton *OKButton;
    QPushButton *Button1; // Reset

protected:
    void FormActivate() override;

private:
    void showFigure(TNumEdit *display, long double value);

    platform::Platform &m_platform;
    GameStats &m_stats;
};

} // namespace codebreaking
