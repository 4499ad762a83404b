#include "poker/coaching.h"

#include "poker/advisor.h"
#include "poker/session.h"

#include <QCoreApplication>
#include <QLocale>

namespace poker {

namespace {

constexpr int Decimals = 2;

} // namespace

coach::Words coachWords()
{
    coach::Words w;
    w.decimals = Decimals;
    w.summary = [](int moves, int best, const QString &loss) {
        return QCoreApplication::translate("poker::coach", "%n moves, %1 best, %2 credits lost.", nullptr, moves)
            .arg(best)
            .arg(loss);
    };
    w.amount = [](const QString &loss) { return QCoreApplication::translate("poker::coach", "%1 credits").arg(loss); };
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
    //: %1 the best keep ("Keep 9 5 7"), %2 the credits the keep made gave away.
    r.verdict = QCoreApplication::translate("poker::coach", "Best was: %1 (%2 credits lost).")
                    .arg(r.best, QLocale().toString(r.loss, 'f', Decimals));
    return r;
}

} // namespace poker
