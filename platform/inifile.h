#pragma once

#include <QString>

#include <memory>

namespace platform {

// A settings file with profile semantics: sections and keys are found
// whatever their case, values are trimmed (and unquoted), the first of
// duplicate keys counts, and sections of one name read as one.
//
// The file is kept as its lines: a save gives back, byte for byte, every line
// the program did not change. Writing a value that already reads the same
// changes nothing; another value rewrites its key's line alone; a new key
// goes after the last key of its section, a new section at the end of the
// file (before the comments that close it), after one blank line.
//
// Lines that mean nothing here are kept where they stood and not read:
// comments, text after a section's "]", a line with no "=" or with an empty
// key, keys before the first section or under a "[" without its "]". A
// byte-order mark or blanks at the start of a line are skipped. A NUL byte
// in a value reads as a blank.
//
// The file is read when the object is made and written by UpdateFile().
class TIniFile {
public:
    explicit TIniFile(const QString &path);
    // The same, from the bytes of a file; UpdateFile() writes to path.
    TIniFile(const QByteArray &contents, const QString &path);
    ~TIniFile();
    TIniFile(const TIniFile &) = delete;
    TIniFile &operator=(const TIniFile &) = delete;

    QString fileName() const { return m_path; }

    QString ReadString(const QString &section, const QString &key, const QString &def) const;
    // Any non-zero integer is true; a missing or non-numeric value gives def.
    bool ReadBool(const QString &section, const QString &key, bool def) const;
    // A decimal integer with an optional sign; anything else gives def.
    long long ReadInteger(const QString &section, const QString &key, long long def) const;
    bool ValueExists(const QString &section, const QString &key) const;

    void WriteString(const QString &section, const QString &key, const QString &value);
    void WriteBool(const QString &section, const QString &key, bool value);
    void WriteInteger(const QString &section, const QString &key, long long value);

    // Writes the whole file to a temporary file beside it, every byte checked
    // and on the disk, and renames that over the old one, so a failed save
    // (a full disk included) leaves the old file byte for byte. Temporary
    // files an earlier killed save left are removed.
    // On failure returns false and errorString() says why.
    bool UpdateFile();
    // A value was written that did not read the same before.
    bool changed() const;
    // The bytes UpdateFile() would write.
    QByteArray contents() const;
    // Why the last read or write failed; empty when it did not.
    QString errorString() const { return m_error; }

private:
    struct Data;
    QString m_path;
    QString m_error;
    std::unique_ptr<Data> d;
};

// Finds the settings file in the settings directory (ignoring case) and
// creates it empty when missing. Returns its path; on failure to create it,
// error is set (the path is still returned, and reading it gives defaults).
// With no settings directory at all the path is empty and error says why.
QString openSettingsFile(const QString &fileName, QString *error);

// Parses a whole decimal integer with optional sign and surrounding blanks.
bool parseInteger(const QString &text, long long *value);

} // namespace platform
