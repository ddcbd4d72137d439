#include "StopsTableEditor.h"
#include "ConfigFile.h"
#include "DatFile.h"
#include "EditorForm.h"
#include "MainWindowControls.h"
#include "support/ConsoleFixture.h"
#include "support/FileBytes.h"

#include <QDir>
#include <QFile>

namespace vorlo::test {
namespace {

namespace ed = ctl::editor;
namespace m = ctl::main;

const QByteArray kFlute("\xF0\x41\x10\x42\x12\x48\x00\x00\x01\x37\xF7", 11);
const QString kFluteSwell = QStringLiteral("F0 41 10 42 12 58 00 00 01 27 F7");

class StopsTableEditorTest : public ConsoleFixture {
protected:
    void SetUp() override { startOnMarkerTable(); }
    StopsTableEditor& ed() { return console->editor(); }
    Form& win() { return console->form(ed::Window); }
    Control& field(const ControlArrayId& id, int i) { return win()(id, i); }
    QString fileLabel() { return win()(ed::File_label).caption(); }
    void open() {
        main()(m::LoadEditor).click();
        ASSERT_TRUE(win().isLoaded());
    }
    // Writes a .syx file in a folder of its own and queues it for the next file dialog.
    void syx(const QString& name, const QByteArray& bytes) {
        QDir(dir.path()).mkpath(QStringLiteral("syx"));
        const QString path = appFile(QStringLiteral("syx/") + name);
        EXPECT_TRUE(putFile(path, bytes));
        dialogs.files.push_back(path);
    }
    void loadDat(const QString& name) {
        dialogs.files.push_back(appFile(name));
        win()(ed::LoadDAT).click();
    }
    StopTable tableOnDisk(const QString& path) {
        StopTable t;
        EXPECT_TRUE(DatFile::read(path, t).ok);
        return t;
    }
    QString datPathInConfiguration() {
        ConsoleState back;
        back.AppDir = dir.path();
        ConfigFile::read(appFile("vorlo2000.CFG"), back, ScreenContext{28800, 16200, 9680, 6870});
        return back.DatFilePath;
    }
};

// The window's tabs, fields and menu as the player sees them are EditorWindowTest's (tests/app).
TEST_F(StopsTableEditorTest, TheConsolePlaysOnWhileTheEditorIsOpen) {
    open();
    EXPECT_FALSE(win().isModal());
    EXPECT_EQ(field(ed::TextFondi, 1).backColor(), color::White) << "11 bytes of Fondi data";
    EXPECT_EQ(field(ed::TextMutaz, 1).backColor(), color::LightGrey);
    EXPECT_EQ(field(ed::TextGlobal, 39).isReadOnly(), false);
    field(ed::TextGlobal, 44).editText("typed over");
    EXPECT_EQ(field(ed::TextGlobal, 44).text(), "GO RESTORE Fondi");
    EXPECT_FALSE(ed().TableModified) << "a fixed text is no edit";
    play(kKeyboard1, {0x90, 60, 100});
    settle();
    EXPECT_EQ(log(), QStringList{"90 3C 64"});
}

TEST_F(StopsTableEditorTest, ASyxLoadsIntoItsEntryWithASwellCopyOnlyForTheManualGroups) {
    open();
    field(ed::TextFondi, 3).click();
    EXPECT_EQ(win()(ed::Syx_index).caption(), "43");
    syx("Flute 8.syx", kFlute);
    field(ed::TextFondi, 3).dblClick();
    EXPECT_EQ(st().Table[43], kFlute);
    EXPECT_EQ(VirtualMidiBackend::hex(st().Table[73]), kFluteSwell);
    EXPECT_EQ(field(ed::TextFondi, 3).text(), "Flute 8");
    EXPECT_EQ(field(ed::TextFondi, 3).backColor(), color::Yellow);
    EXPECT_EQ(win()(ed::Syx_lenght).caption(), "11 Bytes");
    EXPECT_TRUE(ed().TableModified);
    EXPECT_EQ(fileLabel(), "Warning: configuration is modified and UNSAVED!");
    EXPECT_TRUE(dialogs.messages.empty());

    // With the file-name option off the stop keeps its name.
    win()(ed::CommandName).click();
    EXPECT_EQ(win()(ed::CommandName).caption(), "Loading Syx File Name DISABLED");
    syx("Bourdon 16.syx", kFlute);
    field(ed::TextMutaz, 2).dblClick();
    EXPECT_EQ(field(ed::TextMutaz, 2).text(), "Mutazione 2");
    EXPECT_EQ(VirtualMidiBackend::hex(st().Table[122]), kFluteSwell);

    // The Pedale and the globals have no Swell copy; fixed texts keep their names.
    win()(ed::CommandName).click();
    const StopTable before = st().Table;
    syx("Subbass.syx", kFlute);
    field(ed::TextPedale, 4).dblClick();
    syx("Reverb hall.syx", kFlute);
    field(ed::TextGlobal, 25).dblClick();
    syx("Mute.syx", kFlute);
    field(ed::TextGlobal, 44).dblClick();
    EXPECT_EQ(field(ed::TextGlobal, 25).text(), "Reverb hall");
    EXPECT_EQ(field(ed::TextGlobal, 44).text(), "GO RESTORE Fondi");
    for (int n = 0; n < StopTable::kEntryCount; ++n)
        EXPECT_EQ(st().Table[n], n == 184 || n == 25 || n == 414 ? kFlute : before[n]) << n;
}

TEST_F(StopsTableEditorTest, FilesThatCannotBeTakenAreToldAndChangeNothing) {
    open();
    console->drawstops().Tir_FO_SW_Click(3);
    const StopTable before = st().Table;
    const QString noMessage = QStringLiteral("holds no complete F0..F7 message");
    const struct {
        const char* name;
        QByteArray bytes;
        QString told;
    } cases[] = {{"Huge.syx", QByteArray(32768, '\x10'), QStringLiteral("at most 32767 bytes")},
                 {"Flute.txt", kFlute, QStringLiteral("Unauthorized file")},
                 {"empty.syx", QByteArray(), noMessage},
                 {"start.syx", QByteArray("\xF0", 1), noMessage},
                 {"cut.syx", QByteArray("\xF0\x41\x10\x42", 4), noMessage},
                 {"end.syx", QByteArray("\x10\x20\xF7", 3), noMessage},
                 {"vanished.syx", QByteArray(), QString()}};
    size_t shown = 0;
    for (const auto& k : cases) {
        SCOPED_TRACE(k.name);
        if (k.told.isEmpty())
            dialogs.files.push_back(appFile(QStringLiteral("syx/") + k.name));
        else
            syx(QString::fromLatin1(k.name), k.bytes);
        field(ed::TextFondi, 3).dblClick();
        ASSERT_EQ(dialogs.messages.size(), ++shown);
        EXPECT_TRUE(dialogs.messages.back().text.contains(k.told))
            << dialogs.messages.back().text.toStdString();
        EXPECT_EQ(st().Table.entries(), before.entries());
        EXPECT_EQ(field(ed::TextFondi, 3).text(), "Fondo 3");
        EXPECT_FALSE(ed().TableModified);
    }
    // The stop still sounds as before.
    log();
    console->drawstops().Tir_FO_SW_Click(0);
    console->drawstops().Tir_FO_SW_Click(3);
    EXPECT_TRUE(log().contains(marker(73)));

    // A file of exactly 32767 bytes is taken.
    syx("Big.syx", '\xF0' + QByteArray(32765, '\x10') + '\xF7');
    field(ed::TextFondi, 3).dblClick();
    EXPECT_EQ(st().Table[43].size(), 32767);
}

TEST_F(StopsTableEditorTest, DataThatIsNotCompleteMessagesIsStoredAndMarked) {
    open();
    const QByteArray junk = kFlute + QByteArray("\xF0\x41\x10", 3);
    syx("Cut.syx", junk);
    field(ed::TextAncie, 1).dblClick();
    EXPECT_EQ(st().Table[141], junk) << "stored as it is";
    EXPECT_EQ(field(ed::TextAncie, 1).backColor(), color::NotSendable);
    EXPECT_EQ(VirtualMidiBackend::hex(st().Table[161]), kFluteSwell);
    ASSERT_EQ(dialogs.messages.size(), 1u);
    EXPECT_TRUE(dialogs.messages[0].text.contains("3 byte(s) after the last F7"))
        << dialogs.messages[0].text.toStdString();

    // Under three bytes the field shows no data.
    syx("Tiny.syx", QByteArray("\xF0\xF7", 2));
    field(ed::TextAncie, 2).dblClick();
    EXPECT_EQ(field(ed::TextAncie, 2).backColor(), color::White);
    EXPECT_TRUE(st().Table[162].isEmpty()) << "the Swell copy of so little is empty";
}

TEST_F(StopsTableEditorTest, TablesTheConsoleCannotPlayAreRefusedAndCutOnesAsked) {
    open();
    const StopTable before = st().Table;
    QByteArray junk(20000, '\0');
    for (qsizetype i = 0; i < junk.size(); ++i)
        junk[i] = static_cast<char>((i * 7919 + 13) % 251);
    ASSERT_TRUE(putFile(appFile("junk.dat"), junk));
    ASSERT_TRUE(putFile(appFile("zero.dat"), {}));
    // 66 whole entries and part of the 67th.
    ASSERT_TRUE(putFile(appFile("cut.dat"), DatFile::serialize(markerTable())->left(1000)));
    writeTable(StopTable(), QStringLiteral("empty.dat"));
    StopTable names = markerTable();
    for (int n = 0; n < StopTable::kEntryCount; ++n)
        if (n < StopTable::kFondiNames || n >= StopTable::kGreatMuteAncie)
            names.set(n, {});
    writeTable(names, QStringLiteral("names.dat"));

    for (const char* name : {"junk.dat", "zero.dat", "empty.dat", "names.dat"}) {
        SCOPED_TRACE(name);
        dialogs.messages.clear();
        loadDat(QString::fromLatin1(name));
        ASSERT_EQ(dialogs.messages.size(), 1u);
        EXPECT_TRUE(dialogs.messages[0].text.contains("holds no stop or global message"))
            << dialogs.messages[0].text.toStdString();
        EXPECT_EQ(st().Table.entries(), before.entries());
        EXPECT_EQ(fileLabel(), appFile("vorlo2000.dat"));
        EXPECT_FALSE(ed().TableNotEnabled);
    }
    EXPECT_TRUE(dialogs.questions.isEmpty());

    // A table cut short asks first; No (the default) keeps the table.
    dialogs.messages.clear();
    loadDat("cut.dat");
    ASSERT_EQ(dialogs.questions.size(), 1);
    EXPECT_TRUE(dialogs.questions[0].contains("only 66 of its 431 entries"))
        << dialogs.questions[0].toStdString();
    EXPECT_EQ(st().Table.entries(), before.entries());
    log();
    console->drawstops().Tir_MU_GO_Click(2);
    EXPECT_TRUE(log().contains(marker(102))) << "the stops still sound";

    dialogs.answers.push_back(true);
    loadDat("cut.dat");
    EXPECT_EQ(st().Table[65], markerTable()[65]);
    EXPECT_TRUE(st().Table[200].isEmpty());
    EXPECT_TRUE(ed().TableNotEnabled);
    EXPECT_TRUE(dialogs.messages.empty());
}

TEST_F(StopsTableEditorTest, EnablingATableWithNothingPlayableEnablesAndStoresNothing) {
    // The console runs with an empty table when neither its table nor the default one reads.
    QFile::remove(appFile("vorlo2000.dat"));
    console.reset();
    start();
    ASSERT_TRUE(st().Table.isEmpty());
    open();
    ed().EditorDatPath = appFile("mine.dat");
    dialogs.messages.clear();
    dialogs.answers.push_back(true);
    win()(ed::Enable).click();
    ASSERT_EQ(dialogs.messages.size(), 1u) << dialogs.messageTexts().join("\n").toStdString();
    EXPECT_TRUE(dialogs.messages[0].text.contains("It was not enabled"));
    EXPECT_EQ(st().DatFilePath, appFile("vorlo2000.dat"));
    EXPECT_FALSE(QFile::exists(appFile("mine.dat")));
    EXPECT_NE(datPathInConfiguration(), appFile("mine.dat"));
}

TEST_F(StopsTableEditorTest, QuittingTheConsoleAsksAboutTheEditorsUnsavedTable) {
    open();
    field(ed::TextMutaz, 1).editText("Cornetto");
    log();
    // Exit, then No: the console plays on with the editor open.
    main()(m::Exit).click();
    EXPECT_EQ(dialogs.questions,
              QStringList{" Warning! Stops Table is Modified but Unsaved. Exit Anyway?"});
    EXPECT_FALSE(console->hasEnded());
    EXPECT_TRUE(win().isLoaded());
    EXPECT_TRUE(log().isEmpty()) << "nothing of the end was sent";
    // The close box asks too.
    EXPECT_FALSE(main().requestClose());
    EXPECT_EQ(dialogs.questions.size(), 2);
    EXPECT_FALSE(console->hasEnded());
    // An end by signal asks nothing and ends.
    console->requestEnd();
    console->endWithoutQuestions();
    EXPECT_EQ(dialogs.questions.size(), 2);
    EXPECT_TRUE(console->hasEnded());
}

TEST_F(StopsTableEditorTest, ReinforcementBoxesFollowTheTableWithoutCountingAsEdits) {
    StopTable t = markerTable();
    t.set(StopTable::kReinforceFondi + 2, "1");
    t.set(StopTable::kReinforceAncie + 5, "1");
    writeTable(t, QStringLiteral("reinforced.dat"));
    open();
    loadDat("reinforced.dat");
    EXPECT_EQ(field(ed::Rinforzabile, 2).value(), 1);
    EXPECT_EQ(field(ed::Rinforzabile, 35).value(), 1);
    EXPECT_EQ(field(ed::Rinforzabile, 3).value(), 0);
    EXPECT_FALSE(ed().TableModified) << "refilling the boxes is not an edit";

    field(ed::Rinforzabile, 35).toggleCheck(false);
    field(ed::Rinforzabile, 4).toggleCheck(true);
    EXPECT_EQ(st().ReinforceAncie[5], "0");
    EXPECT_EQ(st().ReinforceFondi[4], "1");
    EXPECT_TRUE(ed().TableModified);
    EXPECT_EQ(fileLabel(), "Warning: configuration is modified and UNSAVED!");
}

TEST_F(StopsTableEditorTest, LoadAndExitQuestionsFollowTheTablesState) {
    open();
    // Modified only.
    field(ed::Text_NomiCorpi, 1).editText("Ripieni");
    win()(ed::Uscita_abort).click();
    EXPECT_EQ(dialogs.questions.last(),
              " Warning! Stops Table is Modified but Unsaved. Exit Anyway?");
    win()(ed::LoadDAT).click();
    EXPECT_EQ(dialogs.questions.last(),
              " Warning! Stops Table is modified but Unsaved. Load new Table Anyway?");
    EXPECT_TRUE(dialogs.fileDialogTitles.isEmpty()) << "No stops the load before the dialog";

    // Loaded but not enabled.
    writeTable(markerTable(), QStringLiteral("other.dat"));
    dialogs.answers.push_back(true);
    loadDat("other.dat");
    EXPECT_EQ(dialogs.fileDialogTitles.last(), "vorlo2000 Stops Table file: Loading DAT File ");
    EXPECT_EQ(fileLabel(), "Stops table loaded from:" + appFile("other.dat"));
    win()(ed::Uscita_abort).click();
    EXPECT_EQ(dialogs.questions.last(),
              " Warning! Current Stops Table is Unloaded in vorlo2000. Exit Anyway?");
    EXPECT_TRUE(win().isLoaded());
    win()(ed::LoadDAT).click();
    EXPECT_EQ(dialogs.questions.last(),
              " Warning! Current Stops Table is Unloaded in vorlo2000. Load new Table Anyway?");

    // Modified as well.
    field(ed::TextFondi, 0).editText("Principale 8'");
    win()(ed::Uscita_abort).click();
    EXPECT_EQ(dialogs.questions.last(), " Warning! Stops Table is modified but Unsaved and "
                                        "Unloaded in vorlo2000. Exit Anyway?");
    win()(ed::LoadDAT).click();
    EXPECT_EQ(dialogs.questions.last(), "Stops Table is modified but Unsaved and Unloaded in "
                                        "vorlo2000. Load new Table anyway?");

    // Saving clears only the modification.
    dialogs.files.push_back(appFile("saved.dat"));
    win()(ed::SaveDAT).click();
    EXPECT_EQ(dialogs.fileDialogTitles.last(), "SAVE CURRENT STOPS TABLE ON *.DAT FILE");
    EXPECT_EQ(fileLabel(), "Stops table saved on: " + appFile("saved.dat"));
    EXPECT_FALSE(ed().TableModified);
    EXPECT_TRUE(ed().TableNotEnabled);
    EXPECT_EQ(tableOnDisk(appFile("saved.dat"))[200], "Principale 8'");
    win()(ed::Uscita_abort).click();
    EXPECT_EQ(dialogs.questions.last(),
              " Warning! Current Stops Table is Unloaded in vorlo2000. Exit Anyway?");

    // The close box asks too; Yes closes.
    dialogs.answers.push_back(true);
    EXPECT_TRUE(win().requestClose());
    EXPECT_FALSE(win().isLoaded());
}

TEST_F(StopsTableEditorTest, SaveAndReloadKeepEveryByte) {
    StopTable t = markerTable();
    t.set(335, "unused but kept");
    t.set(425, QByteArray("\x00\x01\xFF", 3));
    writeTable(t);
    console.reset();
    start();
    open();
    field(ed::TextFondi, 1).editText("Flute 8");
    field(ed::TextGlobal, 12).editText("Werckmeister III");
    dialogs.files.push_back(appFile("built.dat"));
    win()(ed::SaveDAT).click();
    const StopTable saved = tableOnDisk(appFile("built.dat"));
    EXPECT_EQ(saved.entries(), st().Table.entries());
    EXPECT_EQ(saved[201], "Flute 8");
    EXPECT_EQ(saved[302], "Werckmeister III");
    EXPECT_EQ(saved[335], "unused but kept");
    EXPECT_EQ(saved[425], QByteArray("\x00\x01\xFF", 3));

    loadDat("built.dat");
    EXPECT_EQ(st().Table.entries(), saved.entries());
    EXPECT_EQ(field(ed::TextFondi, 1).text(), "Flute 8");
}

TEST_F(StopsTableEditorTest, AFailedSaveSaysSoAndKeepsTheTableModified) {
    open();
    field(ed::TextFondi, 0).editText("Principale");
    dialogs.files.push_back(appFile("no such folder/organ.dat"));
    win()(ed::SaveDAT).click();
    ASSERT_EQ(dialogs.messages.size(), 1u);
    EXPECT_TRUE(dialogs.messages[0].text.contains("could not be written"));
    EXPECT_TRUE(ed().TableModified);
    EXPECT_EQ(ed().EditorDatPath, appFile("vorlo2000.dat"));
    EXPECT_NE(fileLabel().left(14), "Stops table sa");

    // Enabling onto a file that cannot be written enables nothing.
    ed().EditorDatPath = appFile("no such folder/organ.dat");
    dialogs.answers.push_back(true);
    win()(ed::Enable).click();
    EXPECT_EQ(st().DatFilePath, appFile("vorlo2000.dat"));
    EXPECT_TRUE(ed().TableModified);
}

TEST_F(StopsTableEditorTest, EnableSavesTheTableStoresItsPathAndResetsTheModule) {
    open();
    dialogs.files.push_back(appFile("organ.dat"));
    win()(ed::SaveDAT).click();
    field(ed::TextFondi, 2).editText("Bordone 16'");
    field(ed::Text_NomiCorpi, 0).editText("Fondamentali");

    // No keeps everything as it was.
    win()(ed::Enable).click();
    EXPECT_EQ(dialogs.questions.last(), "Warning : " + appFile("organ.dat") +
                                            " will be overwritten with current data : proceed "
                                            "anyway?");
    EXPECT_EQ(st().DatFilePath, appFile("vorlo2000.dat"));
    EXPECT_TRUE(log().isEmpty());

    dialogs.answers.push_back(true);
    win()(ed::Enable).click();
    EXPECT_EQ(st().DatFilePath, appFile("organ.dat"));
    EXPECT_FALSE(ed().TableModified);
    EXPECT_FALSE(ed().TableNotEnabled);
    EXPECT_EQ(fileLabel(), "Stops Table is Enabled and Saved on: " + appFile("organ.dat"));
    EXPECT_EQ(tableOnDisk(appFile("organ.dat"))[202], "Bordone 16'");
    EXPECT_EQ(datPathInConfiguration(), appFile("organ.dat"));
    // The panel shows the new names, and the module was reset and sent the whole console.
    EXPECT_EQ(main()(m::Scritta_Fondi, 2).caption(), "Bordone 16'");
    EXPECT_EQ(main()(m::LabelCorpiOrgano, 0).caption(), "Fondamentali");
    const QStringList sent = log();
    const QStringList full = fullUpdateAfterReset();
    ASSERT_GE(sent.size(), 5 + full.size());
    EXPECT_EQ(sent.mid(0, 5),
              QStringList({marker(0), marker(1), marker(2), marker(3), marker(22)}));
    EXPECT_EQ(sent.mid(sent.size() - full.size()), full);

    // Enabling an unmodified table asks the other question.
    win()(ed::Enable).click();
    EXPECT_EQ(dialogs.questions.last(),
              "Warning : VORLO 2000 will be loaded with current dat file : proceed anyway?");
}

TEST_F(StopsTableEditorTest, ALoadedSyxGoesOutOnTheNextDrawOfItsStop) {
    open();
    console->drawstops().Tir_FO_GO_Click(3);
    console->drawstops().Tir_FO_SW_Click(3);
    log();
    syx("Flute 8.syx", kFlute);
    field(ed::TextFondi, 3).dblClick();
    EXPECT_TRUE(log().isEmpty()) << "loading sends nothing by itself";
    console->drawstops().Tir_FO_GO_Click(0);
    console->drawstops().Tir_FO_GO_Click(3);
    const QStringList great = log();
    EXPECT_TRUE(great.contains(VirtualMidiBackend::hex(kFlute))) << great.join('\n').toStdString();
    console->drawstops().Tir_FO_SW_Click(0);
    console->drawstops().Tir_FO_SW_Click(3);
    EXPECT_TRUE(log().contains(kFluteSwell));
}

class EditorResizeTest : public StopsTableEditorTest {
protected:
    void SetUp() override {
        startOnMarkerTable([](ConsoleState& s) { s.GraphicMode = false; });
    }
};

TEST_F(EditorResizeTest, RedrawDrawsTheStandardPanelAtTheChosenSizeWithTheStopsCancelled) {
    open();
    EXPECT_TRUE(win()(ed::Resize_frame).isVisible());
    for (int v : {8, 16}) {
        console->drawstops().Tir_MU_GO_Click(4);
        st().live().MemSubottava = 1;
        st().live().MemAnnullGO[1] = 0;
        log();
        win()(ed::Slidersize).scroll(v);
        EXPECT_EQ(win()(ed::LabelSize).caption(), QString::number(v * 10) + " %");
        win()(ed::Redraw).click();
        EXPECT_NEAR(main().width(), 968 * v, 1e-6) << v;
        EXPECT_EQ(st().live().MemMU_GO, 0);
        EXPECT_EQ(st().live().MemSubottava, 0);
        EXPECT_EQ(st().live().MemAnnullGO[1], 1);
        EXPECT_EQ(st().sent().MemMU_GO, 0) << "the update sent it";
        EXPECT_EQ(main()(m::NomeMutaz, 0).backColor(), color::Lit);
        EXPECT_EQ(main()(m::Tir_FO_GO, 0).caption(), st().GreatTitle);
        EXPECT_TRUE(log().contains(marker(100))) << v;
    }
    // The scale is kept in the configuration.
    console->Salva_dati_di_avvio();
    ConsoleState back;
    back.AppDir = dir.path();
    ConfigFile::read(appFile("vorlo2000.CFG"), back, ScreenContext{28800, 16200, 9680, 6870});
    EXPECT_DOUBLE_EQ(back.PanelScale, 1.6);

    // The Graphic-mode menu changes the next start's panel, not the one Redraw draws.
    main()(m::Graphmode).click();
    ASSERT_TRUE(st().GraphicMode);
    win()(ed::Slidersize).scroll(12);
    win()(ed::Redraw).click();
    EXPECT_NEAR(main()(m::Panel_nograph, 0).width(), 9468 * 1.2, 1e-6);
    EXPECT_TRUE(st().GraphicMode) << "still the next start's choice";
}

} // namespace
} // namespace vorlo::test
