#include "platform/besttable.h"

#include "platform/inifile.h"

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

} // namespace platform::best
