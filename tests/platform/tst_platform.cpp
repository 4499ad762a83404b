#include "platform/besttable.h"
#include "platform/language.h"
#include "platform/platform.h"
#include "platform/readable.h"
#include "platform/settingsfile.h"
#include "platform/testing/fakeplatform.h"
#include "tests/support/testregistry.h"

#include <QApplication>
#include <QDialog>
#include <QLabel>
#include <QFile>
#include <QPainter>
#include <QTemporaryDir>
#include <QTest>
#include <QTextBrowser>
#include <QThread>

using namespace platform;

class PlatformTest : public QObject {
    Q_OBJECT
private slots:
    // Colours worked out against the face follow the desktop's scheme when
    // it turns dark, and back, while the window is open.
    void coloursFollowASchemeChange()
    {
        const QPalette light = QApplication::palette();
        QLabel label(QStringLiteral("Words of Wisdom"));
        const QColor navy(0, 0, 128);
        followColourScheme(&label, [&label, navy] {
            QPalette p = label.palette();
            p.setColor(QPalette::WindowText, readableOn(navy, p.color(QPalette::Window)));
            label.setPalette(p);
        });
        label.show();
        QCOMPARE(label.palette().color(QPalette::WindowText), navy);
        QPalette dark = light;
        dark.setColor(QPalette::Window, QColor(0x2a, 0x2a, 0x2a));
        QApplication::setPalette(dark);
        QTRY_VERIFY(contrastRatio(label.palette().color(QPalette::WindowText), QColor(0x2a, 0x2a, 0x2a)) >= 4.5);
        QApplication::setPalette(light);
        QTRY_COMPARE(label.palette().color(QPalette::WindowText), navy);
    }

    void waveHeaders()
    {
        QFile file(QStringLiteral(":/sounds/Beep.wav"));
        QVERIFY(file.open(QIODevice::ReadOnly));
        const QByteArray good = file.readAll();
        QVERIFY(isPcmWave(good));
        QVERIFY(!isPcmWave(QByteArray()));
        QVERIFY(!isPcmWave(good.left(20))); // cut inside the format chunk
        QByteArray floatWave = good;
        floatWave[20] = 3; // IEEE float, not PCM
        QVERIFY(!isPcmWave(floatWave));
        QByteArray huge = good;
        huge[16] = char(0xFF);
        huge[17] = char(0xFF);
        huge[18] = char(0xFF);
        huge[19] = char(0x7F);
        QVERIFY(!isPcmWave(huge)); // a chunk size past the end
        QVERIFY(!isPcmWave("RIFF\0\0\0\0WAVEdata"));
    }

    void soundsFoundByBareNameIgnoringCase()
    {
        QCOMPARE(soundResourcePath(QStringLiteral("beep.WAV")), QStringLiteral(":/sounds/Beep.wav"));
        QVERIFY(soundResourcePath(QStringLiteral("missing.wav")).isEmpty());
        QtSound sound;
        QVERIFY(!sound.play(QStringLiteral("missing.wav")));
        QVERIFY(!sound.play(QStringLiteral("notwave.wav")));
    }

    // No sound device anywhere (ALSA finds no configuration): the first
    // sound starts at once and is told afterwards, on the thread that asked,
    // that it could not play; a later one is refused at once.
    void aMissingDeviceIsToldAfterTheFirstSound()
    {
        qputenv("ALSA_CONFIG_PATH", "/nonexistent/alsa.conf");
        QtSound sound;
        int told = 0;
        const auto tell = [&told] {
            QCOMPARE(QThread::currentThread(), qApp->thread());
            ++told;
        };
        QVERIFY(sound.play(QStringLiteral("beep.wav"), tell));
        QCOMPARE(told, 0);
        QTRY_COMPARE(told, 1);
        QVERIFY(!sound.play(QStringLiteral("beep.wav"), tell));
        QTest::qWait(50);
        QCOMPARE(told, 1);
    }

