#include "AppFixture.h"

#include "StandardWindows.h"

#include <QImage>
#include <QTest>

namespace vorlo::test {

AppFixture::~AppFixture() {
    windows.reset();
}

void AppFixture::writeArtwork() {
    const struct {
        const char* name;
        QSize size;
        QColor colour;
        const char* format;
    } pictures[] = {
        {"tavola.jpg", {819, 586}, QColor(120, 70, 30), "JPG"},
        {"stucco.gif", {73, 21}, QColor(240, 230, 200), "PNG"},
        {"tirante_on.jpg", {21, 21}, Qt::white, "JPG"},
        {"tirante_off.jpg", {21, 21}, Qt::darkGray, "JPG"},
        {"tirante_on_go.jpg", {21, 21}, Qt::white, "JPG"},
        {"tirante_off_go.jpg", {21, 21}, Qt::darkGray, "JPG"},
        {"tirante_on_sw.jpg", {21, 21}, Qt::white, "JPG"},
        {"tirante_off_sw.jpg", {21, 21}, Qt::darkGray, "JPG"},
        {"green-on.gif", {16, 16}, Qt::green, "PNG"},
        {"green-off.gif", {16, 16}, Qt::darkGreen, "PNG"},
        {"red-on.gif", {16, 16}, Qt::red, "PNG"},
        {"red-off.gif", {16, 16}, Qt::darkRed, "PNG"},
        {"yellow-on.gif", {16, 16}, Qt::yellow, "PNG"},
        {"about.jpg", {320, 200}, Qt::darkBlue, "JPG"},
    };
    for (const auto& p : pictures) {
        QImage image(p.size, QImage::Format_RGB32);
        image.fill(p.colour);
        ASSERT_TRUE(image.save(appFile(QString::fromLatin1(p.name)), p.format)) << p.name;
    }
}

void AppFixture::startApp(const std::function<void(ConsoleState&)>& tweak) {
    writeArtwork();
    writeTable(markerTable());
    writeConfig(tweak);
    makeConsole();
    windows = std::make_unique<WindowManager>(*console);
    StandardWindows::registerAll(*windows);
    windows->start();
    console->Form_Load();
    settle();
    midi->clearLog();
}

void AppFixture::startStandard(double scale) {
    startApp([scale](ConsoleState& s) {
        s.GraphicMode = false;
        s.PanelScale = scale;
    });
}

void AppFixture::startGraphic() {
    startApp([](ConsoleState& s) { s.GraphicMode = true; });
}

MainWindow* AppFixture::mainWindow() const {
    return windows->window<MainWindow>(QString::fromLatin1(forms::Main));
}

void AppFixture::clickWidget(QWidget* w) {
    ASSERT_NE(w, nullptr);
    QTest::mouseClick(w, Qt::LeftButton, Qt::NoModifier, w->rect().center());
}

void AppFixture::doubleClickWidget(QWidget* w) {
    ASSERT_NE(w, nullptr);
    QTest::mouseDClick(w, Qt::LeftButton, Qt::NoModifier, w->rect().center());
}

} // namespace vorlo::test
