#include "tests/fuzz/check.h"
// Any bytes as a settings file: loading and saving without a change gives
// them back; one changed key changes its line alone; a new key adds one
// line (and a new section its header); a second save equals the first; and
// what the layer reads agrees with a plain reading of the profile rules.
#include "platform/inifile.h"

#include <QByteArrayView>
#include <QList>
#include <QString>
#include <QStringDecoder>

#include <cstdio>
#include <cstdlib>
#include <map>
#include <utility>
#include <vector>

using platform::TIniFile;

namespace {

struct Line {
    QByteArray text, end;
};

std::vector<Line> split(const QByteArray &data)
{
    std::vector<Line> out;
    qsizetype at = 0;
    while (at < data.size()) {
        qsizetype stop = at;
        while (stop < data.size() && data[stop] != '\n' && data[stop] != '\r')
            ++stop;
        Line l{data.mid(at, stop - at), {}};
        if (stop < data.size())
            l.end = data.mid(stop, data[stop] == '\r' && stop + 1 < data.size() && data[stop + 1] == '\n' ? 2 : 1);
        at = stop + l.end.size();
        out.push_back(l);
    }
    return out;
}

QByteArray lower(QByteArray s)
{
    for (char &c : s)
        if (c >= 'A' && c <= 'Z')
            c = char(c - 'A' + 'a');
    return s;
}

QByteArray clean(QByteArray s) { return s.replace('\0', ' ').trimmed(); }

// The profile rules, read plainly: [section] up to its first "]"; key=value
// with a key that is not empty; ";" and "#" start comments; blanks and
// byte-order marks before the meaning of a line are skipped; keys outside a
// section (before the first, or under a broken header) are not read; the
// first of duplicate keys counts across sections of one name.
struct Key {
    QByteArray section, key;
    bool operator<(const Key &o) const { return std::pair(section, key) < std::pair(o.section, o.key); }
};
struct Found {
    QByteArray raw;
    std::size_t line;
    QByteArray section, key; // as spelt in the file
};

std::map<Key, Found> reference(const std::vector<Line> &lines)
{
    std::map<Key, Found> keys;
    bool inSection = false;
    QByteArray section;
    for (std::size_t i = 0; i < lines.size(); ++i) {
        QByteArray t = lines[i].text;
        t.replace('\0', ' ');
        qsizetype from = 0;
        for (;;) {
            const qsizetype before = from;
            while (from < t.size() && (t[from] == ' ' || t[from] == '\t' || t[from] == '\v' || t[from] == '\f'))
                ++from;
            if (QByteArrayView(t).sliced(from).startsWith("\xEF\xBB\xBF"))
                from += 3;
            if (from == before)
                break;
        }
        t.remove(0, from);
        if (t.trimmed().isEmpty() || t[0] == ';' || t[0] == '#')
            continue;
        if (t[0] == '[') {
            const qsizetype close = t.indexOf(']');
            inSection = close >= 0;
            section = inSection ? clean(t.mid(1, close - 1)) : QByteArray();
            continue;
        }
        const qsizetype eq = t.indexOf('=');
        if (eq < 0 || clean(t.left(eq)).isEmpty() || !inSection)
            continue;
        const QByteArray key = clean(t.left(eq));
        if (QString::fromUtf8(key).toUtf8() != key || QString::fromUtf8(section).toUtf8() != section)
            continue; // a name the program could not spell
        const Key k{lower(section), lower(key)};
        if (!keys.count(k))
            keys[k] = Found{lines[i].text.mid(lines[i].text.indexOf('=') + 1), i, section, key};
    }
    return keys;
}

// A value as the rules read it: NUL bytes as blanks, UTF-8 or else Latin-1,
// trimmed, and one pair of quotes around it taken off.
QString readBack(QByteArray raw)
{
    raw.replace('\0', ' ');
    QStringDecoder utf8(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    QString v = utf8.decode(raw);
    if (utf8.hasError())
        v = QString::fromLatin1(raw);
    v = v.trimmed();
    if (v.size() >= 2 && (v.front() == u'"' || v.front() == u'\'') && v.back() == v.front())
        v = v.mid(1, v.size() - 2);
    return v;
}

QString text(const QByteArray &b) { return QString::fromUtf8(b); }

// What a written value reads back as: one line, NUL bytes as blanks.
QString oneLine(QString v) { return v.replace(u'\r', u' ').replace(u'\n', u' ').replace(QChar(0), u' '); }

void checkReads(const TIniFile &ini, const std::map<Key, Found> &keys)
{
    for (const auto &[k, found] : keys) {
        CHECK(ini.ValueExists(text(found.section), text(found.key)));
        CHECK(ini.ValueExists(text(k.section), text(k.key))); // in other capitals too
        const QString value = ini.ReadString(text(found.section), text(found.key), QStringLiteral("\x01none"));
        CHECK(value == readBack(found.raw));
        CHECK(!value.contains(u'\n') && !value.contains(u'\r'));
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QByteArray in(reinterpret_cast<const char *>(data), qsizetype(size));
    const std::vector<Line> lines = split(in);
    const std::map<Key, Found> keys = reference(lines);

    // Nothing changed: the same bytes.
    TIniFile ini(in, QString());
    CHECK(ini.contents() == in);
    checkReads(ini, keys);

    // A value made from the file's own bytes, blanks, quotes and controls included.
    const QByteArray tail = in.right(std::min<qsizetype>(in.size(), 12));
    const QString value = QString::fromLatin1(tail) + QString::number(size);

    // One key changed: its line alone.
    if (!keys.empty()) {
        auto it = keys.begin();
        std::advance(it, size % keys.size());
        const Found &f = it->second;
        TIniFile changed(in, QString());
        changed.WriteString(text(f.section), text(f.key), value);
        const QByteArray out = changed.contents();
        const std::vector<Line> after = split(out);
        CHECK(after.size() == lines.size());
        for (std::size_t i = 0; i < lines.size(); ++i) {
            CHECK(after[i].end == lines[i].end);
            if (i != f.line)
                CHECK(after[i].text == lines[i].text);
        }
        CHECK(changed.ReadString(text(f.section), text(f.key), {}) == oneLine(value));
        TIniFile again(out, QString());
        CHECK(again.ReadString(text(f.section), text(f.key), {}) == oneLine(value));
        again.WriteString(text(f.section), text(f.key), value);
        CHECK(again.contents() == out);
        // Every other key reads as before.
        for (const auto &[k, other] : keys)
            if (other.line != f.line)
                CHECK(again.ReadString(text(other.section), text(other.key), {}) == readBack(other.raw));
    }

    // New keys, in a section the file has and in one it has not: the old
    // lines stay, in their order, and only a line end may be added to one.
    if (lower(in).contains("newkey1") || lower(in).contains("newsection1"))
        return 0;
    const QByteArray section = keys.empty() ? QByteArray("Options") : keys.begin()->second.section;
    TIniFile grown(in, QString());
    grown.WriteString(text(section), QStringLiteral("NewKey1"), value);
    grown.WriteString(QStringLiteral("NewSection1"), QStringLiteral("Sound"), QStringLiteral("1"));
    grown.WriteInteger(QStringLiteral("NewSection1"), QStringLiteral("Count"), qint64(size) - 40);
    const QByteArray out = grown.contents();
    const std::vector<Line> after = split(out);
    CHECK(after.size() >= lines.size() + 3 && after.size() <= lines.size() + 7);
    std::size_t j = 0, endsAdded = 0;
    for (const Line &l : lines) {
        while (j < after.size() && after[j].text != l.text)
            ++j;
        CHECK(j < after.size());
        if (after[j].end != l.end) {
            CHECK(l.end.isEmpty());
            ++endsAdded;
        }
        ++j;
    }
    CHECK(endsAdded <= 1);
    TIniFile reread(out, QString());
    CHECK(reread.ReadString(text(section), QStringLiteral("newkey1"), {}) == oneLine(value));
    CHECK(reread.ReadBool(QStringLiteral("NEWSECTION1"), QStringLiteral("sound"), false));
    CHECK(reread.ReadInteger(QStringLiteral("NewSection1"), QStringLiteral("Count"), 0) == qint64(size) - 40);
    for (const auto &[k, other] : keys)
        CHECK(reread.ReadString(text(other.section), text(other.key), {}) == readBack(other.raw));
    // A second save is the first.
    reread.WriteString(text(section), QStringLiteral("NewKey1"), value);
    reread.WriteBool(QStringLiteral("NewSection1"), QStringLiteral("Sound"), true);
    reread.WriteInteger(QStringLiteral("NewSection1"), QStringLiteral("Count"), qint64(size) - 40);
    CHECK(reread.contents() == out);
    return 0;
}
