#include "codebreaking/mainform.h"
#include "codebreaking/settings.h"
#include "platform/testing/fakeplatform.h"
#include "tests/codebreaking/confighome.h"
#include "tests/support/testregistry.h"

#include <QAction>
#include <QDir>
#include <QFileInfo>
#include <QTest>

using namespace codebreaking;
using platform::MsgIcon;

namespace {

// Every test of this program runs away from the real configuration, also
// those that make a board without a directory of their own.
const ConfigHome programHome;

const QStringList KeyOrder = {"Player1",  "Guess1",    "Sec1",  "Player2", "Guess2",  "Sec2",
                              "Player3",  "Guess3",    "Sec3",  "Player4", "Guess4",  "Sec4",
                              "Player5",  "Guess5",    "Sec5",  "wow",     "secMean", "guessMean",
                              "gameMean", "noendMean", "Sound", "Single",  "3colors", "WelcomeBox"};

QStringList keysOf(const QByteArray &text)
{
    QStringList keys;
    for (const QByteArray &line : text.split('\n'))
        if (line.contains('=') && !line.startsWith(';'))
            keys << QString::fromUtf8(line.left(line.indexOf('=')));
    return keys;
}

PegoraSettings someSettings()
{
    PegoraSettings s;
    for (int i = 0; i < BestPlaces; ++i)
        s.Best.Table[i] = {QStringLiteral("Player %1").arg(i + 1), QString::number(2 + i), QString::number(30 + i)};
    s.Best.Table[4].Name = QStringLiteral("Zo\u00eb \u00c5ngstr\u00f6m = 1; [x]");
    s.Best.WordsOfWisdom = QStringLiteral("Think first");
    s.Stats = {1234, 321, 45, -5};
    s.Sound = false;
    s.Single = true;
    s.ThreeColors = true;
    s.WelcomeBox = false;
    return s;
}

struct Run {
    platform::testing::FakePlatform fake;
    std::unique_ptr<TMainForm> form = std::make_unique<TMainForm>(fake.platform);
    std::vector<platform::testing::FakeMessages::Shown> errors() const
    {
        std::vector<platform::testing::FakeMessages::Shown> e;
        for (const auto &m : fake.messages.shown)
            if (m.icon == MsgIcon::Error)
                e.push_back(m);
        return e;
    }
};

} // namespace

class TestSettings : public QObject {
    Q_OBJECT
private slots:
    void everyKeyMakesTheRoundTripInOrder()
    {
        ConfigHome home;
        const PegoraSettings s = someSettings();
        QString error;
        QVERIFY(SaveSettings(home.file(), s, &error));
        QCOMPARE(keysOf(home.read()), KeyOrder);
        const SettingsLoad load = LoadSettings(home.file());
        QVERIFY(load.problems.isEmpty());
        QVERIFY(!load.keepFile);
        QVERIFY(load.values == s);
        QVERIFY(home.read().contains("noendMean=-5\n"));
        QVERIFY(home.read().contains("3colors=1\n"));
    }

    void aFirstRunCreatesTheFileAndTheCloseWritesEveryDefault()
    {
        ConfigHome home;
        QVERIFY(!QFileInfo::exists(home.file()));
        Run run;
        QVERIFY(QFileInfo::exists(home.file()));
        QCOMPARE(home.read(), QByteArray());
        TMainForm &f = *run.form;
        QVERIFY(f.Records == BestRecords{});
        QVERIFY(f.Stats == GameStats{});
        QVERIFY(f.Sound1->isChecked());
        QVERIFY(!f.sc1->isChecked());
        QVERIFY(f.NormalGame1->isChecked());
        QVERIFY(f.WelcomeFlag);
        f.close();
        QVERIFY(run.fake.messages.shown.empty());
        QCOMPARE(keysOf(home.read()), KeyOrder);
        QVERIFY(LoadSettings(home.file()).values == PegoraSettings{});
    }

