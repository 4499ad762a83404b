#include "platform/resources.h"
#include "platform/testing/fakeplatform.h"
#include "poker/mainform.h"
#include "poker/settings.h"
#include "tests/support/files.h"
#include "tests/support/testregistry.h"

#include <QAction>
#include <QCheckBox>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QTest>

#include <memory>

using namespace poker;
using namespace Qt::StringLiterals;

namespace {

// No test of this program touches the settings of whoever runs it.
struct PrivateSettings {
    QTemporaryDir dir;
    PrivateSettings() { qputenv("XDG_CONFIG_HOME", dir.path().toLocal8Bit()); }
} const privateSettings;

QByteArray optionsText(const char *sound, const char *deck, const char *background)
{
    return QByteArray("[Options]\nSound=") + sound + "\nDeck=" + deck + "\nBackground=" + background + "\n";
}

} // namespace

class CartovaSettingsTest : public QObject {
    Q_OBJECT
    std::unique_ptr<QTemporaryDir> config;
    platform::testing::FakePlatform fake;

    QString file() const { return config->filePath(u"cartova.ini"_s); }
    std::unique_ptr<TMainForm> start()
    {
        fake.messages.shown.clear();
        auto form = std::make_unique<TMainForm>(fake.platform);
        form->setDealPause(0);
        return form;
    }
    static void checkDeck(TMainForm &form, TDecks deck)
    {
        for (TCard *card : form.cards())
            QCOMPARE(card->DeckType(), deck);
    }

private slots:
    void init()
    {
        config = std::make_unique<QTemporaryDir>();
        qputenv("XDG_CONFIG_HOME", config->path().toLocal8Bit());
    }
    void cleanup()
    {
        QFile::setPermissions(file(), QFile::ReadOwner | QFile::WriteOwner);
        qputenv("XDG_CONFIG_HOME", privateSettings.dir.path().toLocal8Bit());
    }

    void firstRunCreatesTheFileAndCloseWritesEveryKey()
    {
        QVERIFY(!QFile::exists(file()));
        auto form = start();
        QVERIFY(QFile::exists(file()));
        QCOMPARE(readAll(file()), QByteArray());
        QVERIFY(fake.messages.shown.empty());
        QVERIFY(form->Sound1->isChecked() && form->Beach1->isChecked() && form->Green1->isChecked());
        checkDeck(*form, TDecks::Beach);
        QCOMPARE(form->tableColour(), QColor(0, 128, 0));
        QVERIFY(form->close());
        QCOMPARE(readAll(file()), optionsText("1", "Beach", "Green"));
    }

