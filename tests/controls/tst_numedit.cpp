#include "controls/formatfloat.h"
#include "controls/numedit.h"
#include "platform/testing/fakeplatform.h"
#include "tests/support/testregistry.h"

#include <QKeyEvent>
#include <QLocale>
#include <QPushButton>
#include <QTest>

using namespace Qt::StringLiterals;

namespace {

// A character typed as the keyboard would type it.
void type(QWidget *w, QChar ch)
{
    const int key = ch == QChar(8) ? int(Qt::Key_Backspace) : int(ch.toUpper().unicode());
    QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier, QString(ch));
    QApplication::sendEvent(w, &press);
    QKeyEvent release(QEvent::KeyRelease, key, Qt::NoModifier, QString(ch));
    QApplication::sendEvent(w, &release);
}

void typeText(QWidget *w, const QString &text)
{
    for (const QChar ch : text)
        type(w, ch);
}

struct LocaleGuard {
    QLocale saved;
    explicit LocaleGuard(const QLocale &l) { QLocale::setDefault(l); }
    ~LocaleGuard() { QLocale::setDefault(saved); }
};

} // namespace

class NumEditTest : public QObject {
    Q_OBJECT
private slots:
    void formatsUsedByTheGames()
    {
        using controls::FormatFloat;
        QCOMPARE(FormatFloat(u",0"_s, 0), QStringLiteral("0"));
        QCOMPARE(FormatFloat(u",0"_s, 1234.56L), QStringLiteral("1,235"));
        QCOMPARE(FormatFloat(u",0"_s, -1234567), QStringLiteral("-1,234,567"));
        QCOMPARE(FormatFloat(u",0.00"_s, 1234.5L), QStringLiteral("1,234.50"));
        QCOMPARE(FormatFloat(u",0.0"_s, 0.25L), QStringLiteral("0.3"));
        QCOMPARE(FormatFloat(u",0.0"_s, -0.04L), QStringLiteral("0.0"));
        QCOMPARE(FormatFloat(u"0"_s, 1234567), QStringLiteral("1234567"));
        QCOMPARE(FormatFloat(u"0"_s, 2.5L), QStringLiteral("3"));
        QCOMPARE(FormatFloat(u",0.000000000"_s, 1.5L), QStringLiteral("1.500000000"));
        QCOMPARE(FormatFloat(u",0"_s, 1e99L).size(), 100 + 33);
        LocaleGuard german(QLocale(QLocale::German, QLocale::Germany));
        QCOMPARE(FormatFloat(u",0.00"_s, 1234.5L), QStringLiteral("1.234,50"));
        // Past the 18 digits a long double holds come zeros, so that the
        // text reads back as the very value shown.
        const long double typed = *controls::StrToFloat(u"9000000000,9"_s, u',');
        QCOMPARE(FormatFloat(u",0.000000000"_s, typed), QStringLiteral("9.000.000.000,900000000"));
        QVERIFY(controls::StrToFloat(u"9000000000,900000000"_s, u',') == typed);
        QCOMPARE(FormatFloat(u",0"_s, 1e25L), QStringLiteral("10.000.000.000.000.000.000.000.000"));
    }

    void constructionState()
    {
        TNumEdit e;
        QCOMPARE(e.size(), QSize(121, 21));
        QCOMPARE(e.text(), QStringLiteral("0"));
        QCOMPARE(e.DecimalDigits(), quint8(0));
        QCOMPARE(e.DisplayFormat(), QStringLiteral(",0"));
        QVERIFY(e.MaxValue() == 1e99L && e.MinValue() == -1e99L);
        QVERIFY(e.AutoSelect() && !e.AutoSize());
        QVERIFY(e.Alignment() & Qt::AlignRight);
        QVERIFY(e.Value() == 0);
    }

    void propertiesAndReformatting()
    {
        TNumEdit e;
        e.SetDecimalDigits(12);
        QCOMPARE(e.DecimalDigits(), quint8(9));
        QCOMPARE(e.DisplayFormat(), QStringLiteral(",0.000000000"));
        e.SetDecimalDigits(2);
        QCOMPARE(e.DisplayFormat(), QStringLiteral(",0.00"));
        e.SetDisplayFormat(QStringLiteral("0"));
        QCOMPARE(e.DisplayFormat(), QStringLiteral("0"));
        e.SetDecimalDigits(2); // unchanged: keeps the explicit format
        QCOMPARE(e.DisplayFormat(), QStringLiteral("0"));
        e.SetDecimalDigits(1);
        QCOMPARE(e.DisplayFormat(), QStringLiteral(",0.0"));
        e.SetMaxValue(10);
        e.SetValue(50);
        QVERIFY(e.Value() == 50);
        QCOMPARE(e.text(), QStringLiteral("50.0"));

        TNumEdit rounded;
        rounded.SetValue(1234.56L);
        QCOMPARE(rounded.text(), QStringLiteral("1,235"));
        QVERIFY(rounded.Value() == 1235); // the shown text is read back
    }

