#include "controls/arrowbtn.h"
#include "controls/numedit.h"
#include "dice/bp.h"
#include "dice/endg.h"
#include "dice/five.h"
#include "dice/mainform.h"
#include "dice/stats.h"
#include "dice/top.h"
#include "platform/testing/fakeplatform.h"
#include "tests/support/testregistry.h"

#include <QAction>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

#include <functional>
#include <memory>

using namespace kubolo;
using namespace Qt::StringLiterals;
using platform::testing::FakePlatform;

namespace {

// Thirteen turns: a five of sixes first, then small straights.
void finishGame(ScoreSheet &sheet)
{
    sheet.NewGame();
    for (int i = 0; i < CategoryCount; ++i) {
        sheet.RecordRoll(i == 0 ? Dice5{6, 6, 6, 6, 6} : Dice5{1, 2, 3, 4, 6});
        QVERIFY(sheet.Choose(categoryAt(i)));
    }
    QVERIFY(sheet.IsOver());
}

BestPlayerTable withScores(std::initializer_list<long long> scores)
{
    BestPlayerTable t = defaultBestPlayers();
    int i = 0;
    for (long long s : scores)
        t[i++].score = QString::number(s);
    return t;
}

// The records dialogs as the main window makes them, over a finished game.
// Each modal display shows the dialog (which activates it) and hands it to
// the script for that dialog; a dialog without a script is closed by its box.
struct Records {
    FakePlatform fake;
    ScoreSheet sheet;
    KuboloRecords records;
    QStringList sounds;
    std::unique_ptr<QWidget> owner = std::make_unique<QWidget>();
    TEndGame *EndGame;
    TBestPlayers *BestPlayers;
    TTopFive *TopFive;
    TTopScore *TopScore;
    TStatistics *Statistics;
    std::function<void(TTopFive &)> onTopFive;
    std::function<void(TTopScore &)> onTopScore;
    std::function<void(TBestPlayers &)> onBestPlayers;

    Records()
    {
        finishGame(sheet);
        const GameSound sound = [this](const QString &f) { sounds << f; };
        EndGame = new TEndGame(fake.platform, sheet, records, sound, owner.get());
        BestPlayers = new TBestPlayers(fake.platform, records, owner.get());
        TopFive = new TTopFive(fake.platform, sheet, *BestPlayers, sound, owner.get());
        TopScore = new TTopScore(fake.platform, sheet, records, *BestPlayers, sound, owner.get());
        Statistics = new TStatistics(fake.platform, records, owner.get());
        EndGame->TopFive = TopFive;
        EndGame->TopScore = TopScore;
        EndGame->BestPlayers = BestPlayers;
        fake.messages.onExec = [this](QDialog &d) {
            d.show();
            if (&d == TopFive && onTopFive)
                onTopFive(*TopFive);
            else if (&d == TopScore && onTopScore)
                onTopScore(*TopScore);
            else if (&d == BestPlayers && onBestPlayers)
                onBestPlayers(*BestPlayers);
            if (d.isVisible())
                d.reject();
            return d.result();
        };
    }
    int total() const { return sheet.GameTotal(); }
    void enterName(const QString &name)
    {
        onTopFive = [name](TTopFive &d) {
            d.Edit1->setText(name);
            d.OKButtonClick();
        };
    }
    // The end-of-game dialog shown and its OK pressed.
    void endWithOk()
    {
        EndGame->show();
        EndGame->OKButtonClick();
    }
};

QList<TColor> marks(TBestPlayers &bp)
{
    QList<TColor> out;
    for (int row = 1; row <= 5; ++row)
        out << bp.rowArrow(row)->ButtonColor();
    return out;
}

} // namespace

class RecordsDialogsTest : public QObject {
    Q_OBJECT
private slots:
    void endOfGameShowsTheFiguresAndRecordsOnlyOnOk()
    {
        Records r;
        QVERIFY(r.EndGame->windowFlags() & Qt::WindowStaysOnTopHint);
        r.EndGame->show();
        QCOMPARE(r.sounds, QStringList{u"app.wav"_s});
        QCOMPARE(r.EndGame->UpperValue->text(), QString::number(r.sheet.UpperTotal()));
        QCOMPARE(r.EndGame->BonusValue->text(), QString::number(r.sheet.Bonus()));
        QCOMPARE(r.EndGame->TotalValue->text(), QString::number(r.total()));
        QCOMPARE(r.EndGame->KuboloValue->text(), u"1"_s);
        QCOMPARE(r.EndGame->TotalValue->accessibleName(), u"Game total: "_s + QString::number(r.total()));
        // Closed by its box: neither the statistics nor the table change.
        r.EndGame->reject();
        QCOMPARE(r.records.stats, DiceStats{});
        QVERIFY(r.fake.messages.dialogs.isEmpty());

        r.EndGame->show();
        r.EndGame->OKButtonClick();
        QVERIFY(!r.EndGame->isVisible());
        QCOMPARE(r.records.stats, (DiceStats{1, r.total(), 1}));
        QCOMPARE(r.sounds, (QStringList{u"app.wav"_s, u"app.wav"_s}));
    }

