#include "codebreaking/records.h"
#include "tests/support/testregistry.h"

#include <QTest>

using namespace codebreaking;

class TestRecords : public QObject {
    Q_OBJECT
private slots:
    void beatsAtItsTies()
    {
        // Fewer guesses win outright, whatever the time.
        QVERIFY(Beats(5, 10, 4, 9999));
        // Equal guesses: only fewer seconds win; equal on both, the older stays.
        QVERIFY(Beats(4, 100, 4, 99));
        QVERIFY(!Beats(4, 100, 4, 100));
        QVERIFY(!Beats(4, 100, 4, 101));
        QVERIFY(!Beats(4, 0, 5, 0));
    }

    void beatsOnTextsReadsSecondsOnlyAtATie()
    {
        QString bad;
        // The guesses decide: the broken seconds are never read.
        QCOMPARE(Beats(BestEntry{"a", "6", "x"}, 5, 1, &bad), std::optional<bool>(true));
        QCOMPARE(Beats(BestEntry{"a", "4", "x"}, 5, 1, &bad), std::optional<bool>(false));
        QVERIFY(bad.isEmpty());
        QCOMPARE(Beats(BestEntry{"a", "5", "x1"}, 5, 1, &bad), std::nullopt);
        QCOMPARE(bad, QStringLiteral("x1"));
        QCOMPARE(Beats(BestEntry{"a", "", "1"}, 5, 1, &bad), std::nullopt);
        QCOMPARE(bad, QString());
        QCOMPARE(Beats(BestEntry{"a", " 7 ", "1"}, 5, 1, &bad), std::optional<bool>(true));
    }

    void aScoreThatIsNoNumberStopsTheRanking()
    {
        BestTable table = DefaultBestTable();
        table[0].Guesses = QStringLiteral("four");
        QString bad;
        QCOMPARE(PlaceResult(table, 3, 10, &bad), Placing::Unreadable);
        QCOMPARE(bad, QStringLiteral("four"));
        QCOMPARE(ConversionError(bad), QStringLiteral("'four' is not a valid integer value."));
        table = DefaultBestTable();
        table[4].Seconds = QStringLiteral("1e2");
        QCOMPARE(PlaceResult(table, 8, 10, &bad), Placing::Unreadable);
        QCOMPARE(PlaceResult(table, 7, 10, &bad), Placing::BestFive); // place 5's guesses decide
        table[2].Guesses = QStringLiteral("?");
        QCOMPARE(FindPlace(table, 7, 10, &bad), -1);
        QCOMPARE(FindPlace(table, 3, 10, &bad), 2); // place 3 is never reached
    }
};

GAMES_TEST(TestRecords);
#include "tst_records.moc"
