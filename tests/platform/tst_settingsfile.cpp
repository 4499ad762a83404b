#include "platform/settingsfile.h"
#include "tests/support/files.h"
#include "tests/support/testregistry.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

using platform::SettingsFile;

class SettingsFileTest : public QObject {
    Q_OBJECT
    QTemporaryDir m_home;
    QByteArray m_oldHome = qgetenv("XDG_CONFIG_HOME");
    QString file(const char16_t *name) const { return m_home.filePath(QString::fromUtf16(name)); }

private slots:
    void initTestCase() { qputenv("XDG_CONFIG_HOME", m_home.path().toLocal8Bit()); }
    void cleanupTestCase() { qputenv("XDG_CONFIG_HOME", m_oldHome); }
    void init()
    {
        for (const QString &e : QDir(m_home.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot))
            QFileInfo(m_home.filePath(e)).isDir() ? void(QDir(m_home.filePath(e)).removeRecursively())
                                                  : void(QFile::remove(m_home.filePath(e)));
    }

    void aMissingFileIsMadeAndTheCloseWritesItsKeys()
    {
        SettingsFile settings = SettingsFile::open(QStringLiteral("Game.INI"));
        QCOMPARE(settings.path(), file(u"Game.INI"));
        QVERIFY(QFile::exists(settings.path()));
        QVERIFY(settings.problems().isEmpty() && !settings.keepsFile());
        settings.ini().WriteString(QStringLiteral("Options"), QStringLiteral("Sound"), QStringLiteral("1"));
        settings.ini().WriteInteger(QStringLiteral("Statistics"), QStringLiteral("games"), -5);
        QString error;
        QVERIFY(settings.save(&error));
        QCOMPARE(readAll(settings.path()), QByteArray("[Options]\nSound=1\n\n[Statistics]\ngames=-5\n"));
    }

    void anExistingFileIsFoundIgnoringCaseAndKeepsTheRest()
    {
        writeAll(file(u"game.ini"), "; mine\n[Other]\nx=1\n[OPTIONS]\nsound=0\n");
        SettingsFile settings = SettingsFile::open(QStringLiteral("Game.INI"));
        QCOMPARE(settings.path(), file(u"game.ini"));
        QCOMPARE(settings.ini().ReadBool(QStringLiteral("Options"), QStringLiteral("Sound"), true), false);
        settings.ini().WriteBool(QStringLiteral("Options"), QStringLiteral("Sound"), true);
        QVERIFY(settings.save(nullptr));
        QCOMPARE(readAll(file(u"game.ini")),
                 QByteArray("; mine\n[Other]\nx=1\n[OPTIONS]\nsound=1\n")); // one line changed
        QVERIFY(!QFile::exists(file(u"Game.INI")));
    }

    // Anyone, root included, fails to read a folder. What stands there at
    // the close, even a file that could be read by then, is left alone.
    void aFileThatCouldNotBeReadIsNeverReplaced()
    {
        QVERIFY(QDir().mkpath(file(u"Game.INI/inside")));
        SettingsFile settings = SettingsFile::open(QStringLiteral("Game.INI"));
        QVERIFY(settings.keepsFile());
        QCOMPARE(settings.problems().size(), 1);
        QVERIFY(settings.problems()[0].contains(file(u"Game.INI")));
        QVERIFY(!settings.ini().ValueExists(QStringLiteral("Options"), QStringLiteral("Sound")));
        settings.ini().WriteBool(QStringLiteral("Options"), QStringLiteral("Sound"), true);
        QVERIFY(settings.save(nullptr));
        QVERIFY(QFileInfo::exists(file(u"Game.INI/inside")));

        QVERIFY(QDir(file(u"Game.INI")).removeRecursively());
        writeAll(file(u"Game.INI"), "[Options]\nSound=0\n");
        QVERIFY(settings.save(nullptr));
        QCOMPARE(readAll(file(u"Game.INI")), QByteArray("[Options]\nSound=0\n"));
    }

    void aFailedSaveSaysWhyAndLeavesTheOldFileWhole()
    {
        writeAll(file(u"Game.INI"), "[Options]\nSound=0\n");
        QVERIFY(QFile::setPermissions(file(u"Game.INI"), QFileDevice::ReadOwner));
        SettingsFile settings = SettingsFile::open(QStringLiteral("Game.INI"));
        QVERIFY(settings.problems().isEmpty()); // read as usual
        settings.ini().WriteBool(QStringLiteral("Options"), QStringLiteral("Sound"), true);
        QString error;
        QVERIFY(!settings.save(&error));
        QVERIFY(error.contains(file(u"Game.INI")));
        QCOMPARE(readAll(file(u"Game.INI")), QByteArray("[Options]\nSound=0\n"));
        QFile::setPermissions(file(u"Game.INI"), QFileDevice::ReadOwner | QFileDevice::WriteOwner);
    }

    void noPlaceForTheFileIsTold()
    {
        writeAll(file(u"plain"), "not a folder");
        qputenv("XDG_CONFIG_HOME", file(u"plain/cfg").toLocal8Bit());
        SettingsFile settings = SettingsFile::open(QStringLiteral("Game.INI"));
        qputenv("XDG_CONFIG_HOME", m_home.path().toLocal8Bit());
        QCOMPARE(settings.problems().size(), 1);
        QVERIFY(settings.problems()[0].contains(QStringLiteral("Game.INI")));
        QVERIFY(!settings.keepsFile());
        QString error;
        QVERIFY(settings.save(&error)); // nothing to write: nothing to fail
        settings.ini().WriteBool(QStringLiteral("Options"), QStringLiteral("Sound"), true);
        QVERIFY(!settings.save(&error));
        QCOMPARE(readAll(file(u"plain")), QByteArray("not a folder"));
    }
};

GAMES_TEST(SettingsFileTest);
#include "tst_settingsfile.moc"
