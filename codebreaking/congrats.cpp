#include "codebreaking/congrats.h"

#include "codebreaking/bp.h"

#include <QLineEdit>

#include <tuple>

namespace codebreaking {

ResultEntry::ResultEntry(platform::Platform &platform, const GameState &game, TBestPlayers &bestPlayers,
                         QWidget *parent)
    : recordsdialogs::NameEntry(platform, bestPlayers, recordsdialogs::NextOpens::OverThis, parent), m_game(game),
      m_bestPlayers(bestPlayers)
{
}

void ResultEntry::layOut(const QString &objectName, const QString &caption, const recordsdialogs::EntryTexts &texts)
{
    const int below = texts.wordsPrompt.isEmpty() ? 0 : 46; // the words' lines
    formkit::setUpDialog(this, objectName, caption, 260, 130 + below);
    // The heading, the name's prompt and field, the words' prompt and field.
    addLines(this,
             {QRect(12, 10, 236, 18), QRect(12, 34, 236, 16), QRect(12, 52, 236, 21), QRect(12, 80, 236, 16),
              QRect(12, 98, 236, 21), Qt::AlignHCenter},
             texts, MaxNameLength, MaxWordsLength);
    std::tie(BitBtn1, BitBtn2) = addButtons(texts, QRect(40, 92 + below, 80, 25), QRect(140, 92 + below, 80, 25));
}

BestEntry ResultEntry::entry() const
{
    return {Edit1->text(), QString::number(m_game.Line), QString::number(m_game.Seconds)};
}

TCongratulations::TCongratulations(platform::Platform &platform, const GameState &game, TBestPlayers &bestPlayers,
                                   QWidget *parent)
    : ResultEntry(platform, game, bestPlayers, parent)
{
    layOut(QStringLiteral("Congratulations"), tr("Congratulations"),
           {tr("Your score is one of the best five !"), tr("Please enter your name:"), {}, tr("OK"), tr("Cancel")});
    record = [this](QString *badText) {
        const int place = findPlace(m_bestPlayers.records().table, m_game.Line, m_game.Seconds, badText);
        if (place > 0)
            m_bestPlayers.enterAt(place, entry());
        return place >= 0;
    };
}

} // namespace codebreaking
