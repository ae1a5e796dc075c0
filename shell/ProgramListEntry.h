#pragma once
// At the first start of each version the program records itself in the
// maker's list of programs and moves its start-menu shortcut into a folder
// of its own, keeping the setup program's uninstall log in step.
//
// Paths of the old Windows setup ("c:\windows\menu avvio", ...) are looked
// up below `systemRoot`, which stands for drive c:, and every name is
// matched without regard to case, as that file system does. On a system
// without those folders nothing is found and nothing happens; an empty
// `systemRoot` (no such drive, as on Linux) looks for nothing at all.

#include <QString>

namespace volvenza {

class SettingsStore;

void WriteProgramListEntry(SettingsStore& settings, const QString& programFolder,
                           const QString& systemRoot);

void MoveStartMenuShortcut(const QString& systemRoot);

// True when the log named a shortcut of the maker's folder and was rewritten.
bool RewriteUninstallLog(const QString& systemRoot);

}  // namespace volvenza
