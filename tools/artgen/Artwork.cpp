#include "Artwork.h"

#include "AboutPicture.h"
#include "ConsoleBackground.h"
#include "DrawstopKnob.h"
#include "GifWriter.h"
#include "KeyMapPicture.h"
#include "MemoryLed.h"
#include "NamePlate.h"
#include "WindowIcons.h"

#include <QDir>
#include <QImageWriter>

namespace vorlo::artgen {

namespace {

constexpr int kDotsPerMeter = 3780; // 96 dots per inch

using D = DrawstopKnob::Division;
using L = MemoryLed::Colour;

struct Job {
    const char* name;
    // Every picture that sits on the console takes its backdrop tone from the background.
    QImage (*draw)(const ConsoleBackground&);
};

const Job kJobs[] = {
    {"tavola.jpg", [](const ConsoleBackground& b) { return b.image(); }},
    {"stucco.gif", [](const ConsoleBackground& b) { return NamePlate::render(b.panelTone()); }},
    {"tirante_on.jpg",
     [](const ConsoleBackground& b) {
         return DrawstopKnob::render(D::Pedal, true, b.panelTone());
     }},
    {"tirante_off.jpg",
     [](const ConsoleBackground& b) {
         return DrawstopKnob::render(D::Pedal, false, b.panelTone());
     }},
    {"tirante_on_go.jpg",
     [](const ConsoleBackground& b) {
         return DrawstopKnob::render(D::Great, true, b.panelTone());
     }},
    {"tirante_off_go.jpg",
     [](const ConsoleBackground& b) {
         return DrawstopKnob::render(D::Great, false, b.panelTone());
     }},
    {"tirante_on_sw.jpg",
     [](const ConsoleBackground& b) {
         return DrawstopKnob::render(D::Swell, true, b.panelTone());
     }},
    {"tirante_off_sw.jpg",
     [](const ConsoleBackground& b) {
         return DrawstopKnob::render(D::Swell, false, b.panelTone());
     }},
    {"green-on.gif",
     [](const ConsoleBackground& b) { return MemoryLed::render(L::Green, true, b.railTone()); }},
    {"green-off.gif",
     [](const ConsoleBackground& b) { return MemoryLed::render(L::Green, false, b.railTone()); }},
    {"red-on.gif",
     [](const ConsoleBackground& b) { return MemoryLed::render(L::Red, true, b.railTone()); }},
    {"red-off.gif",
     [](const ConsoleBackground& b) { return MemoryLed::render(L::Red, false, b.railTone()); }},
    {"yellow-on.gif",
     [](const ConsoleBackground& b) { return MemoryLed::render(L::Yellow, true, b.railTone()); }},
    {"bach.ico", [](const ConsoleBackground&) { return WindowIcons::organPipes(); }},
    {"light.ico", [](const ConsoleBackground&) { return WindowIcons::midiSocket(); }},
    {"wrench.ico", [](const ConsoleBackground&) { return WindowIcons::spanner(); }},
    {"pingu1.ico", [](const ConsoleBackground&) { return WindowIcons::keyboard(); }},
    {"panda1.ico", [](const ConsoleBackground&) { return WindowIcons::sliders(); }},
    {"Alph1f.ico", [](const ConsoleBackground&) { return WindowIcons::letterA(); }},
    {"flgitaly.ico", [](const ConsoleBackground&) { return WindowIcons::italianFlag(); }},
    {"lookout.ico", [](const ConsoleBackground&) { return WindowIcons::stopsTable(); }},
    {"about.jpg", [](const ConsoleBackground&) { return AboutPicture::render(); }},
    {"tastiera.bmp", [](const ConsoleBackground&) { return KeyMapPicture::render(); }},
};

bool save(QImage image, const QString& path, QString* error) {
    image.setDotsPerMeterX(kDotsPerMeter);
    image.setDotsPerMeterY(kDotsPerMeter);
    if (path.endsWith(QLatin1String(".gif")))
        return GifWriter::write(image, path, error);
    QImageWriter writer(path);
    if (path.endsWith(QLatin1String(".jpg"))) {
        writer.setFormat("jpeg");
        writer.setQuality(95);
        image = image.convertToFormat(QImage::Format_RGB32);
    } else if (path.endsWith(QLatin1String(".bmp"))) {
        writer.setFormat("bmp");
        image = image.convertToFormat(QImage::Format_RGB32);
    } else {
        writer.setFormat("ico");
    }
    if (!writer.write(image)) {
        if (error)
            *error = QStringLiteral("cannot write %1: %2").arg(path, writer.errorString());
        return false;
    }
    return true;
}

} // namespace

QStringList Artwork::fileNames() {
    QStringList names;
    for (const Job& job : kJobs)
        names.append(QString::fromLatin1(job.name));
    return names;
}

bool Artwork::writeAll(const QString& folder, QString* error) {
    if (!QDir().mkpath(folder)) {
        if (error)
            *error = QStringLiteral("cannot make the folder %1").arg(folder);
        return false;
    }
    const QDir dir(folder);
    const ConsoleBackground background;
    for (const Job& job : kJobs) {
        if (!save(job.draw(background), dir.filePath(QString::fromLatin1(job.name)), error))
            return false;
    }
    return true;
}

} // namespace vorlo::artgen