    void parsing()
    {
        platform::testing::FakeMessages messages;
        TNumEdit e(nullptr, &messages);
        e.SetDecimalDigits(2);
        auto parse = [&](const QString &text) {
            e.setText(text);
            return e.Value();
        };
        QVERIFY(parse(QStringLiteral("(1,234.50)")) == -1234.5L);
        QVERIFY(parse(QStringLiteral("12-3")) == -123);
        QVERIFY(parse(QStringLiteral("abc12")) == 12);
        QVERIFY(parse(QStringLiteral("12.345")) == 12.34L);
        QVERIFY(parse(QString()) == 0);
        QCOMPARE(messages.beeps, 0);
        e.setText(QStringLiteral("7"));
        QVERIFY(parse(QStringLiteral("-")) == 7);
        QCOMPARE(messages.beeps, 1);
        QVERIFY(parse(QStringLiteral("1.2.3")) == 7);
        QCOMPARE(messages.beeps, 2);
        e.setText(QStringLiteral("-x"));
        QCOMPARE(e.ParseText(), QStringLiteral("-"));
        e.SetDecimalDigits(0);
        QVERIFY(parse(QStringLiteral("12.5")) == 12);

        // Long texts: parsed whole, and a number too large for the type is refused.
        QVERIFY(parse(QString(300, QLatin1Char('9'))) > 1e299L);
        const int before = messages.beeps;
        parse(QStringLiteral("5"));
        QVERIFY(parse(QString(6000, QLatin1Char('9'))) == 5);
        QCOMPARE(messages.beeps, before + 1);
    }

    void separatorOfTheLocaleAtEachUse()
    {
        platform::testing::FakeMessages messages;
        TNumEdit e(nullptr, &messages);
        e.SetDecimalDigits(2);
        {
            LocaleGuard german(QLocale(QLocale::German, QLocale::Germany));
            e.setText(QStringLiteral("3,25"));
            QVERIFY(e.Value() == 3.25L);
            e.setText(QString());
            e.setFocus();
            type(&e, QLatin1Char('1'));
            type(&e, QLatin1Char('.'));
            QCOMPARE(e.text(), QStringLiteral("1,"));
        }
        e.setText(QStringLiteral("3.75"));
        QVERIFY(e.Value() == 3.75L);
    }

    void focusStatesAndChangeEvents()
    {
        platform::testing::FakeMessages messages;
        QWidget form;
        TNumEdit e(&form, &messages);
        QPushButton other(&form);
        other.move(0, 40);
        e.SetDecimalDigits(2);
        e.SetValue(1234.5L);
        QCOMPARE(e.text(), QStringLiteral("1,234.50"));
        QStringList changes;
        connect(&e, &TNumEdit::OnChange,
                [&] { changes << e.text() + QLatin1Char('=') + QString::number(double(e.Value())); });
        form.show();
        QVERIFY(QTest::qWaitForWindowActive(&form));

        e.setFocus(Qt::TabFocusReason);
        QCOMPARE(e.text(), QStringLiteral("1234.50"));
        QCOMPARE(e.selectedText(), e.text());
        QCOMPARE(changes, QStringList{QStringLiteral("1234.50=1234.5")});

        e.SetValue(7); // formatted, then at once the bare number again
        QCOMPARE(e.text(), QStringLiteral("7.00"));
        e.SetValue(0);
        QCOMPARE(e.text(), QString());

        changes.clear();
        typeText(&e, QStringLiteral("12"));
        QCOMPARE(changes, (QStringList{QStringLiteral("1=1"), QStringLiteral("12=12")}));
        other.setFocus(Qt::TabFocusReason);
        QCOMPARE(e.text(), QStringLiteral("12.00"));

        // Leaving an emptied field: 0 in the display format.
        e.setFocus(Qt::TabFocusReason);
        e.clear();
        other.setFocus(Qt::TabFocusReason);
        QCOMPARE(e.text(), QStringLiteral("0.00"));
        QVERIFY(e.Value() == 0);

        // Leaving with only a minus sign: one beep, the previous number shown again.
        e.SetValue(5);
        e.setFocus(Qt::TabFocusReason);
        e.setText(QStringLiteral("-"));
        const int beeps = messages.beeps;
        QCOMPARE(beeps, 1);
        other.setFocus(Qt::TabFocusReason);
        QCOMPARE(messages.beeps, beeps + 1);
        QCOMPARE(e.text(), QStringLiteral("5.00"));
    }

