#pragma once

#include "controls/formkit.h"

#include <QDialog>

#include <functional>

class QFrame;
class QLabel;
class QLineEdit;
class QPushButton;

namespace platform {
struct Platform;
}

namespace kubolo {

class ScoreSheet;
class TBestPlayers;

using GameSound = std::function<void(const QString &fileName)>;

// A result among the best five, but not the best: the player's name.
class TTopFive : public formkit::Dialog {
    Q_OBJECT
public:
    TTopFive(platform::Platform &platform, const ScoreSheet &sheet, TBestPlayers &bestPlayers, GameSound sound,
             QWidget *parent = nullptr);

    QFrame *Panel1;
    QLabel *Label1, *Label2;
    QLineEdit *Edit1; // the name, kept from one game to the next
    QPushButton *OKButton;

    void FormActivate() override;
    void OKButtonClick();

private:
    platform::Platform &m_platform;
    const ScoreSheet &m_sheet;
    TBestPlayers &m_bestPlayers;
    GameSound m_sound;
};

} // namespace kubolo
