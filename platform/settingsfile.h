#pragma once

#include "platform/inifile.h"

#include <QString>
#include <QStringList>

#include <memory>

namespace platform {

// One game's settings file, from the start of a run to its close: found in
// the settings directory whatever the case of its name (made empty when
// missing), read once, and saved once, atomically. A file that is there but
// could not be read is kept: the close never writes over it, so defaults
// never replace what may still be good in it.
class SettingsFile {
public:
    // No file: nothing is read and the close saves nothing.
    SettingsFile();
    // The file at path, read as it is.
    explicit SettingsFile(const QString &path);
    // The file of that name in the settings directory, created when missing.
    static SettingsFile open(const QString &fileName);
    // A file's bytes, read as that file would be; save() keeps them in ini()
    // rather than writing them anywhere.
    static SettingsFile fromContents(const QByteArray &contents);

    SettingsFile(SettingsFile &&) noexcept;
    SettingsFile &operator=(SettingsFile &&) noexcept;
    ~SettingsFile();

    QString path() const { return m_path; }
    // The values as read at start; the game writes its keys into them.
    TIniFile &ini() { return *m_ini; }
    const TIniFile &ini() const { return *m_ini; }

    // What the player is told about the file, one paragraph each, each
    // naming the file; the game adds its own.
    const QStringList &problems() const { return m_problems; }
    void addProblem(const QString &text) { m_problems << text; }
    // The file was there but could not be read: save() leaves it alone.
    bool keepsFile() const { return m_keepFile; }

    // Writes the file whole, with every other line it held kept. A kept file,
    // or one none of whose values changed, is not touched and counts as saved. False with the reason, naming the
    // file, when it could not be written; the old file is then still whole.
    bool save(QString *error);

private:
    QString m_path;
    QStringList m_problems;
    bool m_keepFile = false;
    std::unique_ptr<TIniFile> m_ini;
};

} // namespace platform
