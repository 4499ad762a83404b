#pragma once

#include "controls/formkit.h"

#include "dice/five.h"

namespace kubolo {

struct KuboloRecords;

// The best result of all: the player's name and words of wisdom.
class TTopScore : public formkit::Dialog {
    Q_OBJECT
public:
    TTopScore(platform::Platform &platform, const ScoreSheet &sheet, KuboloRecords &records, TBestPlayers &bestPlayers,
              GameSound sound, QWidget *parent = nullptr);

    QFrame *Panel1;
    QLabel *Label1, *Label2, *Label3;
    QLineEdit *Edit1; // the name
    QLineEdit *Edit2; // the words of wisdom
    QPushButton *OKButton;

    void FormActivate() override;
    void OKButtonClick();

private:
    platform::Platform &m_platform;
    const ScoreSheet &m_sheet;
    KuboloRecords &m_records;
    TBestPlayers &m_bestPlayers;
    GameSound m_sound;
};

} // namespace kubolo
