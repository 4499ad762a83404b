#pragma once

#include "controls/formkit.h"

#include "dice/five.h"

namespace kubolo {

struct KuboloRecords;
class TTopScore;

// The figures of a finished game. Only its OK button records the game.
class TEndGame : public formkit::Dialog {
    Q_OBJECT
public:
    TEndGame(platform::Platform &platform, const ScoreSheet &sheet, KuboloRecords &records, GameSound sound,
             QWidget *parent = nullptr);

    QFrame *Panel1;
    QLabel *Label1, *Label2, *Label3, *Label4; // the captions
    QLabel *UpperValue, *BonusValue, *TotalValue, *KuboloValue;
    QPushButton *OKButton;

    // The dialogs a qualifying total opens; made after this one.
    TTopFive *TopFive = nullptr;
    TTopScore *TopScore = nullptr;
    TBestPlayers *BestPlayers = nullptr;

    void FormActivate() override;
    void OKButtonClick();

private:
    platform::Platform &m_platform;
    const ScoreSheet &m_sheet;
    KuboloRecords &m_records;
    GameSound m_sound;
};

} // namespace kubolo
