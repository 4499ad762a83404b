// The board by keys alone, and as a screen reader sees it.
#include "codebreaking/mainform.h"
#include "platform/testing/fakeplatform.h"
#include "tests/codebreaking/confighome.h"
#include "tests/support/testregistry.h"

#include <QAccessible>
#include <QAction>
#include <QApplication>
#include <QDialog>
#include <QImage>
#include <QLabel>
#include <QPixmap>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include <algorithm>
#include <memory>

using namespace codebreaking;

namespace {

// The board on the screen, its desktop played by the test double.
struct Board {
    ConfigHome home;
    platform::testing::FakePlatform fake;
    std::unique_ptr<TMainForm> form;
    Board()
    {
        home.write("[Options]\nWelcomeBox=0\nSound=1\n");
        form = std::make_unique<TMainForm>(fake.platform);
        form->show();
        QVERIFY(QTest::qWaitForWindowActive(form.get()));
    }
    TMainForm *operator->() { return form.get(); }
    PegColor at(int column) const { return form->Game.peg(form->Game.Line, column); }
    // A colour the code does not hold: a line of it never wins.
    int missing() const
    {
        for (int c = 1; c <= PegColorCount; ++c)
            if (std::find(form->Game.Secret.begin(), form->Game.Secret.end(), PegColor(c)) == form->Game.Secret.end())
                return c;
        return 0;
    }
};

// A key as the keyboard gives it: to the widget with the focus.
void press(int key, Qt::KeyboardModifiers mods = Qt::NoModifier, const QString &text = {})
{
    QWidget *to = QApplication::focusWidget();
    QVERIFY(to);
    QKeyEvent down(QEvent::KeyPress, key, mods, text);
    QApplication::sendEvent(to, &down);
    QKeyEvent up(QEvent::KeyRelease, key, mods, text);
    QApplication::sendEvent(to, &up);
}
void type(const char *keys)
{
    for (const char *k = keys; *k; ++k)
        press(Qt::Key_0 + (*k - '0'), Qt::NoModifier, QString(QLatin1Char(*k)));
}

QAccessibleInterface *reader(QObject *o) { return QAccessible::queryAccessibleInterface(o); }

// What a control shows the eye, as words a screen reader must say.
QStringList shown(QWidget *w)
{
    if (auto *peg = qobject_cast<TPegShape *>(w)) {
        QStringList words{peg->Filled() ? colorName(peg->Color()) : QStringLiteral("empty")};
        if (peg->line() > 0)
            words << QStringLiteral("Line %1, column %2").arg(peg->line()).arg(peg->column());
        return words;
    }
    if (auto *arrow = qobject_cast<TArrowButton *>(w)) {
        return {colorName(arrow->ButtonColor()), QStringLiteral("Line %1 marker").arg(arrow->objectName().mid(2))};
    }
    if (auto *label = qobject_cast<QLabel *>(w))
        return {label->text() == QStringLiteral("?") ? QStringLiteral("not checked") : label->text()};
    if (auto *button = qobject_cast<QAbstractButton *>(w))
        return {button->text()};
    return {};
}

} // namespace

class KeysTest : public QObject {
    Q_OBJECT

