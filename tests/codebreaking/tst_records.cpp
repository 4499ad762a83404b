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

    void placingWithTheDefaultTable_data()
    {
        QTest::addColumn<int>("guesses");
        QTest::addColumn<int>("seconds");
        QTest::addColumn<int>("placing");
        QTest::addColumn<int>("place");
        QTest::newRow("4 in 100: equal to place 1, enters at 2") << 4 << 100 << int(Placing::BestFive) << 2;
        QTest::newRow("4 in 99: the best") << 4 << 99 << int(Placing::Best) << 2;
        QTest::newRow("3 guesses: the best") << 3 << 500 << int(Placing::Best) << 2;
        QTest::newRow("8 in 99: place 5") << 8 << 99 << int(Placing::BestFive) << 5;
        QTest::newRow("8 in 100: nowhere") << 8 << 100 << int(Placing::None) << 0;
        QTest::newRow("9: nowhere") << 9 << 1 << int(Placing::None) << 0;
        QTest::newRow("5 in 100: under Tema, at 3") << 5 << 100 << int(Placing::BestFive) << 3;
    }
    void placingWithTheDefaultTable()
    {
        QFETCH(int, guesses);
        QFETCH(int, seconds);
        QFETCH(int, placing);
        QFETCH(int, place);
        const BestTable table = DefaultBestTable();
        QCOMPARE(int(PlaceResult(table, guesses, seconds, nullptr)), placing);
        if (placing == int(Placing::BestFive) || placing == int(Placing::None))
            QCOMPARE(FindPlace(table, guesses, seconds, nullptr), place);
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

    void insertingMovesTheRowsBelowDown()
    {
        BestTable table = DefaultBestTable();
        InsertAt(table, 2, {QStringLiteral("New"), QStringLiteral("4"), QStringLiteral("100")});
        QCOMPARE(table[0].Name, QStringLiteral("Orin Vasco"));
        QCOMPARE(table[1].Name, QStringLiteral("New"));
        QCOMPARE(table[2].Name, QStringLiteral("Tema Ludd"));
        QCOMPARE(table[4].Name, QStringLiteral("Ilsa Brandt")); // Nestor Quill dropped out
        InsertAt(table, 1, {QStringLiteral("Top"), QStringLiteral("3"), QStringLiteral("1")});
        QCOMPARE(table[0].Name, QStringLiteral("Top"));
        QCOMPARE(table[1].Name, QStringLiteral("Orin Vasco"));
        QCOMPARE(table[4].Name, QStringLiteral("Corvin Ashe"));
        const BestTable before = table;
        InsertAt(table, 5, {QStringLiteral("Last"), QStringLiteral("7"), QStringLiteral("9")});
        QCOMPARE(table[4].Name, QStringLiteral("Last"));
        QCOMPARE(table[3], before[3]);
        table = before;
        InsertAt(table, 0, {});
        InsertAt(table, 6, {});
        QVERIFY(table == before);
    }
};

GAMES_TEST(TestRecords);
#include "tst_records.moc"