    void theBoardStartsAsTheFileSaysAndWritesItsStateBack()
    {
        ConfigHome home;
        QVERIFY(SaveSettings(home.file(), someSettings(), nullptr));
        Run run;
        TMainForm &f = *run.form;
        QVERIFY(run.fake.messages.shown.empty());
        QCOMPARE(f.Records.Table[2].Name, QStringLiteral("Player 3"));
        QCOMPARE(f.Records.WordsOfWisdom, QStringLiteral("Think first"));
        QCOMPARE(f.Stats.NoEndCount, std::int16_t(-5));
        QVERIFY(!f.Sound1->isChecked());
        QVERIFY(f.sc1->isChecked());
        QVERIFY(f.tc1->isChecked() && !f.NormalGame1->isChecked());
        QCOMPARE(f.Game.Positions, 3); // the first game is at "3 Colors"
        QVERIFY(f.hole(1, 4)->isHidden());
        QVERIFY(!f.WelcomeFlag);
        f.Sound1Click();
        f.Stats.GameCount = 46;
        f.Records.Table[0].Name = QStringLiteral("Changed");
        f.WelcomeFlag = true;
        f.close();
        const PegoraSettings back = LoadSettings(home.file()).values;
        QVERIFY(back.Sound);
        QCOMPARE(back.Stats.GameCount, std::int16_t(46));
        QCOMPARE(back.Best.Table[0].Name, QStringLiteral("Changed"));
        QVERIFY(back.WelcomeBox);
        QVERIFY(back.Single && back.ThreeColors);
    }

    void aTotalThatIsNoNumberIsToldAndCountsFromZero()
    {
        ConfigHome home;
        home.write("[Players]\nPlayer1=Ada\nGuess1=3\n[Statistics]\nsecMean=abc\nguessMean=18\n"
                   "gameMean=4\nnoendMean=\n[Options]\nSound=0\nWelcomeBox=0\n");
        Run run;
        const auto errors = run.errors();
        QCOMPARE(errors.size(), size_t(1)); // one box for all that is damaged
        QVERIFY(errors[0].text.contains("'abc' is not a valid integer value."));
        QVERIFY(errors[0].text.contains("secMean"));
        QVERIFY(errors[0].text.contains("'' is not a valid integer value."));
        QVERIFY(errors[0].text.contains(home.file()));
        QCOMPARE(errors[0].buttons, int(platform::Ok));
        // Everything else is read all the same.
        const TMainForm &f = *run.form;
        QVERIFY(f.Stats == (GameStats{0, 18, 4, 0}));
        QCOMPARE(f.Records.Table[0].Name, QStringLiteral("Ada"));
        QCOMPARE(f.Records.Table[0].Guesses, QStringLiteral("3"));
        QCOMPARE(f.Records.Table[1].Name, QStringLiteral("Tema Ludd"));
        QVERIFY(!f.Sound1->isChecked());
        QVERIFY(!f.WelcomeFlag);
        run.form->close();
        QVERIFY(home.read().contains("secMean=0\n"));
    }

    void totalsBeyondSixteenBitsStopAtTheLimits()
    {
        QCOMPARE(ParseTotal("-5"), std::optional<std::int16_t>(-5));
        QCOMPARE(ParseTotal(" +12 "), std::optional<std::int16_t>(12));
        QCOMPARE(ParseTotal("32767"), std::optional<std::int16_t>(32767));
        QCOMPARE(ParseTotal("32768"), std::optional<std::int16_t>(32767));
        QCOMPARE(ParseTotal("65541"), std::optional<std::int16_t>(32767)); // not 5
        QCOMPARE(ParseTotal("-40000"), std::optional<std::int16_t>(-32768));
        QCOMPARE(ParseTotal("99999999999999999999999"), std::optional<std::int16_t>(32767));
        QCOMPARE(ParseTotal("-99999999999999999999999"), std::optional<std::int16_t>(-32768));
        for (const char *bad : {"", "12abc", "1.5", "0x10", "- 3", "1 2"})
            QCOMPARE(ParseTotal(QString::fromLatin1(bad)), std::nullopt);

        ConfigHome home;
        home.write("[Statistics]\nsecMean=70000\ngameMean=-3\n");
        const SettingsLoad load = LoadSettings(home.file());
        QVERIFY(load.problems.isEmpty());
        QCOMPARE(load.values.Stats.SecTotal, std::int16_t(32767));
        QCOMPARE(load.values.Stats.GameCount, std::int16_t(-3));
    }

    void namesAndWordsAreCutTo50()
    {
        ConfigHome home;
        const QString sixty = QString(60, QLatin1Char('x'));
        home.write(("[Players]\nPlayer1=" + sixty + "\nwow=" + sixty + "\nGuess2=" + sixty + "\n").toUtf8());
        const PegoraSettings s = LoadSettings(home.file()).values;
        QCOMPARE(s.Best.Table[0].Name, QString(50, QLatin1Char('x')));
        QCOMPARE(s.Best.WordsOfWisdom, QString(50, QLatin1Char('x')));
        QCOMPARE(s.Best.Table[1].Guesses.size(), 50);
    }

