#include "shell/CommandLine.h"

#include <QTranslator>

#include "platform/Language.h"
#include "platform/UiMessage.h"
#include "platform/UiText.h"
#include "shell/ProgramIdentity.h"

namespace volvenza {
namespace {

constexpr const char* kContext = "volvenza::CommandLine";
constexpr UiText kUsage{
    kContext, QT_TRANSLATE_NOOP(
                  "volvenza::CommandLine",
                  "Uso: volvenza [OPZIONI] [FILE.vlz]\n"
                  "Dimensiona un accumulatore idraulico a gas: simula il ciclo della macchina e\n"
                  "mostra volume, pressione e portate.\n"
                  "\n"
                  "  FILE.vlz       apre il file di simulazione all'avvio\n"
                  "  -h, --help     mostra questo aiuto ed esce\n"
                  "  -v, --version  mostra la versione ed esce\n"
                  "\n"
                  "Sono accettate anche le opzioni di Qt, per esempio -platform.\n"
                  "Per il lavoro senza finestre: volvenza-sim --help.\n")};
constexpr UiText kSeeHelp{
    kContext, QT_TRANSLATE_NOOP("volvenza::CommandLine", "Per l'uso: volvenza --help\n")};

}  // namespace

QString InTerminalLanguage(const QString& text) {
    if (LanguageFromEnvironment() != UiLanguage::English) return text;
    // No application exists yet to install a catalogue into: ask it directly.
    QTranslator english;
    if (!english.load(QStringLiteral(":/translations/volvenza_en.qm"))) return text;
    const QString translated = english.translate(kContext, text.toUtf8().constData());
    return translated.isEmpty() ? text : translated;
}

std::optional<QString> TerminalRequest(const QStringList& arguments) {
    for (qsizetype i = 1; i < arguments.size(); ++i) {
        const QString& a = arguments[i];
        if (a == QLatin1String("--")) break;
        if (a == QLatin1String("--help") || a == QLatin1String("-h")) return kUsage;
        if (a == QLatin1String("--version") || a == QLatin1String("-v")) {
            return kTitle + QLatin1Char(' ') + VersionNumber() + QLatin1Char('\n');
        }
    }
    return std::nullopt;
}

Result<QString> ParseStartArguments(const QStringList& arguments) {
    QStringList files;
    bool optionsEnd = false;
    for (qsizetype i = 1; i < arguments.size(); ++i) {
        const QString& a = arguments[i];
        if (!optionsEnd && a == QLatin1String("--")) {
            optionsEnd = true;
        } else if (!optionsEnd && a.startsWith(QLatin1Char('-')) && a.size() > 1) {
            return Message(MessageId::CommandUnknownOption, {MsgVerbatim(a.toStdString())});
        } else {
            files << a;
        }
    }
    if (files.size() > 1) return Message(MessageId::CommandOneFile);
    return files.isEmpty() ? QString() : files.first();
}

QString StartRefusalText(const Message& refusal) {
    return QStringLiteral("volvenza: ") + UiMessage(refusal) + QLatin1Char('\n') + kSeeHelp.Text();
}

}  // namespace volvenza
