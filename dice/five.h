#pragma once

#include "controls/recordsdialogs.h"

#include <functional>

class QFrame;

namespace kubolo {

class ScoreSheet;
class TBestPlayers;

using GameSound = std::function<void(const QString &fileName)>;

// Kubolo's name entries over the game just finished: they close before the
// table opens. The name typed last comes back selected, to be kept or typed
// over.
class ResultEntry : public recordsdialogs::NameEntry {
public:
    QFrame *Panel1 = nullptr;
    QPushButton *OKButton = nullptr;

    void FormActivate() override;
    void OKButtonClick() { enter(); }

protected:
    ResultEntry(platform::Platform &platform, const ScoreSheet &sheet, TBestPlayers &bestPlayers, GameSound sound,
                QWidget *parent);
    // The lines on a raised panel, the words' last where there are any, and
    // OK under it.
    void layOut(const QString &objectName, const QString &caption, const recordsdialogs::EntryTexts &texts);

    const ScoreSheet &m_sheet;
    TBestPlayers &m_bestPlayers;

private:
    GameSound m_sound;
};

// A result among the best five, but not the best: the player's name.
class TTopFive : public ResultEntry {
    Q_OBJECT
public:
    TTopFive(platform::Platform &platform, const ScoreSheet &sheet, TBestPlayers &bestPlayers, GameSound sound,
             QWidget *parent = nullptr);
};

} // namespace kubolo
