#include "dice/coaching.h"

#include <QCoreApplication>
#include <QStringList>

namespace kubolo {

namespace {

constexpr int Decimals = 1;

// Expected points, always shown with a decimal.
constexpr char Context[] = "kubolo::coach";
//: The coach's loss, always with a decimal ("4.5 points lost"); the form follows its whole part.
constexpr const char *LostText = QT_TRANSLATE_N_NOOP("kubolo::coach", "%1 points lost");
//: A mean loss, always with a decimal ("0.8 points"); the form follows its whole part.
constexpr const char *AmountText = QT_TRANSLATE_N_NOOP("kubolo::coach", "%1 points");

} // namespace

coach::Words coachWords()
{
    coach::Words w;
    w.decimals = Decimals;
    w.context = Context;
    w.lostText = LostText;
    w.amountText = AmountText;
    w.across = QCoreApplication::translate("kubolo::coach", "Moves");
    w.upward = QCoreApplication::translate("kubolo::coach", "Expected final total");
    w.yours = QCoreApplication::translate("kubolo::coach", "Your play");
    w.perfect = QCoreApplication::translate("kubolo::coach", "Best play");
    return w;
}

QString moveWords(const Dice5 &dice, const DiceMove &move)
{
    if (!move.roll)
        //: %1 is a category's name.
        return QCoreApplication::translate("kubolo::coach", "Choose %1").arg(captionText(move.category));
    QStringList held;
    for (int i = 0; i < 5; ++i)
        if (move.hold[i])
            held << QString::number(int(dice[i]));
    if (held.isEmpty())
        return QCoreApplication::translate("kubolo::coach", "Hold nothing");
    //: %1 is the faces of the dice held, "3 3 5".
    return QCoreApplication::translate("kubolo::coach", "Hold %1").arg(held.join(QLatin1Char(' ')));
}

coach::Rating rateMove(const StateValues &values, const DicePosition &position, const DiceMove &move)
{
    const DiceAdvice advice = adviseMove(values, position);
    const DiceMove best{advice.roll, advice.hold, advice.category};
    const double yours = moveValue(values, position, move);
    const double loss = advice.expectedTotal - yours;
    // Giving away more than a die's mean face (3.5) is a blunder: more than
    // a whole die thrown away, on average, at every game.
    coach::Rating r = coach::ratingOf(loss, Decimals, loss > 3.5);
    r.move = moveWords(position.dice, move);
    r.best = moveWords(position.dice, best);
    r.verdict = coach::verdict(r.best, coach::amountIn(Context, LostText, r.loss, Decimals));
    r.yours = yours;
    r.perfect = advice.expectedTotal;
    return r;
}

} // namespace kubolo
