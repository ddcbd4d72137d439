// The Record window in Qt: opened from File > Record, it shows the console's controls, and a
// click on Start records what the console sends until Stop saves the file.
#include "RecordWindow.h"
#include "AppFixture.h"
#include "PanelLabel.h"
#include "RecordWindowControls.h"
#include "Recording.h"
#include "support/FileBytes.h"

#include <QCheckBox>
#include <QFileInfo>
#include <QPushButton>

namespace vorlo::test {
namespace {

class RecordWindowTest : public AppFixture {
protected:
    RecordWindow* open() {
        startApp([](ConsoleState& s) { s.ThruMode = 0; });
        console->recording().setDefaultFolder(dir.path());
        menuItem(ctl::main::RecordMenu)->trigger();
        settle();
        return window<RecordWindow>(forms::Record);
    }
};

} // namespace

TEST_F(RecordWindowTest, StartAndStopRecordWhatTheConsoleSends) {
    RecordWindow* w = open();
    ASSERT_NE(w, nullptr);
    EXPECT_TRUE(w->isVisible());
    EXPECT_EQ(w->windowTitle(), QStringLiteral("Record"));
    auto* start = widgetOf<QPushButton>(w, ctl::record::ButtonStart);
    auto* midiFile = widgetOf<QCheckBox>(w, ctl::record::CheckMidiFile);
    auto* audio = widgetOf<QCheckBox>(w, ctl::record::CheckAudio);
    auto* reason = widgetOf<PanelLabel>(w, ctl::record::LabelAudioReason);
    auto* elapsed = widgetOf<PanelLabel>(w, ctl::record::LabelElapsed);
    ASSERT_TRUE(start && midiFile && audio && reason && elapsed);
    EXPECT_TRUE(midiFile->isChecked());
    EXPECT_FALSE(audio->isEnabled()) << "a module behind a cable has no sound to record";
    EXPECT_TRUE(reason->isVisible());
    EXPECT_FALSE(reason->text().isEmpty());

    dialogs.files = {appFile(QStringLiteral("played.mid"))};
    clickWidget(widgetOf<QPushButton>(w, ctl::record::ButtonFileName));
    clickWidget(start);
    settle();
    ASSERT_TRUE(console->recording().isRecording());
    EXPECT_EQ(start->text(), QStringLiteral("&Stop"));
    EXPECT_EQ(elapsed->text(), QStringLiteral("0:00:00"));
    EXPECT_FALSE(midiFile->isEnabled());
    play(kKeyboard1, {0x90, 0x3C, 0x64});
    settle();
    clickWidget(start);
    settle();
    EXPECT_FALSE(console->recording().isRecording());
    EXPECT_EQ(start->text(), QStringLiteral("&Start"));
    const QByteArray file = fileBytes(appFile(QStringLiteral("played.mid")));
    EXPECT_TRUE(file.startsWith("MThd"));
    EXPECT_TRUE(file.contains(QByteArray::fromHex("903c64"))) << "the note played";
}

} // namespace vorlo::test
