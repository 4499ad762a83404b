#include "tests/support/faultsuite.h"

#include "tests/support/files.h"

#include <QDir>
#include <QFile>
#include <QRandomGenerator>
#include <QTest>

#include <csignal>
#include <sys/resource.h>
#include <sys/stat.h>

using namespace Qt::StringLiterals;
using Shown = platform::testing::FakeMessages::Shown;

namespace {

enum class Expect { Read, Kept };

// What stands at a path, as a user would see it from outside.
QByteArray snapshot(const QString &path)
{
    const QFileInfo info(path);
    if (info.isSymLink())
        return "link to " + QFile::encodeName(info.symLinkTarget());
    if (info.isDir())
        return "folder";
    if (!info.isFile())
        return info.exists() ? "special" : "nothing";
    QFile f(path);
    const QByteArray bytes = f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("unreadable");
    return "file " + bytes;
}

QStringList leftovers(const QString &folder, const QString &name)
{
    return QDir(folder).entryList({name + u".*"_s}, QDir::Files | QDir::Hidden);
}

} // namespace

QString FaultSuite::folder() const { return qEnvironmentVariable("XDG_CONFIG_HOME"); }
QString FaultSuite::path() const { return QDir(folder()).filePath(fileName()); }

void FaultSuite::init() { cleanup(); }

