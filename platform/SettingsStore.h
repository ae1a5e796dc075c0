#pragma once
// Per-user text values addressed by (application, section, key). Each
// application is one INI file in the store's folder; tests give the store a
// temporary folder.

#include <QString>

namespace volvenza {

class SettingsStore {
  public:
    explicit SettingsStore(QString folder);

    // The user's configuration folder for this program.
    static QString DefaultFolder();

    QString Folder() const { return folder_; }

    // The stored text, or `defaultValue` when nothing is stored.
    QString Read(const QString& application, const QString& section, const QString& key,
                 const QString& defaultValue) const;
    // Creates or replaces the value and writes the file at once.
    void Write(const QString& application, const QString& section, const QString& key,
               const QString& value);

  private:
    QString FilePath(const QString& application) const;

    QString folder_;
};

}  // namespace volvenza
