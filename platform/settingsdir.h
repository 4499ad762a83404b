#pragma once

#include <QString>

namespace platform {

// The user's configuration directory ($XDG_CONFIG_HOME, else ~/.config),
// created when missing. The three games share it.
QString settingsDirectory();

// The path of a settings file in that directory: an existing file whose name
// matches ignoring case, else the name as given.
QString settingsFilePath(const QString &fileName);

} // namespace platform
