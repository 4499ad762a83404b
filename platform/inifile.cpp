#define SI_NO_CONVERSION
#define SI_IMPLEMENTATION
#include <SimpleIni.h>

#include "platform/inifile.h"
#include "platform/settingsdir.h"

#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QStringDecoder>

#include <list>

namespace platform {

struct TIniFile::Data {
    CSimpleIniA ini{false, true, false}; // not UTF-8 aware, duplicate keys kept, one line per value
    QByteArray tail;                     // comments after the last key, which the parser would drop
    Data() { ini.SetSpaces(false); }     // "key=value", as profiles write it
};

namespace {

QByteArray bytes(const QString &s) { return s.toUtf8(); }

// Old files may come from a desktop that wrote Latin-1.
QString decode(const char *raw)
{
    const QByteArray b(raw);
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

// What the parser would drop or misread is made safe before it sees it:
// NUL bytes would end the data (and a save would lose the rest), and a line
// that is neither a section, a comment nor a key would vanish on save, so it
// is kept as a comment.
QByteArray sanitize(QByteArray data)
{
    if (data.startsWith("\xEF\xBB\xBF"))
        data.remove(0, 3);
    data.replace('\0', ' ');
    // The parser also ends a line at a lone carriage return; so must the
    // check below, or a loose line between two of them would still vanish.
    data.replace("\r\n", "\n").replace('\r', '\n');
    QList<QByteArray> lines = data.split('\n');
    for (QByteArray &line : lines) {
        const QByteArray t = line.trimmed();
        if (t.isEmpty() || t.startsWith(';') || t.startsWith('#') || t.startsWith('[') || t.contains('='))
            continue;
        line.prepend("; ");
    }
    return lines.join('\n');
}

// A value written on one line: line breaks inside it would break the file.
QByteArray oneLine(const QString &value)
{
    QString v = value;
    v.replace(u'\r', u' ').replace(u'\n', u' ');
    return bytes(v);
}

} // namespace

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
        m_error = QStringLiteral("\"%1\" is a folder, not a settings file.").arg(path);
        return;
    }
    // A pipe or a device would block the reading or never end it.
    if (!QFileInfo(path).isFile()) {
        m_error = QStringLiteral("\"%1\" is not a settings file.").arg(path);
        return;
    }
    if (!file.open(QIODevice::ReadOnly)) {
        m_error = QStringLiteral("\"%1\" could not be read: %2").arg(path, file.errorString());
        return;
    }
    QByteArray data = file.readAll();
    if (file.error() != QFileDevice::NoError) {
        m_error = QStringLiteral("\"%1\" could not be read: %2").arg(path, file.errorString());
        return;
    }
    data = sanitize(data);
    // The parser keeps a comment only with the key or section after it; the
    // comments that end the file are kept aside and written back at its end.
    QList<QByteArray> lines = data.split('\n');
    qsizetype end = lines.size();
    while (end > 0) {
        const QByteArray t = lines[end - 1].trimmed();
        if (!t.isEmpty() && !t.startsWith(';') && !t.startsWith('#'))
            break;
        --end;
    }
    while (end < lines.size() && lines[end].trimmed().isEmpty())
        ++end;
    if (end < lines.size()) {
        d->tail = lines.mid(end).join('\n');
        data = lines.mid(0, end).join('\n');
    }
    d->ini.LoadData(data.constData(), size_t(data.size()));
}

TIniFile::~TIniFile() = default;

QString TIniFile::ReadString(const QString &section, const QString &key, const QString &def) const
{
    std::list<CSimpleIniA::Entry> values;
    if (!d->ini.GetAllValues(bytes(section).constData(), bytes(key).constData(), values) || values.empty())
        return def;
    values.sort(CSimpleIniA::Entry::LoadOrder());
    return unquote(decode(values.front().pItem)); // the first of duplicate keys counts
}

bool TIniFile::ValueExists(const QString &section, const QString &key) const
{
    std::list<CSimpleIniA::Entry> values;
    return d->ini.GetAllValues(bytes(section).constData(), bytes(key).constData(), values) && !values.empty();
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
    const QByteArray s = bytes(section), v = oneLine(value);
    QByteArray k = bytes(key);
    // A key rewritten in place keeps the spelling it has in the file.
    CSimpleIniA::TNamesDepend keys;
    if (d->ini.GetAllKeys(s.constData(), keys))
        for (const auto &entry : keys)
            if (qstricmp(entry.pItem, k.constData()) == 0) {
                k = entry.pItem;
                break;
            }
    d->ini.SetValue(s.constData(), k.constData(), v.constData(), nullptr, true);
}

void TIniFile::WriteBool(const QString &section, const QString &key, bool value)
{
    WriteString(section, key, value ? QStringLiteral("1") : QStringLiteral("0"));
}

void TIniFile::WriteInteger(const QString &section, const QString &key, long long value)
{
    WriteString(section, key, QString::number(value));
}

bool TIniFile::UpdateFile()
{
    m_error.clear();
    std::string text;
    if (d->ini.Save(text, false) < 0) {
        m_error = QStringLiteral("The settings could not be prepared for \"%1\".").arg(m_path);
        return false;
    }
    // The writer leaves two blank lines before each section; one, as a
    // profile has it, is enough.
    for (std::size_t at; (at = text.find("\n\n\n[")) != std::string::npos;)
        text.erase(at, 1);
    if (!d->tail.isEmpty()) {
        if (!text.empty() && text.back() != '\n')
            text += '\n';
        text.append(d->tail.constData(), size_t(d->tail.size()));
        if (text.back() != '\n')
            text += '\n';
    }
    const QFileInfo info(m_path);
    // A file its owner marked read-only stays as it is, even for root.
    const bool readOnly = info.exists() && !(info.permissions() & QFileDevice::WriteOwner);
    if (info.exists() && (!info.isFile() || readOnly || !info.isWritable())) {
        m_error = QStringLiteral("The settings file \"%1\" cannot be written: %2")
                      .arg(m_path, info.isDir()     ? QStringLiteral("it is a folder.")
                                   : !info.isFile() ? QStringLiteral("it is not a plain file.")
                                                    : QStringLiteral("it is read-only."));
        return false;
    }
    QSaveFile file(m_path);
    if (!file.open(QIODevice::WriteOnly) || file.write(text.data(), qint64(text.size())) != qint64(text.size()) ||
        !file.commit()) {
        m_error = QStringLiteral("The settings file \"%1\" could not be saved: %2").arg(m_path, file.errorString());
        file.cancelWriting();
        return false;
    }
    return true;
}

QString openSettingsFile(const QString &fileName, QString *error)
{
    const QString path = settingsFilePath(fileName);
    if (!QFileInfo::exists(path)) {
        QFile file(path);
        if (!file.open(QIODevice::WriteOnly)) {
            if (error)
                *error =
                    QStringLiteral("The settings file \"%1\" could not be created: %2").arg(path, file.errorString());
        }
    }
    return path;
}

} // namespace platform
