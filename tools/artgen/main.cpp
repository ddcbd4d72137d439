// vorlo-artgen OUTPUT_DIR: draws the program folder's pictures and icons into OUTPUT_DIR.
// It never opens a window, so unless told otherwise it runs on Qt's offscreen platform.
#include "Artwork.h"

#include <QGuiApplication>
#include <QTextStream>

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    const QStringList args = app.arguments();
    if (args.size() != 2) {
        QTextStream(stderr) << "usage: vorlo-artgen OUTPUT_DIR\n";
        return 2;
    }
    QString error;
    if (!vorlo::artgen::Artwork::writeAll(args[1], &error)) {
        QTextStream(stderr) << "vorlo-artgen: " << error << "\n";
        return 1;
    }
    return 0;
}
