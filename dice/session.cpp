#include "dice/session.h"

#include "dice/advisor.h"

#include <QLocale>
#include <QStringList>

namespace kubolo {

void Session::load(const KuboloSettings &settings)
{
    records.best.table = settings.table;
    records.best.WordsOfWisdom = settings.wordsOfWisdom;
    records.stats = settings.stats;
    sound = settings.sound;
    roll = settings.roll;
}

KuboloSettings Session::settings() const
{
    return {records.best.table, records.best.WordsOfWisdom, records.stats, sound, roll};
}

Session::Hint Session::takeHint(const StateValues &values)
{
    const ScoreSheet &sheet = turn.sheet();
    auto expect = [](double total) {
        return QStringLiteral(": expect %1 in the end.").arg(QLocale().toString(total, 'f', 1));
    };
    if (sheet.RollNumber() == 0) {
        unsigned filled = 0;
        for (int i = 0; i < CategoryCount; ++i)
            filled |= sheet.Filled(categoryAt(i)) ? 1u << i : 0u;
        const int upper = qMin(int(sheet.UpperTotal()), BonusThreshold);
        return {QStringLiteral("Roll") + expect(sheet.GameTotal() + values.value(filled, upper))};
    }
    const DiceAdvice advice = adviseMove(values, positionOf(sheet));
    if (advice.roll) {
        QStringList held;
        for (int i = 0; i < 5; ++i) {
            if (turn.held(i) != advice.hold[i])
                turn.toggleHold(i);
            if (advice.hold[i])
                held << QString::number(turn.faces()[i]);
        }
        const QString what = held.isEmpty() ? QStringLiteral("nothing") : held.join(QLatin1Char(' '));
        return {QStringLiteral("Hold ") + what + expect(advice.expectedTotal)};
    }
    // Choosing is the player's.
    return {QStringLiteral("Choose ") + QString::fromLatin1(caption(advice.category)) + expect(advice.expectedTotal),
            index(advice.category)};
}

} // namespace kubolo
