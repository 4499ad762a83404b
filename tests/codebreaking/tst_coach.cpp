// The coach in Pegora: each checked line rated by the most codes it can leave,
// against the best guess, counted here afresh from the scoring rule.
#include "codebreaking/coaching.h"
#include "codebreaking/mainform.h"
#include "controls/review.h"
#include "platform/testing/fakeplatform.h"
#include "tests/codebreaking/confighome.h"
#include "tests/support/testregistry.h"

#include <QAction>
#include <QLabel>
#include <QPushButton>
#include <QTableWidget>
#include <QTest>

#include <climits>
#include <map>

using namespace codebreaking;

namespace {

// Every code of three holes, repeats allowed.
std::vector<Code> everyCode()
{
    std::vector<Code> codes;
    for (int a = 1; a <= 8; ++a)
        for (int b = 1; b <= 8; ++b)
            for (int c = 1; c <= 8; ++c)
                codes.push_back({PegColor(a), PegColor(b), PegColor(c), PegColor::None});
    return codes;
}

// The most candidates one answer leaves, a win leaving none.
int mostLeft(const Code &guess, const std::vector<Code> &candidates)
{
    std::map<std::pair<int, int>, int> answers;
    int most = 0;
    for (const Code &c : candidates) {
        const Score s = ScoreGuess(c, guess, 3);
        if (s.CorrectCount != 3)
            most = std::max(most, ++answers[{s.CorrectCount, s.MisplacedCount}]);
    }
    return most;
}

} // namespace

class CoachTest : public QObject {
    Q_OBJECT
private slots:
    // A mean is shown rounded and worded in the form of the figure shown.
    void amountsTakeTheFormOfTheFigureShown()
    {
        const coach::Words w = coachWords();
        QCOMPARE(w.amount(0.6), QStringLiteral("1 code"));
        QCOMPARE(w.amount(1.4), QStringLiteral("1 code"));
        QCOMPARE(w.amount(1.6), QStringLiteral("2 codes"));
        QCOMPARE(w.lost(0), QStringLiteral("0 codes lost"));
        QCOMPARE(w.lost(1), QStringLiteral("1 code lost"));
    }

    void linesAreRatedByTheCodesTheyCanLeave()
    {
        const std::vector<Code> all = everyCode();
        const Code secret{PegColor::Blue, PegColor::Red, PegColor::Blue, PegColor::None};
        const Code first{PegColor::White, PegColor::Red, PegColor::Yellow, PegColor::None};
        const Score s = ScoreGuess(secret, first, 3);
        const std::vector<PlayedLine> before{{first, s.CorrectCount, s.MisplacedCount}};
        std::vector<Code> candidates;
        for (const Code &c : all)
            if (ScoreGuess(c, first, 3) == s)
                candidates.push_back(c);
        int best = INT_MAX;
        for (const Code &g : all)
            best = std::min(best, mostLeft(g, candidates));

        // The first line again tells nothing new: every candidate stays.
        coach::Rating r = rateLine(3, false, before, first);
        QCOMPARE(int(r.yours), int(candidates.size()));
        QCOMPARE(int(r.perfect), best);
        QCOMPARE(r.loss, double(int(candidates.size()) - best));
        QCOMPARE(r.grade, coach::Grade::Blunder);
        QVERIFY(r.verdict.endsWith(
            QStringLiteral("(at most %1 codes left; yours up to %2).").arg(best).arg(candidates.size())));

        // Any guess: its own count; the hint's guess is the best.
        for (const Code &g : {secret, Code{PegColor::Blue, PegColor::Blue, PegColor::Green, PegColor::None},
                              adviseGuess(3, false, before).guess}) {
            r = rateLine(3, false, before, g);
            QCOMPARE(int(r.yours), mostLeft(g, candidates));
            QCOMPARE(r.loss, double(mostLeft(g, candidates) - best));
            QCOMPARE(r.grade == coach::Grade::Best, mostLeft(g, candidates) == best);
        }
        QCOMPARE(rateLine(3, false, before, adviseGuess(3, false, before).guess).grade, coach::Grade::Best);
        QCOMPARE(rateLine(3, false, before, adviseGuess(3, false, before).guess).verdict.isEmpty(), false);
    }

    void theHintsOwnGuessIsAlwaysBest()
    {
        // Games that follow the hint, from every eleventh code of each setting.
        for (const bool single : {false, true}) {
            const std::vector<Code> codes = allCodes(3, single);
            for (std::size_t i = 0; i < codes.size(); i += 11) {
                std::vector<PlayedLine> lines;
                for (int line = 0; line < 6; ++line) {
                    const Code guess = adviseGuess(3, single, lines).guess;
                    QCOMPARE(rateLine(3, single, lines, guess).grade, coach::Grade::Best);
                    const Score s = ScoreGuess(codes[i], guess, 3);
                    if (s.CorrectCount == 3)
                        break;
                    lines.push_back({guess, s.CorrectCount, s.MisplacedCount});
                }
            }
        }
    }

    void aFollowedHintIsBestAndARepeatedLineIsRatedOnTheBoard()
    {
        ConfigHome home;
        home.write("[Options]\nWelcomeBox=0\nCoach=1\n3colors=1\n");
        platform::testing::FakePlatform fake;
        auto form = std::make_unique<TMainForm>(fake.platform);
        TMainForm &f = *form;
        fake.messages.answers = {platform::Yes};
        f.Hint1->trigger();
        QTRY_VERIFY(f.Button1->isEnabled());
        f.Button1Click();
        f.coach().settle();
        QCOMPARE(f.coachLine(), QStringLiteral("Best move."));
        QVERIFY(f.hintLabel->text().endsWith(QStringLiteral("Best move.")));
        QVERIFY(f.Game.running()); // the seeded code is not the first guess

        std::vector<PlayedLine> before;
        for (int line = 1; line < f.Game.Line; ++line) {
            PlayedLine played{{}, f.Game.score(line)->CorrectCount, f.Game.score(line)->MisplacedCount};
            for (int col = 1; col <= 3; ++col)
                played.guess[col - 1] = f.Game.peg(line, col);
            before.push_back(played);
        }
        f.Button2Click(); // the line before, again
        const Code repeated = before.back().guess;
        f.Button1Click();
        f.coach().settle();
        const coach::Rating expected = rateLine(3, false, before, repeated);
        QCOMPARE(f.coachLine(), QStringLiteral("Best was: Try %1 (at most %2 codes left; yours up to %3).")
                                    .arg(guessWords(adviseGuess(3, false, before).guess, 3))
                                    .arg(int(expected.perfect))
                                    .arg(int(expected.yours)));

        TReviewDialog &review = f.coach().review(&f);
        QCOMPARE(review.summary()->text(),
                 QStringLiteral("2 moves, 1 best, %1 codes lost.").arg(QLocale().toString(expected.loss, 'f', 0)));
        QCOMPARE(review.table()->rowCount(), 2);

        // Kept in a section of its own, after the game's.
        form->close();
        form.reset();
        const QByteArray file = home.read();
        QVERIFY(file.contains("Coach=1"));
        QVERIFY(file.trimmed().endsWith(
            QStringLiteral("[Coach]\nMoves=2\nBest=1\nLoss=%1.000").arg(expected.loss, 0, 'f', 0).toLatin1()));
    }
};

GAMES_TEST(CoachTest);
#include "tst_coach.moc"
