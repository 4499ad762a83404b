#include "platform/settingsfile.h"

namespace platform {

SettingsFile::SettingsFile() : m_ini(std::make_unique<TIniFile>(QString())) {}

SettingsFile::SettingsFile(const QString &path) : m_path(path), m_ini(std::make_unique<TIniFile>(path))
{
    if (!m_ini->errorString().isEmpty()) {
        m_keepFile = true;
        m_problems << m_ini->errorString();
        m_ini = std::make_unique<TIniFile>(QString()); // the defaults, from nothing
    }
}

SettingsFile SettingsFile::open(const QString &fileName)
{
    QString createError;
    const QString path = openSettingsFile(fileName, &createError);
    SettingsFile file(path);
    if (!createError.isEmpty())
        file.m_problems.prepend(createError);
    return file;
}

SettingsFile SettingsFile::fromContents(const QByteArray &contents)
{
    SettingsFile file;
    file.m_ini = std::make_unique<TIniFile>(contents, QString());
    return file;
}

SettingsFile::SettingsFile(SettingsFile &&) noexcept = default;
SettingsFile &SettingsFile::operator=(SettingsFile &&) noexcept = default;
SettingsFile::~SettingsFile() = default;

bool SettingsFile::save(QString *error)
{
    // Nothing changed: the file is left alone, so one kept read-only on
    // purpose stays quiet.
    if (m_keepFile || m_path.isEmpty() || !m_ini->changed())
        return true;
    if (m_ini->UpdateFile())
        return true;
    if (error)
        *error = m_ini->errorString();
    return false;
}

} // namespace platform
