#include "platform/inifile.h"
#include "tests/support/testregistry.h"

#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#include <csignal>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

using platform::TIniFile;

namespace {

QByteArray readAll(const QString &path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

void writeAll(const QString &path, const QByteArray &data)
{
    QFile f(path);
    QVERIFY(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
    f.write(data);
}

} // namespace

class IniFileTest : public QObject {
    Q_OBJECT
    QTemporaryDir tmp;
    QString path() const { return tmp.filePath(QStringLiteral("Game.INI")); }

private slots:
    void init() { QFile::remove(path()); }

    void readsLikeAProfile()
    {
        writeAll(path(), "; kept comment\n[players]\nPLAYER1 =  Ada Quill  \nname=\"quoted\"\n"
                         "dup=first\ndup=second\n[Options]\nSound=2\nSingle=0\nBad=yes\nHalf=12abc\n"
                         "Neg=-5\n");
        TIniFile ini(path());
        QCOMPARE(ini.ReadString("Players", "Player1", "x"), QStringLiteral("Ada Quill"));
        QCOMPARE(ini.ReadString("PLAYERS", "name", "x"), QStringLiteral("quoted"));
        QCOMPARE(ini.ReadString("Players", "dup", "x"), QStringLiteral("first"));
        QCOMPARE(ini.ReadString("Players", "missing", "def"), QStringLiteral("def"));
        QCOMPARE(ini.ReadString("Nowhere", "Player1", "def"), QStringLiteral("def"));
        QCOMPARE(ini.ReadBool("options", "sound", false), true); // any non-zero integer
        QCOMPARE(ini.ReadBool("Options", "Single", true), false);
        QCOMPARE(ini.ReadBool("Options", "Bad", true), true); // not a number: the default
        QCOMPARE(ini.ReadBool("Options", "Bad", false), false);
        QCOMPARE(ini.ReadBool("Options", "Half", false), false);
        QCOMPARE(ini.ReadBool("Options", "Missing", true), true);
        QCOMPARE(ini.ReadInteger("Options", "Neg", 0), -5LL);
        QVERIFY(ini.ValueExists("options", "NEG"));
        QVERIFY(!ini.ValueExists("options", "nothing"));
    }

    void writesInPlaceAndAppendsInOrder()
    {
        writeAll(path(), "; about the players\n[Players]\nPlayer1=Old\nOther=keep me\n\n[Extra]\nx=1\n");
        {
            TIniFile ini(path());
            ini.WriteString("Players", "Guess1", "4");
            ini.WriteString("players", "player1", "New");
            ini.WriteString("Players", "Sec1", "100");
            ini.WriteBool("Options", "Sound", true);
            ini.WriteBool("Options", "Single", false);
            QVERIFY(ini.UpdateFile());
        }
        const QString text = QString::fromUtf8(readAll(path()));
        QVERIFY(text.contains("Sec1=100\n\n[Extra]")); // one blank line between sections
        QVERIFY(text.contains("; about the players"));
        QVERIFY(text.contains("Other=keep me"));
        QVERIFY(text.contains("[Extra]"));
        const int p1 = text.indexOf("Player1=New"), g1 = text.indexOf("Guess1=4"), s1 = text.indexOf("Sec1=100"),
                  other = text.indexOf("Other=");
        QVERIFY(p1 >= 0 && p1 < other && other < g1 && g1 < s1);
        QVERIFY(text.indexOf("Sound=1") < text.indexOf("Single=0"));
        TIniFile again(path());
        QCOMPARE(again.ReadString("Players", "Player1", ""), QStringLiteral("New"));
        QCOMPARE(again.ReadBool("Options", "Sound", false), true);
    }

    void damagedTextIsReadSafelyAndNotLost()
    {
        static const char damaged[] = "[A]\nk=v\0alue\nloose line\nname=Jos\xE9\n";
        writeAll(path(), QByteArray(damaged, sizeof damaged - 1));
        TIniFile ini(path());
        QCOMPARE(ini.ReadString("A", "k", ""), QStringLiteral("v alue"));
        QCOMPARE(ini.ReadString("A", "name", ""), QStringLiteral("Jos\u00e9")); // Latin-1 of old files
        ini.WriteString("A", "multi", "two\nlines\r\n[B]");
        QVERIFY(ini.UpdateFile());
        const QByteArray saved = readAll(path());
        QVERIFY(saved.contains("loose line"));
        QVERIFY(saved.contains("multi=two lines  [B]"));
        TIniFile again(path());
        QCOMPARE(again.ReadString("B", "anything", "none"), QStringLiteral("none"));
        QCOMPARE(again.ReadString("A", "k", ""), QStringLiteral("v alue"));

        // Lines ended by lone carriage returns: a loose one survives the save too.
        writeAll(path(), "[A]\rloose line\rk=v\r");
        TIniFile cr(path());
        QCOMPARE(cr.ReadString("A", "k", ""), QStringLiteral("v"));
        cr.WriteString("A", "n", "1");
        QVERIFY(cr.UpdateFile());
        QVERIFY(readAll(path()).contains("loose line"));
        QCOMPARE(TIniFile(path()).ReadString("A", "n", ""), QStringLiteral("1"));

        // Comments that end the file follow no key, yet stay, once, however often it is saved.
        writeAll(path(), "[A]\nk=1\n\n; a note at the end\n# and another\n");
        for (int save = 0; save < 2; ++save) {
            TIniFile tail(path());
            tail.WriteString("A", "k", "2");
            tail.WriteString("B", "n", "3");
            QVERIFY(tail.UpdateFile());
        }
        const QByteArray ended = readAll(path());
        QVERIFY(ended.endsWith("n=3\n; a note at the end\n# and another\n"));
        QCOMPARE(ended.count("a note at the end"), 1);
        QCOMPARE(TIniFile(path()).ReadString("A", "k", ""), QStringLiteral("2"));

        QByteArray junk;
        for (int i = 0; i < 4096; ++i)
            junk.append(char((i * 7919) & 0xFF));
        writeAll(path(), junk);
        TIniFile binary(path());
        QCOMPARE(binary.ReadString("Players", "Player1", "def"), QStringLiteral("def"));
        QCOMPARE(binary.ReadBool("Options", "Sound", true), true);
    }

    void aFailedSaveIsReportedAndKeepsTheOldFile()
    {
        writeAll(path(), "[A]\nk=old\n");
        QFile::setPermissions(path(), QFile::ReadOwner);
        TIniFile ini(path());
        ini.WriteString("A", "k", "new");
        QVERIFY(!ini.UpdateFile());
        QVERIFY(ini.errorString().contains(path()));
        QVERIFY(ini.errorString().contains("read-only"));
        QFile::setPermissions(path(), QFile::ReadOwner | QFile::WriteOwner);
        QCOMPARE(readAll(path()), QByteArray("[A]\nk=old\n"));

        const QString folder = tmp.filePath("Folder.ini");
        QVERIFY(QDir().mkpath(folder));
        TIniFile dir(folder);
        QVERIFY(dir.errorString().contains("folder"));
        QCOMPARE(dir.ReadString("A", "k", "def"), QStringLiteral("def"));
        dir.WriteString("A", "k", "v");
        QVERIFY(!dir.UpdateFile());
        QVERIFY(dir.errorString().contains(folder));

        const QString pipe = tmp.filePath("Pipe.ini");
        QCOMPARE(::mkfifo(QFile::encodeName(pipe).constData(), 0600), 0);
        TIniFile fifo(pipe); // read at once, not waiting for a writer
        QVERIFY(fifo.errorString().contains(pipe));
        QCOMPARE(fifo.ReadString("A", "k", "def"), QStringLiteral("def"));
        QVERIFY(!fifo.UpdateFile());
        QVERIFY(QFileInfo(pipe).isFile() == false && QFileInfo::exists(pipe));

        TIniFile gone(tmp.filePath("no/such/dir/x.ini"));
        gone.WriteString("A", "k", "v");
        QVERIFY(!gone.UpdateFile());
        QVERIFY(gone.errorString().contains("no/such/dir"));
    }

    void aKilledSaveLeavesAWholeFile()
    {
        // A process that saves over and over is killed at odd moments; the file
        // must always read back as one complete version.
        const QByteArray big(20000, 'x');
        for (int round = 0; round < 6; ++round) {
            const pid_t child = fork();
            if (child == 0) {
                for (int i = 0;; ++i) {
                    TIniFile ini(path());
                    ini.WriteString("A", "n", QString::number(i));
                    ini.WriteString("A", "pad", QString::fromLatin1(big));
                    ini.WriteString("A", "end", "yes");
                    ini.UpdateFile();
                }
            }
            QTest::qSleep(15 + round * 7);
            ::kill(child, SIGKILL);
            ::waitpid(child, nullptr, 0);
            TIniFile ini(path());
            if (QFile::exists(path())) {
                QCOMPARE(ini.ReadString("A", "end", "missing"), QStringLiteral("yes"));
                QCOMPARE(ini.ReadString("A", "pad", "").size(), big.size());
            }
        }
    }

    void settingsFileIsCreatedOnce()
    {
        const QByteArray old = qgetenv("XDG_CONFIG_HOME");
        qputenv("XDG_CONFIG_HOME", tmp.filePath("cfg").toLocal8Bit());
        QString error;
        const QString created = platform::openSettingsFile("Pegora.INI", &error);
        QVERIFY(error.isEmpty());
        QVERIFY(created.endsWith("/cfg/Pegora.INI"));
        QVERIFY(QFile::exists(created));
        QCOMPARE(QFileInfo(created).size(), 0);
        QFile::rename(created, tmp.filePath("cfg/pegora.ini"));
        QVERIFY(platform::openSettingsFile("Pegora.INI", &error).endsWith("/cfg/pegora.ini"));
        qputenv("XDG_CONFIG_HOME", old);
    }
};

GAMES_TEST(IniFileTest);
#include "tst_inifile.moc"
