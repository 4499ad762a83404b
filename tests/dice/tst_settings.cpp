#include "dice/bp.h"
#include "dice/mainform.h"
#include "dice/settings.h"
#include "platform/settingsfile.h"
#include "platform/testing/fakeplatform.h"
#include "tests/support/files.h"
#include "tests/support/testregistry.h"

#include <QAction>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QTemporaryDir>
#include <QTest>

#include <memory>

using namespace kubolo;
using namespace Qt::StringLiterals;
using platform::testing::FakePlatform;

namespace {

KuboloSettings readBack(const QString &path)
{
    platform::SettingsFile file(path);
    return readSettings(file);
}

// The key lines of a file in their order, blank lines left out.
QStringList keyLines(const QString &path)
{
    QStringList out;
    for (const QByteArray &line : readAll(path).split('\n'))
        if (!line.trimmed().isEmpty())
            out << QString::fromUtf8(line.trimmed());
    return out;
}

const QStringList DefaultLines = {u"[Players]"_s,     u"Player1=K. Ardell"_s,
                                  u"Score1=300"_s,    u"Player2=M. de Sorbin"_s,
                                  u"Score2=275"_s,    u"Player3=R.T. de Lavoie"_s,
                                  u"Score3=250"_s,    u"Player4=E.V. Halloran"_s,
                                  u"Score4=225"_s,    u"Player5=D. Quennel"_s,
                                  u"Score5=200"_s,    u"Wow=Hi, guys !"_s,
                                  u"[Statistics]"_s,  u"totalGames=0"_s,
                                  u"totalPoints=0"_s, u"totalKubolo=0"_s,
                                  u"[Options]"_s,     u"Sound=1"_s,
                                  u"Roll=1"_s};

const QByteArray Prepared = "[Players]\nPlayer1=Zed\nScore1=410\nPlayer2=Yva\nScore2=390\nPlayer3=Xio\n"
                            "Score3=380\nPlayer4=Wim\nScore4=201\nPlayer5=Val\nScore5=199\nWow=Roll high\n\n"
                            "[Statistics]\ntotalGames=40000\ntotalPoints=9000000\ntotalKubolo=77\n\n"
                            "[Options]\nSound=0\nRoll=0\n";

KuboloSettings preparedSettings()
{
    KuboloSettings s;
    s.table = {
        {{u"Zed"_s, u"410"_s}, {u"Yva"_s, u"390"_s}, {u"Xio"_s, u"380"_s}, {u"Wim"_s, u"201"_s}, {u"Val"_s, u"199"_s}}};
    s.wordsOfWisdom = u"Roll high"_s;
    s.stats = {40000, 9000000, 77};
    s.sound = false;
    s.roll = false;
    return s;
}

} // namespace

class KuboloSettingsTest : public QObject {
    Q_OBJECT
    // The private settings directory the test program runs in.
    QString dir() const { return qEnvironmentVariable("XDG_CONFIG_HOME"); }
    QString file() const { return dir() + u"/KUBOLO.INI"_s; }

    std::unique_ptr<TMainForm> start(FakePlatform &fake)
    {
        auto form = std::make_unique<TMainForm>(fake.platform);
        form->dialogs();
        return form;
    }

