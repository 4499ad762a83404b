#include "codebreaking/top.h"

#include "codebreaking/bp.h"

#include <QLineEdit>

namespace codebreaking {

TTopScore::TTopScore(platform::Platform &platform, const GameState &game, TBestPlayers &bestPlayers, QWidget *parent)
    : ResultEntry(platform, game, bestPlayers, parent)
{
    layOut(QStringLiteral("TopScore"), tr("Congratulations"),
           {tr("Your score is the best one !"), tr("Please enter your name..."), tr("...and your Words of Wisdom:"),
            tr("OK"), tr("Cancel")});
    record = [this](QString *) {
        m_bestPlayers.enterAt(1, entry());
        m_bestPlayers.setWordsOfWisdom(Edit2->text());
        return true;
    };
}

} // namespace codebreaking
