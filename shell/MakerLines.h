#pragma once
// The maker's name and contact lines shown by the splash and the About
// window. The maker is fictitious; web and mail use the reserved example
// domain.

#include <QString>

#include "platform/UiText.h"

namespace volvenza {

inline const QString kMakerCompany = QStringLiteral("Quarzel");
inline const QString kMakerAuthorLine = QStringLiteral("Software Quarzel");
inline constexpr UiText kMakerWarning{
    "volvenza::frmAbout",
    QT_TRANSLATE_NOOP(
        "volvenza::frmAbout",
        "Questo programma è stato realizzato da Quarzel. Tutti i diritti riservati.")};
inline const QString kMakerWeb = QStringLiteral("www.example.com");
inline const QString kMakerWeb2 = QStringLiteral("volvenza.example.com");
inline const QString kMakerMail = QStringLiteral("info@example.com");
inline constexpr UiText kMakerFax{"volvenza::frmAbout",
                                  QT_TRANSLATE_NOOP("volvenza::frmAbout", "Fax: non disponibile")};
inline constexpr UiText kMakerDescription{
    "volvenza::frmAbout",
    QT_TRANSLATE_NOOP(
        "volvenza::frmAbout",
        "Volvenza è stato ideato da Quarzel. Scriveteci per domande e suggerimenti.")};

}  // namespace volvenza
