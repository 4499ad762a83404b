#include "platform/besttable.h"

#include "platform/inifile.h"

#include <QCoreApplication>

namespace platform::best {

QString cutKeptText(const QString &text) { return text.left(MaxKeptText); }

QString defaultWordsOfWisdom() { return QStringLiteral("Hi, guys !"); }

std::optional<long long> number(const QString &text)
{
    long long v = 0;
    if (parseInteger(text, &v))
        return v;
    return std::nullopt;
}

// ASCII spaces, a sign, ASCII digits, spaces. Read by hand rather than by a
// regular expression: that engine would be the only one a game starts.
bool isWholeNumber(const QString &text)
{
    const auto space = [](QChar c) { return c == u' ' || (c >= u'\t' && c <= u'\r'); };
    const auto digit = [](QChar c) { return c >= u'0' && c <= u'9'; };
    qsizetype at = 0;
    const qsizetype end = text.size();
    while (at < end && space(text[at]))
        ++at;
    if (at < end && (text[at] == u'+' || text[at] == u'-'))
        ++at;
    const qsizetype digits = at;
    while (at < end && digit(text[at]))
        ++at;
    if (at == digits)
        return false;
    while (at < end && space(text[at]))
        ++at;
    return at == end;
}

QString conversionError(const QString &text)
{
    return QCoreApplication::translate("platform::best", "'%1' is not a valid integer value.").arg(text);
}

QString unreadableTotal(const QString &key, const QString &text, const QString &path)
{
    return conversionError(text) + QLatin1Char('\n') +
           //: %1 is the key of a total in the settings file, %2 the file's path.
           QCoreApplication::translate("platform::best", "The statistics total %1 in \"%2\" counts from 0.")
               .arg(key, path);
}

} // namespace platform::best
