#include "codebreaking/bp.h"
#include "codebreaking/congrats.h"
#include "codebreaking/mainform.h"
#include "codebreaking/res.h"
#include "codebreaking/stat.h"
#include "codebreaking/top.h"
#include "controls/numedit.h"
#include "platform/testing/fakeplatform.h"
#include "tests/codebreaking/confighome.h"
#include "tests/support/testregistry.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

using namespace codebreaking;
using namespace Qt::StringLiterals;
using platform::MsgIcon;

namespace {

// The records dialogs as the program makes them, with a finished game to
// report. Modal dialogs are "shown" by the double, which presses their OK.
struct Chain {
    platform::testing::FakePlatform fake;
    BestRecords records;
    GameState game;
    TBestPlayers best{fake.platform, records};
    TResult result{fake.platform, game, records};
    TCongratulations congrats{fake.platform, game, best};
    TTopScore top{fake.platform, game, best};
    QString name = u"Pia"_s;
    QString words = u"Look twice"_s;

    Chain()
    {
        result.showTopScore = [this] { fake.messages.exec(top); };
        result.showCongratulations = [this] { fake.messages.exec(congrats); };
        fake.messages.onExec = [this](QDialog &d) {
            if (&d == &result)
                result.OKButtonClick();
            else if (&d == &top) {
                top.Edit1->setText(name);
                top.Edit2->setText(words);
                top.BitBtn1Click();
            } else if (&d == &congrats) {
                congrats.Edit1->setText(name);
                congrats.BitBtn1Click();
            }
            return int(QDialog::Accepted);
        };
    }

    // A won game of four pegs, then the result dialog and what follows it.
    QStringList win(int line, int seconds, bool training = false)
    {
        game.Line = std::uint16_t(line);
        game.Seconds = std::uint16_t(seconds);
        game.Positions = training ? 3 : 4;
        game.SingleColors = false;
        game.Won = true;
        fake.messages.dialogs.clear();
        fake.messages.exec(result);
        return fake.messages.dialogs;
    }

    QStringList names() const
    {
        QStringList n;
        for (int place = 1; place <= BestPlaces; ++place)
            n << best.nameLabel(place)->text();
        return n;
    }
    QList<TColor> marks() const
    {
        QList<TColor> m;
        for (int place = 1; place <= BestPlaces; ++place)
            m << best.marker(place)->ButtonColor();
        return m;
    }
};

const QStringList Chained = {u"Result"_s};

} // namespace

class TestRecordDialogs : public QObject {
    Q_OBJECT
private slots:
    void resultShowsTheGameAndItsWord()
    {
        Chain c;
        QCOMPARE(c.result.windowTitle(), u"End of Game"_s);
        const std::pair<int, const char *> words[] = {{1, "First try !!!"}, {2, "Great!!"},      {4, "Great!!"},
                                                      {5, "You made it!"},  {9, "You made it!"}, {10, "At last!"}};
        for (const auto &[line, word] : words) {
            c.game.Line = std::uint16_t(line);
            c.game.Seconds = 77;
            c.result.FormCreate();
            QCOMPARE(c.result.Comment->text(), QString::fromLatin1(word));
            QCOMPARE(c.result.guesses->text(), QString::number(line));
            QCOMPARE(c.result.totalTime->text(), u"77"_s);
        }
    }

    void theChainOfAWonGame()
    {
        Chain c;
        // Equal to place 1 on both: one of the best five, at place 2.
        QCOMPARE(c.win(4, 100), (QStringList{u"Result"_s, u"Congratulations"_s, u"BestPlayers"_s}));
        QCOMPARE(c.names(),
                 (QStringList{u"Orin Vasco"_s, u"Pia"_s, u"Tema Ludd"_s, u"Corvin Ashe"_s, u"Ilsa Brandt"_s}));
        QCOMPARE(c.best.guessesLabel(2)->text(), u"4"_s);
        QCOMPARE(c.best.secondsLabel(2)->text(), u"100"_s);
        QCOMPARE(c.records.WordsOfWisdom, u"Hi, guys !"_s);

        // Three guesses: the best; the words heading names the new player.
        c.name = u"Quin"_s;
        QCOMPARE(c.win(3, 500), (QStringList{u"Result"_s, u"TopScore"_s, u"BestPlayers"_s}));
        QCOMPARE(c.names(), (QStringList{u"Quin"_s, u"Orin Vasco"_s, u"Pia"_s, u"Tema Ludd"_s, u"Corvin Ashe"_s}));
        QCOMPARE(c.best.WowFrom->text(), u"Words of Wisdom from Quin:"_s);
        QCOMPARE(c.best.Wow->text(), u"Look twice"_s);
        QCOMPARE(c.records.WordsOfWisdom, u"Look twice"_s);

        // The red markers stay at the places where names were entered,
        // though Pia's row has moved down from 2 to 3.
        QCOMPARE(c.marks(), (QList<TColor>{clRed, clRed, clYellow, clYellow, clYellow}));
    }

