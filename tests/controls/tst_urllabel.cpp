#include "controls/urllabel.h"
#include "platform/testing/fakeplatform.h"
#include "tests/support/testregistry.h"

#include <QAccessible>
#include <QEnterEvent>
#include <QSignalSpy>
#include <QTest>

#include <memory>

namespace {

void enter(QWidget *w)
{
    QEnterEvent e(QPointF(2, 2), QPointF(2, 2), w->mapToGlobal(QPointF(2, 2)));
    QApplication::sendEvent(w, &e);
}

void leave(QWidget *w)
{
    QEvent e(QEvent::Leave);
    QApplication::sendEvent(w, &e);
}

} // namespace

class URLLabelTest : public QObject {
    Q_OBJECT

    platform::testing::FakePlatform fake;
    std::unique_ptr<QWidget> window;
    TURLLabel *label = nullptr;

private slots:
    void init()
    {
        fake.shell.opened.clear();
        window = std::make_unique<QWidget>();
        window->resize(300, 100);
        label = new TURLLabel(fake.platform.shell, window.get());
        label->move(20, 30);
        label->SetCaption(QStringLiteral("www.example.org"));
        window->show();
        QVERIFY(QTest::qWaitForWindowExposed(window.get()));
    }

    void cleanup()
    {
        window.reset();
        label = nullptr;
    }

    void restsBlueAndUnderlinedWithTheHand()
    {
        QCOMPARE(label->fontColor(), clBlue);
        QCOMPARE(label->palette().color(QPalette::WindowText), QColor(Qt::blue));
        QVERIFY(label->fontUnderlined());
        QCOMPARE(label->cursor().shape(), Qt::BitmapCursor);
        QCOMPARE(label->cursor().pixmap().size(), QSize(32, 32));
        QCOMPARE(label->accessibleName(), QStringLiteral("www.example.org"));
        QCOMPARE(label->textFormat(), Qt::PlainText);
        QAccessibleInterface *link = QAccessible::queryAccessibleInterface(label);
        QVERIFY(link);
        QCOMPARE(link->role(), QAccessible::Link);
        QCOMPARE(link->text(QAccessible::Description), QStringLiteral("web link"));
        link->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
        QCOMPARE(fake.shell.opened, QStringList({QStringLiteral("http://www.example.org")}));
    }

    void pressedRedUntilReleased()
    {
        QTest::mousePress(label, Qt::LeftButton, {}, QPoint(3, 3));
        QCOMPARE(label->fontColor(), clRed);
        QVERIFY(label->fontUnderlined());
        QTest::mouseRelease(label, Qt::LeftButton, {}, QPoint(3, 3));
        QCOMPARE(label->fontColor(), clBlue);

        // The right button presses nothing, but its release restores the rest colour.
        label->setFontColor(clGreen);
        QTest::mousePress(label, Qt::RightButton, {}, QPoint(3, 3));
        QCOMPARE(label->fontColor(), clGreen);
        QTest::mouseRelease(label, Qt::RightButton, {}, QPoint(3, 3));
        QCOMPARE(label->fontColor(), clBlue);
        QCOMPARE(fake.shell.opened, QStringList({QStringLiteral("http://www.example.org")}));

        // Hovering means nothing outside the hover mode.
        enter(label);
        QCOMPARE(label->fontColor(), clBlue);
        leave(label);
        QCOMPARE(label->fontColor(), clBlue);
        QVERIFY(label->fontUnderlined());
    }

    void hoverMode()
    {
        label->SetEffect98(true);
        QVERIFY(!label->fontUnderlined());
        QCOMPARE(label->fontColor(), clBlue);
        enter(label);
        QCOMPARE(label->fontColor(), clRed);
        QVERIFY(label->fontUnderlined());
        QTest::mousePress(label, Qt::LeftButton, {}, QPoint(3, 3));
        QTest::mouseRelease(label, Qt::LeftButton, {}, QPoint(3, 3));
        QCOMPARE(label->fontColor(), clRed); // still over it
        QVERIFY(label->fontUnderlined());
        leave(label);
        QCOMPARE(label->fontColor(), clBlue);
        QVERIFY(!label->fontUnderlined());

        // Switched off again: underlined at rest.
        label->SetEffect98(false);
        QVERIFY(label->fontUnderlined());
    }

    void customTypeKeepsItsStyle()
    {
        label->SetLabelType(hmCUSTOM);
        QVERIFY(!label->fontUnderlined());
        label->SetEffect98(true);
        enter(label);
        QCOMPARE(label->fontColor(), clRed);
        QVERIFY(!label->fontUnderlined());
        leave(label);
        QCOMPARE(label->fontColor(), clBlue);
        label->SetEffect98(false); // a custom label's style is not touched
        QVERIFY(!label->fontUnderlined());
        label->SetLabelType(hmMAIL);
        QVERIFY(label->fontUnderlined());

        // The style is plain or underlined, nothing else.
        QFont bold = label->GetFont();
        bold.setBold(true);
        label->SetFont(bold, clBlue);
        label->SetLabelType(hmCUSTOM);
        QVERIFY(!label->GetFont().bold());
    }

