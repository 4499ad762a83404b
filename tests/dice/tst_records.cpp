#include "dice/records.h"
#include "tests/support/testregistry.h"

#include <QTest>

using namespace kubolo;
using namespace Qt::StringLiterals;

namespace {

BestPlayerTable table(std::initializer_list<QString> scores)
{
    BestPlayerTable t;
    int i = 0;
    for (const QString &s : scores) {
        t[i] = {u"P%1"_s.arg(i + 1), s};
        ++i;
    }
    return t;
}

QStringList names(const BestPlayerTable &t)
{
    QStringList out;
    for (const BestPlayerRow &r : t)
        out << r.name + QLatin1Char('=') + r.score;
    return out;
}

} // namespace

class RecordsTest : public QObject {
    Q_OBJECT
private slots:
    void entryAtTheTies()
    {
        const BestPlayerTable t = defaultBestPlayers();
        QCOMPARE(placeResult(t, 200), Placing::None); // equal to the fifth: no entry
        QCOMPARE(placeResult(t, 201), Placing::BestFive);
        QCOMPARE(placeResult(t, 300), Placing::BestFive); // equal to the best
        QCOMPARE(placeResult(t, 301), Placing::Best);
        QCOMPARE(placeResult(t, 0), Placing::None);
    }

    void topFiveTakesThePlaceAboveAnEqualScore()
    {
        BestPlayerRecords r;
        QCOMPARE(insertTopFive(r, u"Ann"_s, 300), 2);
        QCOMPARE(names(r.table), QStringList({u"K. Ardell=300"_s, u"Ann=300"_s, u"M. de Sorbin=275"_s,
                                              u"R.T. de Lavoie=250"_s, u"E.V. Halloran=225"_s}));
        // The marks stay with their places as later entries push rows down.
        QCOMPARE(insertTopFive(r, u"Bo"_s, 280), 3);
        QCOMPARE(names(r.table), QStringList({u"K. Ardell=300"_s, u"Ann=300"_s, u"Bo=280"_s, u"M. de Sorbin=275"_s,
                                              u"R.T. de Lavoie=250"_s}));
        QCOMPARE(r.marked, (std::array<bool, 5>{false, true, true, false, false}));

        r = BestPlayerRecords();
        QCOMPARE(insertTopFive(r, QString(), 201), 5); // an empty name is a name
        QCOMPARE(r.table[4], (BestPlayerRow{QString(), u"201"_s}));
        QCOMPARE(r.table[3].name, u"E.V. Halloran"_s);

        r = BestPlayerRecords();
        QCOMPARE(insertTopFive(r, u"Di"_s, 199), 0);
        QCOMPARE(r.table, defaultBestPlayers());
        QCOMPARE(r.marked, (std::array<bool, 5>{}));
    }

    void scoresThatAreNoNumbers()
    {
        QCOMPARE(scoreValue(u" 275 "_s), 275);
        QCOMPARE(scoreValue(u"-12"_s), -12);
        QCOMPARE(scoreValue(u"abc"_s), 0);
        QCOMPARE(scoreValue(u"12abc"_s), 0);
        QCOMPARE(scoreValue(QString()), 0);
        QCOMPARE(scoreValue(u"99999999999999999999999"_s), std::numeric_limits<std::int64_t>::max());
        QCOMPARE(scoreValue(u"-99999999999999999999999"_s), std::numeric_limits<std::int64_t>::min());

        // A damaged fifth score counts as 0, so a new result still enters...
        BestPlayerTable t = table({u"300"_s, u"275"_s, u"250"_s, u"225"_s, u"junk"_s});
        QCOMPARE(placeResult(t, 1), Placing::BestFive);
        BestPlayerRecords r;
        r.table = t;
        QCOMPARE(insertTopFive(r, u"New"_s, 1), 5);
        // ...and a damaged best score lets any positive result be the best.
        t = table({u"x"_s, u"275"_s, u"250"_s, u"225"_s, u"200"_s});
        QCOMPARE(placeResult(t, 201), Placing::Best);
        // A huge stored score is beaten by nothing.
        t = table({u"99999999999999999999"_s, u"99999999999999999999"_s, u"99999999999999999999"_s,
                   u"99999999999999999999"_s, u"99999999999999999999"_s});
        QCOMPARE(placeResult(t, 1575), Placing::None);
    }

    void totalsSaturateInsteadOfWrapping()
    {
        DiceStats s;
        s.recordGame(250, 1);
        s.recordGame(300, 0);
        QCOMPARE(s.totalGames, 2);
        QCOMPARE(s.totalPoints, 550);
        QCOMPARE(s.totalKubolo, 1);

        // Past the old 16-bit limit the totals go on counting.
        s.totalPoints = 32700;
        s.recordGame(200, 0);
        QCOMPARE(s.totalPoints, 32900);

        s.totalGames = DiceStats::MaxTotal;
        s.totalPoints = DiceStats::MaxTotal - 10;
        s.totalKubolo = DiceStats::MaxTotal;
        s.recordGame(250, 3);
        QCOMPARE(s.totalGames, DiceStats::MaxTotal);
        QCOMPARE(s.totalPoints, DiceStats::MaxTotal);
        QCOMPARE(s.totalKubolo, DiceStats::MaxTotal);
    }

    void averages()
    {
        DiceStats s;
        QCOMPARE(double(s.pointsPerGame()), 0.0); // no game: no division
        QCOMPARE(double(s.kuboloPerGame()), 0.0);
        s.totalGames = 4;
        s.totalPoints = 901;
        s.totalKubolo = 3;
        QCOMPARE(double(s.pointsPerGame()), 225.25);
        QCOMPARE(double(s.kuboloPerGame()), 0.75);
        s.reset();
        QCOMPARE(s, DiceStats{});
    }

    void totalsReadFromText_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<qint64>("value");
        QTest::newRow("number") << "123" << qint64(123);
        QTest::newRow("blanks and sign") << " +45 " << qint64(45);
        QTest::newRow("old 16-bit maximum") << "32767" << qint64(32767);
        QTest::newRow("beyond 16 bits") << "40000" << qint64(40000);
        QTest::newRow("beyond the width") << "5000000000" << qint64(DiceStats::MaxTotal);
        QTest::newRow("beyond 64 bits") << "123456789012345678901234567890" << qint64(DiceStats::MaxTotal);
        QTest::newRow("negative") << "-5" << qint64(0);
        QTest::newRow("not a number") << "lots" << qint64(0);
        QTest::newRow("decimal") << "12.5" << qint64(0);
        QTest::newRow("empty") << "" << qint64(0);
    }

    void totalsReadFromText()
    {
        QFETCH(QString, text);
        QFETCH(qint64, value);
        QCOMPARE(DiceStats::parseTotal(text), value);
    }
};

GAMES_TEST(RecordsTest);
#include "tst_records.moc"
