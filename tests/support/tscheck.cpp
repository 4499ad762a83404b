// Checks translation files as the games ship them: every text translated,
// none left from texts the games no longer have, and each translation with
// the %1, %2... and %n of its source, no more and no fewer.
// Usage: tscheck <file.ts>...; prints each fault, exits 1 if there is one.
#include <QFile>
#include <QRegularExpression>
#include <QStringList>
#include <QXmlStreamReader>

#include <cstdio>

namespace {

QStringList placeholders(const QString &text)
{
    static const QRegularExpression marker(QStringLiteral("%L?(\\d+|n)"));
    QStringList found;
    for (auto it = marker.globalMatch(text); it.hasNext();)
        found << it.next().captured(1);
    found.sort();
    return found;
}

} // namespace

int main(int argc, char **argv)
{
    int faults = 0;
    const auto fault = [&faults](const char *file, const QString &source, const char *what) {
        std::printf("%s: \"%s\": %s\n", file, qPrintable(source), what);
        ++faults;
    };
    for (int i = 1; i < argc; ++i) {
        QFile in(QString::fromLocal8Bit(argv[i]));
        if (!in.open(QIODevice::ReadOnly)) {
            std::printf("%s: cannot be read\n", argv[i]);
            return 1;
        }
        QXmlStreamReader r(&in);
        QString source;
        int messages = 0;
        while (!r.atEnd()) {
            if (r.readNext() != QXmlStreamReader::StartElement)
                continue;
            if (r.name() == QLatin1String("message")) {
                ++messages;
            } else if (r.name() == QLatin1String("source")) {
                source = r.readElementText(QXmlStreamReader::IncludeChildElements);
            } else if (r.name() == QLatin1String("translation")) {
                const QString type = r.attributes().value(QLatin1String("type")).toString();
                if (type == QLatin1String("unfinished"))
                    fault(argv[i], source, "not translated");
                else if (!type.isEmpty())
                    fault(argv[i], source, "left from a text the games no longer have");
                // The text, or each plural form of it.
                QStringList forms;
                QString plain;
                while (r.readNext() != QXmlStreamReader::EndElement || r.name() != QLatin1String("translation")) {
                    if (r.atEnd())
                        break;
                    if (r.isCharacters())
                        plain += r.text();
                    else if (r.isStartElement() && r.name() == QLatin1String("numerusform"))
                        forms << r.readElementText(QXmlStreamReader::IncludeChildElements);
                }
                if (forms.isEmpty())
                    forms << plain;
                const QString whole = forms.join(QString());
                if (type.isEmpty() && whole.trimmed().isEmpty())
                    fault(argv[i], source, "translated as nothing");
                for (const QString &form : forms)
                    if (!form.trimmed().isEmpty() && placeholders(form) != placeholders(source))
                        fault(argv[i], source, "its translation has other %-arguments");
            }
        }
        if (r.hasError()) {
            std::printf("%s:%lld: %s\n", argv[i], qlonglong(r.lineNumber()), qPrintable(r.errorString()));
            return 1;
        }
        if (messages == 0)
            fault(argv[i], QString(), "holds no texts");
    }
    return faults ? 1 : 0;
}
