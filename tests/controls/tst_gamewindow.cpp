#include "controls/gamewindow.h"
#include "platform/testing/fakeplatform.h"
#include "tests/support/files.h"
#include "tests/support/testregistry.h"

#include <QApplication>
#include <QDir>
#include <QScopeGuard>
#include <QLabel>
#include <QPushButton>
#include <QTest>

#include <cmath>

using namespace Qt::StringLiterals;

namespace {

// A board of 200 × 100 with a line of text, a button and a framed part.
class Window : public TGameWindow {
public:
    explicit Window(platform::testing::FakePlatform &fake) : TGameWindow(fake.platform)
    {
        auto *board = new QWidget(this);
        board->setObjectName(u"board"_s);
        board->resize(200, 100);
        text = new QLabel(u"Words of Wisdom"_s, board);
        text->setGeometry(10, 10, 90, 16);
        QFont f = font();
        f.setPixelSize(11);
        text->setFont(f);
        button = new QPushButton(u"Check"_s, board);
        button->setGeometry(110, 60, 80, 25);
        auto *part = new QWidget(board);
        part->setGeometry(10, 40, 90, 50);
        inner = new QWidget(part);
        inner->setGeometry(5, 5, 80, 40);
        setBoard(board, 20);
    }
    void save() { saveSettings([](platform::SettingsFile &) {}, QString()); }
    using TGameWindow::openSettings;
    QLabel *text;
    QPushButton *button;
    QWidget *inner;
};

QWidget *formOf(QWidget &window) { return window.findChild<QWidget *>(u"form"_s); }

} // namespace

class GameWindowTest : public QObject {
    Q_OBJECT
private slots:
    // At any zoom the whole form is the form's own times the zoom, in the
    // middle of the window, every control inside it and every text whole.
    void theFormScalesAsOne()
    {
        platform::testing::FakePlatform fake;
        Window w(fake);
        w.show();
        QVERIFY(QTest::qWaitForWindowExposed(&w));
        for (qreal zoom : {1.0, 1.25, 1.5, 1.75, 2.0, 3.0}) {
            w.setZoom(zoom);
            QTRY_COMPARE(w.zoom(), zoom);
            QWidget *form = formOf(w);
            QCOMPARE(form->size(), QSize(int(std::lround(200 * zoom)), int(std::lround(120 * zoom))));
            QCOMPARE(w.text->font().pixelSize(), int(std::lround(11 * zoom)));
            QCOMPARE(w.button->geometry().topLeft(), QPoint(int(std::lround(110 * zoom)), int(std::lround(60 * zoom))));
            QCOMPARE(w.inner->width(), int(std::lround(85 * zoom)) - int(std::lround(5 * zoom)));
            for (QWidget *child : form->findChildren<QWidget *>())
                QVERIFY2(QRect(QPoint(), child->parentWidget()->size()).contains(child->geometry()),
                         qPrintable(child->objectName()));
            QVERIFY2(w.text->sizeHint().width() <= w.text->width(),
                     qPrintable(u"%1 at %2: %3 > %4"_s.arg(w.text->text()).arg(zoom).arg(w.text->sizeHint().width()).arg(w.text->width())));
            QVERIFY(w.statusLine()->geometry().bottom() < form->height());
        }
    }

    // A desktop theme may give a kind of control a font of its own, which the
    // form's font does not reach: such a control grows with the form all the
    // same.
    void aControlWithItsKindsOwnFontGrows()
    {
        QFont kind = QApplication::font();
        kind.setPixelSize(12);
        QApplication::setFont(kind, "QPushButton");
        const auto restore = qScopeGuard([] { QApplication::setFont(QApplication::font(), "QPushButton"); });
        platform::testing::FakePlatform fake;
        Window w(fake);
        w.show();
        QVERIFY(QTest::qWaitForWindowExposed(&w));
        QCOMPARE(w.button->font().pixelSize(), 12);
        w.setZoom(2);
        QTRY_COMPARE(w.zoom(), 2.0);
        QCOMPARE(w.button->font().pixelSize(), 24);
    }