    void readingEachKey_data()
    {
        QTest::addColumn<QByteArray>("text");
        QTest::addColumn<bool>("sound");
        QTest::addColumn<int>("deck");
        QTest::addColumn<QColor>("table");
        const int beach = int(TDecks::Beach);
        const QColor green(0, 128, 0), gray(128, 128, 128);
        QTest::newRow("empty file") << QByteArray() << true << beach << green;
        QTest::newRow("other section only") << QByteArray("[Other]\nSound=0\nDeck=Std1\n") << true << beach << green;
        QTest::newRow("sound 0") << QByteArray("[Options]\nSound=0\n") << false << beach << green;
        QTest::newRow("sound 0 padded") << QByteArray("[options]\nsound =  0 \n") << false << beach << green;
        QTest::newRow("sound 2") << QByteArray("[Options]\nSound=2\n") << true << beach << green;
        QTest::newRow("sound not a number") << QByteArray("[Options]\nSound=off\n") << true << beach << green;
        QTest::newRow("Std1") << QByteArray("[Options]\nDeck=Std1\n") << true << int(TDecks::Standard1) << green;
        QTest::newRow("Std2") << QByteArray("[Options]\nDeck=Std2\n") << true << int(TDecks::Standard2) << green;
        QTest::newRow("Fishes") << QByteArray("[Options]\nDeck=Fishes\n") << true << int(TDecks::Fishes1) << green;
        QTest::newRow("Fishes2") << QByteArray("[Options]\nDeck=Fishes2\n") << true << beach << green;
        QTest::newRow("Robot") << QByteArray("[Options]\nDeck=Robot\n") << true << beach << green;
        QTest::newRow("std1") << QByteArray("[Options]\nDeck=std1\n") << true << beach << green;
        QTest::newRow("Beach") << QByteArray("[Options]\nDeck=Beach\n") << true << beach << green;
        QTest::newRow("Blue") << QByteArray("[Options]\nBackground=Blue\n") << true << beach << QColor(0, 0, 128);
        QTest::newRow("Red") << QByteArray("[Options]\nBackground=Red\n") << true << beach << QColor(128, 0, 0);
        QTest::newRow("Gray") << QByteArray("[Options]\nBackground=Gray\n") << true << beach << gray;
        QTest::newRow("green") << QByteArray("[Options]\nBackground=green\n") << true << beach << gray;
        QTest::newRow("Grey") << QByteArray("[Options]\nBackground=Grey\n") << true << beach << gray;
        QTest::newRow("all three, CRLF") << QByteArray("[Options]\r\nSound=0\r\nDeck=Std2\r\nBackground=Red\r\n")
                                         << false << int(TDecks::Standard2) << QColor(128, 0, 0);
    }
    void readingEachKey()
    {
        QFETCH(QByteArray, text);
        QFETCH(bool, sound);
        QFETCH(int, deck);
        QFETCH(QColor, table);
        writeAll(file(), text);
        auto form = start();
        QVERIFY(fake.messages.shown.empty());
        QCOMPARE(form->Sound1->isChecked(), sound);
        QVERIFY(form->Sound1->isEnabled());
        checkDeck(*form, TDecks(deck));
        QCOMPARE(form->tableColour(), table);
        // The menus say what the table shows.
        const QAction *deckItem = deck == int(TDecks::Standard1)   ? form->Standard11
                                  : deck == int(TDecks::Standard2) ? form->Standard21
                                  : deck == int(TDecks::Fishes1)   ? form->MFishes1
                                                                   : form->Beach1;
        QVERIFY(deckItem->isChecked());
        QCOMPARE(form->Gray1->isChecked(), table == QColor(128, 128, 128));
    }

    void roundTripOfEveryChoice()
    {
        struct Deck {
            QAction *TMainForm::*item;
            const char *text;
            TDecks type;
        };
        struct Table {
            QAction *TMainForm::*item;
            const char *text;
            QColor colour;
        };
        const Deck decks[] = {{&TMainForm::Beach1, "Beach", TDecks::Beach},
                              {&TMainForm::MFishes1, "Fishes", TDecks::Fishes1},
                              {&TMainForm::Standard11, "Std1", TDecks::Standard1},
                              {&TMainForm::Standard21, "Std2", TDecks::Standard2}};
        const Table tables[] = {{&TMainForm::Green1, "Green", QColor(0, 128, 0)},
                                {&TMainForm::Blue1, "Blue", QColor(0, 0, 128)},
                                {&TMainForm::Red1, "Red", QColor(128, 0, 0)},
                                {&TMainForm::Gray1, "Gray", QColor(128, 128, 128)}};
        for (bool sound : {false, true})
            for (const Deck &d : decks)
                for (const Table &t : tables) {
                    {
                        auto form = start();
                        if (form->Sound1->isChecked() != sound)
                            form->Sound1->trigger();
                        (form.get()->*d.item)->trigger();
                        (form.get()->*t.item)->trigger();
                        QVERIFY(form->close());
                    }
                    QCOMPARE(readAll(file()), optionsText(sound ? "1" : "0", d.text, t.text));
                    auto again = start();
                    QCOMPARE(again->Sound1->isChecked(), sound);
                    QVERIFY((again.get()->*d.item)->isChecked());
                    QVERIFY((again.get()->*t.item)->isChecked());
                    checkDeck(*again, d.type);
                    QCOMPARE(again->tableColour(), t.colour);
                    QVERIFY(fake.messages.shown.empty());
                }
    }

