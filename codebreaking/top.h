#pragma once

#include "codebreaking/rules.h"
#include "controls/formkit.h"
#include "platform/platform.h"

class QLabel;
class QLineEdit;
class QPushButton;

namespace codebreaking {

class TBestPlayers;

// A new best result: the player's name and words of wisdom. The boxes keep
// what was typed the time before.
class TTopScore : public formkit::Dialog {
    Q_OBJECT
public:
    TTopScore(platform::Platform &platform, const GameState &game, TBestPlayers &bestPlayers,
              QWidget *parent = nullptr);

    // Handlers.
    void BitBtn1Click(); // OK
    void BitBtn2Click(); // Cancel

    QLabel *Label1, *Label2, *Label3;
    QLineEdit *Edit1; // the name
    QLineEdit *Edit2; // the words of wisdom
    QPushButton *BitBtn1;
    QPushButton *BitBtn2;

protected:
    void FormActivate() override;

private:
    platform::Platform &m_platform;
    const GameState &m_game;
    TBestPlayers &m_bestPlayers;
};

} // namespace codebreaking