void FaultSuite::cleanup()
{
    QDir d(folder());
    QFile::setPermissions(folder(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    for (const QString &e : d.entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden | QDir::System)) {
        const QFileInfo info(d.filePath(e));
        if (info.isDir() && !info.isSymLink())
            QDir(info.filePath()).removeRecursively();
        else
            QFile::remove(info.filePath());
    }
}

std::vector<Shown> FaultSuite::run(bool change)
{
    platform::testing::FakePlatform fake;
    {
        std::unique_ptr<QWidget> window = start(fake);
        if (change)
            changeAnOption(*window);
        window->close();
    }
    return fake.messages.shown;
}

void FaultSuite::damagedFilesAreReadOrKept_data()
{
    QTest::addColumn<QByteArray>("kind");
    QTest::addColumn<int>("expect");
    const auto read = [](const char *kind) { QTest::newRow(kind) << QByteArray(kind) << int(Expect::Read); };
    const auto kept = [](const char *kind) { QTest::newRow(kind) << QByteArray(kind) << int(Expect::Kept); };
    for (const char *kind : {"empty", "random bytes", "NUL bytes", "not numbers", "huge and negative numbers",
                             "duplicate sections and keys", "byte-order mark", "CRLF", "a very long line"})
        read(kind);
    for (const char *kind : {"a folder", "a FIFO", "a link to /dev/zero", "unreadable"})
        kept(kind);
}

// A file the game can read is read and written back so that a second run
// reads it without a word and leaves it byte for byte; one it cannot read is
// reported at start and is, after the close, what it was.
void FaultSuite::damagedFilesAreReadOrKept()
{
    QFETCH(QByteArray, kind);
    QFETCH(int, expect);
    const QString file = path();
    const QByteArray keys = "[Players]\n[Statistics]\n[Options]\nSound=1\n";
    QByteArray junk(4096, '\0');
    for (char &c : junk)
        c = char(QRandomGenerator::global()->bounded(256));
    if (kind == "empty")
        writeAll(file, {});
    else if (kind == "random bytes")
        writeAll(file, junk);
    else if (kind == "NUL bytes")
        writeAll(file, keys + QByteArray(300, '\0') + "\n[Options]\nSound=\0\0\n");
    else if (kind == "not numbers")
        writeAll(file, "[Players]\nScore1=lots\nGuess1=x\nSec1=\n[Statistics]\nsecMean=many\ntotalGames=ten\n"
                       "gameMean=1e3\n[Options]\nSound=yes\nDeck=blue\nCredits=rich\n");
    else if (kind == "huge and negative numbers")
        writeAll(file, "[Players]\nScore1=99999999999999999999999\nGuess1=-7\n[Statistics]\nsecMean=-99999999999\n"
                       "totalGames=-3\ntotalPoints=18446744073709551617\n[Options]\nSound=-1\nDeck=-2147483649\n");
    else if (kind == "duplicate sections and keys")
        writeAll(file, keys + keys + "[Options]\nSound=0\nSound=1\n");
    else if (kind == "byte-order mark")
        writeAll(file, "\xEF\xBB\xBF" + keys + "\xEF\xBB\xBF[Statistics]\n");
    else if (kind == "CRLF")
        writeAll(file, QByteArray(keys).replace("\n", "\r\n") + "[Other]\rx=1\r");
    else if (kind == "a very long line")
        writeAll(file, keys + "[Players]\nPlayer1=" + QByteArray(1 << 20, 'n') + "\n");
    else if (kind == "a folder")
        QVERIFY(QDir().mkpath(file + u"/inside"_s));
    else if (kind == "a FIFO")
        QCOMPARE(::mkfifo(QFile::encodeName(file).constData(), 0600), 0);
    else if (kind == "a link to /dev/zero")
        QVERIFY(QFile::link(u"/dev/zero"_s, file));
    else if (kind == "unreadable") {
        writeAll(file, keys);
        QVERIFY(QFile::setPermissions(file, QFileDevice::WriteOwner));
    }
    const QByteArray before = snapshot(file);

    const std::vector<Shown> first = run(true);
    if (Expect(expect) == Expect::Kept) {
        QCOMPARE(first.size(), size_t(1)); // told once, at start, not again at the close
        QVERIFY2(first[0].text.contains(file), qPrintable(first[0].text));
        QCOMPARE(snapshot(file), before);
        return;
    }
    const QByteArray written = snapshot(file);
    QVERIFY(written.startsWith("file ") && written != "file ");
    const std::vector<Shown> second = run(false);
    QVERIFY2(second.empty(), qPrintable(second.empty() ? QString() : second.front().text));
    QCOMPARE(snapshot(file), written);
    QVERIFY(leftovers(folder(), fileName()).isEmpty());
}

// With no room left for the file, the close says so and the old file stays
// byte for byte. A size limit stands in for a full disk, so the test needs
// no mount and runs for anyone.
void FaultSuite::aFullDiskLeavesTheOldFileWhole()
{
    const QByteArray old = "[Options]\nSound=1\n; a file the game must never lose\n";
    writeAll(path(), old);
    rlimit saved{};
    QCOMPARE(::getrlimit(RLIMIT_FSIZE, &saved), 0);
    const auto oldHandler = std::signal(SIGXFSZ, SIG_IGN);
    platform::testing::FakePlatform fake;
    {
        std::unique_ptr<QWidget> window = start(fake);
        changeAnOption(*window);
        rlimit full = saved;
        full.rlim_cur = 16;
        QCOMPARE(::setrlimit(RLIMIT_FSIZE, &full), 0);
        window->close();
        ::setrlimit(RLIMIT_FSIZE, &saved);
    }
    std::signal(SIGXFSZ, oldHandler);
    QCOMPARE(fake.messages.shown.size(), size_t(1));
    QVERIFY2(fake.messages.lastText().contains(u"could not be saved"_s), qPrintable(fake.messages.lastText()));
    QCOMPARE(readAll(path()), old);
    QVERIFY(leftovers(folder(), fileName()).isEmpty());
}

void FaultSuite::aReadOnlyFileOrFolderIsReportedAndKept_data()
{
    QTest::addColumn<bool>("folderOnly");
    QTest::newRow("read-only file") << false;
    QTest::newRow("read-only folder") << true;
}

// Marked read-only by its owner, the file stays as it is, even for root.
void FaultSuite::aReadOnlyFileOrFolderIsReportedAndKept()
{
    QFETCH(bool, folderOnly);
    const QByteArray old = "[Options]\nSound=1\n";
    writeAll(path(), old);
    const QString locked = folderOnly ? folder() : path();
    QVERIFY(QFile::setPermissions(locked, QFileDevice::ReadOwner | QFileDevice::ExeOwner));
    const std::vector<Shown> shown = run(true);
    QFile::setPermissions(locked, QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
    QCOMPARE(shown.size(), size_t(1));
    QVERIFY2(shown[0].text.contains(u"cannot be written"_s) && shown[0].text.contains(path()),
             qPrintable(shown[0].text));
    QCOMPARE(readAll(path()), old);
}
