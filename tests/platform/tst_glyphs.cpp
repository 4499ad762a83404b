// Every text of every language, and every help page, drawn with the fonts
// the games' packages bring: no character falls to an empty box. Japanese
// and Chinese need a font of their own (fonts-noto-cjk).
#include "tests/support/testregistry.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QGlyphRun>
#include <QRegularExpression>
#include <QTest>
#include <QTextDocument>
#include <QTextLayout>
#include <QXmlStreamReader>

using namespace Qt::StringLiterals;

namespace {

// Whether the font, or one the machine falls back to, has every character.
bool drawn(const QString &text, const QFont &font)
{
    static const QRegularExpression space(u"\\s"_s);
    QTextLayout layout(QString(text).replace(space, u" "_s), font);
    layout.beginLayout();
    layout.createLine();
    layout.endLayout();
    for (const QGlyphRun &run : layout.glyphRuns())
        for (quint32 glyph : run.glyphIndexes())
            if (glyph == 0)
                return false;
    return true;
}

// Every translation of a .ts file, each plural form apart.
QStringList translationsOf(const QString &path)
{
    QFile in(path);
    if (!in.open(QIODevice::ReadOnly))
        return {};
    QStringList texts;
    QXmlStreamReader r(&in);
    bool inTranslation = false;
    while (!r.atEnd()) {
        const auto token = r.readNext();
        if (token == QXmlStreamReader::StartElement && r.name() == "translation"_L1)
            inTranslation = true;
        else if (token == QXmlStreamReader::EndElement && r.name() == "translation"_L1)
            inTranslation = false;
        else if (token == QXmlStreamReader::Characters && inTranslation && !r.isWhitespace())
            texts << r.text().toString();
    }
    return texts;
}

} // namespace

class GlyphsTest : public QObject {
    Q_OBJECT
private slots:
    void everyTextOfEveryLanguageIsDrawn()
    {
        // The check finds a character no font has (a private-use one).
        QVERIFY(!drawn(u"ok \uE000"_s, QApplication::font()));

        const QDir source(QStringLiteral(GAMES_SOURCE_DIR));
        QStringList texts;
        int languages = 0;
        for (const QString &ts : QDir(source.filePath(u"translations"_s)).entryList({u"*.ts"_s})) {
            languages += ts.startsWith(u"common_"_s);
            for (const QString &t : translationsOf(source.filePath(u"translations/"_s + ts)))
                texts << ts + u": "_s + t;
        }
        QVERIFY(languages >= 10);
        for (const QString &game : {u"pegora"_s, u"kubolo"_s, u"cartova"_s}) {
            const QDir help(source.filePath(u"assets/%1/help"_s.arg(game)));
            for (const QString &page : help.entryList({u"*.html"_s})) {
                QFile f(help.filePath(page));
                QVERIFY(f.open(QIODevice::ReadOnly));
                QTextDocument doc;
                doc.setHtml(QString::fromUtf8(f.readAll()));
                for (const QString &line : doc.toPlainText().split(u'\n'))
                    texts << page + u": "_s + line;
            }
        }
        QVERIFY(texts.size() > 4000);
        QFont bold = QApplication::font();
        bold.setBold(true);
        QStringList faults;
        for (const QString &text : texts)
            if (!drawn(text, QApplication::font()) || !drawn(text, bold))
                faults << text;
        QVERIFY2(faults.isEmpty(), qPrintable(u"Drawn with empty boxes (is fonts-noto-cjk installed?):\n"_s +
                                              faults.mid(0, 20).join(u'\n')));
    }
};

GAMES_TEST(GlyphsTest);
#include "tst_glyphs.moc"