    void topScoreTakesTheWordsTopFiveNever()
    {
        Records r;
        const int t = r.total();
        r.BestPlayers->setTable(withScores({t - 1, t - 2, t - 3, t - 4, t - 5}));
        r.onTopScore = [](TTopScore &d) {
            QCOMPARE(d.focusWidget(), d.Edit1);
            d.Edit1->setText(u"Quin"_s);
            d.Edit2->setText(u"Hold the sixes"_s);
            d.OKButtonClick();
        };
        QString line1, line2;
        r.onBestPlayers = [&](TBestPlayers &bp) {
            line1 = bp.Label1->text();
            line2 = bp.Label2->text();
            bp.BitBtn1Click();
        };
        r.endWithOk();
        QCOMPARE(r.records.best.WordsOfWisdom, u"Hold the sixes"_s);
        QCOMPARE(line1, u"Words of Wisdom from Quin:"_s);
        QCOMPARE(line2, u"Hold the sixes"_s);

        // The next game only reaches the best five: the words stay.
        r.BestPlayers->setTable(withScores({t + 10, t + 5, t + 4, t + 3, t - 1}));
        r.enterName(u"Ros"_s);
        r.endWithOk();
        QCOMPARE(r.records.best.WordsOfWisdom, u"Hold the sixes"_s);
        QCOMPARE(r.BestPlayers->n5->text(), u"Ros"_s);
        QCOMPARE(r.records.stats.totalGames, 2);
    }

    void marksStayAtTheirPlacesUntilCleared()
    {
        Records r;
        const int t = r.total();
        r.BestPlayers->setTable(withScores({t + 100, t + 50, t + 40, t + 30, t - 1}));
        QString typedBefore;
        r.onTopFive = [&](TTopFive &d) {
            typedBefore = d.Edit1->text();
            d.Edit1->setText(u"Ivo"_s);
            d.OKButtonClick();
        };
        r.endWithOk();                    // row 5
        QCOMPARE(typedBefore, QString()); // empty at first
        r.BestPlayers->setTable(withScores({t + 100, t - 1, t - 2, t - 3, t - 4}));
        r.endWithOk();                   // row 2
        QCOMPARE(typedBefore, u"Ivo"_s); // the name field keeps what was typed
        QCOMPARE(marks(*r.BestPlayers), (QList<TColor>{clYellow, clRed, clYellow, clYellow, clRed}));
        r.BestPlayers->ClearRowMarks();
        QCOMPARE(marks(*r.BestPlayers), QList<TColor>(5, clYellow));
    }

    void enterPressesResetAndOnlyYesResets()
    {
        Records r;
        r.records.best.WordsOfWisdom = u"Mine"_s;
        r.BestPlayers->setTable(withScores({900, 800, 700, 600, 500}));
        r.BestPlayers->MarkRow(3);
        r.BestPlayers->show();
        QVERIFY(QTest::qWaitForWindowExposed(r.BestPlayers));
        QVERIFY(r.BestPlayers->Button1->isDefault());

        r.fake.messages.answers = {platform::No};
        QTest::keyClick(r.BestPlayers, Qt::Key_Return);
        QCOMPARE(r.fake.messages.shown.size(), size_t(1));
        QCOMPARE(r.fake.messages.shown[0].icon, platform::MsgIcon::Confirmation);
        QCOMPARE(r.fake.messages.shown[0].text, u"Are you sure ?"_s);
        QCOMPARE(r.fake.messages.shown[0].buttons, platform::Yes | platform::No);
        QCOMPARE(r.BestPlayers->pn1->text(), u"900"_s);
        QVERIFY(r.BestPlayers->isVisible());

        QTest::keyClick(r.BestPlayers, Qt::Key_Return); // answered Yes
        QCOMPARE(r.BestPlayers->table(), defaultBestPlayers());
        QCOMPARE(r.records.best.WordsOfWisdom, u"Hi, guys !"_s);
        QCOMPARE(marks(*r.BestPlayers), QList<TColor>(5, clYellow));
        QCOMPARE(r.BestPlayers->Label1->text(), u"Words of Wisdom from K. Ardell:"_s);
        QCOMPARE(r.BestPlayers->Label2->text(), u"Hi, guys !"_s);
    }

    void wordsLinesAreCentred()
    {
        Records r;
        r.records.best.WordsOfWisdom = u"A rather longer line of wisdom here"_s;
        r.BestPlayers->show();
        const int outer = r.BestPlayers->frameGeometry().width();
        for (QLabel *line : {r.BestPlayers->Label1, r.BestPlayers->Label2}) {
            QCOMPARE(line->x(), (outer - line->width()) / 2);
            QVERIFY(line->width() >= line->sizeHint().width());
        }
        QVERIFY(r.BestPlayers->Label1->geometry().bottom() < r.BestPlayers->Label2->y()); // words under the name
    }