    // A window of other proportions keeps the form's: it fills the smaller
    // side and stands in the middle of the larger.
    void aResizedWindowKeepsTheProportions()
    {
        platform::testing::FakePlatform fake;
        Window w(fake);
        w.show();
        QVERIFY(QTest::qWaitForWindowExposed(&w));
        QWidget *stage = w.centralWidget();
        w.resize(w.size() + QSize(600, 120));
        QTRY_COMPARE(w.zoom(), qreal(stage->height()) / 120);
        const QRect form = formOf(w)->geometry();
        QCOMPARE(form.height(), stage->height());
        QVERIFY(std::abs(form.left() - (stage->width() - form.right() - 1)) <= 1);
        // No smaller than the form's own.
        w.resize(50, 50);
        QTRY_COMPARE(w.zoom(), 1.0);
        QVERIFY(stage->width() >= 200 && stage->height() >= 120);
    }

    // Ctrl++ and Ctrl+- step the zoom, Ctrl+0 goes back to the form's own
    // size; the zoom is kept in the settings file once it is not 100.
    void zoomKeysAndTheirMemory()
    {
        const QString file = QDir(qEnvironmentVariable("XDG_CONFIG_HOME")).filePath(u"Zoomed.INI"_s);
        writeAll(file, "[Options]\nSound=1\n");
        platform::testing::FakePlatform fake;
        {
            Window w(fake);
            w.openSettings(u"Zoomed.INI"_s);
            w.show();
            QVERIFY(QTest::qWaitForWindowExposed(&w));
            QCOMPARE(w.zoom(), 1.0);
            QTest::keyClick(&w, Qt::Key_Plus, Qt::ControlModifier);
            QTRY_COMPARE(w.zoom(), 1.25);
            QTest::keyClick(&w, Qt::Key_Minus, Qt::ControlModifier);
            QTest::keyClick(&w, Qt::Key_Minus, Qt::ControlModifier);
            QTRY_COMPARE(w.zoom(), 1.0);
            w.save();
            QCOMPARE(readAll(file), QByteArray("[Options]\nSound=1\n")); // the form's own size: nothing written
            QTest::keyClick(&w, Qt::Key_Plus, Qt::ControlModifier);
            QTest::keyClick(&w, Qt::Key_Plus, Qt::ControlModifier);
            QTRY_COMPARE(w.zoom(), 1.5625);
            w.save();
            QCOMPARE(readAll(file), QByteArray("[Options]\nSound=1\nZoom=156\n"));
        }
        Window again(fake);
        again.openSettings(u"Zoomed.INI"_s);
        again.show();
        QVERIFY(QTest::qWaitForWindowExposed(&again));
        QTRY_COMPARE(again.zoom(), 1.56);
        QTest::keyClick(&again, Qt::Key_0, Qt::ControlModifier);
        QTRY_COMPARE(again.zoom(), 1.0);
        QVERIFY(fake.messages.shown.empty());
    }

    // The hint's work comes back on this thread; a cancelled one never does,
    // and cancelling does not wait for the work to finish.
    void theHintWorkerCancels()
    {
        THintWorker worker;
        int got = 0;
        worker.start<int>([](const THintWorker::Cancelled &) { return 42; }, [&got](int v) { got = v; });
        QTRY_COMPARE(got, 42);
        std::atomic<bool> started = false;
        worker.start<int>(
            [&started](const THintWorker::Cancelled &cancelled) {
                started = true;
                while (!cancelled)
                    QThread::msleep(1);
                return 7;
            },
            [&got](int v) { got = v; });
        QTRY_VERIFY(started);
        QVERIFY(worker.busy());
        worker.cancel();
        QVERIFY(!worker.busy());
        QTest::qWait(20);
        QCOMPARE(got, 42);
    }
};

GAMES_TEST(GameWindowTest);
#include "tst_gamewindow.moc"
