#include "controls/gamewindow.h"
#include "platform/testing/fakeplatform.h"
#include "tests/support/files.h"
#include "tests/support/testregistry.h"

#include <QAction>
#include <QApplication>
#include <QDir>
#include <QKeyEvent>
#include <QScopeGuard>
#include <QLabel>
#include <QPushButton>
#include <QTest>
#include <QThread>

#include <cmath>

using namespace Qt::StringLiterals;

namespace {

// A board of 200 × 100 with a line of text, a button and a framed part.
class Window : public TGameWindow {
public:
    explicit Window(platform::testing::FakePlatform &fake) : TGameWindow(fake.platform), m_fake(fake)
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
        addMenu(u"&Options"_s, "Options1", {coachOption()});
    }
    using TGameWindow::askForHint;
    using TGameWindow::rateDecision;
    void setDefault(QAbstractButton *button) { setDefaultButton(button); }
    using TGameWindow::hintOutdated;
    using TGameWindow::saveSettings;
    using TGameWindow::setHint;
    using TGameWindow::startUp;
    QStringList life; // what the window asked of the game, in order
    QLabel *text;
    QPushButton *button;
    QWidget *inner;

protected:
    void readKeys(platform::SettingsFile &file) override
    {
        const QString sound = file.ini().ReadString(u"Options"_s, u"Sound"_s, {});
        life << u"read "_s + sound;
        if (sound == u"maybe"_s)
            file.addProblem(u"Sound is maybe."_s);
    }
    void writeKeys(platform::SettingsFile &) const override {}
    void startGame() override { life << u"start, %1 told"_s.arg(m_fake.messages.shown.size()); }

private:
    platform::testing::FakePlatform &m_fake;
};

QWidget *formOf(QWidget &window) { return window.findChild<QWidget *>(u"form"_s); }

} // namespace