    void helpPagesAndTopics()
    {
        QCOMPARE(helpPagePath(QStringLiteral("SAMPLE2HELP.HLP")), QStringLiteral(":/help/Sample2Help.html"));
        QVERIFY(helpPagePath(QStringLiteral("other.hlp")).isEmpty());
        const QString html = QStringLiteral("<a name=\"contents\"></a><h2 id=\"rules\">");
        QVERIFY(pageHasTopic(html, QStringLiteral("contents")));
        QVERIFY(pageHasTopic(html, QStringLiteral("rules")));
        QVERIFY(!pageHasTopic(html, QStringLiteral("scoring")));
        QVERIFY(!pageHasTopic(html, QStringLiteral("rul")));
    }

    // The first of the player's languages the games have texts for; English
    // before it, or none known, is English.
    void theLanguageIsTheFirstKnownOfThePlayers()
    {
        const auto pick = [](std::initializer_list<const char *> ui) {
            QStringList list;
            for (const char *l : ui)
                list << QLatin1String(l);
            return pickLanguage(list);
        };
        QCOMPARE(pick({"de-DE", "en-US"}), QStringLiteral("de"));
        QCOMPARE(pick({"nb-NO", "fr_CA", "it"}), QStringLiteral("fr"));
        QCOMPARE(pick({"pt-PT", "fr"}), QStringLiteral("pt_BR"));
        QCOMPARE(pick({"zh-Hans-CN"}), QStringLiteral("zh_CN"));
        QCOMPARE(pick({"zh-Hant-TW", "zh-TW", "ja-JP"}), QStringLiteral("ja"));
        QCOMPARE(pick({"en-GB", "es-ES"}), QString());
        QCOMPARE(pick({"C"}), QString());
        // English loads nothing.
        QCOMPARE(setUpLanguage(QStringLiteral("sample"), QString()), QString());
        QCOMPARE(language(), QString());
    }

    // A page in the chosen language where there is one, else the English one.
    void helpPagesInTheChosenLanguage()
    {
        QCOMPARE(helpPagePath(QStringLiteral("Sample2Help.hlp"), QStringLiteral("de")),
                 QStringLiteral(":/help/Sample2Help_de.html"));
        QCOMPARE(helpPagePath(QStringLiteral("Sample2Help.hlp"), QStringLiteral("fr")),
                 QStringLiteral(":/help/Sample2Help.html"));
        QCOMPARE(helpPagePath(QStringLiteral("Sample2Help.hlp"), QString()), QStringLiteral(":/help/Sample2Help.html"));
    }

    void helpWindowReportsWhatIsMissing()
    {
        HelpWindow window;
        window.open(QStringLiteral("Sample2Help.hlp"), QStringLiteral("rules"));
        QVERIFY(window.isVisible());
        QVERIFY(window.notice().isEmpty());
        QVERIFY(window.browser()->toPlainText().contains(QStringLiteral("Play well.")));
        window.open(QStringLiteral("Sample2Help.hlp"), QStringLiteral("scoring"));
        QVERIFY(window.notice().contains(QStringLiteral("\"scoring\"")));
        window.open(QStringLiteral("Nothing.hlp"), QStringLiteral("contents"));
        QVERIFY(window.notice().contains(QStringLiteral("\"Nothing.hlp\" could not be found")));

        // Escape and Ctrl+W put it away.
        for (const auto &[key, modifiers] :
             {std::pair{Qt::Key_Escape, Qt::NoModifier}, std::pair{Qt::Key_W, Qt::ControlModifier}}) {
            window.open(QStringLiteral("Sample2Help.hlp"), QStringLiteral("rules"));
            QVERIFY(QTest::qWaitForWindowActive(&window));
            QTest::keyClick(window.browser(), key, modifiers);
            QVERIFY(!window.isVisible());
        }
    }