    // A clean directory for each test: no file, nothing left from before
    // (nor after, for the other windows of this program).
    void clean()
    {
        QDir d(dir());
        for (const QString &e : d.entryList(QDir::Files | QDir::Dirs | QDir::NoDotAndDotDot | QDir::Hidden)) {
            QFile::setPermissions(d.filePath(e), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
            QFileInfo(d.filePath(e)).isDir() ? void(QDir(d.filePath(e)).removeRecursively())
                                             : void(QFile::remove(d.filePath(e)));
        }
    }

private slots:
    void init() { clean(); }
    void cleanup() { clean(); }

    void firstRunShowsDefaultsAndWritesEveryKey()
    {
        FakePlatform fake;
        auto form = start(fake);
        QVERIFY(QFileInfo::exists(file())); // made empty at start
        QCOMPARE(readAll(file()), QByteArray());
        QVERIFY(fake.messages.shown.empty());
        QVERIFY(form->Suono1->isChecked());
        QVERIFY(form->Roll1->isChecked());
        QCOMPARE(form->dialogs().BestPlayers.table(), defaultBestPlayers());
        QCOMPARE(form->records().best.WordsOfWisdom, u"Hi, guys !"_s);
        QCOMPARE(form->records().stats, DiceStats{});
        form->show();
        form->close();
        QCOMPARE(keyLines(file()), DefaultLines);
        QVERIFY(fake.messages.shown.empty());
    }

    void everyKeyRoundTrips()
    {
        writeAll(file(), Prepared);
        QCOMPARE(readBack(file()), preparedSettings());
        FakePlatform fake;
        auto form = start(fake);
        QVERIFY(!form->Suono1->isChecked());
        QVERIFY(!form->Roll1->isChecked());
        QCOMPARE(form->dialogs().BestPlayers.n1->text(), u"Zed"_s);
        QCOMPARE(form->dialogs().BestPlayers.pn5->text(), u"199"_s);
        QCOMPARE(form->currentSettings(), preparedSettings());
        form->close();
        // Rewritten in place: the same keys in the same order.
        const QByteArray before = readAll(file());
        writeAll(file(), Prepared);
        const QStringList prepared = keyLines(file());
        writeAll(file(), before);
        QCOMPARE(keyLines(file()), prepared);
    }

    void damagedValues_data()
    {
        QTest::addColumn<QByteArray>("line");
        QTest::addColumn<QString>("expected"); // the value as the close writes it back
        QTest::newRow("total not a number") << QByteArray("[Statistics]\ntotalGames=many") << "totalGames=0";
        QTest::newRow("total beyond its width")
            << QByteArray("[Statistics]\ntotalPoints=99999999999999999999") << "totalPoints=2147483647";
        QTest::newRow("negative total") << QByteArray("[Statistics]\ntotalKubolo=-40") << "totalKubolo=0";
        QTest::newRow("wrapped old total") << QByteArray("[Statistics]\ntotalPoints=-32000") << "totalPoints=0";
        QTest::newRow("long name") << QByteArray("[Players]\nPlayer2=") + QByteArray(60, 'n')
                                   << u"Player2="_s + QString(50, u'n');
        QTest::newRow("long words") << QByteArray("[Players]\nWow=") + QByteArray(60, 'w')
                                    << u"Wow="_s + QString(50, u'w');
        QTest::newRow("score not a number, kept") << QByteArray("[Players]\nScore3=lots") << "Score3=lots";
        QTest::newRow("sound not a number") << QByteArray("[Options]\nSound=loud") << "Sound=1";
        QTest::newRow("roll any non-zero") << QByteArray("[Options]\nRoll=-7") << "Roll=1";
        QTest::newRow("sound off") << QByteArray("[Options]\nsound = 0 ")
                                   << "sound = 0"; // the same value: the line as it was
    }

    void damagedValues()
    {
        QFETCH(QByteArray, line);
        QFETCH(QString, expected);
        writeAll(file(), line + "\n");
        FakePlatform fake;
        auto form = start(fake);
        // Only a total that is no number at all is told about, as Pegora's are.
        if (line.contains("many")) {
            QCOMPARE(fake.messages.shown.size(), size_t(1));
            QCOMPARE(fake.messages.lastText(), u"'many' is not a valid integer value.\nThe statistics total totalGames "
                                               u"in \"%1\" counts from 0."_s.arg(file()));
        } else {
            QVERIFY(fake.messages.shown.empty());
        }
        form->close();
        const QStringList lines = keyLines(file());
        QVERIFY2(lines.contains(expected), qPrintable(lines.join(u'|')));
        // Every other key is still there and the file reads back whole.
        QCOMPARE(lines.size(), DefaultLines.size());
    }

    void emptyAndJunkFiles()
    {
        writeAll(file(), QByteArray());
        {
            FakePlatform fake;
            auto form = start(fake);
            QCOMPARE(form->currentSettings(), KuboloSettings{});
            form->close();
            QCOMPARE(keyLines(file()), DefaultLines);
        }
        // Binary junk around one good value: the value counts, the junk stays
        // out of the way and the file can still be read after the close.
        QByteArray junk;
        for (int i = 0; i < 300; ++i)
            junk += char((i * 37 + 11) % 256);
        writeAll(file(), junk + "\n[Statistics]\ntotalGames=12\n" + junk);
        {
            FakePlatform fake;
            auto form = start(fake);
            QVERIFY(fake.messages.shown.empty());
            QCOMPARE(form->records().stats.totalGames, 12);
            QCOMPARE(form->dialogs().BestPlayers.table(), defaultBestPlayers());
            form->close();
        }
        platform::SettingsFile again(file());
        QVERIFY(again.problems().isEmpty());
        KuboloSettings expected;
        expected.stats.totalGames = 12;
        QCOMPARE(readSettings(again), expected);
    }

    void aFolderInPlaceOfTheFileIsLeftAlone()
    {
        QVERIFY(QDir().mkpath(file()));
        FakePlatform fake;
        auto form = start(fake);
        QCOMPARE(fake.messages.shown.size(), size_t(1));
        QCOMPARE(fake.messages.shown[0].icon, platform::MsgIcon::Error);
        QVERIFY(fake.messages.lastText().contains(file()));
        QCOMPARE(form->currentSettings(), KuboloSettings{});
        form->show();
        QVERIFY(form->close());
        QCOMPARE(fake.messages.shown.size(), size_t(1)); // nothing more at the close
        QVERIFY(QFileInfo(file()).isDir());
    }

    void readOnlyFileReportsTheFailedSave()
    {
        writeAll(file(), Prepared);
        QFile::setPermissions(file(), QFile::ReadOwner | QFile::ReadGroup | QFile::ReadOther);
        FakePlatform fake;
        auto form = start(fake);
        QVERIFY(fake.messages.shown.empty());
        QCOMPARE(form->currentSettings(), preparedSettings()); // read as usual
        form->records().stats.recordGame(100, 0);
        form->show();
        QVERIFY(form->close()); // the program still closes
        QVERIFY(!form->isVisible());
        QCOMPARE(fake.messages.shown.size(), size_t(1));
        QCOMPARE(fake.messages.shown[0].icon, platform::MsgIcon::Error);
        QVERIFY(fake.messages.lastText().contains(file()));
        QCOMPARE(readAll(file()), Prepared);
    }
};

GAMES_TEST(KuboloSettingsTest);
#include "tst_settings.moc"
