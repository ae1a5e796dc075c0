#include "platform/Translations.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

namespace volvenza {
namespace {

// Texts of Qt's dialogs that Qt's Italian catalogue leaves in English, by
// their English source text.
struct MissingText {
    const char* english;
    const char* italian;
};

constexpr MissingText kMissingTexts[] = {
    {"Double Sided Printing", "Stampa fronte-retro"},
    {"Off", "No"},
    {"Long side binding", "Rilegatura sul lato lungo"},
    {"Short side binding", "Rilegatura sul lato corto"},
    {"Pages", "Pagine"},
    {"Advanced", "Avanzate"},
    {"Folder", "Cartella"},
    {"There are conflicts in some options. Please fix them.",
     "Alcune opzioni sono in conflitto: correggerle."},
};

// Answers only for the texts above; every other text falls through to the
// translators installed before it.
class MissingTextsTranslator : public QTranslator {
  public:
    using QTranslator::QTranslator;

    QString translate(const char*, const char* sourceText, const char*, int) const override {
        if (sourceText == nullptr) return {};
        for (const MissingText& text : kMissingTexts) {
            if (qstrcmp(sourceText, text.english) == 0) return QString::fromUtf8(text.italian);
        }
        return {};
    }
    bool isEmpty() const override { return false; }
};

}  // namespace

bool InstallItalianTranslations(QCoreApplication& application) {
    SetUiLanguage(UiLanguage::Italian);
    const QLocale italian;
    auto* qt = new QTranslator(&application);
    const bool loaded = qt->load(italian, QStringLiteral("qtbase"), QStringLiteral("_"),
                                 QLibraryInfo::path(QLibraryInfo::TranslationsPath));
    if (loaded) {
        QCoreApplication::installTranslator(qt);
    } else {
        delete qt;
    }
    // Installed last, so it is asked first.
    QCoreApplication::installTranslator(new MissingTextsTranslator(&application));
    return loaded;
}

bool InstallEnglishTranslations(QCoreApplication& application) {
    SetUiLanguage(UiLanguage::English);
    auto* program = new QTranslator(&application);
    // An installed catalogue beside the program wins over the built-in copy,
    // so a corrected translation needs no new build.
    const QString installed = QDir(QCoreApplication::applicationDirPath())
                                  .filePath(QStringLiteral("../share/volvenza/translations"));
    const bool loaded =
        (QFileInfo::exists(installed + QStringLiteral("/volvenza_en.qm")) &&
         program->load(QStringLiteral("volvenza_en"), installed)) ||
        program->load(QStringLiteral("volvenza_en"), QStringLiteral(":/translations"));
    if (loaded) {
        QCoreApplication::installTranslator(program);
    } else {
        delete program;
    }
    return loaded;
}

bool InstallTranslations(QCoreApplication& application, UiLanguage language) {
    return language == UiLanguage::English ? InstallEnglishTranslations(application)
                                           : InstallItalianTranslations(application);
}

}  // namespace volvenza
