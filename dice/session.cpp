#include "dice/session.h"

#include "dice/advisor.h"
#include "platform/random.h"

#include <QCoreApplication>
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

Refusal Session::startRoll()
{
    const Refusal refused = turn.startRoll();
    if (refused == Refusal::None) {
        m_random.randomize();
        m_thrown = turn.faces();
    }
    return refused;
}

DieValue Session::landDie(int die)
{
    m_thrown[die] = static_cast<DieValue>(1 + m_random.below(6));
    return m_thrown[die];
}

Session::Hint Session::takeHint(const StateValues &values)
{
    const ScoreSheet &sheet = turn.sheet();
    // Each hint a whole sentence; %1 (or %2) is the expected game total.
    const auto expected = [](double total) { return QLocale().toString(total, 'f', 1); };
    if (sheet.RollNumber() == 0) {
        unsigned filled = 0;
        for (int i = 0; i < CategoryCount; ++i)
            filled |= sheet.Filled(categoryAt(i)) ? 1u << i : 0u;
        const int upper = qMin(int(sheet.UpperTotal()), BonusThreshold);
        return {QCoreApplication::translate("kubolo::Session", "Roll: expect %1 in the end.")
                    .arg(expected(sheet.GameTotal() + values.value(filled, upper)))};
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
        if (held.isEmpty())
            return {QCoreApplication::translate("kubolo::Session", "Hold nothing: expect %1 in the end.")
                        .arg(expected(advice.expectedTotal))};
        //: Keep these dice (%1: their faces, "3 3 5") and roll the others; %2 is the expected total.
        return {QCoreApplication::translate("kubolo::Session", "Hold %1: expect %2 in the end.")
                    .arg(held.join(QLatin1Char(' ')), expected(advice.expectedTotal))};
    }
    // Choosing is the player's.
    //: %1 is a category's name, %2 the expected total.
    return {QCoreApplication::translate("kubolo::Session", "Choose %1: expect %2 in the end.")
                .arg(captionText(advice.category), expected(advice.expectedTotal)),
            index(advice.category)};
}

} // namespace kubolo
