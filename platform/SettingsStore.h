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

    // Whether the application's file can be kept: absent, or a regular file.
    // Anything else (a pipe, a folder, a device) is never opened: reading a
    // pipe would wait for a writer for ever.
    bool Usable(const QString& application) const;
    QString FilePath(const QString& application) const;

    // The stored text, or `defaultValue` when nothing is stored or the file
    // is not usable.
    QString Read(const QString& application, const QString& section, const QString& key,
                 const QString& defaultValue) const;
    // Creates or replaces the value and writes the file at once; nothing
    // when the file is not usable.
    void Write(const QString& application, const QString& section, const QString& key,
               const QString& value);

  private:
    QString folder_;
};

}  // namespace volvenza
