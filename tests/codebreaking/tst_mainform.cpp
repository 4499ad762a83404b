#include "codebreaking/mainform.h"
#include "platform/testing/fakeplatform.h"
#include "tests/codebreaking/confighome.h"
#include "tests/support/testregistry.h"

#include <QAction>
#include <QApplication>
#include <QDialog>
#include <QLabel>
#include <QMimeData>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include <algorithm>
#include <memory>
#include <optional>

using namespace codebreaking;
using platform::MsgIcon;

namespace {

// A board with the desktop played by the test double.
struct Board {
    ConfigHome home; // the board reads and writes its settings file here
    platform::testing::FakePlatform fake;
    std::unique_ptr<TMainForm> form;
    int results = 0;
    std::function<void()> onResult; // what a test sees as the end-of-game dialog opens

    Board()
    {
        fake.messages.onExec = [this](QDialog &dialog) {
            if (dialog.objectName() == QLatin1String("Result")) {
                ++results;
                if (onResult)
                    onResult();
            }
            return int(QDialog::Accepted);
        };
        form = std::make_unique<TMainForm>(fake.platform);
    }
    TMainForm &operator*() { return *form; }
    TMainForm *operator->() { return form.get(); }

    // Carries what a drag from the source carries over the target and lets it
    // go, as the desktop delivers it: enter, move, drop. True when taken.
    static bool drop(const QMimeData &data, QWidget *target)
    {
        const QPoint at(10, 8);
        QDragEnterEvent enter(at, Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(target, &enter);
        QDragMoveEvent move(at, Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(target, &move);
        QDropEvent dropped(QPointF(at), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(target, &dropped);
        return enter.isAccepted() && move.isAccepted() && dropped.isAccepted();
    }
    static bool drop(TPegShape *source, QWidget *target)
    {
        const std::unique_ptr<QMimeData> data(source->dragData());
        return drop(*data, target);
    }

    // What the player finds at a point of the board.
    QWidget *at(int x, int y) const { return form->findChild<QWidget *>(QStringLiteral("board"))->childAt(x, y); }

    void fillLine(const Code &code)
    {
        const int line = form->Game.Line;
        for (int col = 1; col <= form->Game.Positions; ++col)
            QVERIFY(drop(form->palettePeg(code[col - 1]), form->hole(line, col)));
    }

    // A line that scores nothing: a colour missing from the code.
    Code wrong() const
    {
        for (int c = 1; c <= 8; ++c)
            if (std::find(form->Game.Secret.begin(), form->Game.Secret.end(), PegColor(c)) == form->Game.Secret.end())
                return {PegColor(c), PegColor(c), PegColor(c), PegColor(c)};
        return {};
    }

    // Check clicked, and what the end of a game opens once the click is over.
    void check()
    {
        QTest::mouseClick(form->Button1, Qt::LeftButton);
        QCoreApplication::processEvents();
    }

    QList<TColor> markers() const
    {
        QList<TColor> m;
        for (int line = 1; line <= LineCount; ++line)
            m << form->marker(line)->ButtonColor();
        return m;
    }
};

QList<TColor> markersWith(int line, TColor color)
{
    QList<TColor> m(LineCount, clYellow);
    if (line >= 1)
        m[line - 1] = color;
    return m;
}

const QString TrainingTail = QStringLiteral(" the game is considered training\rand I won't update Best "
                                            "Players or Statistics.\rStart a new game ?");

} // namespace

class MainFormTest : public QObject {
    Q_OBJECT
private slots:
    void boardAfterStart()
    {
        Board b;
        QCOMPARE(b->windowTitle(), QStringLiteral("Pegora"));
        QVERIFY(!b->s1->isEnabled());
        QCOMPARE(b->Timer1->interval(), 1000);

        QVERIFY(b->Game.running() && b->Timer1->isActive());
        QCOMPARE(b->lTurno->text(), QStringLiteral("1"));
        QCOMPARE(b->time->text(), QStringLiteral("0"));
        QVERIFY(!b->Button1->isEnabled() && !b->Button2->isEnabled());
        QVERIFY(b->Secretcode1->isEnabled());
        QCOMPARE(b.markers(), markersWith(1, clBlue));
        QCOMPARE(b->correctLabel(5)->text(), QStringLiteral("?"));
        QCOMPARE(b->hole(1, 1)->Color(), clBtnFace);
        QCOMPARE(b->hole(1, 1)->accessibleName(), QStringLiteral("Line 1, column 1: empty"));
        // The palette, top row then bottom row, in the order of the peg numbers.
        QStringList palette;
        for (int y : {32, 52})
            for (int x : {191, 216, 241, 266})
                palette << b.at(x, y)->accessibleName();
        QStringList byNumber;
        for (const char *name : {"white", "red", "yellow", "green", "fuchsia", "aqua", "blue", "black"})
            byNumber << QStringLiteral("Palette peg %1: %2").arg(byNumber.size() + 1).arg(QLatin1String(name));
        QCOMPARE(palette, byNumber);
        QCOMPARE(b->marker(1)->accessibleName(), QStringLiteral("Line 1 marker, current line: blue"));
        QCOMPARE(b->correctLabel(1)->accessibleName(), QStringLiteral("Line 1 correctly placed: not checked"));
        QCOMPARE(b->lTurno->accessibleName(), QStringLiteral("Line 1"));
        QCOMPARE(b->time->accessibleName(), QStringLiteral("0 seconds"));
        b->Timer1Timer(); // one second, in its own form
        QCOMPARE(b->time->accessibleName(), QStringLiteral("1 second"));
        QVERIFY(b.fake.messages.shown.empty());
    }

    void menus()
    {
        Board b;
        QCOMPARE(b->New1->text(), QStringLiteral("&New"));
        QCOMPARE(b->New1->shortcut(), QKeySequence(Qt::Key_F2));
        QCOMPARE(b->Secretcode1->text(), QStringLiteral("Show Secret &Code"));
        QCOMPARE(b->About1->text(), QStringLiteral("&About..."));
        QVERIFY(b->NormalGame1->isChecked() && !b->tc1->isChecked());
        QVERIFY(b->Sound1->isChecked() && !b->sc1->isChecked());
        QVERIFY(b->tc1->actionGroup() && b->tc1->actionGroup() == b->NormalGame1->actionGroup());

        b->Contents1->trigger();
        b->Rules1->trigger();
        b->Scoring1->trigger();
        QCOMPARE(b.fake.help.topics,
                 QStringList({QStringLiteral("contents"), QStringLiteral("rules"), QStringLiteral("scoring")}));

        // The marks move only as the handlers decide.
        b->Sound1->trigger();
        QVERIFY(!b->Sound1->isChecked());
        b->Sound1->trigger();
        QVERIFY(b->Sound1->isChecked());
        b.fake.messages.answers = {platform::No};
        b->tc1->trigger();
        QVERIFY(!b->tc1->isChecked() && b->NormalGame1->isChecked());
        b.fake.messages.answers = {platform::No};
        b->sc1->trigger();
        QVERIFY(!b->sc1->isChecked());
        b->NormalGame1->trigger(); // already checked: not even a question
        QVERIFY(b->NormalGame1->isChecked());
        QCOMPARE(int(b.fake.messages.shown.size()), 2);
        b->tc1->trigger();
        QVERIFY(b->tc1->isChecked() && !b->NormalGame1->isChecked());

        // The commands open their dialogs; Best Players with no row marked.
        b.fake.messages.dialogs.clear();
        b->Statistics1->trigger();
        b->Welcomebox1->trigger();
        b->About1->trigger();
        b->Records.marked[2] = true;
        bool marked = true;
        b.fake.messages.onExec = [&](QDialog &) {
            marked = b->Records.marked[2];
            return int(QDialog::Accepted);
        };
        b->BestPlayers1->trigger();
        QVERIFY(!marked);
        QCOMPARE(b.fake.messages.dialogs, (QStringList{QStringLiteral("Statistics"), QStringLiteral("WelcomeBox"),
                                                       QStringLiteral("AboutBox1"), QStringLiteral("BestPlayers")}));
    }

    // Pegs dropped where the board shows them: the palette at the top right,
    // the holes of line k at y = 24 + 20 (k - 1).
    void dropsAndCheckEnabling()
    {
        Board b;
        QCOMPARE(b.at(216, 32), b->rosso);
        QCOMPARE(b.at(266, 52), b->nero);
        QCOMPARE(b.at(116, 212), b->hole(10, 4));
        QCOMPARE(b.at(16, 212), b->marker(10));
        QVERIFY(b.drop(b->rosso, b.at(41, 32)));
        QCOMPARE(b->Game.peg(1, 1), PegColor::Red);
        QCOMPARE(b->hole(1, 1)->Color(), clRed);
        QCOMPARE(b->rosso->Color(), clRed); // the source keeps its own
        QCOMPARE(b.fake.sound.played, QStringList(QStringLiteral("drop.wav")));
        QCOMPARE(b->hole(1, 1)->accessibleName(), QStringLiteral("Line 1, column 1: red"));
        QVERIFY(!b.drop(b->blu, b->hole(2, 1))); // not the current line
        QVERIFY(!b.drop(b->blu, b->bianco));     // the palette takes nothing
        QVERIFY(!b.drop(b->blu, b->s1));         // nor the code row
        QCOMPARE(b->hole(2, 1)->Color(), clBtnFace);
        QCOMPARE(b->bianco->Color(), clWhite);
        QVERIFY(b.drop(b->blu, b->hole(1, 2)));
        QVERIFY(b.drop(b->hole(1, 1), b->hole(1, 3))); // a hole is a source too
        QCOMPARE(b->Game.peg(1, 3), PegColor::Red);
        QVERIFY(!b->Button1->isEnabled());
        QVERIFY(b.drop(b->nero, b.at(116, 32)));
        QVERIFY(b->Button1->isEnabled());
        // An empty hole of a later line empties a hole of the current one.
        QVERIFY(b.drop(b->hole(7, 2), b->hole(1, 3)));
        QCOMPARE(b->Game.peg(1, 3), PegColor::None);
        QCOMPARE(b->hole(1, 3)->Color(), clBtnFace);
        QVERIFY(!b->Button1->isEnabled());
        QCOMPARE(b.fake.sound.played.size(), 5);

        // Something else dragged onto a hole, or a damaged peg, is refused.
        for (const QByteArray &payload : {QByteArray("9"), QByteArray("-1"), QByteArray("red"), QByteArray()}) {
            QMimeData data;
            data.setData(QString::fromLatin1(PegMimeType), payload);
            QVERIFY(!Board::drop(data, b->hole(1, 3)));
        }
        QMimeData text;
        text.setText(QStringLiteral("1"));
        QVERIFY(!Board::drop(text, b->hole(1, 3)));
        QCOMPARE(b->Game.peg(1, 3), PegColor::None);
        QCOMPARE(b.fake.sound.played.size(), 5);
    }

    void failingSoundSwitchesTheOptionOff()
    {
        Board b;
        b.fake.sound.works = false;
        QVERIFY(b.drop(b->rosso, b->hole(1, 1)));
        QCOMPARE(b->hole(1, 1)->Color(), clRed); // the game goes on
        QVERIFY(!b->Sound1->isChecked() && b->Sound1->isEnabled());
        QVERIFY(b.drop(b->rosso, b->hole(1, 2)));
        QCOMPARE(b.fake.sound.played.size(), 1); // no more tries while off
        b->Sound1Click();
        b.fake.sound.works = true;
        QVERIFY(b.drop(b->rosso, b->hole(1, 3)));
        QCOMPARE(b.fake.sound.played.size(), 2);
    }

    void checkNextLineAndRepeat()
    {
        Board b;
        const Code wrong = b.wrong();
        b.fillLine(wrong);
        b.check();
        QCOMPARE(b->correctLabel(1)->text(), QStringLiteral("0"));
        QCOMPARE(b->misplacedLabel(1)->text(), QStringLiteral("0"));
        QCOMPARE(b->correctLabel(1)->accessibleName(), QStringLiteral("Line 1 correctly placed: 0"));
        QCOMPARE(b->Game.Line, std::uint16_t(2));
        QCOMPARE(b->lTurno->text(), QStringLiteral("2"));
        QCOMPARE(b.markers(), markersWith(2, clBlue));
        QVERIFY(!b->Button1->isEnabled() && b->Button2->isEnabled());
        QVERIFY(!b.drop(b->rosso, b->hole(1, 1))); // the checked line is closed
        QVERIFY(b.drop(b->rosso, b->hole(2, 1)));
        QTest::mouseClick(b->Button2, Qt::LeftButton);
        for (int col = 1; col <= 4; ++col)
            QCOMPARE(b->hole(2, col)->Color(), pegTColor(wrong[0]));
        QVERIFY(b->Button1->isEnabled() && !b->Button2->isEnabled());

        // A line scoring both counts.
        const Code s = b->Game.Secret;
        const Code guess{s[1], s[0], s[2], s[3]};
        b.fillLine(guess);
        b.check();
        const Score want = ScoreGuess(s, guess, 4);
        QCOMPARE(b->correctLabel(2)->text(), QString::number(want.CorrectCount));
        QCOMPARE(b->misplacedLabel(2)->text(), QString::number(want.MisplacedCount));
    }

    void winningLine()
    {
        Board b;
        // The end-of-game dialog opens over a board that already shows the end.
        QList<TColor> marksSeen;
        TColor codeSeen = clBtnFace;
        bool checkSeen = true;
        b.onResult = [&] {
            marksSeen = b.markers();
            codeSeen = b->s1->Color();
            checkSeen = b->Button1->isEnabled();
        };
        b.fillLine(b.wrong());
        b.check();
        b.fillLine(b->Game.Secret);
        b->Timer1Timer();
        b.check();
        QCOMPARE(marksSeen, markersWith(2, clRed));
        QCOMPARE(codeSeen, pegTColor(b->Game.Secret[0]));
        QVERIFY(!checkSeen);
        QCOMPARE(b->correctLabel(2)->text(), QStringLiteral("4"));
        QCOMPARE(b->misplacedLabel(2)->text(), QStringLiteral("0"));
        QCOMPARE(b.markers(), markersWith(2, clRed));
        QCOMPARE(b.results, 1);
        QCOMPARE(b.fake.sound.played.last(), QStringLiteral("win.wav"));
        QVERIFY(!b->Game.running() && !b->Timer1->isActive());
        QVERIFY(!b->Button1->isEnabled() && !b->Button2->isEnabled() && !b->Secretcode1->isEnabled());
        QCOMPARE(b->lTurno->text(), QStringLiteral("2"));
        for (int i = 1; i <= 4; ++i)
            QCOMPARE(b->code(i)->Color(), pegTColor(b->Game.Secret[i - 1]));
        QCOMPARE(b->Stats, (GameStats{1, 2, 1, 0}));
        QVERIFY(!b.drop(b->rosso, b->hole(2, 1))); // the game is over
        QVERIFY(b.fake.messages.shown.empty());
    }

    void lossOnLineTenAndWinOnLineTen()
    {
        Board b;
        for (int line = 1; line <= 10; ++line) {
            b.fillLine(b.wrong());
            b.check();
        }
        QCOMPARE(b.fake.messages.shown.size(), size_t(1));
        QCOMPARE(b.fake.messages.shown[0].text, QStringLiteral("Sorry, too many guesses."));
        QCOMPARE(b.fake.messages.shown[0].icon, MsgIcon::Information);
        QCOMPARE(b.fake.messages.shown[0].buttons, int(platform::Ok));
        QCOMPARE(b.markers(), markersWith(0, clYellow));
        QCOMPARE(b->s4->Color(), pegTColor(b->Game.Secret[3]));
        QCOMPARE(b->lTurno->text(), QStringLiteral("10"));
        QVERIFY(!b->Timer1->isActive() && !b->Button2->isEnabled() && !b->Secretcode1->isEnabled());
        QCOMPARE(b.results, 0);
        QCOMPARE(b->Stats, (GameStats{0, 10, 1, 1}));
        QVERIFY(!b.drop(b->rosso, b->hole(10, 1)));
        QVERIFY(!b->Button1->isEnabled());

        b->New1Click(b->New1);
        for (int line = 1; line <= 9; ++line) {
            b.fillLine(b.wrong());
            b.check();
        }
        b.fillLine(b->Game.Secret);
        b.check();
        QCOMPARE(b.results, 1);
        QCOMPARE(b.markers(), markersWith(10, clRed));
        QCOMPARE(b->Stats, (GameStats{0, 20, 2, 1}));
    }

    void showSecretCode()
    {
        Board b;
        b.fillLine(b.wrong());
        b.check();
        b.fillLine(b->Game.Secret); // a full line, Check on
        b->Secretcode1->trigger();
        QVERIFY(!b->Secretcode1->isEnabled() && !b->Timer1->isActive());
        QVERIFY(!b->Button1->isEnabled() && !b->Button2->isEnabled());
        QCOMPARE(b.markers(), markersWith(2, clBlue)); // the markers stay
        QCOMPARE(b->s1->Color(), pegTColor(b->Game.Secret[0]));
        QCOMPARE(b->Stats, (GameStats{0, 0, 1, 1}));
        QVERIFY(!b.drop(b->rosso, b->hole(2, 1)));
    }

    void threeColorsLevel()
    {
        Board b;
        b.fake.messages.answers = {platform::No};
        b->New1Click(b->tc1);
        QCOMPARE(b.fake.messages.lastText(), QStringLiteral("If you play 3 Colors") + TrainingTail);
        QCOMPARE(b.fake.messages.shown.back().icon, MsgIcon::Confirmation);
        QCOMPARE(b.fake.messages.shown.back().buttons, int(platform::Yes | platform::No));
        QVERIFY(!b->tc1->isChecked() && b->Game.Positions == 4);

        b->New1Click(b->tc1); // Yes
        QVERIFY(b->tc1->isChecked() && !b->NormalGame1->isChecked());
        QCOMPARE(b->Game.Positions, 3);
        QVERIFY(b->hole(1, 4)->isHidden() && b->hole(10, 4)->isHidden() && b->s4->isHidden());
        QVERIFY(!b->hole(1, 3)->isHidden());
        const Code s = b->Game.Secret;
        b.fillLine({s[0], s[1], s[2], PegColor::None});
        QVERIFY(b->Button1->isEnabled()); // three holes are a full line
        b.check();
        QCOMPARE(b.results, 1);
        QCOMPARE(b->correctLabel(1)->text(), QStringLiteral("3"));
        QCOMPARE(b->Stats, GameStats{}); // training
        QCOMPARE(b->s4->Color(), pegTColor(s[3]));

        const size_t asked = b.fake.messages.shown.size();
        b->New1Click(b->tc1); // already checked: nothing at all
        QCOMPARE(b.fake.messages.shown.size(), asked);
        QVERIFY(!b->Game.running());
        b->New1Click(b->NormalGame1);
        QCOMPARE(b.fake.messages.lastText(), QStringLiteral("Start a new game ?"));
        QVERIFY(b->NormalGame1->isChecked() && b->Game.running() && b->Game.Positions == 4);
        QVERIFY(!b->hole(1, 4)->isHidden() && !b->s4->isHidden());
    }

    void singleColorsQuestions()
    {
        Board b;
        b.fillLine(b.wrong());
        b.check();
        b.fake.messages.answers = {platform::No};
        b->New1Click(b->sc1);
        QCOMPARE(b.fake.messages.lastText(), QStringLiteral("If you play Single Colors") + TrainingTail);
        QVERIFY(!b->sc1->isChecked());
        QCOMPARE(b->Game.Line, std::uint16_t(2)); // the game goes on
        b->New1Click(b->sc1);
        QVERIFY(b->sc1->isChecked() && b->Game.SingleColors && b->Game.Line == 1);
        QCOMPARE(b->hole(1, 1)->Color(), clBtnFace);
        b->New1Click(b->sc1);
        QCOMPARE(b.fake.messages.lastText(), QStringLiteral("Start a new game ?"));
        QVERIFY(!b->sc1->isChecked() && !b->Game.SingleColors);
    }

    void newGameNeverAsks()
    {
        Board b;
        b.fillLine(b.wrong());
        b.check();
        for (int i = 0; i < 5; ++i)
            b->Timer1Timer();
        b->show();
        QApplication::setActiveWindow(b.form.get());
        QVERIFY(QTest::qWaitForWindowActive(b.form.get()));
        QTest::keyClick(b.form.get(), Qt::Key_F2);
        QCOMPARE(b->Game.Line, std::uint16_t(1));
        QCOMPARE(b->time->text(), QStringLiteral("0"));
        QCOMPARE(b->correctLabel(1)->text(), QStringLiteral("?"));
        QCOMPARE(b.markers(), markersWith(1, clBlue));
        QVERIFY(!b->Button2->isEnabled());

        b.fillLine(b.wrong());
        b.check();
        // A double click on a hole is not on the free area...
        QTest::mouseDClick(b->hole(1, 1), Qt::LeftButton);
        QCOMPARE(b->Game.Line, std::uint16_t(2));
        // ...one beside the buttons is.
        QTest::mouseDClick(b->findChild<QWidget *>(QStringLiteral("board")), Qt::LeftButton, {}, QPoint(230, 146));
        QCOMPARE(b->Game.Line, std::uint16_t(1));
        QVERIFY(b.fake.messages.shown.empty());
        QCOMPARE(b->Stats, GameStats{}); // the abandoned games count nowhere
    }

    void clock()
    {
        Board b;
        b->Timer1Timer();
        b->Timer1Timer();
        QCOMPARE(b->time->text(), QStringLiteral("2"));
        QCOMPARE(b->Game.Seconds, std::uint16_t(2));
        // The real timer ticks too.
        b->Timer1->setInterval(20);
        QTRY_VERIFY(b->Game.Seconds >= 3);
        QCOMPARE(b->time->text(), QString::number(b->Game.Seconds));
        b->Secretcode1Click();
        const auto stopped = b->Game.Seconds;
        QTest::qWait(60);
        QCOMPARE(b->Game.Seconds, stopped);
    }

    void exitClosesTheWindow()
    {
        Board b;
        b->show();
        QVERIFY(QTest::qWaitForWindowExposed(b.form.get()));
        QVERIFY(!b->Button1->icon().isNull()); // pictures drawn once seen
        b->Exit1->trigger();
        QVERIFY(!b->isVisible());
    }
};

GAMES_TEST(MainFormTest);
#include "tst_mainform.moc"
