#include "codebreaking/coaching.h"

#include <QCoreApplication>

#include <algorithm>

namespace codebreaking {

coach::Words coachWords()
{
    coach::Words w;
    w.decimals = 0;
    w.summary = [](int moves, int best, const QString &loss) {
        return QCoreApplication::translate("codebreaking::coach", "%n moves, %1 best, %2 codes lost.", nullptr, moves)
            .arg(best)
            .arg(loss);
    };
    w.amount = [](const QString &loss) {
        return QCoreApplication::translate("codebreaking::coach", "%1 codes").arg(loss);
    };
    w.across = QCoreApplication::translate("codebreaking::coach", "Lines");
    w.upward = QCoreApplication::translate("codebreaking::coach", "Codes left at most");
    w.yours = QCoreApplication::translate("codebreaking::coach", "Your lines");
    w.perfect = QCoreApplication::translate("codebreaking::coach", "Best guesses");
    w.logarithmic = true; // each good line divides what is left
    return w;
}

coach::Rating rateLine(int positions, bool singleColors, const std::vector<PlayedLine> &before, const Code &guess)
{
    const GuessAdvice advice = adviseGuess(positions, singleColors, before);
    const int best = advice.worstRemaining;
    const int yours = worstRemaining(positions, guess, advice.possible);
    // Leaving more than twice what the best guess leaves costs about a line
    // more to the end: a blunder. A guess outside those the hint weighs
    // (repeated colours under Single Colors) may do better: no loss.
    coach::Rating r = coach::ratingOf(std::max(0, yours - best), 0, yours > 2 * std::max(best, 1));
    //: A guess, as the hint words it: %1 is the colours' names.
    r.move = QCoreApplication::translate("codebreaking::coach", "Try %1").arg(guessWords(guess, positions));
    r.best = QCoreApplication::translate("codebreaking::coach", "Try %1").arg(guessWords(advice.guess, positions));
    //: %1 the colours' names, %2 and %3 counts of codes.
    r.verdict =
        QCoreApplication::translate("codebreaking::coach", "Best was: Try %1 (at most %2 codes left; yours up to %3).")
            .arg(guessWords(advice.guess, positions))
            .arg(best)
            .arg(yours);
    r.yours = yours;
    r.perfect = best;
    return r;
}

} // namespace codebreaking
