#include "poker/coaching.h"

#include "poker/advisor.h"
#include "poker/session.h"

#include <QCoreApplication>

namespace poker {

namespace {

constexpr int Decimals = 2;

// Expected credits, always shown with two decimals.
constexpr char Context[] = "poker::coach";
//: The coach's loss, always with decimals ("0.25 credits lost"); the form follows its whole part.
constexpr const char *LostText = QT_TRANSLATE_N_NOOP("poker::coach", "%1 credits lost");
//: A mean loss, always with decimals ("0.25 credits"); the form follows its whole part.
constexpr const char *AmountText = QT_TRANSLATE_N_NOOP("poker::coach", "%1 credits");

} // namespace

coach::Words coachWords()
{
    coach::Words w;
    w.decimals = Decimals;
    w.context = Context;
    w.lostText = LostText;
    w.amountText = AmountText;
    w.across = QCoreApplication::translate("poker::coach", "Hands");
    w.upward = QCoreApplication::translate("poker::coach", "Credits");
    w.yours = QCoreApplication::translate("poker::coach", "Your credits");
    w.perfect = QCoreApplication::translate("poker::coach", "With the best keeps");
    w.lossesAddUp = true;
    return w;
}

coach::Rating rateKeep(const Hand &hand, const KeepFlags &keep, std::int32_t bet)
{
    const KeepAdvice best = adviseKeep(hand);
    const double loss = (best.expected - expectedReturn(hand, keep)) * double(bet);
    // A tenth of the stake given away is many times what the table keeps
    // of a perfect player's bets: a blunder.
    coach::Rating r = coach::ratingOf(loss, Decimals, loss >= 0.1 * double(bet));
    r.move = Session::keepWords(hand, keep);
    r.best = Session::keepWords(hand, best.keep);
    r.verdict = coach::verdict(r.best, coach::amountIn(Context, LostText, r.loss, Decimals));
    return r;
}

} // namespace poker
