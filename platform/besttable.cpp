#include "platform/besttable.h"

#include "platform/inifile.h"

#include <QRegularExpression>

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

bool isWholeNumber(const QString &text)
{
    static const QRegularExpression whole(QStringLiteral("^\\s*[+-]?\\d+\\s*$"));
    return whole.match(text).hasMatch();
}

QString conversionError(const QString &text) { return QStringLiteral("'%1' is not a valid integer value.").arg(text); }

QString unreadableTotal(const QString &key, const QString &text, const QString &path)
{
    return conversionError(text) + QLatin1Char('\n') +
           QStringLiteral("The statistics total %1 in \"%2\" counts from 0.").arg(key, path);
}

} // namespace platform::best
