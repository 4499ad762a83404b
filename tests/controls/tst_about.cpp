#include "controls/about.h"
#include "controls/urllabel.h"
#include "platform/testing/fakeplatform.h"
#include "tests/support/testregistry.h"

#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <QTest>

class AboutBoxTest : public QObject {
    Q_OBJECT

    platform::testing::FakePlatform fake;

private slots:
    void layoutAsDrawn()
    {
        TAboutBox box(fake.platform);
        QCOMPARE(box.windowTitle(), QStringLiteral("About"));
        QCOMPARE(box.minimumSize(), QSize(270, 274));
        QCOMPARE(box.maximumSize(), QSize(270, 274));
        const Qt::WindowFlags flags = box.windowFlags();
        QVERIFY(
            !(flags & (Qt::WindowMinimizeButtonHint | Qt::WindowMaximizeButtonHint | Qt::WindowContextHelpButtonHint)));
        QVERIFY(flags & Qt::WindowCloseButtonHint);

        QCOMPARE(box.Bevel2->geometry(), QRect(90, 125, 171, 11));
        QCOMPARE(box.OKButton->geometry(), QRect(99, 239, 75, 22));
        QCOMPARE(box.Panel1->geometry(), QRect(10, 15, 66, 61));
        QCOMPARE(box.Panel1->frameShadow(), QFrame::Raised);
        // The links line up after their captions, at 51 or, with a wider
        // font, as far on as the captions need.
        QCOMPARE(box.URLLabel1->y(), 189);
        QCOMPARE(box.URLLabel2->y(), 208);
        QCOMPARE(box.URLLabel1->x(), box.URLLabel2->x());
        QVERIFY(box.URLLabel1->x() >= 51);
        QVERIFY(box.URLLabel1->x() > box.Label6->x() + box.Label6->sizeHint().width());
        QVERIFY(box.URLLabel2->x() > box.Label7->x() + box.Label7->sizeHint().width());

        // Labels stand where drawn and get at least the room drawn for them,
        // more if their text needs it, never beyond the window.
        const struct {
            QLabel *label;
            QRect drawn;
            QString text;
        } labels[] = {
            {box.Label1, {90, 20, 84, 20}, QStringLiteral("App Name")},
            {box.Label5, {90, 70, 53, 13}, QStringLiteral("Version 1.0")},
            {box.Label8, {90, 100, 89, 13}, QStringLiteral("Last modify: 1-1-98")},
            {box.Label3, {90, 135, 162, 13}, QString::fromUtf16(about::CreditLine)},
            {box.Label6, {13, 190, 31, 13}, QStringLiteral("E-mail:")},
            {box.Label7, {13, 209, 25, 13}, QStringLiteral("URL:")},
            {box.Label2, {90, 50, 146, 13}, aboutPlatformLine()},
        };
        for (const auto &l : labels) {
            QCOMPARE(l.label->text(), l.text);
            QCOMPARE(l.label->pos(), l.drawn.topLeft());
            QVERIFY(l.label->width() >= l.drawn.width() && l.label->height() >= l.drawn.height());
            QVERIFY(l.label->width() >= l.label->sizeHint().width());
            QVERIFY(l.label->geometry().right() < 270);
        }
        QVERIFY(box.Label1->font().bold() && box.Label1->font().underline());
        QCOMPARE(box.Label1->font().pixelSize(), 16);
        QCOMPARE(box.Label1->palette().color(QPalette::WindowText), toQColor(clNavy));
        for (TURLLabel *link : {box.URLLabel1, box.URLLabel2}) {
            QCOMPARE(link->fontColor(), clBlue);
            QVERIFY(link->fontUnderlined());
            QCOMPARE(link->font().pixelSize(), 11);
            QVERIFY(link->geometry().right() < 270);
        }
        QCOMPARE(box.URLLabel1->LabelType(), hmMAIL);
        QCOMPARE(box.URLLabel2->LabelType(), hmHTTP);
    }

    void platformLineNamesTheSystem()
    {
        QCOMPARE(aboutPlatformLine(QStringLiteral("linux"), QStringLiteral("debian"), QStringLiteral("xcb")),
                 QStringLiteral("for Linux / X11"));
        QCOMPARE(aboutPlatformLine(QStringLiteral("linux"), QStringLiteral("ubuntu"), QStringLiteral("wayland-egl")),
                 QStringLiteral("for Linux / Wayland"));
        QCOMPARE(aboutPlatformLine(QStringLiteral("linux"), QStringLiteral("debian"), QStringLiteral("offscreen")),
                 QStringLiteral("for Linux"));
    }

    void returnActivatesOkAndCloses()
    {
        TAboutBox box(fake.platform);
        box.show();
        QVERIFY(QTest::qWaitForWindowActive(&box));
        QVERIFY(box.OKButton->isDefault());
        QCOMPARE(QApplication::focusWidget(), box.OKButton);
        // Centred on the screen.
        const QPoint middle = box.screen()->availableGeometry().center();
        QVERIFY((box.geometry().center() - middle).manhattanLength() <= 2);

        // Return goes to OK also from the picture's frame.
        QTest::keyClick(box.OKButton, Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget(), box.Panel1);
        QTest::keyClick(box.Panel1, Qt::Key_Return);
        QVERIFY(!box.isVisible());
        QCOMPARE(box.result(), int(QDialog::Accepted));

        // Shown again, it starts on OK once more.
        box.show();
        QVERIFY(QTest::qWaitForWindowActive(&box));
        QCOMPARE(QApplication::focusWidget(), box.OKButton);
        QTest::keyClick(box.OKButton, Qt::Key_Escape);
        QVERIFY(!box.isVisible());
        QCOMPARE(box.result(), int(QDialog::Rejected));
    }

    void tabOrderIsOkThenPanel()
    {
        TAboutBox box(fake.platform);
        QCOMPARE(box.OKButton->nextInFocusChain(), box.Panel1);
        QVERIFY(box.Panel1->focusPolicy() & Qt::TabFocus);
        // The links are clicked, not tabbed to.
        QCOMPARE(box.URLLabel1->focusPolicy(), Qt::NoFocus);
        QCOMPARE(box.URLLabel2->focusPolicy(), Qt::NoFocus);
    }

    void linksReachTheOpener()
    {
        TAboutBox box(fake.platform);
        box.show();
        QVERIFY(QTest::qWaitForWindowExposed(&box));
        fake.shell.opened.clear();
        QTest::mouseClick(box.URLLabel1, Qt::LeftButton, {}, QPoint(3, 3));
        QTest::mouseClick(box.URLLabel2, Qt::LeftButton, {}, QPoint(3, 3));
        QCOMPARE(fake.shell.opened, QStringList({QStringLiteral("mailto:games@example.org"),
                                                 QStringLiteral("http://www.example.org/tablegames")}));
        QVERIFY(box.isVisible()); // a link leaves the box open
    }
};

GAMES_TEST(AboutBoxTest);

#include "tst_about.moc"
