// vorlo-sf2gen: writes a tiny SoundFont of looped sine presets.
//   vorlo-sf2gen OUTPUT.sf2 BANK:PROGRAM...
#include "SafeFile.h"
#include "Sf2Writer.h"

#include <QCoreApplication>
#include <QStringList>
#include <cstdio>

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    const QStringList args = app.arguments();
    if (args.size() < 3) {
        std::fprintf(stderr, "usage: vorlo-sf2gen OUTPUT.sf2 BANK:PROGRAM...\n");
        return 2;
    }
    std::vector<Sf2Writer::Tone> tones;
    for (int i = 2; i < args.size(); ++i) {
        const QStringList p = args[i].split(QLatin1Char(':'));
        bool okBank = false, okProgram = false;
        const int bank = p.size() == 2 ? p[0].toInt(&okBank) : -1;
        const int program = p.size() == 2 ? p[1].toInt(&okProgram) : -1;
        if (!okBank || !okProgram || bank < 0 || bank > 128 || program < 0 || program > 127) {
            std::fprintf(stderr, "vorlo-sf2gen: not a BANK:PROGRAM: %s\n", qPrintable(args[i]));
            return 2;
        }
        tones.push_back({bank, program});
    }
    QString error;
    if (!vorlo::SafeFile::write(args[1], Sf2Writer::build(QStringLiteral("Vorlo2000 sine"), tones),
                                &error)) {
        std::fprintf(stderr, "vorlo-sf2gen: %s\n", qPrintable(error));
        return 1;
    }
    return 0;
}
