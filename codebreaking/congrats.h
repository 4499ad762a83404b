#pragma once

#include "codebreaking/rules.h"
#include "controls/formkit.h"
#include "platform/platform.h"

class QLabel;
class QLineEdit;
class QPushButton;

namespace codebreaking {

class TBestPlayers;

// A result among the best five: the player's name.
class TCongratulations : public formkit::Dialog {
    Q_OBJECT
public:
    TCongratulations(platform::Platform &platform, const GameState &game, TBestPlayers &bestPlayers,
                     QWidget *parent = nullptr);

    // Handlers.
    void BitBtn1Click(); // OK
    void BitBtn2Click(); // Cancel

    QLabel *Label1, *Label2;
    QLineEdit *Edit1; // the name
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
