#include "dice/top.h"

#include "dice/records.h"
#include "dice/scoresheet.h"

#include <QLineEdit>

namespace kubolo {

TTopScore::TTopScore(platform::Platform &platform, const ScoreSheet &sheet, KuboloRecords &records,
                     TBestPlayers &bestPlayers, GameSound sound, QWidget *parent)
    : ResultEntry(platform, sheet, bestPlayers, std::move(sound), parent)
{
    layOut(QStringLiteral("TopScore"), tr("Congratulations"),
           {tr("Your score is the best one !"), tr("Please enter your name..."), tr("...and your Words of Wisdom:"),
            tr("OK")});
    record = [this, &records](QString *) {
        insertTopScore(records.best, Edit1->text(), m_sheet.GameTotal());
        records.best.WordsOfWisdom = cutKeptText(Edit2->text());
        return true;
    };
}

} // namespace kubolo
