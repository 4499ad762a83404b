// Writes a pseudo translation of .ts files: each text translated as itself
// between "⟦" and "⟧", %1 and %n kept, a numerus text in each of its forms.
// Usage: pseudots <out.ts> <in.ts>...
#include <QFile>
#include <QXmlStreamReader>
#include <QXmlStreamWriter>

#include <cstdio>
#include <utility>
#include <vector>

namespace {

// A text as the .ts file holds it: characters, and control characters as
// <byte value="xd"/>.
using Parts = std::vector<std::pair<bool, QString>>; // (is a byte, text or value)

Parts readParts(QXmlStreamReader &r)
{
    Parts parts;
    while (!r.atEnd()) {
        r.readNext();
        if (r.isCharacters())
            parts.emplace_back(false, r.text().toString());
        else if (r.isStartElement() && r.name() == QLatin1String("byte"))
            parts.emplace_back(true, r.attributes().value(QLatin1String("value")).toString());
        else if (r.isEndElement() && r.name() != QLatin1String("byte"))
            break;
    }
    return parts;
}

void writeParts(QXmlStreamWriter &w, const Parts &parts)
{
    for (const auto &[byte, text] : parts) {
        if (byte) {
            w.writeEmptyElement(QStringLiteral("byte"));
            w.writeAttribute(QStringLiteral("value"), text);
        } else {
            w.writeCharacters(text);
        }
    }
}

void writeElement(QXmlStreamWriter &w, const QString &name, const Parts &parts)
{
    w.writeStartElement(name);
    writeParts(w, parts);
    w.writeEndElement();
}

} // namespace

int main(int argc, char **argv)
{
    if (argc < 3) {
        std::fprintf(stderr, "usage: pseudots <out.ts> <in.ts>...\n");
        return 2;
    }
    QFile out(QString::fromLocal8Bit(argv[1]));
    if (!out.open(QIODevice::WriteOnly | QIODevice::Truncate))
        return 1;
    QXmlStreamWriter w(&out);
    w.setAutoFormatting(true);
    w.writeStartDocument();
    w.writeDTD(QStringLiteral("<!DOCTYPE TS>"));
    w.writeStartElement(QStringLiteral("TS"));
    w.writeAttribute(QStringLiteral("version"), QStringLiteral("2.1"));
    w.writeAttribute(QStringLiteral("language"), QStringLiteral("en"));
    for (int i = 2; i < argc; ++i) {
        QFile in(QString::fromLocal8Bit(argv[i]));
        if (!in.open(QIODevice::ReadOnly)) {
            std::fprintf(stderr, "pseudots: cannot read %s\n", argv[i]);
            return 1;
        }
        QXmlStreamReader r(&in);
        Parts source, comment;
        bool numerus = false;
        while (!r.atEnd()) {
            r.readNext();
            if (r.isStartElement()) {
                const auto name = r.name();
                if (name == QLatin1String("context")) {
                    w.writeStartElement(QStringLiteral("context"));
                } else if (name == QLatin1String("name")) {
                    w.writeTextElement(QStringLiteral("name"), r.readElementText());
                } else if (name == QLatin1String("message")) {
                    numerus = r.attributes().value(QLatin1String("numerus")) == QLatin1String("yes");
                    source.clear();
                    comment.clear();
                } else if (name == QLatin1String("source")) {
                    source = readParts(r);
                } else if (name == QLatin1String("comment")) {
                    comment = readParts(r);
                }
            } else if (r.isEndElement()) {
                if (r.name() == QLatin1String("context")) {
                    w.writeEndElement();
                } else if (r.name() == QLatin1String("message")) {
                    w.writeStartElement(QStringLiteral("message"));
                    if (numerus)
                        w.writeAttribute(QStringLiteral("numerus"), QStringLiteral("yes"));
                    writeElement(w, QStringLiteral("source"), source);
                    if (!comment.empty())
                        writeElement(w, QStringLiteral("comment"), comment);
                    Parts marked = source;
                    marked.emplace(marked.begin(), false, QStringLiteral("⟦"));
                    marked.emplace_back(false, QStringLiteral("⟧"));
                    w.writeStartElement(QStringLiteral("translation"));
                    if (numerus) {
                        writeElement(w, QStringLiteral("numerusform"), marked);
                        writeElement(w, QStringLiteral("numerusform"), marked);
                    } else {
                        writeParts(w, marked);
                    }
                    w.writeEndElement();
                    w.writeEndElement();
                }
            }
        }
        if (r.hasError()) {
            std::fprintf(stderr, "pseudots: %s:%lld: %s\n", argv[i], qlonglong(r.lineNumber()), qPrintable(r.errorString()));
            return 1;
        }
    }
    w.writeEndElement();
    w.writeEndDocument();
    return out.error() == QFile::NoError ? 0 : 1;
}
