#include "codebreaking/mainform.h"
#include "codebreaking/settings.h"
#include "platform/settingsfile.h"
#include "platform/testing/fakeplatform.h"
#include "tests/codebreaking/confighome.h"
#include "tests/support/testregistry.h"

#include <QAction>
#include <QDir>
#include <QFileInfo>
#include <QTest>

using namespace codebreaking;
using namespace Qt::StringLiterals;
using platform::MsgIcon;

namespace {

// Every test of this program runs away from the real configuration, also
// those that make a board without a directory of their own.
const ConfigHome programHome;

const QStringList KeyOrder = {u"Player1"_s,  u"Guess1"_s,    u"Sec1"_s,  u"Player2"_s, u"Guess2"_s,  u"Sec2"_s,
                              u"Player3"_s,  u"Guess3"_s,    u"Sec3"_s,  u"Player4"_s, u"Guess4"_s,  u"Sec4"_s,
                              u"Player5"_s,  u"Guess5"_s,    u"Sec5"_s,  u"wow"_s,     u"secMean"_s, u"guessMean"_s,
                              u"gameMean"_s, u"noendMean"_s, u"Sound"_s, u"Single"_s,  u"3colors"_s, u"WelcomeBox"_s,
                              u"Symbols"_s}; // the colour-blind aid, after the older keys

QStringList keysOf(const QByteArray &text)
{
    QStringList keys;
    for (const QByteArray &line : QByteArray(text).replace('\r', '\n').split('\n')) // any line end
        if (line.contains('=') && !line.startsWith(';'))
            keys << QString::fromUtf8(line.left(line.indexOf('=')));
    return keys;
}

// What a board would read from the file, and what it would be told.
PegoraSettings read(const QString &path, QStringList *problems = nullptr)
{
    platform::SettingsFile file(path);
    const PegoraSettings s = readSettings(file);
    if (problems)
        *problems = file.problems();
    return s;
}

bool write(const QString &path, const PegoraSettings &s)
{
    platform::SettingsFile file(path);
    return writeSettings(file, s, nullptr);
}

PegoraSettings someSettings()
{
    PegoraSettings s;
    for (int i = 0; i < BestPlaces; ++i)
        s.best.table[i] = {u"Player %1"_s.arg(i + 1), QString::number(2 + i), QString::number(30 + i)};
    s.best.table[4].name = u"Zo\u00eb \u00c5ngstr\u00f6m = 1; [x]"_s;
    s.best.WordsOfWisdom = u"Think first"_s;
    s.stats = {1234, 321, 45, -5};
    s.sound = false;
    s.single = true;
    s.threeColors = true;
    s.welcomeBox = false;
    s.symbols = true;
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
        QVERIFY(write(home.file(), s));
        QCOMPARE(keysOf(home.read()), KeyOrder);
        QStringList problems;
        QVERIFY(read(home.file(), &problems) == s);
        QVERIFY(problems.isEmpty());
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
        QVERIFY(!f.Symbols1->isChecked() && !f.hole(1, 1)->Symbols());
        f.close();
        QVERIFY(run.fake.messages.shown.empty());
        QCOMPARE(keysOf(home.read()), KeyOrder);
        QVERIFY(read(home.file()) == PegoraSettings{});
    }

    void theBoardStartsAsTheFileSaysAndWritesItsStateBack()
    {
        ConfigHome home;
        QVERIFY(write(home.file(), someSettings()));
        Run run;
        TMainForm &f = *run.form;
        QVERIFY(run.fake.messages.shown.empty());
        QCOMPARE(f.Records.table[2].name, u"Player 3"_s);
        QCOMPARE(f.Records.WordsOfWisdom, u"Think first"_s);
        QCOMPARE(f.Stats.NoEndCount, std::int16_t(-5));
        QVERIFY(!f.Sound1->isChecked());
        QVERIFY(f.sc1->isChecked());
        QVERIFY(f.tc1->isChecked() && !f.NormalGame1->isChecked());
        QCOMPARE(f.Game.Positions, 3); // the first game is at "3 Colors"
        QVERIFY(f.hole(1, 4)->isHidden());
        QVERIFY(!f.WelcomeFlag);
        QVERIFY(f.Symbols1->isChecked());
        QVERIFY(f.hole(2, 3)->Symbols() && f.palettePeg(PegColor::Blue)->Symbols() && f.code(1)->Symbols());
        f.Symbols1Click();
        QVERIFY(!f.hole(2, 3)->Symbols());
        f.Sound1Click();
        f.Stats.GameCount = 46;
        f.Records.table[0].name = u"Changed"_s;
        f.WelcomeFlag = true;
        f.close();
        const PegoraSettings back = read(home.file());
        QVERIFY(back.sound);
        QCOMPARE(back.stats.GameCount, std::int16_t(46));
        QCOMPARE(back.best.table[0].name, u"Changed"_s);
        QVERIFY(back.welcomeBox && !back.symbols);
        QVERIFY(back.single && back.threeColors);
    }

