#include "controls/formatfloat.h"

#include <QLocale>

#include <algorithm>
#include <cfloat>
#include <charconv>
#include <cmath>
#include <string>
#include <string_view>

namespace controls {

namespace {

QChar thousandSeparator()
{
    const QString s = QLocale().groupSeparator();
    return s.isEmpty() ? QChar(u'.') : s.at(0);
}

} // namespace

QChar DecimalSeparator()
{
    const QString s = QLocale().decimalPoint();
    return s.isEmpty() ? QChar(u'.') : s.at(0);
}

QString FormatFloat(const QString &format, long double value)
{
    if (std::isnan(value))
        return QStringLiteral("NAN");
    if (std::isinf(value))
        return value < 0 ? QStringLiteral("-INF") : QStringLiteral("INF");

    const bool grouping = format.contains(QLatin1Char(','));
    const qsizetype dot = format.indexOf(QLatin1Char('.'));
    const QString intPart = dot < 0 ? format : format.left(dot);
    const QString fracPart = dot < 0 ? QString() : format.mid(dot + 1);
    const int minInt = qMax<int>(1, int(intPart.count(QLatin1Char('0'))));
    int decimals = qMin<int>(18, int(fracPart.count(QLatin1Char('0'))));

    // The digits, rounded half away from zero at the last shown decimal.
    const long double magnitude = std::fabs(value);
    std::string digits; // all digits without separator; the last `decimals` are the fraction
    long double scaled = magnitude * std::pow(10.0L, decimals);
    if (!std::isfinite(scaled)) { // beyond the reach of the decimals: show the whole number
        decimals = 0;
        scaled = magnitude;
    }
    if (scaled < 1e18L) {
        const unsigned long long n = static_cast<unsigned long long>(std::floor(scaled + 0.5L));
        digits = std::to_string(n);
    } else {
        // More digits than the 18 a long double holds: the ones past them
        // would be noise that reading the text back does not give back (and
        // the value would drift at each re-read), so they show as zeros.
        // The text is "d.ddde+x": its digits and its power of ten are read
        // where they are found in it, never where they ought to be.
        char buf[64];
        const auto [ptr, ec] = std::to_chars(buf, buf + sizeof buf, magnitude,
                                             std::chars_format::scientific, LDBL_DIG - 1);
        const std::string_view text(buf, ec == std::errc() ? std::size_t(ptr - buf) : 0);
        const std::size_t e = std::min(text.find('e'), text.size());
        for (const char c : text.substr(0, e))
            if (c != '.')
                digits += c;
        std::string_view power = text.substr(std::min(e + 1, text.size()));
        if (!power.empty() && power.front() == '+')
            power.remove_prefix(1);
        int exponent = 0;
        std::from_chars(power.data(), power.data() + power.size(), exponent);
        const int zeros = exponent + decimals - (int(digits.size()) - 1);
        digits.append(std::size_t(std::max(0, zeros)), '0');
    }
    if (int(digits.size()) < decimals + minInt)
        digits.insert(0, std::size_t(decimals + minInt - int(digits.size())), '0');
    const bool zero = digits.find_first_not_of('0') == std::string::npos;

    const std::string whole = digits.substr(0, digits.size() - std::size_t(decimals));
    QString out;
    if (value < 0 && !zero)
        out += QLatin1Char('-');
    const QChar group = thousandSeparator();
    for (std::size_t i = 0; i < whole.size(); ++i) {
        out += QLatin1Char(whole[i]);
        const std::size_t left = whole.size() - i - 1;
        if (grouping && left > 0 && left % 3 == 0)
            out += group;
    }
    if (decimals > 0) {
        out += DecimalSeparator();
        out += QString::fromLatin1(digits.substr(whole.size()));
    }
    return out;
}

std::optional<long double> StrToFloat(const QString &text, QChar sep)
{
    std::string s;
    s.reserve(std::size_t(text.size()));
    int seps = 0;
    for (const QChar c : text) {
        if (c == sep) {
            s += '.';
            ++seps;
        } else if (c == QLatin1Char('-') || (c >= QLatin1Char('0') && c <= QLatin1Char('9'))) {
            s += char(c.unicode());
        } else {
            return std::nullopt;
        }
    }
    if (seps > 1 || s.empty())
        return std::nullopt;
    // from_chars does not read a lone "." or "-", nor a fraction without digits around it.
    long double v = 0;
    const char *first = s.data();
    const char *last = s.data() + s.size();
    const auto [ptr, ec] = std::from_chars(first, last, v, std::chars_format::fixed);
    if (ec != std::errc() || ptr != last)
        return std::nullopt;
    return v;
}

} // namespace controls