class GameWindowTest : public QObject {
    Q_OBJECT
private slots:
    // The coach's line goes under the game's words while both fit; the
    // game's words are never the ones to go.
    void theGamesWordsComeBeforeTheCoachs()
    {
        platform::testing::FakePlatform fake;
        Window w(fake); // a status line of one line
        QVERIFY(!w.coach().on());
        w.findChild<QAction *>(u"Coach1"_s)->trigger();
        w.rateDecision([] {
            coach::Rating r = coach::ratingOf(2, 1, false);
            r.verdict = u"Best was: Hold 6 6 (2.0 points lost)."_s;
            return r;
        });
        w.coach().settle();
        QCOMPARE(w.statusLine()->text(), u"Best was: Hold 6 6 (2.0 points lost)."_s);
        w.setStatus(u"Deal first."_s);
        QCOMPARE(w.statusLine()->text(), u"Deal first."_s);
        w.setStatus({});
        QCOMPARE(w.statusLine()->text(), u"Best was: Hold 6 6 (2.0 points lost)."_s);
        w.findChild<QAction *>(u"Coach1"_s)->trigger(); // off: the line goes
        QCOMPARE(w.statusLine()->text(), QString());
    }

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
            w.startUp(u"Zoomed.INI"_s);
            w.show();
            QVERIFY(QTest::qWaitForWindowExposed(&w));
            QCOMPARE(w.zoom(), 1.0);
            QTest::keyClick(&w, Qt::Key_Plus, Qt::ControlModifier);
            QTRY_COMPARE(w.zoom(), 1.25);
            QTest::keyClick(&w, Qt::Key_Minus, Qt::ControlModifier);
            QTest::keyClick(&w, Qt::Key_Minus, Qt::ControlModifier);
            QTRY_COMPARE(w.zoom(), 1.0);
            w.saveSettings();
            QCOMPARE(readAll(file), QByteArray("[Options]\nSound=1\n")); // the form's own size: nothing written
            QTest::keyClick(&w, Qt::Key_Plus, Qt::ControlModifier);
            QTest::keyClick(&w, Qt::Key_Plus, Qt::ControlModifier);
            QTRY_COMPARE(w.zoom(), 1.5625);
            w.saveSettings();
            QCOMPARE(readAll(file), QByteArray("[Options]\nSound=1\nZoom=156\n"));
        }
        Window again(fake);
        again.startUp(u"Zoomed.INI"_s);
        again.show();
        QVERIFY(QTest::qWaitForWindowExposed(&again));
        QTRY_COMPARE(again.zoom(), 1.56);
        QTest::keyClick(&again, Qt::Key_0, Qt::ControlModifier);
        QTRY_COMPARE(again.zoom(), 1.0);
        QVERIFY(fake.messages.shown.empty());
        QCOMPARE(again.life, (QStringList{u"read 1"_s, u"start, 0 told"_s}));
    }

    // A damaged file is told after the game has read what it could, and
    // before the game starts.
    void theFilesProblemsAreToldBeforeTheGameStarts()
    {
        const QString file = QDir(qEnvironmentVariable("XDG_CONFIG_HOME")).filePath(u"Damaged.INI"_s);
        writeAll(file, "[Options]\nSound=maybe\n");
        platform::testing::FakePlatform fake;
        Window w(fake);
        w.startUp(u"Damaged.INI"_s);
        QCOMPARE(w.life, (QStringList{u"read maybe"_s, u"start, 1 told"_s}));
        QCOMPARE(fake.messages.lastText(), u"Sound is maybe."_s);
    }

    // A hint asked before its answer is worked out is given when the answer
    // comes, once; the player's no to the question, or a move meanwhile,
    // gives none. A lasting answer serves the next hint at once, as does
    // one that needs no work.
    void theHintIsGivenWhenItsAnswerComes()
    {
        platform::testing::FakePlatform fake;
        Window w(fake);
        bool ranked = true, fits = true;
        int worked = 0, kept = 0, given = 0;
        QString status;
        w.setHint({[&](QString &why) {
                       why = u"not now"_s;
                       return fits;
                   },
                   [&] { return ranked; }, [&] { ranked = false; }, u"Working"_s,
                   [&] {
                       ++worked;
                       return [&](const THintWorker::Cancelled &) { return std::function<void()>([&] { ++kept; }); };
                   },
                   [&] {
                       ++given;
                       w.setStatus(u"Hold 5 5"_s);
                   },
                   true});
        fake.messages.answers = {platform::No};
        w.askForHint();
        QVERIFY(ranked);
        QCOMPARE(worked, 0);
        w.askForHint(); // yes, by the double's default
        QVERIFY(!ranked);
        QCOMPARE(w.statusLine()->text(), u"Working"_s);
        QTRY_COMPARE(given, 1);
        QCOMPARE(kept, 1);
        QCOMPARE(w.statusLine()->text(), u"Hold 5 5"_s);
        w.askForHint();
        QCOMPARE(given, 2);
        QCOMPARE(worked, 1);
        fits = false;
        w.askForHint();
        QCOMPARE(w.statusLine()->text(), u"not now"_s);

        // An answer for one move only is not given once the game moved on.
        Window once(fake);
        int onceGiven = 0;
        once.setHint({[](QString &) { return true; }, {}, {}, u"Working"_s,
                      [] {
                          return [](const THintWorker::Cancelled &) {
                              QThread::msleep(30);
                              return std::function<void()>([] {});
                          };
                      },
                      [&] { ++onceGiven; }});
        once.askForHint();
        once.hintOutdated();
        QTest::qWait(80);
        QCOMPARE(onceGiven, 0);
        QVERIFY(once.statusLine()->text().isEmpty());
        once.askForHint();
        QTRY_COMPARE(onceGiven, 1);

        Window atOnce(fake);
        int atOnceGiven = 0;
        atOnce.setHint({[](QString &) { return true; }, {}, {}, {}, {}, [&] { ++atOnceGiven; }});
        atOnce.askForHint();
        QCOMPARE(atOnceGiven, 1);
        atOnce.hintOutdated();
        atOnce.askForHint();
        QCOMPARE(atOnceGiven, 2);
    }

    // Return presses the focused button, else the default one; a held key
    // presses once; a greyed button is not pressed.
    void returnPressesTheDefaultButton()
    {
        platform::testing::FakePlatform fake;
        Window w(fake);
        auto *other = new QPushButton(u"Other"_s, w.text->parentWidget());
        int checks = 0, others = 0;
        connect(w.button, &QPushButton::clicked, [&] { ++checks; });
        connect(other, &QPushButton::clicked, [&] { ++others; });
        w.setDefault(w.button);
        w.show();
        QVERIFY(QTest::qWaitForWindowExposed(&w));
        w.text->parentWidget()->setFocus();
        QTest::keyClick(&w, Qt::Key_Return);
        QTest::keyClick(&w, Qt::Key_Enter, Qt::KeypadModifier);
        QCOMPARE(checks, 2);
        other->setFocus();
        QTest::keyClick(other, Qt::Key_Return);
        QCOMPARE(others, 1);
        QTest::keyEvent(QTest::Press, other, Qt::Key_Return, Qt::NoModifier, -1); // not a repeat yet
        QKeyEvent repeat(QEvent::KeyPress, Qt::Key_Return, Qt::NoModifier, QString(), true);
        QApplication::sendEvent(other, &repeat);
        QCOMPARE(others, 2);
        other->setEnabled(false);
        w.button->setEnabled(false);
        QTest::keyClick(&w, Qt::Key_Return);
        QCOMPARE(checks, 2);
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