    // Every control of the board that shows something says it, with a role
    // that is more than a filler, and is reached from the window.
    static void everyShownValueIsExposed(TMainForm &form)
    {
        int seen = 0;
        for (QWidget *w : form.centralWidget()->findChildren<QWidget *>()) {
            const QStringList words = shown(w);
            if (!w->isVisible() || words.isEmpty())
                continue;
            ++seen;
            QAccessibleInterface *it = reader(w);
            QVERIFY2(it, qPrintable(w->objectName()));
            QAccessibleInterface *up = it;
            while (up && up->object() != &form)
                up = up->parent();
            QVERIFY2(up, qPrintable(w->objectName()));
            QVERIFY2(it->role() != QAccessible::Client && it->role() != QAccessible::NoRole,
                     qPrintable(w->objectName()));
            const QString told = it->text(QAccessible::Name) + u'\n' + it->text(QAccessible::Value);
            for (const QString &word : words)
                QVERIFY2(
                    told.contains(word, Qt::CaseInsensitive),
                    qPrintable(w->objectName() + QStringLiteral(" shows ") + word + QStringLiteral(", says ") + told));
        }
        QVERIFY(seen >= 40 + 8 + 4 + 20 + 10 + 5); // holes, palette, code, counts, markers, labels and buttons
    }

private slots:
    void aGamePlayedByKeys()
    {
        Board b;
        QCOMPARE(QApplication::focusWidget(), static_cast<QWidget *>(b->hole(1, 1)));
        QVERIFY(b->holeCursor()->isVisible());
        QVERIFY(b->holeCursor()->geometry().contains(b->hole(1, 1)->geometry()));
        press(Qt::Key_Left); // already at the first hole
        press(Qt::Key_Right);
        press(Qt::Key_Right);
        QCOMPARE(b->cursorColumn(), 3);
        QVERIFY(b->holeCursor()->geometry().contains(b->hole(1, 3)->geometry()));
        // A screen reader finds the cursor's hole as the focused object.
        QCOMPARE(QApplication::focusWidget(), static_cast<QWidget *>(b->hole(1, 3)));
        QVERIFY(reader(b->hole(1, 3))->state().focused);
        QVERIFY(!reader(b->hole(1, 1))->state().focused);
        press(Qt::Key_Left);
        press(Qt::Key_Left);

        // Colours by palette number, each moving on to the next hole; the last stays.
        type("2348");
        QCOMPARE(b.at(1), PegColor::Red);
        QCOMPARE(b.at(4), PegColor::Black);
        QCOMPARE(b->cursorColumn(), 4);
        QCOMPARE(b->hole(1, 2)->Color(), clYellow);
        QCOMPARE(b.fake.sound.played.count(QStringLiteral("drop.wav")), 4);
        QVERIFY(b->Button1->isEnabled());
        // Backspace empties a filled hole, and first steps back from an empty one.
        press(Qt::Key_Backspace);
        QCOMPARE(b.at(4), PegColor::None);
        QVERIFY(!b->Button1->isEnabled());
        press(Qt::Key_Backspace);
        QCOMPARE(b->cursorColumn(), 3);
        QCOMPARE(b.at(3), PegColor::None);
        QCOMPARE(b.at(2), PegColor::Yellow);
        type("9");
        QCOMPARE(b.at(3), PegColor::None); // no ninth colour
        press(Qt::Key_Left);
        press(Qt::Key_Delete);
        QCOMPARE(b.at(2), PegColor::None);
        QCOMPARE(b->cursorColumn(), 2);
        QByteArray wrong(3, char('0' + b.missing()));
        type(wrong.constData());
        QCOMPARE(b.at(4), PegColor(b.missing()));

        press(Qt::Key_Return); // Check
        QCOMPARE(b->Game.Line, 2);
        QCOMPARE(b->cursorColumn(), 1);
        QCOMPARE(QApplication::focusWidget(), static_cast<QWidget *>(b->hole(2, 1)));
        QCOMPARE(b->Game.peg(1, 2), PegColor(b.missing())); // line 1 is out of reach of the keys now
        press(Qt::Key_R, Qt::ControlModifier);              // Repeat
        QCOMPARE(b.at(1), PegColor::Red);
        QVERIFY(!b->Button2->isEnabled() && b->Button1->isEnabled());

        // On a button, Left and Right still move the cursor and digits still
        // fill; Return presses that button.
        b->Button1->setFocus();
        press(Qt::Key_Right);
        type("1");
        QCOMPARE(b.at(2), PegColor::White);
        QCOMPARE(QApplication::focusWidget(), static_cast<QWidget *>(b->Button1));
        press(Qt::Key_Return);
        QCOMPARE(b->Game.Line, 3);

        // A click on Check leaves the keys on the board: Return then checks
        // (here a line not full, so nothing) and never presses Repeat.
        type(QByteArray(4, char('0' + b.missing())).constData());
        QTest::mouseClick(b->Button1, Qt::LeftButton);
        QCOMPARE(b->Game.Line, 4);
        press(Qt::Key_Return);
        QCOMPARE(b->Game.Line, 4);
        QCOMPARE(b.at(1), PegColor::None);

        // Once the game is over the keys change nothing.
        b->Secretcode1Click();
        QVERIFY(!b->holeCursor()->isVisible());
        b->hole(4, 1)->setFocus();
        type("1");
        press(Qt::Key_Right);
        press(Qt::Key_R, Qt::ControlModifier);
        press(Qt::Key_Return);
        QCOMPARE(b.at(1), PegColor::None);
        QCOMPARE(b->cursorColumn(), 1);
        QCOMPARE(b->Game.Line, 4);
        QCOMPARE(b->Game.phase(), GamePhase::GivenUp);
    }

