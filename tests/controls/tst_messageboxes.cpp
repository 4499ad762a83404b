// The message boxes' buttons speak the game's language whether or not Qt's
// own translations are installed.
#include "platform/messages.h"
#include "tests/support/testregistry.h"

#include <QAbstractButton>
#include <QApplication>
#include <QMessageBox>
#include <QTest>
#include <QTimer>
#include <QTranslator>

using namespace Qt::StringLiterals;

class MessageBoxesTest : public QObject {
    Q_OBJECT
private slots:

    void theButtonsAreTheGamesOwnWords_data()
    {
        QTest::addColumn<QString>("language");
        QTest::addColumn<QStringList>("captions");
        QTest::newRow("en") << QString() << QStringList{u"&Yes"_s, u"&No"_s};
        QTest::newRow("de") << u"de"_s << QStringList{u"&Ja"_s, u"&Nein"_s};
        QTest::newRow("es") << u"es"_s << QStringList{u"&Sí"_s, u"&No"_s};
    }
    void theButtonsAreTheGamesOwnWords()
    {
        QFETCH(QString, language);
        QFETCH(QStringList, captions);
        // The games' own translation alone, as where Qt's are not installed.
        QTranslator own;
        QVERIFY(language.isEmpty() || own.load(u"common_"_s + language, u":/i18n"_s));
        QCoreApplication::installTranslator(&own);
        QStringList seen;
        QTimer::singleShot(0, [&seen] {
            auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget());
            if (!box)
                return;
            for (QAbstractButton *b : box->buttons())
                seen << b->text();
            box->button(QMessageBox::No)->click();
        });
        platform::QtMessages messages;
        QCOMPARE(messages.show(nullptr, platform::MsgIcon::Confirmation, u"Start a new game ?"_s,
                               platform::Yes | platform::No, QString()),
                 platform::No);
        seen.sort();
        captions.sort();
        QCOMPARE(seen, captions);
    }
};

GAMES_TEST(MessageBoxesTest);
#include "tst_messageboxes.moc"
