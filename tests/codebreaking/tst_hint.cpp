// The hint on the board: asked for once, it fills the line and makes the game training.
#include "codebreaking/advisor.h"
#include "codebreaking/mainform.h"
#include "platform/language.h"
#include "platform/testing/fakeplatform.h"
#include "tests/codebreaking/confighome.h"
#include "tests/support/testregistry.h"

#include <QAction>
#include <QLabel>
#include <QPushButton>
#include <QTest>

#include <memory>

using namespace codebreaking;

namespace {

struct Board {
    ConfigHome home;
    platform::testing::FakePlatform fake;
    std::unique_ptr<TMainForm> form;
    Board()
    {
        home.write("[Options]\nWelcomeBox=0\n");
        form = std::make_unique<TMainForm>(fake.platform);
    }
    TMainForm *operator->() { return form.get(); }
    Code line() const
    {
        Code c{};
        for (int col = 1; col <= MaxPositions; ++col)
            c[col - 1] = form->Game.peg(form->Game.Line, col);
        return c;
    }
};

const QString HintQuestion = QStringLiteral("If you ask for a hint the game is considered training\rand I won't "
                                            "update Best Players or Statistics.\rShow the hint ?");

} // namespace

class HintTest : public QObject {
    Q_OBJECT
private slots:
    // Some languages name the colours alone, in lower case: the hint's
    // line still starts with a capital in every one.
    void theHintStartsWithACapitalInEveryLanguage()
    {
        GuessAdvice advice;
        advice.guess = {PegColor(2), PegColor(2), PegColor(2), PegColor(2)};
        advice.possible = {advice.guess, {PegColor(3), PegColor(3), PegColor(3), PegColor(3)}};
        QStringList lower;
        for (const QString &lang : platform::translatedLanguages()) {
            platform::setUpLanguage(QStringLiteral("Pegora"), lang);
            if (const QString text = hintText(advice, 4); text.front().isLower())
                lower << lang + QLatin1String(": ") + text;
        }
        platform::setUpLanguage(QStringLiteral("Pegora"), QString());
        QVERIFY2(lower.isEmpty(), qPrintable(lower.join(QLatin1Char('\n'))));
    }

    void askedOnceAndTraining()
    {
        Board b;
        b.fake.messages.answers = {platform::No};
        b->Hint1->trigger();
        QCOMPARE(b.fake.messages.shown.size(), size_t(1));
        QCOMPARE(b.fake.messages.lastText(), HintQuestion);
        QCOMPARE(b.fake.messages.shown.back().buttons, int(platform::Yes | platform::No));
        QVERIFY(!b->Game.training());
        QCOMPARE(b.line(), Code{});
        QVERIFY(b->hintLabel->text().isEmpty());

        b.fake.messages.answers = {platform::Yes};
        b->Hint1->trigger();
        QCOMPARE(b.fake.messages.shown.size(), size_t(2));
        QVERIFY(b->Game.training());
        QCOMPARE(b->hintLabel->text(), QStringLiteral("Working out the hint...")); // the board stays live meanwhile
        QTRY_COMPARE(b.line(), adviseGuess(4, false, {}).guess);
        QCOMPARE(b->hintLabel->text(), QStringLiteral("Try White Red Yellow Green.\n4096 codes are still possible."));
        QVERIFY(b->Button1->isEnabled());

        // A second hint asks nothing; the won game leaves the statistics as they were.
        const GameStats before = b->Stats;
        b->Button1Click();
        if (b->Game.running()) {
            b->Hint1->trigger();
            QCOMPARE(b.fake.messages.shown.size(), size_t(2));
            for (int col = 1; col <= 4; ++col)
                QCOMPARE(b->Game.placePeg(b->Game.Line, col, b->Game.Secret[col - 1]), MoveResult::Done);
            b->Button1Click();
        }
        QVERIFY(b->Game.Won);
        QCOMPARE(b->Stats, before);

        b->Hint1->trigger(); // over: nothing asked, nothing placed
        QCOMPARE(b.fake.messages.shown.size(), size_t(2));
        b->New1->trigger();
        QVERIFY(b->hintLabel->text().isEmpty() && !b->Game.training());
    }

    // A hint still being worked out when the line is checked is dropped:
    // it was for a line that is gone.
    void aHintForALineGoneIsDropped()
    {
        Board b;
        b->New1Click(b->tc1); // training: nothing asked
        for (int col = 1; col <= 3; ++col)
            b->Game.placePeg(1, col, PegColor::Black);
        b->Hint1->trigger();
        b->Button1Click();
        QTest::qWait(100);
        if (b->Game.running()) {
            QCOMPARE(b->Game.Line, 2);
            QCOMPARE(b.line(), Code{});
            QVERIFY(b->hintLabel->text().isEmpty());
        }
    }

    void trainingGameAsksNothing()
    {
        Board b;
        b.fake.messages.answers = {platform::Yes};
        b->New1Click(b->tc1); // 3 Colors, asked and accepted
        const size_t asked = b.fake.messages.shown.size();
        b->Hint1->trigger();
        QCOMPARE(b.fake.messages.shown.size(), asked);
        QTRY_VERIFY(b->Game.canCheck());
        QVERIFY(b->hintLabel->text().endsWith(QStringLiteral("codes are still possible.")));
    }
};

GAMES_TEST(HintTest);
#include "tst_hint.moc"