    void allowDownMovesOnePixel()
    {
        label->SetAllowDown(true);
        QCOMPARE(label->y(), 30);
        QTest::mousePress(label, Qt::RightButton, {}, QPoint(3, 3));
        QCOMPARE(label->y(), 30);
        QTest::mouseRelease(label, Qt::RightButton, {}, QPoint(3, 3));
        QCOMPARE(label->y(), 30);

        // The click opens while the label is still down and pressed.
        int yAtClick = 0;
        TColor colorAtClick = 0;
        connect(label, &TURLLabel::OnClick, this, [&] {
            yAtClick = label->y();
            colorAtClick = label->fontColor();
        });
        QTest::mousePress(label, Qt::LeftButton, {}, QPoint(3, 0));
        QCOMPARE(label->y(), 31);
        // The pointer has not moved: it is now a pixel above the label's
        // top, which still counts as over it.
        QTest::mouseRelease(label, Qt::LeftButton, {}, QPoint(3, -1));
        QCOMPARE(yAtClick, 31);
        QCOMPARE(colorAtClick, clRed);
        QCOMPARE(label->y(), 30);
        QCOMPARE(fake.shell.opened.size(), 1);
    }

    void releaseAwayOpensNothing()
    {
        QTest::mousePress(label, Qt::LeftButton, {}, QPoint(3, 3));
        QTest::mouseRelease(label, Qt::LeftButton, {}, QPoint(3, label->height() + 20));
        QVERIFY(fake.shell.opened.isEmpty());
        QCOMPARE(label->fontColor(), clBlue);
        // A double click opens once, not twice: the widget sees press,
        // release, press, double click, release.
        QTest::mouseClick(label, Qt::LeftButton, {}, QPoint(3, 3));
        QTest::mousePress(label, Qt::LeftButton, {}, QPoint(3, 3));
        QTest::mouseDClick(label, Qt::LeftButton, {}, QPoint(3, 3));
        QCOMPARE(label->fontColor(), clRed);
        QTest::mouseRelease(label, Qt::LeftButton, {}, QPoint(3, 3));
        QCOMPARE(fake.shell.opened.size(), 1);
        QCOMPARE(label->fontColor(), clBlue);
    }

    void targetsHandedToTheOpener()
    {
        QSignalSpy clicks(label, &TURLLabel::OnClick);
        QTest::mouseClick(label, Qt::LeftButton, {}, QPoint(3, 3));
        label->SetLabelType(hmFTP);
        label->SetCaption(QStringLiteral("files.example.org/pub"));
        QTest::mouseClick(label, Qt::LeftButton, {}, QPoint(3, 3));
        label->SetLabelType(hmMAIL);
        label->SetCaption(QStringLiteral("players@example.org"));
        QTest::mouseClick(label, Qt::LeftButton, {}, QPoint(3, 3));
        label->SetLabelType(hmCUSTOM);
        QTest::mouseClick(label, Qt::LeftButton, {}, QPoint(3, 3));
        QCOMPARE(clicks.count(), 4);
        QCOMPARE(fake.shell.opened,
                 QStringList({QStringLiteral("http://www.example.org"), QStringLiteral("ftp://files.example.org/pub"),
                              QStringLiteral("mailto:players@example.org")}));
        QCOMPARE(label->target(), QString());

        // No length limit: a long address goes whole.
        const QString longHost = QStringLiteral("www.") + QString(300, QLatin1Char('a')) + QStringLiteral(".org");
        label->SetLabelType(hmHTTP);
        label->SetCaption(longHost);
        QCOMPARE(label->target(), QStringLiteral("http:\\\\") + longHost);
        QTest::mouseClick(label, Qt::LeftButton, {}, QPoint(3, 3));
        QCOMPARE(fake.shell.opened.last(), QStringLiteral("http://") + longHost);
        QCOMPARE(fake.shell.opened.last().size(), 7 + 308);
    }

    void openerTargetMendsOnlyTheSchemeSlashes()
    {
        QCOMPARE(openerTarget(QStringLiteral("http:\\\\x")), QStringLiteral("http://x"));
        QCOMPARE(openerTarget(QStringLiteral("ftp:\\\\a\\\\b")), QStringLiteral("ftp://a\\\\b"));
        QCOMPARE(openerTarget(QStringLiteral("mailto:me@example.org")), QStringLiteral("mailto:me@example.org"));
        QCOMPARE(openerTarget(QStringLiteral("http://x")), QStringLiteral("http://x"));
        QCOMPARE(openerTarget(QStringLiteral("a b:\\\\x")), QStringLiteral("a b:\\\\x"));
        QCOMPARE(openerTarget(QString()), QString());
    }

    void fontAndRestColor()
    {
        QFont f = label->GetFont();
        f.setPixelSize(11);
        f.setUnderline(true);
        label->SetFont(f, clGreen);
        QCOMPARE(label->URLColStd(), clGreen);
        QCOMPARE(label->fontColor(), clGreen);
        QCOMPARE(label->GetFont().pixelSize(), 11);

        label->setFontColor(clMaroon); // the colour alone: the rest colour stays
        QCOMPARE(label->URLColStd(), clGreen);
        QTest::mouseClick(label, Qt::LeftButton, {}, QPoint(3, 3));
        QCOMPARE(label->fontColor(), clGreen);

        label->SetURLColStd(clNavy);
        QCOMPARE(label->fontColor(), clNavy);
    }
};

GAMES_TEST(URLLabelTest);

#include "tst_urllabel.moc"
