#include "platform/inifile.h"
#include "platform/settingsdir.h"

#include <QCoreApplication>
#include <QByteArrayView>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QStringDecoder>

#include <vector>

#include <cerrno>
#include <unistd.h>

namespace platform {

// The file as its lines, each kept byte for byte with its own line end, so
// that a save gives back every line it did not change as it found it.
struct TIniFile::Data {
    enum Kind { Blank, Comment, Section, Key, Other };
    struct Line {
        QByteArray text; // without its line end
        QByteArray end;  // "\n", "\r\n", "\r", or nothing on a last line
        Kind kind = Blank;
        QByteArray name;  // the section's or the key's name, trimmed
        qsizetype eq = 0; // a key line: where its "=" stands
        int block = -1;   // a key line: its section, -1 when it has none
    };
    QByteArray source; // the bytes read; lines not written since are views of it
    std::vector<Line> lines;
    std::vector<QByteArray> blocks; // section names, in the order they appear
    QByteArray eol = "\n";          // the end of the file's first line
    bool changed = false;           // a value was written that did not read the same

    void parse(const QByteArray &data);
    QByteArray serialize() const;
    qsizetype find(const QByteArray &section, const QByteArray &key) const;
    void insert(qsizetype at, Line line);
};

namespace {

QByteArray bytes(const QString &s) { return s.toUtf8(); }

bool sameName(const QByteArray &a, const QByteArray &b)
{
    if (a.size() != b.size())
        return false;
    for (qsizetype i = 0; i < a.size(); ++i) {
        char x = a[i], y = b[i];
        if (x >= 'A' && x <= 'Z')
            x = char(x - 'A' + 'a');
        if (y >= 'A' && y <= 'Z')
            y = char(y - 'A' + 'a');
        if (x != y)
            return false;
    }
    return true;
}

bool isBlank(char c) { return c == ' ' || c == '\t' || c == '\v' || c == '\f' || c == '\0'; }

// Where the meaning of a line starts: after blanks, and after a byte-order
// mark, which a file made by joining two others carries in its middle.
qsizetype meaningStart(const QByteArray &text)
{
    qsizetype at = 0;
    for (;;) {
        while (at < text.size() && isBlank(text[at]))
            ++at;
        if (text.size() - at < 3 || text[at] != '\xEF' || text[at + 1] != '\xBB' || text[at + 2] != '\xBF')
            return at;
        at += 3;
    }
}

QByteArray trimmedName(QByteArray name) { return name.replace('\0', ' ').trimmed(); }

// The name in text[from, to), trimmed: a view of text's bytes when it holds
// no NUL, which reads as a blank.
QByteArray nameIn(const QByteArray &text, qsizetype from, qsizetype to)
{
    while (from < to && isBlank(text[from]))
        ++from;
    while (to > from && isBlank(text[to - 1]))
        --to;
    const QByteArrayView name = QByteArrayView(text).sliced(from, to - from);
    if (name.contains('\0'))
        return trimmedName(name.toByteArray());
    return QByteArray::fromRawData(name.data(), name.size());
}

// Whether text[from, to) holds anything but blanks (a NUL reading as one).
bool hasText(const QByteArray &text, qsizetype from, qsizetype to)
{
    for (qsizetype i = from; i < to; ++i)
        if (!isBlank(text[i]) && text[i] != '\n' && text[i] != '\r')
            return true;
    return false;
}

// Line ends share static bytes rather than each holding a copy.
QByteArray lineEnd(const char *data, qsizetype size)
{
    if (size == 2)
        return QByteArray::fromRawData("\r\n", 2);
    return QByteArray::fromRawData(data[0] == '\r' ? "\r" : "\n", 1);
}

// Old files may come from a desktop that wrote Latin-1.
QString decode(const QByteArray &b)
{
    QStringDecoder utf8(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    const QString text = utf8.decode(b);
    if (!utf8.hasError())
        return text;
    return QString::fromLatin1(b);
}

// A value that is one quoted text reads without its quotes.
QString unquote(QString value)
{
    value = value.trimmed();
    if (value.size() >= 2 && (value.front() == u'"' || value.front() == u'\'') && value.back() == value.front())
        value = value.mid(1, value.size() - 2);
    return value;
}

QString readValue(const QByteArray &raw)
{
    QByteArray v = raw;
    v.replace('\0', ' '); // a NUL byte reads as a blank rather than ending the value
    return unquote(decode(v));
}

// A value on one line: line breaks inside it would break the file. A value
// that would not read back as itself (blanks at its ends, quotes around it)
// is written inside quotes.
QByteArray encodeValue(const QString &value)
{
    QString v = value;
    v.replace(u'\r', u' ').replace(u'\n', u' ').replace(QChar(0), u' ');
    if (unquote(v) != v)
        v = u'"' + v + u'"';
    return bytes(v);
}

} // namespace

void TIniFile::Data::parse(const QByteArray &data)
{
    bool eolSeen = false;
    int block = -1;
    qsizetype at = 0;
    // One copy of the bytes, which every line and name read from it views.
    source = QByteArray(data.constData(), data.size());
    lines.reserve(std::size_t(source.count('\n') + 1));
    while (at < data.size()) {
        qsizetype stop = at;
        while (stop < data.size() && data[stop] != '\n' && data[stop] != '\r')
            ++stop;
        Line line;
        line.text = QByteArray::fromRawData(source.constData() + at, stop - at);
        if (stop < data.size())
            line.end = lineEnd(data.constData() + stop,
                               data[stop] == '\r' && stop + 1 < data.size() && data[stop + 1] == '\n' ? 2 : 1);
        at = stop + line.end.size();
        if (!eolSeen && !line.end.isEmpty()) {
            eol = line.end;
            eolSeen = true;
        }

        const qsizetype start = meaningStart(line.text);
        const QByteArray &t = line.text;
        if (!hasText(t, start, t.size())) {
            line.kind = Blank;
        } else if (t[start] == ';' || t[start] == '#') {
            line.kind = Comment;
        } else if (t[start] == '[') {
            // "[name]" with anything after the bracket, which is ignored. A
            // header without its bracket names no section: the keys under it
            // belong to none, rather than to the section above.
            const qsizetype close = t.indexOf(']', start);
            line.kind = close < 0 ? Other : Section;
            if (close >= 0) {
                line.name = nameIn(t, start + 1, close);
                blocks.push_back(line.name);
                block = int(blocks.size()) - 1;
            } else {
                block = -1;
            }
        } else if (const qsizetype eq = t.indexOf('=', start); eq >= 0 && hasText(t, start, eq)) {
            // Keys before the first section belong to no section.
            line.kind = Key;
            line.name = nameIn(t, start, eq);
            line.eq = eq;
            line.block = block;
        } else {
            line.kind = Other; // a line with no "=", or one whose key is empty: kept, not read
        }
        lines.push_back(std::move(line));
    }
}

QByteArray TIniFile::Data::serialize() const
{
    qsizetype size = 0;
    for (const Line &line : lines)
        size += line.text.size() + line.end.size();
    QByteArray out;
    out.reserve(size);
    for (const Line &line : lines)
        out.append(line.text).append(line.end);
    return out;
}

// The first line of the key in any section of that name, or -1.
qsizetype TIniFile::Data::find(const QByteArray &section, const QByteArray &key) const
{
    for (std::size_t i = 0; i < lines.size(); ++i) {
        const Line &line = lines[i];
        if (line.kind == Key && line.block >= 0 && sameName(line.name, key) && sameName(blocks[line.block], section))
            return qsizetype(i);
    }
    return -1;
}

void TIniFile::Data::insert(qsizetype at, Line line)
{
    if (at > 0 && lines[at - 1].end.isEmpty())
        lines[at - 1].end = eol; // the old last line now needs its end
    // A new line ends as the file's first line does, unless its end would
    // join a lone "\r" around it into one line end.
    line.end = eol;
    if (line.text.isEmpty() && at > 0 && lines[at - 1].end == "\r" && eol.startsWith('\n'))
        line.end = "\r";
    if (line.end == "\r" && at < qsizetype(lines.size()) && lines[at].text.isEmpty() && lines[at].end.startsWith('\n'))
        line.end = "\r\n";
    lines.insert(lines.begin() + at, std::move(line));
}

bool parseInteger(const QString &text, long long *value)
{
    bool ok = false;
    const long long v = text.trimmed().toLongLong(&ok, 10);
    if (ok && value)
        *value = v;
    return ok;
}

TIniFile::TIniFile(const QString &path) : m_path(path), d(std::make_unique<Data>())
{
    QFile file(path);
    if (!QFileInfo::exists(path))
        return;
    if (QFileInfo(path).isDir()) {
        m_error = QCoreApplication::translate("platform::TIniFile", "\"%1\" is a folder, not a settings file.").arg(path);
        return;
    }
    // A pipe or a device would block the reading or never end it.
    if (!QFileInfo(path).isFile()) {
        m_error = QCoreApplication::translate("platform::TIniFile", "\"%1\" is not a settings file.").arg(path);
        return;
    }
    // A file its owner may not read is not read, even by root: it is kept.
    if (!(QFileInfo(path).permissions() & QFileDevice::ReadOwner)) {
        m_error = QCoreApplication::translate("platform::TIniFile", "\"%1\" could not be read: its owner may not read it.").arg(path);
        return;
    }
    if (!file.open(QIODevice::ReadOnly)) {
        m_error = QCoreApplication::translate("platform::TIniFile", "\"%1\" could not be read: %2").arg(path, file.errorString());
        return;
    }
    const QByteArray data = file.readAll();
    if (file.error() != QFileDevice::NoError) {
        m_error = QCoreApplication::translate("platform::TIniFile", "\"%1\" could not be read: %2").arg(path, file.errorString());
        return;
    }
    d->parse(data);
}

TIniFile::TIniFile(const QByteArray &contents, const QString &path) : m_path(path), d(std::make_unique<Data>())
{
    d->parse(contents);
}

TIniFile::~TIniFile() = default;

QString TIniFile::ReadString(const QString &section, const QString &key, const QString &def) const
{
    const qsizetype at = d->find(bytes(section), bytes(key)); // the first of duplicate keys counts
    if (at < 0)
        return def;
    const Data::Line &line = d->lines[at];
    return readValue(line.text.mid(line.eq + 1));
}

bool TIniFile::ValueExists(const QString &section, const QString &key) const
{
    return d->find(bytes(section), bytes(key)) >= 0;
}

long long TIniFile::ReadInteger(const QString &section, const QString &key, long long def) const
{
    long long v = def;
    if (!parseInteger(ReadString(section, key, QString()), &v))
        return def;
    return v;
}

bool TIniFile::ReadBool(const QString &section, const QString &key, bool def) const
{
    return ReadInteger(section, key, def ? 1 : 0) != 0;
}

void TIniFile::WriteString(const QString &section, const QString &key, const QString &value)
{
    const QByteArray s = bytes(section), k = bytes(key);
    if (const qsizetype at = d->find(s, k); at >= 0) {
        Data::Line &line = d->lines[at];
        if (readValue(line.text.mid(line.eq + 1)) == value)
            return; // a value that reads the same keeps its line as it is
        // The key keeps its spelling and the blanks around its "=".
        qsizetype from = line.eq + 1;
        while (from < line.text.size() && (line.text[from] == ' ' || line.text[from] == '\t'))
            ++from;
        line.text = line.text.left(from) + encodeValue(value);
        d->changed = true;
        return;
    }

    d->changed = true;
    Data::Line line;
    line.kind = Data::Key;
    line.name = trimmedName(k);
    line.text = k + '=' + encodeValue(value);
    line.eq = k.size();
    const auto &lines = d->lines;
    for (std::size_t b = 0; b < d->blocks.size(); ++b) {
        if (!sameName(d->blocks[b], s))
            continue;
        // A new key goes after the last key of its section.
        qsizetype after = -1;
        int current = -1;
        for (std::size_t i = 0; i < lines.size() && current <= int(b); ++i) {
            if (lines[i].kind == Data::Section)
                ++current;
            if (current == int(b) &&
                (lines[i].kind == Data::Section || (lines[i].kind == Data::Key && lines[i].block == int(b))))
                after = qsizetype(i);
        }
        line.block = int(b);
        d->insert(after + 1, std::move(line));
        return;
    }

    // A new section goes at the end, before the comments that close the file
    // when something else stands above them, one blank line after the last.
    qsizetype at = qsizetype(lines.size());
    qsizetype last = at - 1;
    while (last >= 0 && (lines[last].kind == Data::Blank || lines[last].kind == Data::Comment))
        --last;
    if (last >= 0) {
        at = last + 1;
        while (at < qsizetype(lines.size()) && lines[at].kind == Data::Blank)
            ++at;
    }
    if (at > 0 && d->lines[at - 1].kind != Data::Blank)
        d->insert(at++, Data::Line{});
    Data::Line header;
    header.kind = Data::Section;
    header.name = trimmedName(s);
    header.text = '[' + s + ']';
    d->blocks.push_back(header.name);
    line.block = int(d->blocks.size()) - 1;
    d->insert(at, std::move(header));
    d->insert(at + 1, std::move(line));
}

void TIniFile::WriteBool(const QString &section, const QString &key, bool value)
{
    WriteString(section, key, value ? QStringLiteral("1") : QStringLiteral("0"));
}

void TIniFile::WriteInteger(const QString &section, const QString &key, long long value)
{
    WriteString(section, key, QString::number(value));
}

bool TIniFile::changed() const { return d->changed; }

QByteArray TIniFile::contents() const { return d->serialize(); }

namespace {

// A save killed between writing its temporary file and renaming it leaves
// "<name>.XXXXXX" beside the file; the next save clears them away. Only one
// copy of a game runs at a time, so none of them is still being written.
void removeStaleTemporaries(const QFileInfo &info)
{
    const QDir dir = info.absoluteDir();
    const QString prefix = info.fileName() + QLatin1Char('.');
    for (const QString &entry : dir.entryList({prefix + QStringLiteral("??????")}, QDir::Files | QDir::Hidden))
        QFile::remove(dir.filePath(entry));
}

} // namespace

bool TIniFile::UpdateFile()
{
    m_error.clear();
    const QByteArray text = d->serialize();
    const QFileInfo info(m_path);
    const QFileInfo folder(info.absolutePath());
    // A file or a folder its owner marked read-only stays as it is, even for root.
    const bool readOnly = info.exists() && !(info.permissions() & QFileDevice::WriteOwner);
    QString why;
    if (info.exists() && info.isDir())
        why = QCoreApplication::translate("platform::TIniFile", "it is a folder.");
    else if (info.exists() && !info.isFile())
        why = QCoreApplication::translate("platform::TIniFile", "it is not a plain file.");
    else if (readOnly || (info.exists() && !info.isWritable()))
        why = QCoreApplication::translate("platform::TIniFile", "it is read-only.");
    else if (!(folder.permissions() & QFileDevice::WriteOwner) || !folder.isWritable())
        why = QCoreApplication::translate("platform::TIniFile", "its folder \"%1\" is read-only.").arg(folder.filePath());
    if (!why.isEmpty()) {
        m_error = QCoreApplication::translate("platform::TIniFile", "The settings file \"%1\" cannot be written: %2").arg(m_path, why);
        return false;
    }
    removeStaleTemporaries(info);
    // Unbuffered, so a full disk fails the write itself; and on the disk
    // before the rename, so the old file is replaced only by a whole new one.
    QSaveFile file(m_path);
    const bool saved = file.open(QIODevice::WriteOnly | QIODevice::Unbuffered) && file.write(text) == text.size() &&
                       ::fsync(file.handle()) == 0 && file.error() == QFileDevice::NoError && file.commit();
    if (!saved) {
        const QString reason = file.error() != QFileDevice::NoError ? file.errorString() : qt_error_string(errno);
        m_error = QCoreApplication::translate("platform::TIniFile", "The settings file \"%1\" could not be saved: %2").arg(m_path, reason);
        file.cancelWriting();
        return false;
    }
    return true;
}

QString openSettingsFile(const QString &fileName, QString *error)
{
    const QString path = settingsFilePath(fileName, error);
    if (!path.isEmpty() && !QFileInfo::exists(path)) {
        QFile file(path);
        if (!file.open(QIODevice::WriteOnly)) {
            if (error)
                *error =
                    QCoreApplication::translate("platform::TIniFile", "The settings file \"%1\" could not be created: %2").arg(path, file.errorString());
        }
    }
    return path;
}

} // namespace platform
