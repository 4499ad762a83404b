#include "dice/records.h"
#include "tests/support/testregistry.h"

#include <QTest>

using namespace kubolo;

namespace {

BestPlayerTable table(std::initializer_list<const char *> scores)
{
    BestPlayerTable t;
    int i = 0;
    for (const char *s : scores) {
        t[i] = {QStringLiteral("P%1").arg(i + 1), QString::fromLatin1(s)};
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
        QCOMPARE(entryFor(t, 200), Entry::None); // equal to the fifth: no entry
        QCOMPARE(entryFor(t, 201), Entry::TopFive);
        QCOMPARE(entryFor(t, 300), Entry::TopFive); // equal to the best
        QCOMPARE(entryFor(t, 301), Entry::TopScore);
        QCOMPARE(entryFor(t, 0), Entry::None);
    }

    void topFiveTakesThePlaceAboveAnEqualScore()
    {
        BestPlayerTable t = defaultBestPlayers();
        QCOMPARE(insertTopFive(t, QStringLiteral("Ann"), 300), 2);
        QCOMPARE(names(t), QStringList({"K. Ardell=300", "Ann=300", "M. de Sorbin=275", "R.T. de Lavoie=250",
                                        "E.V. Halloran=225"}));

        t = defaultBestPlayers();
        QCOMPARE(insertTopFive(t, QStringLiteral("Bo"), 250), 3);
        QCOMPARE(names(t), QStringList({"K. Ardell=300", "M. de Sorbin=275", "Bo=250", "R.T. de Lavoie=250",
                                        "E.V. Halloran=225"}));

        t = defaultBestPlayers();
        QCOMPARE(insertTopFive(t, QStringLiteral("Cy"), 226), 4);
        QCOMPARE(t[3].name, QStringLiteral("Cy"));
        QCOMPARE(t[4].name, QStringLiteral("E.V. Halloran"));

        t = defaultBestPlayers();
        QCOMPARE(insertTopFive(t, QString(), 201), 5); // an empty name is a name
        QCOMPARE(t[4], (BestPlayerRow{QString(), QStringLiteral("201")}));
        QCOMPARE(t[3].name, QStringLiteral("E.V. Halloran"));

        t = defaultBestPlayers();
        QCOMPARE(insertTopFive(t, QStringLiteral("Di"), 199), 0);
        QCOMPARE(t, defaultBestPlayers());
    }

    void scoresThatAreNoNumbers()
    {
        QCOMPARE(scoreValue(QStringLiteral(" 275 ")), 275);
        QCOMPARE(scoreValue(QStringLiteral("-12")), -12);
        QCOMPARE(scoreValue(QStringLiteral("abc")), 0);
        QCOMPARE(scoreValue(QStringLiteral("12abc")), 0);
        QCOMPARE(scoreValue(QString()), 0);
        QCOMPARE(scoreValue(QStringLiteral("99999999999999999999999")), std::numeric_limits<std::int64_t>::max());
        QCOMPARE(scoreValue(QStringLiteral("-99999999999999999999999")), std::numeric_limits<std::int64_t>::min());

        // A damaged fifth score counts as 0, so a new result still enters...
        BestPlayerTable t = table({"300", "275", "250", "225", "junk"});
        QCOMPARE(entryFor(t, 1), Entry::TopFive);
        QCOMPARE(insertTopFive(t, QStringLiteral("New"), 1), 5);
        // ...and a damaged best score lets any positive result be the best.
        t = table({"x", "275", "250", "225", "200"});
        QCOMPARE(entryFor(t, 201), Entry::TopScore);
        // A huge stored score is beaten by nothing.
        t = table({"99999999999999999999", "99999999999999999999", "99999999999999999999", "99999999999999999999",
                   "99999999999999999999"});
        QCOMPARE(entryFor(t, 1575), Entry::None);
    }

    void totalsSaturateInsteadOfWrapping()
    {
        DiceStats s;
        s.RecordGame(250, 1);
        s.RecordGame(300, 0);
        QCOMPARE(s.totalGames, 2);
        QCOMPARE(s.totalPoints, 550);
        QCOMPARE(s.totalKubolo, 1);

        // Past the old 16-bit limit the totals go on counting.
        s.totalPoints = 32700;
        s.RecordGame(200, 0);
        QCOMPARE(s.totalPoints, 32900);

        s.totalGames = DiceStats::MaxTotal;
        s.totalPoints = DiceStats::MaxTotal - 10;
        s.totalKubolo = DiceStats::MaxTotal;
        s.RecordGame(250, 3);
        QCOMPARE(s.totalGames, DiceStats::MaxTotal);
        QCOMPARE(s.totalPoints, DiceStats::MaxTotal);
        QCOMPARE(s.totalKubolo, DiceStats::MaxTotal);
    }

    void averages()
    {
        DiceStats s;
        QCOMPARE(double(s.PointsPerGame()), 0.0); // no game: no division
        QCOMPARE(double(s.KuboloPerGame()), 0.0);
        s.totalGames = 4;
        s.totalPoints = 901;
        s.totalKubolo = 3;
        QCOMPARE(double(s.PointsPerGame()), 225.25);
        QCOMPARE(double(s.KuboloPerGame()), 0.75);
        s.Reset();
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