    void closeKeepsTheRestOfTheFile()
    {
        writeAll(file(), "; my cards\n[Window]\nLeft=3\n[OPTIONS]\nbackground=Blue\nExtra=keep\nsound=1\n"
                         "[Tail]\nz=9\n");
        {
            auto form = start();
            QCOMPARE(form->tableColour(), QColor(0, 0, 128));
            form->Sound1->trigger();
            form->Red1->trigger();
            QVERIFY(form->close());
        }
        // Keys already there are rewritten in place; the new one joins the section's end.
        QByteArrayList lines = readAll(file()).split('\n');
        lines.removeAll(QByteArray());
        QCOMPARE(lines, QByteArray("; my cards\n[Window]\nLeft=3\n[OPTIONS]\nbackground=Red\nExtra=keep\n"
                                   "sound=0\nDeck=Beach\n[Tail]\nz=9")
                            .split('\n'));
    }

    void failedSoundIsSavedAsOff()
    {
        writeAll(file(), optionsText("1", "Std1", "Gray"));
        fake.sound.works = false; // the shuffle at start finds no sound device
        {
            auto form = start();
            QVERIFY(!form->Sound1->isChecked() && !form->Sound1->isEnabled());
            QVERIFY(form->close());
        }
        fake.sound.works = true;
        QCOMPARE(readAll(file()), optionsText("0", "Std1", "Gray"));
        auto again = start();
        QVERIFY(!again->Sound1->isChecked() && again->Sound1->isEnabled());
    }

    void binaryJunkGivesTheDefaultsAndStaysReadable()
    {
        QByteArray junk;
        quint32 x = 2463534242u;
        for (int i = 0; i < 3000; ++i) {
            x ^= x << 13, x ^= x >> 17, x ^= x << 5;
            junk.append(char(x & 0xFF));
        }
        writeAll(file(), junk + "\n[Window]\nLeft=3\n");
        {
            auto form = start();
            QVERIFY(fake.messages.shown.empty());
            form->Standard21->trigger();
            form->Blue1->trigger();
            QVERIFY(form->close());
        }
        QVERIFY(fake.messages.shown.empty());
        auto again = start();
        checkDeck(*again, TDecks::Standard2);
        QCOMPARE(again->tableColour(), QColor(0, 0, 128));
        QVERIFY(readAll(file()).contains("[Window]\nLeft=3\n")); // what could be read is kept
    }

    void aFolderInThePlaceOfTheFileIsReportedAndLeftAlone()
    {
        QVERIFY(QDir().mkpath(file() + u"/inside"_s));
        auto form = start();
        QCOMPARE(fake.messages.shown.size(), std::size_t(1));
        QCOMPARE(fake.messages.shown[0].icon, platform::MsgIcon::Error);
        QVERIFY(fake.messages.shown[0].text.contains(file()));
        checkDeck(*form, TDecks::Beach);
        QCOMPARE(form->tableColour(), QColor(0, 128, 0));
        form->Red1->trigger();
        QVERIFY(form->close()); // the game still closes, and says nothing more
        QCOMPARE(fake.messages.shown.size(), std::size_t(1));
        QVERIFY(QFileInfo(file()).isDir());
        QVERIFY(QFileInfo::exists(file() + u"/inside"_s));
    }

    void aReadOnlyFileIsReadAndAFailedSaveReported()
    {
        const QByteArray before = optionsText("0", "Std1", "Red");
        writeAll(file(), before);
        QFile::setPermissions(file(), QFile::ReadOwner | QFile::ReadGroup);
        {
            // Nothing changed: nothing to save, nothing to say.
            auto form = start();
            checkDeck(*form, TDecks::Standard1);
            QVERIFY(form->close());
            QVERIFY(fake.messages.shown.empty());
        }
        auto form = start();
        form->MFishes1->trigger();
        QVERIFY(form->close());
        QCOMPARE(fake.messages.shown.size(), std::size_t(1));
        QCOMPARE(fake.messages.shown[0].icon, platform::MsgIcon::Error);
        QCOMPARE(fake.messages.shown[0].buttons, int(platform::Ok));
        QVERIFY(fake.messages.shown[0].text.contains(file()));
        QCOMPARE(readAll(file()), before);
    }