    // Under a dark scheme the maroon notice and the desktop's links read.
    void helpWindowReadsOnADarkFace()
    {
        const QPalette light = QApplication::palette();
        QPalette dark = light;
        dark.setColor(QPalette::Window, QColor(0x2b, 0x2b, 0x2b));
        dark.setColor(QPalette::Base, QColor(0x1e, 0x1e, 0x1e));
        dark.setColor(QPalette::Link, QColor(0x00, 0x57, 0xae));
        dark.setColor(QPalette::LinkVisited, QColor(0x45, 0x00, 0x82));
        QApplication::setPalette(dark);
        {
            HelpWindow window;
            const QPalette notice = window.findChild<QLabel *>()->palette();
            QVERIFY(platform::contrastRatio(notice.color(QPalette::WindowText), notice.color(QPalette::Window)) >= 4.5);
            const QPalette page = window.browser()->palette();
            for (const auto role : {QPalette::Link, QPalette::LinkVisited})
                QVERIFY(platform::contrastRatio(page.color(role), page.color(QPalette::Base)) >= 4.5);
        }
        QApplication::setPalette(light);
    }

    void settingsDirectoryIsCreatedAndSearchedIgnoringCase()
    {
        QTemporaryDir tmp;
        const QByteArray old = qgetenv("XDG_CONFIG_HOME");
        const QString dir = tmp.path() + QStringLiteral("/deeper/config");
        qputenv("XDG_CONFIG_HOME", dir.toLocal8Bit());
        QCOMPARE(settingsDirectory(), dir);
        QVERIFY(QFileInfo(dir).isDir());
        QCOMPARE(settingsFilePath(QStringLiteral("Game.INI")), dir + QStringLiteral("/Game.INI"));
        QFile f(dir + QStringLiteral("/game.ini"));
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.close();
        QCOMPARE(settingsFilePath(QStringLiteral("Game.INI")), dir + QStringLiteral("/game.ini"));
        qputenv("XDG_CONFIG_HOME", old);
    }

    // A relative or empty XDG_CONFIG_HOME is ignored, so where the game was
    // started from never decides where its records are; with no full path
    // in HOME either there is no folder, and the player is told why.
    void settingsDirectoryFollowsTheBaseDirectoryRules()
    {
        const QByteArray oldConfig = qgetenv("XDG_CONFIG_HOME"), oldHome = qgetenv("HOME");
        QTemporaryDir home;
        qputenv("HOME", home.path().toLocal8Bit());
        for (const char *ignored : {"", "relative/config", "./config"}) {
            qputenv("XDG_CONFIG_HOME", ignored);
            QCOMPARE(settingsDirectory(), home.path() + QStringLiteral("/.config"));
        }
        qputenv("HOME", "relative-home");
        QString why;
        QCOMPARE(settingsDirectory(&why), QString());
        QVERIFY(why.contains(QStringLiteral("XDG_CONFIG_HOME")) && why.contains(QStringLiteral("HOME")));
        qunsetenv("HOME");
        qunsetenv("XDG_CONFIG_HOME");
        const platform::SettingsFile nowhere = platform::SettingsFile::open(QStringLiteral("Game.INI"));
        QCOMPARE(nowhere.problems(), QStringList{why});
        QVERIFY(nowhere.path().isEmpty() && !QFileInfo::exists(QStringLiteral("Game.INI")));
        qputenv("HOME", oldHome);
        qputenv("XDG_CONFIG_HOME", oldConfig);
    }