    void aTotalThatIsNoNumberIsToldAndCountsFromZero()
    {
        ConfigHome home;
        home.write("[Players]\nPlayer1=Ada\nGuess1=3\n[Statistics]\nsecMean=abc\nguessMean=18\n"
                   "gameMean=4\nnoendMean=\n[Options]\nSound=0\nWelcomeBox=0\n");
        Run run;
        const auto errors = run.errors();
        QCOMPARE(errors.size(), size_t(1)); // one box for all that is damaged
        QVERIFY(errors[0].text.contains(u"'abc' is not a valid integer value."_s));
        QVERIFY(errors[0].text.contains(u"secMean"_s));
        QVERIFY(errors[0].text.contains(u"'' is not a valid integer value."_s));
        QVERIFY(errors[0].text.contains(home.file()));
        QCOMPARE(errors[0].buttons, int(platform::Ok));
        // Everything else is read all the same.
        const TMainForm &f = *run.form;
        QVERIFY(f.Stats == (GameStats{0, 18, 4, 0}));
        QCOMPARE(f.Records.table[0], (BestEntry{u"Ada"_s, u"3"_s, u"100"_s}));
        QCOMPARE(f.Records.table[1].name, u"Tema Ludd"_s);
        QVERIFY(!f.Sound1->isChecked());
        QVERIFY(!f.WelcomeFlag);
        run.form->close();
        QVERIFY(home.read().contains("secMean=0\n"));
    }

    void totalsBeyondSixteenBitsStopAtTheLimits()
    {
        ConfigHome home;
        home.write("[Statistics]\nsecMean=70000\nguessMean=-99999999999999999999999\ngameMean=-3\nnoendMean= +12 \n");
        QStringList problems;
        QVERIFY(read(home.file(), &problems).stats == (GameStats{32767, -32768, -3, 12}));
        QVERIFY(problems.isEmpty());
        for (const QString &bad : {u"12abc"_s, u"1.5"_s, u"0x10"_s, u"- 3"_s, u"1 2"_s}) {
            home.write("[Statistics]\ngameMean=" + bad.toLatin1() + '\n');
            QCOMPARE(read(home.file(), &problems).stats.GameCount, std::int16_t(0));
            QCOMPARE(problems.size(), 1);
        }
    }

    void namesAndWordsAreCutTo50()
    {
        ConfigHome home;
        const QByteArray sixty(60, 'x');
        home.write("[Players]\nPlayer1=" + sixty + "\nwow=" + sixty + "\nGuess2=" + sixty + '\n');
        const PegoraSettings s = read(home.file());
        QCOMPARE(s.best.table[0].name, QString(50, u'x'));
        QCOMPARE(s.best.WordsOfWisdom, QString(50, u'x'));
        QCOMPARE(s.best.table[1].guesses.size(), 50);
    }

    void anEmptyFileOrJunkGivesTheDefaults()
    {
        ConfigHome home;
        home.write("");
        QStringList problems;
        QVERIFY(read(home.file(), &problems) == PegoraSettings{});
        QVERIFY(problems.isEmpty());

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
        QVERIFY(read(home.file()) == PegoraSettings{});
    }

    void aFolderInPlaceOfTheFileIsToldAndLeftAlone()
    {
        ConfigHome home;
        QVERIFY(QDir().mkpath(home.file() + u"/keep"_s));
        Run run;
        auto errors = run.errors();
        QCOMPARE(errors.size(), size_t(1));
        QVERIFY(errors[0].text.contains(home.file()));
        QVERIFY(run.form->Records == BestRecords{});
        run.form->close();
        QCOMPARE(run.errors().size(), size_t(1)); // no second box at the close
        QVERIFY(QFileInfo::exists(home.file() + u"/keep"_s));
    }

    // A folder is what no one, root included, can read as a file. Put right
    // while the board is open, the file is still not replaced at the close:
    // what the board holds are defaults, not what the file says.
    void aFileThatCouldNotBeReadIsNotReplacedAtTheClose()
    {
        ConfigHome home;
        QVERIFY(QDir().mkdir(home.file()));
        Run run;
        QCOMPARE(run.errors().size(), size_t(1));
        run.form->Stats.GameCount = 7;
        QVERIFY(QDir().rmdir(home.file()));
        home.write("[Players]\nPlayer1=Ada\n");
        run.form->close();
        QVERIFY(!run.form->isVisible());
        QCOMPARE(run.errors().size(), size_t(1));
        QCOMPARE(home.read(), QByteArray("[Players]\nPlayer1=Ada\n"));
    }

    void aReadOnlyFileIsReadAndTheFailedSaveIsToldByName()
    {
        ConfigHome home;
        QVERIFY(write(home.file(), someSettings()));
        const QByteArray before = home.read();
        QVERIFY(QFile::setPermissions(home.file(), QFileDevice::ReadOwner | QFileDevice::ReadGroup));
        {
            Run run;
            QVERIFY(run.errors().empty());
            QCOMPARE(run.form->Records.WordsOfWisdom, u"Think first"_s);
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
        const QString below = home.file() + u"/cfg"_s;
        qputenv("XDG_CONFIG_HOME", below.toLocal8Bit()); // a folder that cannot be made
        Run run;
        QCOMPARE(run.errors().size(), size_t(1));
        QVERIFY(run.errors()[0].text.contains(u"Pegora.INI"_s));
        QVERIFY(run.form->Records == BestRecords{});
        run.form->close();
        QCOMPARE(run.errors().size(), size_t(2));
        QVERIFY(run.errors()[1].text.contains(below));
        QCOMPARE(home.read(), QByteArray("not a folder"));
    }
};

GAMES_TEST(TestSettings);
#include "tst_settings.moc"