    void keyFilter()
    {
        platform::testing::FakeMessages messages;
        QWidget form;
        TNumEdit e(&form, &messages);
        form.show();
        QVERIFY(QTest::qWaitForWindowActive(&form));
        e.setFocus();
        e.SetDecimalDigits(2);

        e.setText(QStringLiteral("1.25"));
        e.setCursorPosition(4);
        type(&e, QLatin1Char('7'));
        QCOMPARE(e.text(), QStringLiteral("1.25")); // no third decimal
        e.setCursorPosition(0);
        type(&e, QLatin1Char('3'));
        QCOMPARE(e.text(), QStringLiteral("31.25")); // before the separator
        type(&e, QLatin1Char('.'));
        QCOMPARE(e.text(), QStringLiteral("31.25")); // one separator only
        e.setCursorPosition(2);
        type(&e, QLatin1Char('-'));
        QCOMPARE(e.text(), QStringLiteral("31.25")); // minus only at the front
        e.setCursorPosition(0);
        type(&e, QLatin1Char('-'));
        QCOMPARE(e.text(), QStringLiteral("-31.25"));
        e.setCursorPosition(0);
        type(&e, QLatin1Char('-'));
        QCOMPARE(e.text(), QStringLiteral("-31.25")); // one minus only
        type(&e, QLatin1Char('4'));
        QCOMPARE(e.text(), QStringLiteral("-31.25")); // no digit before the minus

        QList<QChar> seen;
        connect(&e, &TNumEdit::OnKeyPress, [&](QChar k) { seen << k; });
        for (const QChar c : {QChar(u' '), QChar(u'a'), QChar(u'+'), QChar(u'e'), QChar(3), QChar(22), QChar(24)})
            type(&e, c);
        QCOMPARE(e.text(), QStringLiteral("-31.25"));
        QCOMPARE(seen, QList<QChar>(7, QChar::Null)); // still announced, as nothing
        e.setCursorPosition(6);
        type(&e, QChar(8));
        QCOMPARE(e.text(), QStringLiteral("-31.2"));
        QTest::keyClick(&e, Qt::Key_Home);
        QTest::keyClick(&e, Qt::Key_Delete);
        QCOMPARE(e.text(), QStringLiteral("31.2")); // keys without a character are the edit's

        // Selections are deleted first, even when the key is then refused.
        e.setText(QStringLiteral("123"));
        e.selectAll();
        type(&e, QLatin1Char('-'));
        QCOMPARE(e.text(), QStringLiteral("-"));
        e.setText(QStringLiteral("215"));
        e.setSelection(1, 1);
        type(&e, QLatin1Char('-'));
        QCOMPARE(e.text(), QStringLiteral("25"));
        e.setText(QStringLiteral("9.5"));
        e.setSelection(1, 2);
        type(&e, QLatin1Char(','));
        QCOMPARE(e.text(), QStringLiteral("9.")); // "," types the separator

        e.SetDecimalDigits(0);
        e.setText(QStringLiteral("12"));
        type(&e, QLatin1Char('.'));
        type(&e, QLatin1Char(','));
        QCOMPARE(e.text(), QStringLiteral("12"));
    }

    void returnIsLeftToTheWindow()
    {
        QWidget form;
        TNumEdit e(&form);
        form.show();
        QVERIFY(QTest::qWaitForWindowActive(&form));
        e.setFocus();
        QKeyEvent enter(QEvent::KeyPress, Qt::Key_Return, Qt::NoModifier, QStringLiteral("\r"));
        QApplication::sendEvent(&e, &enter);
        QVERIFY(!enter.isAccepted());
        QCOMPARE(e.text(), QString());
    }
};

GAMES_TEST(NumEditTest);
#include "tst_numedit.moc"