    // A won game's dialogs close and the board has the keys again.
    void theBoardHasTheKeysAgainAfterAWin()
    {
        Board b;
        // The end of the game is closed by Return; what it leads to, unseen.
        b.fake.messages.onExec = [](QDialog &dialog) {
            if (dialog.objectName() != QLatin1String("Result"))
                return int(QDialog::Accepted);
            QTimer::singleShot(50, &dialog, [&dialog] { QTest::keyClick(&dialog, Qt::Key_Return); });
            return dialog.exec();
        };
        QByteArray code;
        for (int i = 0; i < b->Game.Positions; ++i)
            code += char('0' + int(b->Game.Secret[i]));
        type(code.constData());
        press(Qt::Key_Return);
        QCOMPARE(b->Game.phase(), GamePhase::Won);
        QTRY_VERIFY(b->isActiveWindow());
        QVERIFY(qobject_cast<TPegShape *>(QApplication::focusWidget()));
        QVERIFY(b->marker(1)->accessibleName().contains(QStringLiteral("won line")));
        QVERIFY(b->marker(2)->accessibleName().contains(QStringLiteral("line to come")));
    }

    // Check clicked with the mouse leaves the keys on the board: the next
    // full line typed is checked by Return, not repeated over. The hint of
    // the line before is gone with it.
    void aClickedCheckLeavesTheKeysOnTheBoard()
    {
        Board b;
        const QByteArray line(4, char('0' + b.missing()));
        type(line.constData());
        b->Hint1Click();
        QVERIFY(!b->hintLabel->text().isEmpty());
        QTest::mouseClick(b->Button1, Qt::LeftButton);
        QCOMPARE(b->Game.Line, 2);
        QVERIFY(b->hintLabel->text().isEmpty());
        QVERIFY(qobject_cast<TPegShape *>(QApplication::focusWidget()));
        type("1234");
        press(Qt::Key_Return);
        QCOMPARE(b->Game.Line, 3);
        QCOMPARE(b->Game.peg(2, 1), PegColor(1)); // checked as typed
    }

    void aScreenReaderReadsTheBoard()
    {
        Board b;
        everyShownValueIsExposed(*b.form);
        type(QByteArray(4, char('0' + b.missing())).constData());
        press(Qt::Key_Return);
        QVERIFY(b->marker(1)->accessibleName().contains(QStringLiteral("earlier line")));
        QVERIFY(b->marker(2)->accessibleName().contains(QStringLiteral("current line")));
        QCOMPARE(reader(b->palettePeg(PegColor::Aqua))->text(QAccessible::Name), QStringLiteral("Palette peg 6: aqua"));
        for (int i = 0; i < 7; ++i)
            b->Timer1Timer();
        everyShownValueIsExposed(*b.form);
        b->Secretcode1Click(); // the code is shown
        everyShownValueIsExposed(*b.form);
    }

    // Peg Symbols: each colour carries a mark of its own, at 1x and 2x.
    void eightMarksTellTheColoursApart()
    {
        for (qreal ratio : {1.0, 2.0}) {
            QList<QImage> marks;
            for (int n = 1; n <= PegColorCount; ++n) {
                TPegShape peg(nullptr, QStringLiteral("peg"));
                peg.SetPeg(PegColor(n));
                auto look = [&peg, ratio] {
                    QPixmap picture(peg.size() * ratio);
                    picture.setDevicePixelRatio(ratio);
                    picture.fill(Qt::gray);
                    peg.render(&picture);
                    return picture.toImage().convertToFormat(QImage::Format_RGB32);
                };
                const QImage plain = look();
                peg.SetSymbols(true);
                QImage mark = look();
                // Where the mark is, in one colour, so only its shape counts.
                int inked = 0;
                for (int y = 0; y < mark.height(); ++y)
                    for (int x = 0; x < mark.width(); ++x) {
                        const bool ink = mark.pixel(x, y) != plain.pixel(x, y);
                        inked += ink;
                        mark.setPixel(x, y, ink ? 0xffffffu : 0u);
                    }
                QVERIFY2(inked > 4 * ratio * ratio && !marks.contains(mark), qPrintable(colorName(peg.Color())));
                marks << mark;
            }
        }
    }
};

GAMES_TEST(KeysTest);
#include "tst_keys.moc"
