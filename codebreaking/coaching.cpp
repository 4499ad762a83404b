#include "codebreaking/coaching.h"

#include <QCoreApplication>

#include <algorithm>

namespace codebreaking {

namespace {

// Codes are whole: a mean is shown rounded.
constexpr char Context[] = "codebreaking::coach";
//: The coach's loss in codes ("3 codes lost"), %1 the number.
constexpr const char *LostText = QT_TRANSLATE_N_NOOP("codebreaking::coach", "%1 codes lost");
//: A mean loss in codes ("2 codes"), %1 the number.
constexpr const char *AmountText = QT_TRANSLATE_N_NOOP("codebreaking::coach", "%1 codes");

} // namespace

coach::Words coachWords()
{
    coach::Words w;
    w.decimals = 0;
    w.context = Context;
    w.lostText = LostText;
    w.amountText = AmountText;
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
    //: The best guess's and this guess's codes left at most, %n and %1.
    r.verdict = coach::verdict(
        r.best, QCoreApplication::translate("codebreaking::coach", "at most %n codes left; yours up to %1", nullptr, best)
                    .arg(yours));
    r.yours = yours;
    r.perfect = best;
    return r;
}

} // namespace codebreaking
