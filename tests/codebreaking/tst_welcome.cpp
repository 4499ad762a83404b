#include "codebreaking/welcome.h"
#include "controls/anim.h"
#include "platform/testing/fakeplatform.h"
#include "tests/support/testregistry.h"

#include <QCheckBox>
#include <QLabel>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <QWindow>

namespace {

// Counts the times a window is held up by a modal one.
struct BlockWatch : QObject {
    int blocked = 0;
    bool eventFilter(QObject *, QEvent *event) override
    {
        blocked += event->type() == QEvent::WindowBlocked;
        return false;
    }
};

} // namespace

class WelcomeBoxTest : public QObject {
    Q_OBJECT

    platform::testing::FakePlatform fake;

    // Opens the box as the board does and lets `user` act on it while open;
    // -1 if the user left it open.
    int open(codebreaking::TWelcomeBox &box, const std::function<void()> &user)
    {
        fake.messages.onExec = [&](QDialog &d) {
            d.show();
            user();
            const bool stillOpen = d.isVisible();
            d.hide();
            return stillOpen ? -1 : d.result();
        };
        return fake.platform.messages.exec(box);
    }

private slots:
    void textsAndLayout()
    {
        bool flag = true;
        codebreaking::TWelcomeBox box(fake.platform, flag);
        QCOMPARE(box.windowTitle(), QStringLiteral("Welcome"));
        // As drawn, or as much larger as the font needs to show every text.
        QCOMPARE(box.width(), std::max(259, box.CheckBox1->sizeHint().width() + 16));
        QVERIFY(box.height() >= 282);

        QCOMPARE(box.Label1->text(), QStringLiteral("Welcome to Pegora v2.3 !"));
        QVERIFY(box.Label1->font().bold());
        QCOMPARE(box.Label5->text(),
                 QStringLiteral("To win, you have to guess the secret color sequence the program choosed."));
        QCOMPARE(box.Label2->text(),
                 QStringLiteral("To do so, simply drag and drop the colors in the left-side spaces and then "
                                "click on the Check button. The two numbers will tell you how many correctly "
                                "placed color and how many incorrectly placed there are."));
        QCOMPARE(box.Label4->text(),
                 QStringLiteral("If you don't check Single Colors option there can be a sequence with a color "
                                "repeated more than one time."));
        QCOMPARE(box.CheckBox1->text(), QStringLiteral("Show this message when the program starts"));
        QCOMPARE(box.Button2->text(), QStringLiteral("More..."));
        QCOMPARE(box.Button1->text(), QStringLiteral("OK"));

        // Top to bottom inside the box, none over another, no text cut.
        const QWidget *order[] = {box.Label1, box.Label5, box.Label2, box.Label4, box.CheckBox1, box.Button1};
        for (size_t i = 0; i < std::size(order); ++i) {
            QVERIFY(box.rect().contains(order[i]->geometry()));
            QVERIFY(i == 0 || order[i - 1]->geometry().bottom() < order[i]->y());
        }
        for (QLabel *text : {box.Label1, box.Label5, box.Label2, box.Label4})
            QVERIFY(text->height() >= text->heightForWidth(text->width()));
        QVERIFY(box.CheckBox1->width() >= box.CheckBox1->sizeHint().width());

        TAnimated *a = box.Animated1;
        QCOMPARE(a->geometry(), QRect(8, 8, 32, 31));
        QVERIFY(a->Interval() == 700 && a->FrameCount() == 6 && a->Frame() == 3);
        QVERIFY(a->Play() && !a->Reverse() && a->Loop());
        QVERIFY(a->accessibleName().startsWith(QStringLiteral("A peg dropping into its hole")));
    }

