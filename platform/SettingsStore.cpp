#include "platform/SettingsStore.h"

#include <QDir>
#include <QFileInfo>
#include <QSettings>
#include <QStandardPaths>

namespace volvenza {

SettingsStore::SettingsStore(QString folder) : folder_(std::move(folder)) {}

QString SettingsStore::DefaultFolder() {
    return QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation) +
           QStringLiteral("/Volvenza");
}

QString SettingsStore::FilePath(const QString& application) const {
    return QDir(folder_).filePath(application + QStringLiteral(".ini"));
}

bool SettingsStore::Usable(const QString& application) const {
    const QFileInfo info(FilePath(application));
    return info.isFile() || (!info.exists() && !info.isSymLink());
}

QString SettingsStore::Read(const QString& application, const QString& section, const QString& key,
                            const QString& defaultValue) const {
    if (!Usable(application)) return defaultValue;
    QSettings file(FilePath(application), QSettings::IniFormat);
    const QVariant value = file.value(section + QLatin1Char('/') + key);
    return value.isValid() ? value.toString() : defaultValue;
}

void SettingsStore::Write(const QString& application, const QString& section, const QString& key,
                          const QString& value) {
    if (!Usable(application)) return;
    QDir().mkpath(folder_);
    QSettings file(FilePath(application), QSettings::IniFormat);
    file.setValue(section + QLatin1Char('/') + key, value);
    file.sync();
}

}  // namespace volvenza
