#pragma once
// The maker's name and contact lines shown by the splash and the About
// window. The maker is fictitious; web and mail use the reserved example
// domain.

#include <QString>

namespace volvenza {

inline const QString kMakerCompany = QStringLiteral("Quarzel");
inline const QString kMakerAuthorLine = QStringLiteral("Quarzel software tecnico");
inline const QString kMakerWarning =
    QStringLiteral("Questo programma è stato realizzato da Quarzel. Tutti i diritti riservati.");
inline const QString kMakerWeb = QStringLiteral("www.example.com");
inline const QString kMakerWeb2 = QStringLiteral("volvenza.example.com");
inline const QString kMakerMail = QStringLiteral("info@example.com");
inline const QString kMakerFax = QStringLiteral("Fax: non disponibile");
inline const QString kMakerDescription = QStringLiteral(
    "Volvenza è stato ideato da Quarzel. Per domande, suggerimenti o segnalazioni "
    "non esitate a mettervi in contatto con noi.");

}  // namespace volvenza