    // Drawn at the ratio asked, never at 1x and enlarged, and kept apart by
    // size and ratio for the last sizes asked; a cursor's hot spot follows
    // its picture's pixels.
    void picturesAreDrawnPerSizeAndRatio()
    {
        int drawn = 0;
        resources::registerPicture(QStringLiteral("TestPic"), {4, 3}, [&drawn](QPainter &p) {
            ++drawn;
            p.fillRect(QRectF(0, 0, 0.5, 3), Qt::blue); // half a logical pixel
        });
        QCOMPARE(drawn, 0);
        QVERIFY(resources::hasPicture(QStringLiteral("TESTPIC")));
        const QPixmap two = resources::picture(QStringLiteral("testpic"), 2);
        QCOMPARE(two.size(), QSize(8, 6));
        QCOMPARE(two.devicePixelRatio(), 2.0);
        const QImage image = two.toImage();
        QCOMPARE(image.pixelColor(0, 5), QColor(Qt::blue));
        QCOMPARE(image.pixelColor(1, 5).alpha(), 0);
        const QPixmap one = resources::picture(QStringLiteral("TestPic"), 1);
        QCOMPARE(one.size(), QSize(4, 3));
        QCOMPARE(one.devicePixelRatio(), 1.0);
        QCOMPARE(resources::picture(QStringLiteral("TestPic"), 1, {8, 6}).size(), QSize(8, 6));
        resources::picture(QStringLiteral("TestPic"), 1);
        QCOMPARE(drawn, 3);
        // A window dragged through many sizes keeps the last two asked, not
        // one picture for every size it passed.
        for (int width = 10; width < 60; ++width)
            resources::picture(QStringLiteral("TestPic"), 1, {width, 6});
        QCOMPARE(drawn, 53);
        resources::picture(QStringLiteral("TestPic"), 1, {58, 6});
        resources::picture(QStringLiteral("TestPic"), 1, {59, 6});
        QCOMPARE(drawn, 53);
        resources::picture(QStringLiteral("TestPic"), 1, {57, 6});
        QCOMPARE(drawn, 54);
        QVERIFY(resources::picture(QStringLiteral("nope")).isNull());

        resources::registerCursor(QStringLiteral("TestCur"), {16, 16}, {3, 5},
                                  [](QPainter &p) { p.fillRect(QRect(0, 0, 16, 16), Qt::black); });
        const QCursor cursor = resources::cursor(QStringLiteral("testcur"), 2);
        QCOMPARE(cursor.pixmap().size(), QSize(32, 32));
        QCOMPARE(cursor.hotSpot(), QPoint(6, 10));
        QCOMPARE(resources::cursor(QStringLiteral("nope")).shape(), Qt::ArrowCursor);
    }

    // A stored score is ASCII digits between spaces: other scripts' digits
    // and spaces read as text, as files already written expect.
    void wholeNumbersAsStoredScoresAreRead()
    {
        using platform::best::isWholeNumber;
        for (const char16_t *yes : {u"0", u" -12 ", u"+7\t\r\n", u"\v\f123456789012345678901"})
            QVERIFY2(isWholeNumber(QString::fromUtf16(yes)), qPrintable(QString::fromUtf16(yes)));
        for (const char16_t *no : {u"", u" ", u"+", u"1 2", u"1.0", u"--1", u"\u0663", u"\uff11", u"\u00a01", u"1\u3000"})
            QVERIFY2(!isWholeNumber(QString::fromUtf16(no)), qPrintable(QString::fromUtf16(no)));
    }

    void randomStaysBelowItsBoundAndCoversIt()
    {
        SeededRandom random(7);
        int seen[8] = {};
        for (int i = 0; i < 8000; ++i) {
            const int v = random.below(8);
            QVERIFY(v >= 0 && v < 8);
            ++seen[v];
        }
        for (int count : seen)
            QVERIFY(count > 800 && count < 1200);
        QCOMPARE(random.below(0), 0);
        QCOMPARE(random.below(-3), 0);
        SeededRandom a(99), b(99);
        for (int i = 0; i < 20; ++i)
            QCOMPARE(a.below(1000), b.below(1000));
    }

    void doubleAnswersFromItsScript()
    {
        testing::FakePlatform fake;
        fake.messages.answers = {No};
        QCOMPARE(fake.platform.messages.show(nullptr, MsgIcon::Confirmation, QStringLiteral("Sure?"), Yes | No), No);
        QCOMPARE(fake.platform.messages.show(nullptr, MsgIcon::Confirmation, QStringLiteral("Again?"), Yes | No), Yes);
        QCOMPARE(fake.platform.messages.show(nullptr, MsgIcon::Information, QStringLiteral("Done."), Ok), Ok);
        QCOMPARE(int(fake.messages.shown.size()), 3);
        QCOMPARE(fake.messages.lastText(), QStringLiteral("Done."));
        QDialog dialog;
        dialog.setObjectName(QStringLiteral("Box"));
        fake.messages.onExec = [](QDialog &) { return 7; };
        QCOMPARE(fake.platform.messages.exec(dialog), 7);
        QCOMPARE(fake.messages.dialogs, QStringList{QStringLiteral("Box")});
    }
};

GAMES_TEST(PlatformTest);
#include "tst_platform.moc"