    void onlyOkWritesTheFlag()
    {
        bool flag = true;
        codebreaking::TWelcomeBox box(fake.platform, flag);

        // Cleared and closed by the frame: nothing changes.
        QCOMPARE(open(box,
                      [&] {
                          QTest::mouseClick(box.CheckBox1, Qt::LeftButton);
                          box.close();
                      }),
                 int(QDialog::Rejected));
        QVERIFY(flag);

        // Shown anew from the flag, cleared and confirmed: the next start
        // goes without the greeting.
        QCOMPARE(open(box,
                      [&] {
                          QVERIFY(box.CheckBox1->isChecked());
                          QTest::mouseClick(box.CheckBox1, Qt::LeftButton);
                          QVERIFY(flag); // nothing is taken before OK
                          QTest::mouseClick(box.Button1, Qt::LeftButton);
                      }),
                 int(QDialog::Accepted));
        QVERIFY(!flag);

        // The menu still shows it, unchecked, with the keyboard on OK and Tab
        // going on as the box reads; a flag changed meanwhile shows next time.
        QList<QWidget *> tabbed;
        open(box, [&] {
            QVERIFY(!box.CheckBox1->isChecked());
            box.activateWindow();
            tabbed << box.focusWidget();
            for (int i = 0; i < 3; ++i) {
                QTest::keyClick(box.focusWidget(), Qt::Key_Tab);
                tabbed << box.focusWidget();
            }
            box.close();
        });
        QCOMPARE(tabbed, (QList<QWidget *>{box.Button1, box.CheckBox1, box.Button2, box.Button1}));
        flag = true;
        open(box, [&] {
            QVERIFY(box.CheckBox1->isChecked());
            box.Button1Click();
        });
        QVERIFY(flag);
    }

    void moreOpensTheRulesAndStays()
    {
        bool flag = true;
        codebreaking::TWelcomeBox box(fake.platform, flag);
        fake.help.topics.clear();
        QCOMPARE(open(box,
                      [&] {
                          box.CheckBox1->setChecked(false);
                          QTest::mouseClick(box.Button2, Qt::LeftButton);
                          // Coming back from the help window is no new showing:
                          // the cleared check box stays as the user left it.
                          QEvent back(QEvent::WindowActivate);
                          QCoreApplication::sendEvent(&box, &back);
                          QVERIFY(!box.CheckBox1->isChecked());
                      }),
                 -1);
        QCOMPARE(fake.help.topics, QStringList{QStringLiteral("rules")});
        QVERIFY(flag);
    }

    void holdsUpTheBoardButNotTheHelp()
    {
        // "More..." opens a window of the program's own, which must take the
        // mouse and keys while the box stays open over the board.
        QWidget board, help;
        board.show();
        help.show();
        QVERIFY(QTest::qWaitForWindowExposed(&board) && QTest::qWaitForWindowExposed(&help));
        BlockWatch boardWatch, helpWatch;
        board.windowHandle()->installEventFilter(&boardWatch);
        help.windowHandle()->installEventFilter(&helpWatch);

        bool flag = true;
        codebreaking::TWelcomeBox box(fake.platform, flag, &board);
        fake.messages.onExec = [&](QDialog &d) {
            QTimer::singleShot(0, &d, [&] { d.reject(); });
            return d.exec();
        };
        fake.platform.messages.exec(box);
        QCOMPARE(boardWatch.blocked, 1);
        QCOMPARE(helpWatch.blocked, 0);
    }

    void animatesOnlyWhileShown()
    {
        bool flag = true;
        codebreaking::TWelcomeBox box(fake.platform, flag);
        TAnimated *a = box.Animated1;
        // Made at start-up and not yet shown: no strip drawn, nothing ticks.
        QVERIFY(a->BitMap().isNull());
        QVERIFY(a->timer() && !a->timer()->isActive());
        open(box, [&] {
            QCOMPARE(a->BitMap().size(), QSize(192, 31));
            QVERIFY(QTest::qWaitFor([&] { return a->Frame() == 4; }, 2000));
            box.Button1Click();
        });
        QVERIFY(a->Play() && !a->timer()->isActive());
        QCOMPARE(a->Frame(), 4);
    }
};

GAMES_TEST(WelcomeBoxTest);

#include "tst_welcome.moc"
