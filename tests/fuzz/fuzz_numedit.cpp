#include "tests/fuzz/check.h"
// Any keys and pasted text into the numeric field, in three locales: no
// crash; Value is always the number of the last text that was one (a text
// that is none leaves it); typed keys alone only ever give what the key
// filter allows (digits, at most one minus, at most one separator);
// unfocused, the field shows Value in its format.
#include "controls/formatfloat.h"
#include "controls/numedit.h"

#include <QApplication>
#include <QFocusEvent>
#include <QKeyEvent>
#include <QLocale>

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <optional>

namespace {

// The parse as the rules give it: a sign if "-" or "(" stands anywhere, the
// digits and separators in their order, the decimals cut, "" as "0".
std::optional<long double> parse(const QString &text, int decimals, QChar sep)
{
    QString numeric;
    if (text.contains(u'-') || text.contains(u'('))
        numeric = QStringLiteral("-");
    for (const QChar c : text)
        if ((c >= u'0' && c <= u'9') || c == sep)
            numeric += c;
    const qsizetype at = numeric.indexOf(sep);
    if (at >= 0 && numeric.size() - at - 1 > decimals)
        numeric.truncate(decimals == 0 ? at : at + 1 + decimals);
    if (numeric.isEmpty())
        numeric = QStringLiteral("0");
    return controls::StrToFloat(numeric, sep);
}

struct Input {
    const uint8_t *data;
    size_t size;
    size_t at = 0;
    bool more() const { return at < size; }
    uint8_t next() { return at < size ? data[at++] : 0; }
};

const char16_t Keys[] = u"0123456789-.,(),.--0 a\u00a0\u202f\b\t\r\x1b\x16";

} // namespace

extern "C" int LLVMFuzzerInitialize(int *, char ***)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    static int argc = 1;
    static char name[] = "fuzz_numedit";
    static char *argv[] = {name, nullptr};
    new QApplication(argc, argv);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    Input in{data, size};
    static const QLocale locales[] = {QLocale(QLocale::English, QLocale::UnitedStates),
                                      QLocale(QLocale::German, QLocale::Germany),
                                      QLocale(QLocale::French, QLocale::France)};
    QLocale::setDefault(locales[in.next() % 3]);
    const QChar sep = controls::DecimalSeparator();

    TNumEdit edit;
    const int digits = in.next() % 12; // above 9 stops at 9
    edit.SetDecimalDigits(quint8(digits));
    const int decimals = edit.DecimalDigits();
    CHECK(decimals == std::min(digits, 9));
    CHECK(edit.text() == controls::FormatFloat(edit.DisplayFormat(), edit.Value()));

    // Each text the field shows, as it changes: a number becomes Value, a
    // text that is none leaves Value as it was.
    long double expected = edit.Value();
    QObject::connect(&edit, &TNumEdit::OnChange, [&] {
        if (const auto v = parse(edit.text(), decimals, sep))
            expected = *v;
        CHECK(edit.Value() == expected);
    });

    bool focused = false, typedOnly = true;
    // What the key filter lets through: digits, one minus, one separator
    // (the separator may be typed anywhere, even before the minus).
    const auto wellTyped = [&](const QString &t) {
        for (const QChar c : t)
            if (!(c >= u'0' && c <= u'9') && c != u'-' && c != sep)
                return false;
        return t.count(u'-') <= 1 && t.count(sep) <= 1;
    };
    while (in.more()) {
        const long double before = edit.Value();
        const QString textBefore = edit.text();
        bool textMayChange = true;
        switch (in.next() % 8) {
        case 0:
        case 1: { // a typed key
            if (!focused)
                break;
            const QChar c(Keys[in.next() % (sizeof Keys / sizeof Keys[0] - 1)]);
            const int key = c == u'\b' ? Qt::Key_Backspace : c.unicode() >= 32 && c.unicode() < 127 ? c.unicode() : 0;
            QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier, QString(c));
            QApplication::sendEvent(&edit, &press);
            break;
        }
        case 2: { // pasted text, of any characters
            if (!focused)
                break;
            const int n = in.next() % 24;
            QString text;
            for (int i = 0; i < n && in.more(); ++i) {
                const uint8_t b = in.next();
                text += QChar(b < 128 ? Keys[b % (sizeof Keys / sizeof Keys[0] - 1)] : char16_t(b));
            }
            edit.insert(text);
            typedOnly = false;
            break;
        }
        case 3: // the caret moved
            edit.setCursorPosition(in.next() % (edit.text().size() + 1));
            textMayChange = false;
            break;
        case 4: { // a selection
            const int from = in.next() % (edit.text().size() + 1);
            edit.setSelection(from, in.next() % (edit.text().size() + 1 - from));
            textMayChange = false;
            break;
        }
        case 5: { // the focus comes or goes
            QFocusEvent event(focused ? QEvent::FocusOut : QEvent::FocusIn, Qt::TabFocusReason);
            QApplication::sendEvent(&edit, &event);
            focused = !focused;
            typedOnly = true;
            if (const auto v = parse(edit.text(), decimals, sep))
                expected = *v; // entering and leaving parse the text once more
            break;
        }
        case 6: { // the program sets a number
            const int mantissa = int(in.next()) - 128;
            const long double v = mantissa * std::pow(10.0L, int(in.next() % 40) - 10);
            if (v != edit.Value())
                expected = v; // kept as it is when its text is the one shown
            edit.SetValue(v);
            if (const auto shown = parse(edit.text(), decimals, sep); shown && focused && v != before)
                expected = *shown; // focused, the bare number is shown and parsed again
            if (!focused)
                CHECK(edit.text() == controls::FormatFloat(edit.DisplayFormat(), edit.Value()));
            typedOnly = typedOnly && !focused;
            break;
        }
        case 7: { // Delete
            if (!focused)
                break;
            QKeyEvent press(QEvent::KeyPress, Qt::Key_Delete, Qt::NoModifier);
            QApplication::sendEvent(&edit, &press);
            break;
        }
        }
        if (qEnvironmentVariableIsSet("FUZZ_TRACE"))
            std::fprintf(stderr, "[%s] %Lg -> [%s] %Lg\n", qPrintable(textBefore), before, qPrintable(edit.text()),
                         edit.Value());
        CHECK(std::isfinite(edit.Value()));
        if (!textMayChange)
            CHECK(edit.text() == textBefore && edit.Value() == before);
        CHECK(edit.Value() == expected);
        if (!focused)
            CHECK(edit.text() == controls::FormatFloat(edit.DisplayFormat(), edit.Value()));
        else if (typedOnly)
            CHECK(wellTyped(edit.text()));
    }
    return 0;
}