    // Names and words are one line however they come in: line breaks
    // pasted into them become spaces, in the table and in the file.
    void pastedLineBreaksBecomeSpaces()
    {
        Chain c;
        c.fake.messages.onExec = [&c](QDialog &d) {
            if (&d == &c.result) {
                c.result.OKButtonClick();
            } else if (&d == &c.top) {
                for (const auto &[edit, text] : {std::pair{c.top.Edit1, u"Ann\nLee"_s},
                                                 std::pair{c.top.Edit2, u"Think\r\nfirst\u2028!"_s}}) {
                    QGuiApplication::clipboard()->setText(text);
                    QTest::keyClick(edit, Qt::Key_V, Qt::ControlModifier);
                }
                c.top.BitBtn1Click();
            }
            return int(QDialog::Accepted);
        };
        c.win(3, 50);
        QCOMPARE(c.names().first(), u"Ann Lee"_s);
        QCOMPARE(c.records.WordsOfWisdom, u"Think first !"_s);
    }

    void placeFiveAndNowhere()
    {
        Chain c;
        QCOMPARE(c.win(8, 100), Chained);
        QCOMPARE(c.win(9, 1), Chained);
        QCOMPARE(c.win(8, 99), (QStringList{u"Result"_s, u"Congratulations"_s, u"BestPlayers"_s}));
        QCOMPARE(c.names(),
                 (QStringList{u"Orin Vasco"_s, u"Tema Ludd"_s, u"Corvin Ashe"_s, u"Ilsa Brandt"_s, u"Pia"_s}));
        QCOMPARE(c.marks(), (QList<TColor>{clYellow, clYellow, clYellow, clYellow, clRed}));
    }

    void aTrainingGameIsNeverRanked()
    {
        Chain c;
        QCOMPARE(c.win(1, 5, true), Chained);
        c.game.Positions = 4;
        c.game.SingleColors = true;
        c.fake.messages.dialogs.clear();
        c.fake.messages.exec(c.result);
        QCOMPARE(c.fake.messages.dialogs, Chained);
        QVERIFY(c.records == BestRecords{});
    }

    void cancelRecordsNothing()
    {
        Chain c;
        c.fake.messages.onExec = [&c](QDialog &d) {
            if (&d == &c.result)
                c.result.OKButtonClick();
            else if (&d == &c.top)
                c.top.BitBtn2Click();
            else if (&d == &c.congrats)
                c.congrats.BitBtn2Click();
            return int(QDialog::Rejected);
        };
        QCOMPARE(c.win(2, 1), (QStringList{u"Result"_s, u"TopScore"_s}));
        QCOMPARE(c.win(6, 1), (QStringList{u"Result"_s, u"Congratulations"_s}));
        QVERIFY(c.records == BestRecords{});
        QCOMPARE(c.marks(), (QList<TColor>(5, clYellow)));
    }

    void aTableScoreThatIsNoNumberIsToldAtRanking()
    {
        Chain c;
        c.records.table[0].guesses = u"many"_s;
        QCOMPARE(c.win(3, 10), Chained);
        QCOMPARE(c.fake.messages.shown.size(), size_t(1));
        QCOMPARE(c.fake.messages.shown[0].icon, MsgIcon::Error);
        QCOMPARE(c.fake.messages.shown[0].text, u"'many' is not a valid integer value."_s);
        QVERIFY(!c.result.isVisible());

        // Past place 1 and 5, a broken row in between stops the entry.
        c.records = BestRecords{};
        c.records.table[2].guesses = u"6x"_s;
        QCOMPARE(c.win(7, 10), (QStringList{u"Result"_s, u"Congratulations"_s}));
        QCOMPARE(c.fake.messages.lastText(), u"'6x' is not a valid integer value."_s);
        QCOMPARE(c.records.table[4].name, u"Nestor Quill"_s);
    }

