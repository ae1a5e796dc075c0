// Writes the installed icons as PNG files in the hicolor layout: the program
// icon under apps/ and the simulation files' icon under mimetypes/, at every
// size the desktop asks for. Run at build time; it needs no display.
// Usage: volvenza-icons OUTPUT_FOLDER

#include <cstdio>

#include <QDir>
#include <QImage>
#include <QString>

#include "shell/Artwork.h"

int main(int argc, char* argv[]) {
    if (argc != 2) {
        std::fputs("Uso: volvenza-icons CARTELLA\n", stderr);
        return 64;
    }
    const QDir out(QString::fromLocal8Bit(argv[1]));
    for (const int size : {16, 22, 24, 32, 48, 64, 128, 256}) {
        const QString folder = QStringLiteral("hicolor/%1x%1/").arg(size);
        const struct {
            QString file;
            QImage image;
        } icons[] = {
            {folder + QStringLiteral("apps/volvenza.png"), volvenza::ProgramIconImage(size)},
            {folder + QStringLiteral("mimetypes/application-x-volvenza.png"),
             volvenza::SimulationFileIconImage(size)},
        };
        for (const auto& icon : icons) {
            const QString path = out.filePath(icon.file);
            if (!out.mkpath(QFileInfo(path).path()) || !icon.image.save(path, "PNG")) {
                std::fprintf(stderr, "Impossibile salvare il file %s.\n", qPrintable(path));
                return 2;
            }
        }
    }
    return 0;
}
