// The coach's bookkeeping: ratings in the order of the decisions, each in
// its game; totals kept only while the coach is on; a file it never touched
// left byte for byte.
#include "controls/coach.h"
#include "controls/review.h"
#include "platform/language.h"
#include "platform/settingsfile.h"
#include "tests/support/testregistry.h"

#include <QCoreApplication>
#include <QLabel>
#include <QTableWidget>
#include <QTest>
#include <QThread>

using namespace Qt::StringLiterals;

namespace {

coach::Rating lost(double loss, int waitMs = 0)
{
    QThread::msleep(waitMs);
    coach::Rating r = coach::ratingOf(loss, 1, loss >= 3.5);
    r.move = u"move %1"_s.arg(loss);
    return r;
}

coach::Words words()
{
    coach::Words w;
    w.decimals = 1;
    w.lostText = "%1 points lost";
    w.amountText = "%1 points";
    return w;
}

} // namespace

class CoachTest : public QObject {
    Q_OBJECT
private slots:
    void aMoveAsGoodAsTheBestToTheFigureShownIsBest()
    {
        QCOMPARE(coach::ratingOf(0.049, 1, false).grade, coach::Grade::Best);
        QCOMPARE(coach::ratingOf(0.049, 1, false).loss, 0.0);
        QCOMPARE(coach::ratingOf(0.05, 1, false).grade, coach::Grade::SmallError);
        QCOMPARE(coach::ratingOf(0.004, 2, true).grade, coach::Grade::Best);
        QCOMPARE(coach::ratingOf(1, 0, true).grade, coach::Grade::Blunder);
    }

    void aFileTheCoachNeverTouchedStaysAsItWas()
    {
        const QByteArray before = "[Options]\nSound=1\n\n[Statistics]\nGames=3\n";
        platform::SettingsFile file = platform::SettingsFile::fromContents(before);
        TCoach c;
        c.readKeys(file);
        QVERIFY(!c.on());
        c.rate([] { return lost(2); }); // rated, but not kept: the coach is off
        c.settle();
        QCOMPARE(c.ratings().size(), size_t(1));
        c.writeKeys(file);
        QCOMPARE(file.ini().contents(), before);
        QVERIFY(file.problems().isEmpty());
    }

    void totalsAreKeptWhileOnInASectionAfterTheGames()
    {
        platform::SettingsFile file =
            platform::SettingsFile::fromContents("[Options]\nSound=1\n\n[Statistics]\nGames=3\n");
        TCoach c;
        c.readKeys(file);
        c.toggle();
        for (double loss : {0.0, 1.5, 4.0})
            c.rate([loss] { return lost(loss); });
        c.settle();
        c.writeKeys(file);
        const QByteArray written = file.ini().contents();
        QVERIFY(written.startsWith("[Options]\nSound=1\nCoach=1\n"));
        QVERIFY(written.trimmed().endsWith("[Statistics]\nGames=3\n\n[Coach]\nMoves=3\nBest=1\nLoss=5.500"));

        // Read again, and added to.
        platform::SettingsFile again = platform::SettingsFile::fromContents(written);
        TCoach next;
        next.readKeys(again);
        QVERIFY(next.on());
        next.rate([] { return lost(0.5); });
        next.settle();
        QCOMPARE(next.totals().moves, 4);
        QCOMPARE(next.totals().best, 1);
        QCOMPARE(next.totals().loss, 6.0);
    }

    void damagedTotalsAreToldAndCountFromNothing()
    {
        platform::SettingsFile file =
            platform::SettingsFile::fromContents("[Options]\nCoach=1\n[Coach]\nMoves=lots\nBest=2\nLoss=-3\n");
        TCoach c;
        c.readKeys(file);
        QCOMPARE(file.problems().size(), 2);
        QVERIFY(file.problems().front().contains(u"lots"_s));
        QCOMPARE(c.totals().moves, 0);
        QCOMPARE(c.totals().best, 0); // never more best moves than moves
        QCOMPARE(c.totals().loss, 0.0);
    }

    void ratingsComeInTheOrderOfTheDecisionsEachInItsGame()
    {
        TCoach c;
        c.setWords(words());
        c.toggle();
        c.rate([] { return lost(1, 60); }); // slow, and still first
        c.rate([] { return lost(2); });
        c.setOutcome(42); // the second decision played out before it was rated
        c.settle();
        QCOMPARE(c.ratings().size(), size_t(2));
        QCOMPARE(c.ratings()[0].move, u"move 1"_s);
        QCOMPARE(c.ratings()[1].yours, 42.0);

        // A new game: what was on its way counts in the totals, not in its review.
        c.rate([] { return lost(3, 30); });
        c.newGame();
        c.rate([] { return lost(0); });
        c.settle();
        QCOMPARE(c.ratings().size(), size_t(1));
        QCOMPARE(c.totals().moves, 4);
        QCOMPARE(c.totals().loss, 6.0);

        QWidget owner;
        TReviewDialog &review = c.review(&owner);
        QCOMPARE(review.summary()->text(), u"1 move, 1 best, 0.0 points lost."_s);
        QCOMPARE(review.table()->rowCount(), 1);
        QVERIFY(review.average()->text().contains(u"1.5 points"_s)); // 6 over 4 moves
    }

    void englishCountsOneMoveAsOne()
    {
        platform::setUpLanguage(u"pegora"_s, QString());
        const auto average = [](int n) {
            return QCoreApplication::translate("TReviewDialog",
                                               "Your average with the coach: %1 lost a move, over %n moves.", nullptr, n);
        };
        QVERIFY(average(1).endsWith(u"over 1 move."_s));
        QVERIFY(average(2).endsWith(u"over 2 moves."_s));
    }
};

GAMES_TEST(CoachTest);
#include "tst_coach.moc"
