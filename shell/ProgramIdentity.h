#pragma once
// Who the program is: its title, version and maker.

#include <QCoreApplication>
#include <QString>

namespace volvenza {

inline constexpr int kVersionMajor = 1;
inline constexpr int kVersionMinor = 1;
inline constexpr int kVersionRevision = 0;

inline const QString kTitle = QStringLiteral("Volvenza");
inline const QString kMaker = QStringLiteral("Quarzel");
inline const QString kHelpFile = QStringLiteral("VOLVENZA.HLP");

// "1.1.0"
inline QString VersionNumber() {
    return QStringLiteral("%1.%2.%3").arg(kVersionMajor).arg(kVersionMinor).arg(kVersionRevision);
}
// "Versione 1.1.0"
inline QString VersionText() {
    return QCoreApplication::translate("volvenza::frmAbout", "Versione %1").arg(VersionNumber());
}

}  // namespace volvenza