    void bestPlayersResetAndTheMenuClearTheMarks()
    {
        ConfigHome home;
        Chain c;
        c.win(2, 1);
        c.win(3, 1);
        QCOMPARE(c.marks(), (QList<TColor>{clRed, clRed, clYellow, clYellow, clYellow}));
        c.fake.messages.answers = {platform::No};
        c.best.Button1Click();
        QCOMPARE(c.fake.messages.shown.back().text, u"Are you sure ?"_s);
        QCOMPARE(c.fake.messages.shown.back().icon, MsgIcon::Confirmation);
        QCOMPARE(c.fake.messages.shown.back().buttons, int(platform::Yes | platform::No));
        QCOMPARE(c.names()[0], u"Pia"_s);
        c.fake.messages.answers = {platform::Yes};
        c.best.Button1Click();
        QVERIFY(c.records == BestRecords{});
        QCOMPARE(c.names()[0], u"Orin Vasco"_s);
        QCOMPARE(c.best.WowFrom->text(), u"Words of Wisdom from Orin Vasco:"_s);
        QCOMPARE(c.best.Wow->text(), u"Hi, guys !"_s);
        QCOMPARE(c.marks(), (QList<TColor>(5, clYellow)));
    }

    void theWordsLinesAreCentred()
    {
        Chain c;
        c.best.setWordsOfWisdom(u"A long sentence, to be read in the middle"_s);
        for (QLabel *l : {c.best.WowFrom, c.best.Wow}) {
            QCOMPARE(l->width(), l->sizeHint().width());
            QCOMPARE(l->x(), (c.best.Panel1->width() - l->width()) / 2);
        }
        QVERIFY(c.best.Wow->x() < c.best.WowFrom->x() + 40);
        // Words are kept to 50 characters.
        c.best.setWordsOfWisdom(QString(60, QLatin1Char('w')));
        QCOMPARE(c.records.WordsOfWisdom.size(), 50);
    }

    void statisticsFigures()
    {
        platform::testing::FakePlatform fake;
        GameStats stats;
        TStatistics dialog(fake.platform, stats);
        const QStringList zeros = {u"0"_s, u"0.00"_s, u"0.00"_s, u"0.0"_s};
        auto texts = [&dialog] {
            return QStringList{dialog.mean0->text(), dialog.mean1->text(), dialog.mean2->text(), dialog.mean3->text()};
        };
        QCOMPARE(texts(), zeros);
        dialog.FormCreate(); // no games: nothing divides
        QCOMPARE(texts(), zeros);
        stats = {150, 18, 4, 1};
        dialog.FormCreate();
        QCOMPARE(dialog.mean0->text(), u"4"_s);
        QCOMPARE(dialog.mean1->text(), u"50.00"_s);
        QCOMPARE(dialog.mean2->text(), u"6.00"_s);
        QCOMPARE(dialog.mean3->text(), u"25.0"_s);
        QVERIFY(dialog.mean1->accessibleName().endsWith(u"Seconds per game: 50.00"_s));
        QVERIFY(dialog.mean3->isReadOnly());

        // Two games, both given up: the averages keep what they showed.
        stats = {150, 18, 2, 2};
        dialog.FormCreate();
        QCOMPARE(dialog.mean0->text(), u"2"_s);
        QCOMPARE(dialog.mean3->text(), u"100.0"_s);
        QCOMPARE(dialog.mean1->text(), u"50.00"_s);
        QCOMPARE(dialog.mean2->text(), u"6.00"_s);

        // Thousands grouping on a long career.
        stats = {32767, 9000, 3000, 0};
        dialog.FormCreate();
        QCOMPARE(dialog.mean0->text(), u"3,000"_s);
        QCOMPARE(dialog.mean1->text(), u"10.92"_s);

        fake.messages.answers = {platform::No};
        dialog.Button1Click();
        QCOMPARE(fake.messages.lastText(), u"Are you sure ?"_s);
        QCOMPARE(stats.GameCount, std::int16_t(3000));
        fake.messages.answers = {platform::Yes};
        dialog.Button1Click();
        QVERIFY(stats == GameStats{});
        for (TNumEdit *e : {dialog.mean0, dialog.mean1, dialog.mean2, dialog.mean3})
            QCOMPARE(e->Value(), 0.0L);
        QCOMPARE(texts(), zeros);
    }

    void theNameBoxesHaveTheFocusWhenTheyOpen()
    {
        Chain c;
        c.top.show();
        QVERIFY(QTest::qWaitForWindowExposed(&c.top));
        QCOMPARE(c.top.focusWidget(), c.top.Edit1);
        c.top.hide();
        c.congrats.show();
        QVERIFY(QTest::qWaitForWindowExposed(&c.congrats));
        QCOMPARE(c.congrats.focusWidget(), c.congrats.Edit1);
        c.congrats.hide();
    }
};

GAMES_TEST(TestRecordDialogs);
#include "tst_dialogs.moc"