    void statisticsFigures_data()
    {
        QTest::addColumn<qint64>("games");
        QTest::addColumn<qint64>("points");
        QTest::addColumn<qint64>("kubolo");
        QTest::addColumn<QStringList>("shown");
        QTest::newRow("no game yet") << qint64(0) << qint64(0) << qint64(0)
                                     << QStringList{u"0"_s, u"0.00"_s, u"0.00"_s};
        QTest::newRow("points without games")
            << qint64(0) << qint64(500) << qint64(2) << QStringList{u"0"_s, u"0.00"_s, u"0.00"_s};
        QTest::newRow("four games") << qint64(4) << qint64(901) << qint64(3)
                                    << QStringList{u"4"_s, u"225.25"_s, u"0.75"_s};
        QTest::newRow("thirds") << qint64(3) << qint64(700) << qint64(1) << QStringList{u"3"_s, u"233.33"_s, u"0.33"_s};
        QTest::newRow("past 32767") << qint64(40000) << qint64(9000000) << qint64(400)
                                    << QStringList{u"40,000"_s, u"225.00"_s, u"0.01"_s};
    }

    void statisticsFigures()
    {
        QFETCH(qint64, games);
        QFETCH(qint64, points);
        QFETCH(qint64, kubolo);
        QFETCH(QStringList, shown);
        Records r;
        r.records.stats = {games, points, kubolo};
        r.Statistics->show(); // filled again at every activation
        QCOMPARE((QStringList{r.Statistics->NumEdit1->text(), r.Statistics->NumEdit2->text(),
                              r.Statistics->NumEdit3->text()}),
                 shown);
        QVERIFY(r.Statistics->NumEdit1->isReadOnly());
    }

    void statisticsReset()
    {
        Records r;
        r.records.stats = {4, 901, 3};
        r.Statistics->show();
        r.fake.messages.answers = {platform::No};
        r.Statistics->Button1Click();
        QCOMPARE(r.records.stats, (DiceStats{4, 901, 3}));
        QCOMPARE(r.Statistics->NumEdit1->text(), u"4"_s);
        r.Statistics->Button1Click(); // Yes
        QCOMPARE(r.fake.messages.lastText(), u"Are you sure ?"_s);
        QCOMPARE(r.records.stats, DiceStats{});
        QCOMPARE(r.Statistics->NumEdit2->text(), u"0.00"_s);
        r.Statistics->BitBtn1Click();
        QVERIFY(!r.Statistics->isVisible());
    }

    // Through the main window: the thirteenth choice opens the end of game,
    // the menu opens the tables, and the close writes what the run changed.
    void aWholeGameInTheWindow()
    {
        FakePlatform fake;
        TMainForm form(fake.platform);
        TMainForm::Dialogs &all = form.dialogs();
        form.setRollPace(0);
        if (form.Roll1->isChecked())
            form.Roll1->trigger();
        form.show();
        QStringList made;
        for (QDialog *d : form.findChildren<QDialog *>(Qt::FindDirectChildrenOnly))
            made << d->objectName();
        QCOMPARE(made, (QStringList{u"EndGame"_s, u"BestPlayers"_s, u"TopFive"_s, u"AboutBox1"_s, u"TopScore"_s,
                                    u"Statistics"_s}));
        all.BestPlayers.setTable(withScores({1, 1, 1, 1, 0})); // any total enters, as the best
        QStringList flow;
        fake.messages.onExec = [&](QDialog &d) {
            d.show();
            flow << d.objectName();
            if (&d == &all.EndGame)
                all.EndGame.OKButtonClick();
            else if (&d == &all.TopScore) {
                all.TopScore.Edit1->setText(u"Window"_s);
                all.TopScore.OKButtonClick();
            } else if (d.isVisible())
                d.accept();
            return d.result();
        };
        for (int i = 0; i < CategoryCount; ++i) {
            form.rollClick();
            form.xAssiClick(form.nameLabel(categoryAt(i)));
        }
        // The end of the game is told after the choice that ended it.
        QVERIFY(flow.isEmpty());
        QTRY_COMPARE(flow, (QStringList{u"EndGame"_s, u"TopScore"_s, u"BestPlayers"_s}));
        QCOMPARE(fake.sound.played, (QStringList{u"app.wav"_s, u"final.wav"_s}));
        QCOMPARE(form.records().stats.totalGames, 1);
        QCOMPARE(all.BestPlayers.rowArrow(1)->ButtonColor(), clRed);

        form.Punteggi1Click(); // from the menu the marks are cleared first
        QCOMPARE(all.BestPlayers.rowArrow(1)->ButtonColor(), clYellow);
        form.Statistics1Click();
        QCOMPARE(flow.mid(3), (QStringList{u"BestPlayers"_s, u"Statistics"_s}));
        QCOMPARE(all.Statistics.NumEdit1->text(), u"1"_s);
        form.About1Click();
        QCOMPARE(flow.last(), u"AboutBox1"_s);

        form.close();
        const KuboloSettings saved = form.currentSettings();
        QCOMPARE(saved.table[0].name, u"Window"_s);
        QCOMPARE(saved.stats.totalGames, 1);
        QVERIFY(QFile::remove(form.settingsPath())); // the next window starts afresh
    }
};

GAMES_TEST(RecordsDialogsTest);
#include "tst_recordsdialogs.moc"
