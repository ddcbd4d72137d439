// vorlo_write_config: writes "vorlo2000.CFG" into a program folder, to try the console by hand
// or take its screenshots without going through the set-up first.
//
//   vorlo_write_config <program folder> [--standard | --graphic] [--scale S] [--leds]
//                      [--no-devices]
//
// The MIDI devices are those of this machine: the first output (unless --no-devices), no
// inputs. Everything else gets the defaults of a missing file.
#include "ConfigFile.h"
#include "ConsoleState.h"
#include "rtmidi/RtMidiBackend.h"

#include <QCoreApplication>
#include <QDir>
#include <cstdio>

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    const QStringList args = app.arguments().mid(1);
    if (args.isEmpty()) {
        std::fprintf(stderr, "usage: vorlo_write_config <program folder> [--standard | "
                             "--graphic] [--scale S] [--leds] [--no-devices]\n");
        return 2;
    }
    vorlo::ConsoleState st;
    st.AppDir = QDir(args[0]).absolutePath();

    vorlo::RtMidiBackend backend;
    auto out = backend.createOutput();
    auto in = backend.createInput();
    const int outputs = out->deviceCount();
    const int inputs = in->deviceCount();
    st.MidiOutNoDevice = static_cast<int16_t>(outputs);
    st.MidiIn1NoDevice = st.MidiIn2NoDevice = static_cast<int16_t>(inputs);
    vorlo::ConfigFile::installDefaults(st, vorlo::ScreenContext{1920 * 15, 1080 * 15, 0, 0});
    st.MainLeft = st.MainTop = 0;
    st.AdvancedLeft = 12500; // beside the graphic panel on a 1920 x 1080 screen
    st.AdvancedTop = 0;
    if (outputs > 0 && !args.contains(QStringLiteral("--no-devices")))
        st.MidiOutDevice = 0;

    for (int i = 1; i < args.size(); ++i) {
        if (args[i] == QLatin1String("--standard"))
            st.GraphicMode = false;
        else if (args[i] == QLatin1String("--graphic"))
            st.GraphicMode = true;
        else if (args[i] == QLatin1String("--leds"))
            st.MemoryLedsShown = true;
        else if (args[i] == QLatin1String("--scale") && i + 1 < args.size())
            st.PanelScale = args[++i].toDouble();
    }
    st.LedsShownSaved = st.MemoryLedsShown ? 1 : 0;

    QString error;
    const QString path = QDir(st.AppDir).filePath(QStringLiteral("vorlo2000.CFG"));
    if (!vorlo::ConfigFile::write(path, st, &error)) {
        std::fprintf(stderr, "%s: %s\n", qPrintable(path), qPrintable(error));
        return 1;
    }
    std::printf("%s: %d output(s), %d input(s), output %s\n", qPrintable(path), outputs, inputs,
                st.MidiOutDevice == st.MidiOutNoDevice ? "none" : "0");
    return 0;
}
