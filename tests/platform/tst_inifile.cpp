#include "platform/inifile.h"
#include "platform/settingsdir.h"
#include "tests/support/files.h"
#include "tests/support/testregistry.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <QTest>

#include <algorithm>
#include <csignal>
#include <pwd.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

using namespace Qt::StringLiterals;

using platform::TIniFile;

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
        QCOMPARE(ini.ReadString(u"Players"_s, u"Player1"_s, u"x"_s), QStringLiteral("Ada Quill"));
        QCOMPARE(ini.ReadString(u"PLAYERS"_s, u"name"_s, u"x"_s), QStringLiteral("quoted"));
        QCOMPARE(ini.ReadString(u"Players"_s, u"dup"_s, u"x"_s), QStringLiteral("first"));
        QCOMPARE(ini.ReadString(u"Players"_s, u"missing"_s, u"def"_s), QStringLiteral("def"));
        QCOMPARE(ini.ReadString(u"Nowhere"_s, u"Player1"_s, u"def"_s), QStringLiteral("def"));
        QCOMPARE(ini.ReadBool(u"options"_s, u"sound"_s, false), true); // any non-zero integer
        QCOMPARE(ini.ReadBool(u"Options"_s, u"Single"_s, true), false);
        QCOMPARE(ini.ReadBool(u"Options"_s, u"Bad"_s, true), true); // not a number: the default
        QCOMPARE(ini.ReadBool(u"Options"_s, u"Bad"_s, false), false);
        QCOMPARE(ini.ReadBool(u"Options"_s, u"Half"_s, false), false);
        QCOMPARE(ini.ReadBool(u"Options"_s, u"Missing"_s, true), true);
        QCOMPARE(ini.ReadInteger(u"Options"_s, u"Neg"_s, 0), -5LL);
        QVERIFY(ini.ValueExists(u"options"_s, u"NEG"_s));
        QVERIFY(!ini.ValueExists(u"options"_s, u"nothing"_s));
    }

    void writesInPlaceAndAppendsInOrder()
    {
        writeAll(path(), "; about the players\n[Players]\nPlayer1=Old\nOther=keep me\n\n[Extra]\nx=1\n");
        {
            TIniFile ini(path());
            ini.WriteString(u"Players"_s, u"Guess1"_s, u"4"_s);
            ini.WriteString(u"players"_s, u"player1"_s, u"New"_s);
            ini.WriteString(u"Players"_s, u"Sec1"_s, u"100"_s);
            ini.WriteBool(u"Options"_s, u"Sound"_s, true);
            ini.WriteBool(u"Options"_s, u"Single"_s, false);
            QVERIFY(ini.UpdateFile());
        }
        const QString text = QString::fromUtf8(readAll(path()));
        QVERIFY(text.contains(u"Sec1=100\n\n[Extra]"_s)); // one blank line between sections
        QVERIFY(text.contains(u"; about the players"_s));
        QVERIFY(text.contains(u"Other=keep me"_s));
        QVERIFY(text.contains(u"[Extra]"_s));
        const int p1 = text.indexOf(u"Player1=New"_s), g1 = text.indexOf(u"Guess1=4"_s),
                  s1 = text.indexOf(u"Sec1=100"_s), other = text.indexOf(u"Other="_s);
        QVERIFY(p1 >= 0 && p1 < other && other < g1 && g1 < s1);
        QVERIFY(text.indexOf(u"Sound=1"_s) < text.indexOf(u"Single=0"_s));
        TIniFile again(path());
        QCOMPARE(again.ReadString(u"Players"_s, u"Player1"_s, u""_s), QStringLiteral("New"));
        QCOMPARE(again.ReadBool(u"Options"_s, u"Sound"_s, false), true);
    }

    void damagedTextIsReadSafelyAndNotLost()
    {
        static const char damaged[] = "[A]\nk=v\0alue\nloose line\nname=Jos\xE9\n";
        writeAll(path(), QByteArray(damaged, sizeof damaged - 1));
        TIniFile ini(path());
        QCOMPARE(ini.ReadString(u"A"_s, u"k"_s, u""_s), QStringLiteral("v alue"));
        QCOMPARE(ini.ReadString(u"A"_s, u"name"_s, u""_s), QStringLiteral("Jos\u00e9")); // Latin-1 of old files
        ini.WriteString(u"A"_s, u"multi"_s, u"two\nlines\r\n[B]"_s);
        QVERIFY(ini.UpdateFile());
        const QByteArray saved = readAll(path());
        QVERIFY(saved.contains("loose line"));
        QVERIFY(saved.contains("multi=two lines  [B]"));
        TIniFile again(path());
        QCOMPARE(again.ReadString(u"B"_s, u"anything"_s, u"none"_s), QStringLiteral("none"));
        QCOMPARE(again.ReadString(u"A"_s, u"k"_s, u""_s), QStringLiteral("v alue"));

        // Lines ended by lone carriage returns: a loose one survives the save too.
        writeAll(path(), "[A]\rloose line\rk=v\r");
        TIniFile cr(path());
        QCOMPARE(cr.ReadString(u"A"_s, u"k"_s, u""_s), QStringLiteral("v"));
        cr.WriteString(u"A"_s, u"n"_s, u"1"_s);
        QVERIFY(cr.UpdateFile());
        QVERIFY(readAll(path()).contains("loose line"));
        QCOMPARE(TIniFile(path()).ReadString(u"A"_s, u"n"_s, u""_s), QStringLiteral("1"));

        // Comments that end the file follow no key, yet stay, once, however often it is saved.
        writeAll(path(), "[A]\nk=1\n\n; a note at the end\n# and another\n");
        for (int save = 0; save < 2; ++save) {
            TIniFile tail(path());
            tail.WriteString(u"A"_s, u"k"_s, u"2"_s);
            tail.WriteString(u"B"_s, u"n"_s, u"3"_s);
            QVERIFY(tail.UpdateFile());
        }
        const QByteArray ended = readAll(path());
        QVERIFY(ended.endsWith("n=3\n; a note at the end\n# and another\n"));
        QCOMPARE(ended.count("a note at the end"), 1);
        QCOMPARE(TIniFile(path()).ReadString(u"A"_s, u"k"_s, u""_s), QStringLiteral("2"));

        QByteArray junk;
        for (int i = 0; i < 4096; ++i)
            junk.append(char((i * 7919) & 0xFF));
        writeAll(path(), junk);
        TIniFile binary(path());
        QCOMPARE(binary.ReadString(u"Players"_s, u"Player1"_s, u"def"_s), QStringLiteral("def"));
        QCOMPARE(binary.ReadBool(u"Options"_s, u"Sound"_s, true), true);
    }

    void whatTheGameDidNotChangeComesBackByteForByte()
    {
        // Keys before any section, a comment between keys, text after a
        // header's bracket, a line that is neither section nor key, an empty
        // key, control characters, a byte-order mark in the middle, a broken
        // header, CRLF ends and no end on the last line.
        const QByteArray odd = "\xEF\xBB\xBFlost=before any section\r\n[Players] ; the table\r\n"
                               "Player1 =  Ada  \r\n  ; about the next one\r\nloose line\r\n=no key\r\n"
                               "Ctrl=a\x01\x7F\tb\r\n\xEF\xBB\xBF[Options]\r\nSound=1\r\n[broken\r\nRoll=1\r\n"
                               "; the end";
        writeAll(path(), odd);
        {
            TIniFile ini(path());
            QCOMPARE(ini.ReadString(u"Players"_s, u"Player1"_s, u""_s), u"Ada"_s);
            QCOMPARE(ini.ReadString(u"Players"_s, u"Ctrl"_s, u""_s), u"a\x01\x7F\tb"_s);
            QCOMPARE(ini.ReadBool(u"Options"_s, u"Sound"_s, false), true);
            QVERIFY(!ini.ValueExists(u""_s, u"lost"_s));
            QVERIFY(!ini.ValueExists(u"Options"_s, u"Roll"_s)); // under the broken header
            QVERIFY(!ini.ValueExists(u"Players"_s, u""_s));
            ini.WriteString(u"Players"_s, u"Player1"_s, u"Ada"_s); // reads the same: the line stays
            ini.WriteBool(u"Options"_s, u"Sound"_s, true);
            QVERIFY(ini.UpdateFile());
        }
        QCOMPARE(readAll(path()), odd);

        QByteArray expected = odd;
        expected.replace("Player1 =  Ada  ", "Player1 =  Bo");
        expected.replace("Sound=1\r\n", "Sound=1\r\nSingle=0\r\n");
        // A new section goes before the comment that ends the file; a value
        // that would not read back as itself is quoted.
        expected.replace("; the end", "\r\n[Statistics]\r\nsecMean=\" 5\"\r\n; the end");
        for (int save = 0; save < 2; ++save) {
            TIniFile ini(path());
            ini.WriteString(u"Players"_s, u"Player1"_s, u"Bo"_s);
            ini.WriteBool(u"Options"_s, u"Single"_s, false);
            ini.WriteString(u"Statistics"_s, u"secMean"_s, u" 5"_s);
            QVERIFY(ini.UpdateFile());
            QCOMPARE(readAll(path()), expected);
        }
        QCOMPARE(TIniFile(path()).ReadString(u"Statistics"_s, u"secMean"_s, u""_s), u" 5"_s);
    }

    void aFailedSaveIsReportedAndKeepsTheOldFile()
    {
        writeAll(path(), "[A]\nk=old\n");
        QFile::setPermissions(path(), QFile::ReadOwner);
        TIniFile ini(path());
        ini.WriteString(u"A"_s, u"k"_s, u"new"_s);
        QVERIFY(!ini.UpdateFile());
        QVERIFY(ini.errorString().contains(path()));
        QVERIFY(ini.errorString().contains(u"read-only"_s));
        QFile::setPermissions(path(), QFile::ReadOwner | QFile::WriteOwner);
        QCOMPARE(readAll(path()), QByteArray("[A]\nk=old\n"));

        const QString folder = tmp.filePath(u"Folder.ini"_s);
        QVERIFY(QDir().mkpath(folder));
        TIniFile dir(folder);
        QVERIFY(dir.errorString().contains(u"folder"_s));
        QCOMPARE(dir.ReadString(u"A"_s, u"k"_s, u"def"_s), QStringLiteral("def"));
        dir.WriteString(u"A"_s, u"k"_s, u"v"_s);
        QVERIFY(!dir.UpdateFile());
        QVERIFY(dir.errorString().contains(folder));

        const QString pipe = tmp.filePath(u"Pipe.ini"_s);
        QCOMPARE(::mkfifo(QFile::encodeName(pipe).constData(), 0600), 0);
        TIniFile fifo(pipe); // read at once, not waiting for a writer
        QVERIFY(fifo.errorString().contains(pipe));
        QCOMPARE(fifo.ReadString(u"A"_s, u"k"_s, u"def"_s), QStringLiteral("def"));
        QVERIFY(!fifo.UpdateFile());
        QVERIFY(QFileInfo(pipe).isFile() == false && QFileInfo::exists(pipe));

        TIniFile gone(tmp.filePath(u"no/such/dir/x.ini"_s));
        gone.WriteString(u"A"_s, u"k"_s, u"v"_s);
        QVERIFY(!gone.UpdateFile());
        QVERIFY(gone.errorString().contains(u"no/such/dir"_s));
    }

    void aKilledSaveLeavesTheOldFileOrTheNewOneWhole()
    {
        // A process that saves over and over is killed at odd moments: the file
        // is then, byte for byte, the one before the save or one a save wrote.
        const QString pad(200000, u'x');
        const auto save = [&pad](const QString &at, int n) {
            TIniFile ini(at);
            ini.WriteString(u"A"_s, u"n"_s, QString::number(n));
            ini.WriteString(u"A"_s, u"pad"_s, pad);
            ini.WriteString(u"A"_s, u"end"_s, u"yes"_s);
            return ini.UpdateFile();
        };
        const QByteArray old = "[A]\nn=old\nkeep=this\n";
        // The saver alternates between two versions: old, then 0, 1, 0, 1...
        const QString model = tmp.filePath(u"Model.INI"_s);
        writeAll(model, old);
        QByteArray versions[2];
        for (int n = 0; n < 2; ++n) {
            QVERIFY(save(model, n));
            versions[n] = readAll(model);
        }
        QVERIFY(save(model, 0));
        QCOMPARE(readAll(model), versions[0]);
        QVERIFY(versions[0].contains("keep=this") && versions[0].endsWith("end=yes\n"));

        // 50 kills at random moments; a kill between the temporary file and
        // its rename leaves it behind, and the next save clears it away.
        int newSeen = 0, leftBehind = 0;
        const auto temporaries = [this] {
            return QDir(tmp.path()).entryList({u"Game.INI.*"_s}, QDir::Files | QDir::Hidden);
        };
        // A save's time on this disk now, so the kills fall across saves
        // however busy the machine is; every other round lets a first save
        // land before its kill.
        QElapsedTimer clock;
        clock.start();
        QVERIFY(save(model, 1));
        const int saveUs = int(std::max<qint64>(1000, clock.nsecsElapsed() / 1000));
        for (int round = 0; round < 50; ++round) {
            writeAll(path(), old);
            const pid_t child = fork();
            if (child == 0)
                for (int i = 0;; ++i)
                    save(path(), i % 2);
            if (round % 2)
                QTRY_VERIFY_WITH_TIMEOUT(readAll(path()) != old, 20000);
            ::usleep(useconds_t(QRandomGenerator::global()->bounded(3 * saveUs)));
            ::kill(child, SIGKILL);
            ::waitpid(child, nullptr, 0);
            const QByteArray now = readAll(path());
            QVERIFY2(
                now == old || now == versions[0] || now == versions[1],
                qPrintable(u"round %1: %2 bytes, neither the old file nor a saved one"_s.arg(round).arg(now.size())));
            newSeen += now != old;
            leftBehind += !temporaries().isEmpty();
            // The next close: the file becomes its new version and nothing else stays.
            QVERIFY(save(path(), 1));
            QCOMPARE(readAll(path()), versions[1]);
            QCOMPARE(temporaries(), QStringList());
        }
        qInfo("50 kills: %d reached a saved file, %d left a temporary file behind", newSeen, leftBehind);
        // What a kill leaves at the worst moment goes at the next save; a
        // file of another name stays.
        writeAll(path() + u".k3Xq9Z"_s, "[A]\nn=");
        writeAll(path() + u".keep"_s, "mine");
        QVERIFY(save(path(), 0));
        QCOMPARE(temporaries(), QStringList{u"Game.INI.keep"_s});
        QFile::remove(path() + u".keep"_s);
        QVERIFY(newSeen > 0); // the saves did reach the file
    }

    void noTestReachesTheUsersSettings()
    {
        // Every test program runs in a home of its own, and so does a test
        // that drops XDG_CONFIG_HOME.
        const passwd *user = ::getpwuid(::getuid());
        QVERIFY(user);
        const QString real = QDir(QFile::decodeName(user->pw_dir)).canonicalPath() + u'/';
        const QString given = QDir(platform::settingsDirectory()).canonicalPath() + u'/';
        const QByteArray old = qgetenv("XDG_CONFIG_HOME");
        qunsetenv("XDG_CONFIG_HOME");
        const QString fallback = QDir(platform::settingsDirectory()).canonicalPath() + u'/';
        qputenv("XDG_CONFIG_HOME", old);
        QVERIFY2(!given.startsWith(real), qPrintable(given));
        QVERIFY2(!fallback.startsWith(real), qPrintable(fallback));
    }

    void settingsFileIsCreatedOnce()
    {
        const QByteArray old = qgetenv("XDG_CONFIG_HOME");
        qputenv("XDG_CONFIG_HOME", tmp.filePath(u"cfg"_s).toLocal8Bit());
        QString error;
        const QString created = platform::openSettingsFile(u"Pegora.INI"_s, &error);
        QVERIFY(error.isEmpty());
        QVERIFY(created.endsWith(u"/cfg/Pegora.INI"_s));
        QVERIFY(QFile::exists(created));
        QCOMPARE(QFileInfo(created).size(), 0);
        QFile::rename(created, tmp.filePath(u"cfg/pegora.ini"_s));
        QVERIFY(platform::openSettingsFile(u"Pegora.INI"_s, &error).endsWith(u"/cfg/pegora.ini"_s));
        qputenv("XDG_CONFIG_HOME", old);
    }
};

GAMES_TEST(IniFileTest);
#include "tst_inifile.moc"
