#pragma once

#include <QString>

namespace quillpad::qt {

// The user's configuration folder, by the freedesktop rule: $XDG_CONFIG_HOME when set to an
// absolute path, else $HOME/.config. With no HOME at all (a bare service environment) the
// home folder of the user's own account is used, never the root of the file system.
QString ConfigFolder();

// The rule itself, from the two variables and the account's home folder (empty: unknown).
QString ConfigFolderFor(const QString& xdg_config_home, const QString& home,
                        const QString& account_home);

}  // namespace quillpad::qt