    void theFolderGoneDuringTheGameIsReported()
    {
        auto form = start();
        QVERIFY(config->remove());
        QVERIFY(form->close());
        QCOMPARE(fake.messages.shown.size(), std::size_t(1));
        QCOMPARE(fake.messages.shown[0].icon, platform::MsgIcon::Error);
        QVERIFY(fake.messages.shown[0].text.contains(file()));
    }

    void stoppingAtTheEndOfAGameLeavesTheFileAsItWas()
    {
        const QByteArray before = "[Options]\nDeck=Std1\n";
        writeAll(file(), before);
        auto form = start();
        form->Red1->trigger();
        form->Standard21->trigger();
        // All credits on every hand until one loses them.
        fake.messages.answers = {platform::No};
        for (int hand = 0; hand < 100 && !form->terminated(); ++hand) {
            form->PlayAllClick();
            form->DealButtonClick();
            form->DealButtonClick();
            QCoreApplication::processEvents(); // the end of a game is asked after the deal
        }
        QVERIFY(form->terminated());
        form->close(); // however the window then goes
        QCOMPARE(readAll(file()), before);
    }

    void menusApplyAtOnce()
    {
        auto form = start();
        form->show();
        QVERIFY(QTest::qWaitForWindowExposed(form.get()));
        form->MFishes1->trigger();
        QVERIFY(form->MFishes1->isChecked() && !form->Beach1->isChecked());
        checkDeck(*form, TDecks::Fishes1);
        // The back painted is the new one, at once.
        const QImage fishes = platform::resources::picture(u"FISHES1"_s).toImage();
        const QImage shown = form->Card3->paintedImage().convertToFormat(QImage::Format_RGB32);
        QCOMPARE(shown.pixel(35, 48), fishes.convertToFormat(QImage::Format_RGB32).pixel(35, 48));

        form->Blue1->trigger();
        QVERIFY(form->Blue1->isChecked() && !form->Green1->isChecked());
        QCOMPARE(form->tableColour(), QColor(0, 0, 128));
        QCOMPARE(form->table->palette().color(QPalette::Window), QColor(0, 0, 128));
        // The corners outside the outline take the table colour; the card's inside does not.
        QTest::qWait(20);
        const QImage onScreen = form->Card1->grab().toImage().convertToFormat(QImage::Format_RGB32);
        QCOMPARE(QColor(onScreen.pixel(0, 0)), QColor(0, 0, 128));
        QCOMPARE(QColor(onScreen.pixel(70, 95)), QColor(0, 0, 128));
        QCOMPARE(QColor(form->Card1->paintedImage().pixel(0, 0)), QColor(0, 0, 128));
        QVERIFY(QColor(onScreen.pixel(35, 48)) != QColor(0, 0, 128));

        // A deck chosen while the faces show is seen only when the cards next turn over.
        form->PlayAllClick();
        form->DealButtonClick();
        const QImage face = form->Card2->paintedImage();
        form->Standard21->trigger();
        checkDeck(*form, TDecks::Standard2);
        QCOMPARE(form->Card2->paintedImage(), face);
        form->Card2->Flip();
        const QImage std2 = platform::resources::picture(u"STD2"_s).toImage().convertToFormat(QImage::Format_RGB32);
        QCOMPARE(form->Card2->paintedImage().convertToFormat(QImage::Format_RGB32).pixel(35, 48), std2.pixel(35, 48));
    }
};

GAMES_TEST(CartovaSettingsTest);
#include "tst_settings.moc"