    void anEmptyFileOrJunkGivesTheDefaults()
    {
        ConfigHome home;
        home.write("");
        SettingsLoad load = LoadSettings(home.file());
        QVERIFY(load.problems.isEmpty());
        QVERIFY(load.values == PegoraSettings{});

        QByteArray junk;
        for (int i = 0; i < 4096; ++i)
            junk.append(char((i * 7919 + 13) % 256));
        home.write(junk);
        Run run;
        QVERIFY(run.form->Records == BestRecords{});
        run.form->close();
        // The close still writes every key, and the file reads back.
        const QStringList keys = keysOf(home.read());
        for (const QString &key : KeyOrder)
            QVERIFY2(keys.contains(key), qPrintable(key));
        QVERIFY(LoadSettings(home.file()).values == PegoraSettings{});
    }

    void aFolderInPlaceOfTheFileIsToldAndLeftAlone()
    {
        ConfigHome home;
        QVERIFY(QDir(home.dir.path()).mkdir(QStringLiteral("Pegora.INI")));
        QFile inside(home.file() + QStringLiteral("/keep"));
        QVERIFY(inside.open(QIODevice::WriteOnly));
        inside.close();
        Run run;
        auto errors = run.errors();
        QCOMPARE(errors.size(), size_t(1));
        QVERIFY(errors[0].text.contains(home.file()));
        QVERIFY(run.form->Records == BestRecords{});
        run.form->close();
        QCOMPARE(run.errors().size(), size_t(1)); // no second box at the close
        QVERIFY(QFileInfo(home.file()).isDir());
        QVERIFY(QFileInfo::exists(home.file() + QStringLiteral("/keep")));
    }

    void aFileThatCouldNotBeReadIsNotReplacedAtTheClose()
    {
        ConfigHome home;
        home.write("[Players]\nPlayer1=Ada\n");
        // Unreadable at the start; readable again before the close.
        QVERIFY(QFile::setPermissions(home.file(), QFileDevice::WriteOwner));
        SettingsLoad load = LoadSettings(home.file());
        QFile::setPermissions(home.file(), QFileDevice::ReadOwner | QFileDevice::WriteOwner);
        if (!load.keepFile)
            QSKIP("running with rights that read any file");
        QCOMPARE(load.problems.size(), 1);
        QVERIFY(load.problems[0].contains(home.file()));
        QVERIFY(load.values == PegoraSettings{});
    }

    void aReadOnlyFileIsReadAndTheFailedSaveIsToldByName()
    {
        ConfigHome home;
        QVERIFY(SaveSettings(home.file(), someSettings(), nullptr));
        const QByteArray before = home.read();
        QVERIFY(QFile::setPermissions(home.file(), QFileDevice::ReadOwner | QFileDevice::ReadGroup));
        {
            Run run;
            QVERIFY(run.errors().empty());
            QCOMPARE(run.form->Records.WordsOfWisdom, QStringLiteral("Think first"));
            run.form->Stats.GameCount = 99;
            run.form->close();
            const auto errors = run.errors();
            QCOMPARE(errors.size(), size_t(1));
            QVERIFY(errors[0].text.contains(home.file()));
            QVERIFY(!run.form->isVisible());
        }
        QCOMPARE(home.read(), before);
        QFile::setPermissions(home.file(), QFileDevice::ReadOwner | QFileDevice::WriteOwner);
    }

    void noPlaceForTheFileIsToldAtStartAndAtTheClose()
    {
        ConfigHome home;
        home.write("not a folder");
        const QString below = home.file() + QStringLiteral("/cfg");
        qputenv("XDG_CONFIG_HOME", below.toLocal8Bit()); // a folder that cannot be made
        Run run;
        QCOMPARE(run.errors().size(), size_t(1));
        QVERIFY(run.errors()[0].text.contains(QStringLiteral("Pegora.INI")));
        QVERIFY(run.form->Records == BestRecords{});
        run.form->close();
        QCOMPARE(run.errors().size(), size_t(2));
        QVERIFY(run.errors()[1].text.contains(below));
        QCOMPARE(home.read(), QByteArray("not a folder"));
    }
};

GAMES_TEST(TestSettings);
#include "tst_settings.moc"
