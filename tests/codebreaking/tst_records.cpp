#include "codebreaking/records.h"
#include "tests/support/testregistry.h"

#include <QTest>

using namespace codebreaking;
using namespace Qt::StringLiterals;

class TestRecords : public QObject {
    Q_OBJECT
private slots:
    // Against the default table (4 to 8 guesses, 100 seconds each).
    void whereAWonGameGoes()
    {
        const BestTable table = defaultBestTable();
        QString bad;
        QCOMPARE(placeResult(table, 3, 999, &bad), Placing::Best);
        QCOMPARE(placeResult(table, 4, 99, &bad), Placing::Best);      // as many guesses, quicker
        QCOMPARE(placeResult(table, 4, 100, &bad), Placing::BestFive); // equal on both: the older stays ahead
        QCOMPARE(findPlace(table, 4, 100, &bad), 2);
        QCOMPARE(findPlace(table, 6, 100, &bad), 4);
        QCOMPARE(placeResult(table, 8, 99, &bad), Placing::BestFive);
        QCOMPARE(findPlace(table, 8, 99, &bad), 5);
        QCOMPARE(placeResult(table, 8, 100, &bad), Placing::None);
        QCOMPARE(placeResult(table, 9, 1, &bad), Placing::None);
        QVERIFY(bad.isEmpty());
    }

    void theSecondsOfARowAreReadOnlyAtATie()
    {
        QString bad;
        QCOMPARE(Beats(BestEntry{u"a"_s, u"6"_s, u"x"_s}, 5, 1, &bad), std::optional<bool>(true));
        QCOMPARE(Beats(BestEntry{u"a"_s, u"4"_s, u"x"_s}, 5, 1, &bad), std::optional<bool>(false));
        QVERIFY(bad.isEmpty());
        QCOMPARE(Beats(BestEntry{u"a"_s, u" 7 "_s, u"1"_s}, 5, 1, &bad), std::optional<bool>(true));
        QCOMPARE(Beats(BestEntry{u"a"_s, u"5"_s, u"x1"_s}, 5, 1, &bad), std::nullopt);
        QCOMPARE(bad, u"x1"_s);
    }

    void aTextThatIsNoNumberStopsTheRankingAndIsNamed()
    {
        BestTable table = defaultBestTable();
        table[0].guesses = u"four"_s;
        QString bad;
        QCOMPARE(placeResult(table, 3, 10, &bad), Placing::Unreadable);
        QCOMPARE(conversionError(bad), u"'four' is not a valid integer value."_s);
        table = defaultBestTable();
        table[4].seconds = u"1e2"_s;
        QCOMPARE(placeResult(table, 8, 10, &bad), Placing::Unreadable);
        QCOMPARE(placeResult(table, 7, 10, &bad), Placing::BestFive); // place 5's guesses decide
        table[2].guesses = u"?"_s;
        QCOMPARE(findPlace(table, 7, 10, &bad), -1);
        QCOMPARE(findPlace(table, 3, 10, &bad), 2); // place 3 is never reached
    }

    void anEntryPushesTheRowsBelowItDown()
    {
        BestTable table = defaultBestTable();
        platform::best::insertAt(table, 2, BestEntry{u"Pia"_s, u"4"_s, u"100"_s});
        QStringList names;
        for (const BestEntry &row : table)
            names << row.name;
        QCOMPARE(names, (QStringList{u"Orin Vasco"_s, u"Pia"_s, u"Tema Ludd"_s, u"Corvin Ashe"_s, u"Ilsa Brandt"_s}));
        platform::best::insertAt(table, 6, BestEntry{u"Nobody"_s, {}, {}});
        QCOMPARE(table[4].name, u"Ilsa Brandt"_s);
    }
};

GAMES_TEST(TestRecords);
#include "tst_records.moc"
