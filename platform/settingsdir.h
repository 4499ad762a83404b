#pragma once

#include <QString>

namespace platform {

// The user's configuration directory, created when missing: $XDG_CONFIG_HOME
// when it is a full path, else $HOME/.config when HOME is one (a relative
// path is ignored, as the desktop's base directory rules say). The three
// games share it. Empty when there is none, with the reason in *error.
QString settingsDirectory(QString *error = nullptr);

// The path of a settings file in that directory: an existing file whose name
// matches ignoring case, else the name as given. Empty when there is no
// directory, with the reason in *error.
QString settingsFilePath(const QString &fileName, QString *error = nullptr);

} // namespace platform
