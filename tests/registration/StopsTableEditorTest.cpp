#include "StopsTableEditor.h"
#include "ConfigFile.h"
#include "DatFile.h"
#include "PanelLayout.h"
#include "RolandChecksum.h"
#include "support/ConsoleFixture.h"

#include <QDir>
#include <QFile>

namespace vorlo::test {
namespace {

const QByteArray kFlute("\xF0\x41\x10\x42\x12\x48\x00\x00\x01\x37\xF7", 11);
const QString kFluteSwell = QStringLiteral("F0 41 10 42 12 58 00 00 01 27 F7");

class StopsTableEditorTest : public ConsoleFixture {
protected:
    void SetUp() override {
        writeTable(markerTable());
        writeConfig();
        start();
    }
    StopsTableEditor& ed() { return console->editor(); }
    Form& win() { return form("compilatore"); }
    Control& field(const char* name, int i) { return win()(QString::fromLatin1(name), i); }
    QString fileLabel() { return win()("File_label").caption(); }
    void open() {
        main()("LoadEditor").click();
        ASSERT_TRUE(win().isLoaded());
    }
    // Writes a .syx file in a folder of its own and queues it for the next file dialog.
    QString syx(const QString& name, const QByteArray& bytes) {
        QDir(dir.path()).mkpath(QStringLiteral("syx"));
        const QString path = appFile(QStringLiteral("syx/") + name);
        QFile f(path);
        EXPECT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(bytes);
        f.close();
        dialogs.files.push_back(path);
        return path;
    }
    StopTable tableOnDisk(const QString& path) {
        StopTable t;
        EXPECT_TRUE(DatFile::read(path, t).ok);
        return t;
    }
};

TEST_F(StopsTableEditorTest, OpensModelessFromTheMenuWithTheTableInItsFields) {
    EXPECT_TRUE(main()("LoadEditor").isEnabled());
    open();
    Form& w = win();
    EXPECT_TRUE(w.isVisible());
    EXPECT_FALSE(w.isModal());
    EXPECT_EQ(w.caption(), "Editor Vorlo2000 V2.0");
    EXPECT_EQ(w.width(), 9600);
    EXPECT_EQ(w.height(), 7005);
    EXPECT_EQ(w.left(), (1920 * 15 - 9600) / 2);
    EXPECT_EQ(w.picture(), appFile("lookout.ico"));
    EXPECT_EQ(w("LabelNomeprog", 3).caption(), "Vorlo2000 V2.0");
    EXPECT_EQ(w("SSTab1").items(), QStringList({"Fondi ", "Mutazioni", "&Ancie/Archi  Pedale",
                                                "Global Settings", "Panel  Size"}));
    EXPECT_EQ(field("TextFondi", 7).text(), "Fondo 7");
    EXPECT_EQ(field("TextFondi", 7).toolTip(), "Double Click to load Fondi sysex file on field 7");
    EXPECT_EQ(field("TextPedale", 19).text(), "Pedale 19");
    EXPECT_EQ(field("TextGlobal", 10).text(), "Temperament 0");
    EXPECT_EQ(field("TextGlobal", 41).text(), "GO MUTE Fondi.");
    EXPECT_EQ(field("Text_NomiCorpi", 2).text(), "Ance / Archi");
    // The marker entries are 11 bytes: white among the Fondi, grey everywhere else.
    EXPECT_EQ(field("TextFondi", 1).backColor(), color::White);
    EXPECT_EQ(field("TextMutaz", 1).backColor(), color::LightGrey);
    EXPECT_EQ(field("TextGlobal", 51).backColor(), color::LightGrey);
    EXPECT_EQ(fileLabel(), appFile("vorlo2000.dat"));
    EXPECT_EQ(w("File_label").backColor(), color::White);
    EXPECT_EQ(w("CommandName").caption(), "Loading Syx File Name ENABLED");
    EXPECT_EQ(w("Slidersize").value(), 10);
    EXPECT_EQ(w("LabelSize").caption(), "100 %");
    // The graphic panel cannot be resized.
    EXPECT_FALSE(w("Resize_frame").isVisible());

    // The console still plays while the editor is open.
    play(kKeyboard1, {0x90, 60, 100});
    settle();
    EXPECT_EQ(log(), QStringList{"90 3C 64"});
    // Exiting right after opening asks nothing.
    w("Uscita_abort").click();
    EXPECT_TRUE(dialogs.questions.isEmpty());
    EXPECT_FALSE(w.isLoaded());
}

TEST_F(StopsTableEditorTest, SyxFileLoadsIntoTheGreatEntryWithItsSwellCopyAndNamesTheStop) {
    open();
    field("TextFondi", 3).click();
    EXPECT_EQ(win()("Syx_index").caption(), "43");
    EXPECT_EQ(win()("Syx_lenght").caption(), "11 Bytes");
    syx("Flute 8.syx", kFlute);
    field("TextFondi", 3).dblClick();
    EXPECT_EQ(dialogs.fileDialogTitles.last(), "Caricamento sysex ");
    EXPECT_EQ(st().Table[43], kFlute);
    EXPECT_EQ(VirtualMidiBackend::hex(st().Table[73]), kFluteSwell);
    EXPECT_EQ(field("TextFondi", 3).text(), "Flute 8");
    EXPECT_EQ(field("TextFondi", 3).backColor(), color::Yellow);
    EXPECT_EQ(win()("Syx_lenght").caption(), "11 Bytes");
    EXPECT_TRUE(ed().TableModified);
    EXPECT_EQ(fileLabel(), "Warning: configuration is modified and UNSAVED!");
    EXPECT_EQ(win()("File_label").backColor(), color::Yellow);
    EXPECT_TRUE(dialogs.messages.empty());

    // With the file-name option off the stop keeps its name.
    win()("CommandName").click();
    EXPECT_EQ(win()("CommandName").caption(), "Loading Syx File Name DISABLED");
    EXPECT_FALSE(st().LoadSyxName);
    syx("Bourdon 16.syx", kFlute);
    field("TextMutaz", 2).dblClick();
    EXPECT_EQ(field("TextMutaz", 2).text(), "Mutazione 2");
    EXPECT_EQ(VirtualMidiBackend::hex(st().Table[122]), kFluteSwell);
}

TEST_F(StopsTableEditorTest, PedaleAndGlobalLoadsLeaveEverySwellEntryAlone) {
    open();
    const StopTable before = st().Table;
    syx("Subbass.syx", kFlute);
    field("TextPedale", 4).dblClick();
    syx("Reverb hall.syx", kFlute);
    field("TextGlobal", 25).dblClick();
    syx("Mute.syx", kFlute);
    field("TextGlobal", 44).dblClick();
    EXPECT_EQ(st().Table[184], kFlute);
    EXPECT_EQ(st().Table[25], kFlute);
    EXPECT_EQ(st().Table[414], kFlute);
    EXPECT_EQ(field("TextGlobal", 25).text(), "Reverb hall");
    EXPECT_EQ(field("TextGlobal", 44).text(), "GO RESTORE Fondi") << "fixed texts stay";
    for (int n = 0; n < StopTable::kEntryCount; ++n) {
        if (n != 184 && n != 25 && n != 414) {
            EXPECT_EQ(st().Table[n], before[n]) << n;
        }
    }
}

TEST_F(StopsTableEditorTest, FilesThatCannotBeTakenLeaveTheEntryAsItWas) {
    open();
    const QByteArray old = st().Table[45];
    syx("Huge.syx", QByteArray(32768, '\x10'));
    field("TextFondi", 5).dblClick();
    EXPECT_EQ(st().Table[45], old);
    ASSERT_EQ(dialogs.messages.size(), 1u);
    EXPECT_TRUE(dialogs.messages[0].text.contains("at most 32767 bytes"))
        << dialogs.messages[0].text.toStdString();
    EXPECT_FALSE(ed().TableModified);
    EXPECT_EQ(field("TextFondi", 5).text(), "Fondo 5");

    dialogs.files.push_back(appFile("syx/vanished.syx"));
    field("TextFondi", 5).dblClick();
    EXPECT_EQ(st().Table[45], old);
    EXPECT_EQ(dialogs.messages.size(), 2u);

    // A name without the .syx extension is refused by the dialog.
    syx("Flute.txt", kFlute);
    field("TextFondi", 5).dblClick();
    EXPECT_EQ(st().Table[45], old);
    EXPECT_EQ(dialogs.messages.back().text, "Unauthorized file");

    // A file of exactly 32767 bytes is taken.
    syx("Big.syx", '\xF0' + QByteArray(32765, '\x10') + '\xF7');
    field("TextFondi", 5).dblClick();
    EXPECT_EQ(st().Table[45].size(), 32767);
}

TEST_F(StopsTableEditorTest, DataThatIsNotCompleteMessagesIsStoredAndMarked) {
    open();
    const QByteArray junk = kFlute + QByteArray("\xF0\x41\x10", 3);
    syx("Cut.syx", junk);
    field("TextAncie", 1).dblClick();
    EXPECT_EQ(st().Table[141], junk) << "stored as it is";
    EXPECT_EQ(field("TextAncie", 1).backColor(), color::NotSendable);
    EXPECT_EQ(VirtualMidiBackend::hex(st().Table[161]), kFluteSwell);
    // The player is told once about what the Swell copy leaves out.
    ASSERT_EQ(dialogs.messages.size(), 1u);
    EXPECT_TRUE(dialogs.messages[0].text.contains("3 byte(s) after the last F7"))
        << dialogs.messages[0].text.toStdString();
    EXPECT_EQ(win()("LabelLegend", 3).backColor(), color::NotSendable);

    // Under three bytes the field shows no data.
    syx("Tiny.syx", QByteArray("\xF0\xF7", 2));
    field("TextAncie", 2).dblClick();
    EXPECT_EQ(field("TextAncie", 2).backColor(), color::White);
    EXPECT_TRUE(st().Table[162].isEmpty()) << "the Swell copy of so little is empty";
}

TEST_F(StopsTableEditorTest, ASyxWithoutACompleteMessageIsRefusedAndChangesNothing) {
    open();
    console->drawstops().Tir_FO_SW_Click(3);
    const StopTable before = st().Table;
    int shown = 0;
    for (const QByteArray& bytes :
         {QByteArray(), QByteArray("\xF0", 1), QByteArray("\xF0\x41\x10\x42", 4),
          QByteArray("\x10\x20\xF7", 3)}) {
        SCOPED_TRACE(bytes.toHex().toStdString());
        syx("empty.syx", bytes);
        field("TextFondi", 3).dblClick();
        ASSERT_EQ(dialogs.messages.size(), static_cast<size_t>(++shown));
        EXPECT_TRUE(dialogs.messages.back().text.contains("holds no complete F0..F7 message"))
            << dialogs.messages.back().text.toStdString();
        EXPECT_EQ(st().Table.entries(), before.entries());
        EXPECT_EQ(field("TextFondi", 3).text(), "Fondo 3");
        EXPECT_FALSE(ed().TableModified);
    }
    // The stop still sounds as before on both manuals.
    log();
    console->drawstops().Tir_FO_SW_Click(0);
    console->drawstops().Tir_FO_SW_Click(3);
    EXPECT_TRUE(log().contains(marker(73)));
}

TEST_F(StopsTableEditorTest, TablesTheConsoleCannotPlayAreRefusedAndCutOnesAsked) {
    open();
    const StopTable before = st().Table;
    const auto put = [this](const char* name, const QByteArray& bytes) {
        QFile f(appFile(QString::fromLatin1(name)));
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(bytes);
    };
    QByteArray junk(20000, '\0');
    for (qsizetype i = 0; i < junk.size(); ++i)
        junk[i] = static_cast<char>((i * 7919 + 13) % 251);
    put("junk.dat", junk);
    put("zero.dat", {});
    // 66 whole entries and part of the 67th.
    put("cut.dat", DatFile::serialize(markerTable())->left(1000));
    writeTable(StopTable(), QStringLiteral("empty.dat"));
    StopTable names = markerTable();
    for (int n = 0; n < StopTable::kEntryCount; ++n)
        if (n < StopTable::kFondiNames || n >= StopTable::kGreatMuteAncie)
            names.set(n, {});
    writeTable(names, QStringLiteral("names.dat"));

    for (const char* name : {"junk.dat", "zero.dat", "empty.dat", "names.dat"}) {
        SCOPED_TRACE(name);
        dialogs.messages.clear();
        dialogs.files.push_back(appFile(QString::fromLatin1(name)));
        win()("LoadDAT").click();
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
    dialogs.files.push_back(appFile("cut.dat"));
    win()("LoadDAT").click();
    ASSERT_EQ(dialogs.questions.size(), 1);
    EXPECT_TRUE(dialogs.questions[0].contains("only 66 of its 431 entries"))
        << dialogs.questions[0].toStdString();
    EXPECT_EQ(st().Table.entries(), before.entries());
    EXPECT_FALSE(ed().TableNotEnabled);
    log();
    console->drawstops().Tir_MU_GO_Click(2);
    EXPECT_TRUE(log().contains(marker(102))) << "the stops still sound";

    dialogs.answers.push_back(true);
    dialogs.files.push_back(appFile("cut.dat"));
    win()("LoadDAT").click();
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
    win()("Enable").click();
    ASSERT_EQ(dialogs.messages.size(), 1u) << dialogs.messageTexts().join("\n").toStdString();
    EXPECT_TRUE(dialogs.messages[0].text.contains("It was not enabled"));
    EXPECT_NE(fileLabel().left(20), "Stops Table is Enabl");
    EXPECT_EQ(st().DatFilePath, appFile("vorlo2000.dat"));
    EXPECT_FALSE(QFile::exists(appFile("mine.dat")));
    ConsoleState back;
    back.AppDir = dir.path();
    ConfigFile::read(appFile("vorlo2000.CFG"), back, ScreenContext{28800, 16200, 9680, 6870});
    EXPECT_NE(back.DatFilePath, appFile("mine.dat"));
}

TEST_F(StopsTableEditorTest, QuittingTheConsoleAsksAboutTheEditorsUnsavedTable) {
    open();
    syx("Flute 8.syx", kFlute);
    field("TextFondi", 3).dblClick();
    field("TextMutaz", 1).editText("Cornetto");
    log();
    // Exit, then No: the console plays on with the editor open.
    main()("Exit").click();
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

TEST_F(StopsTableEditorTest, FixedTextsAreReadOnlyAndEveryEditShowsOnTheFileLabel) {
    open();
    for (int i = 0; i < 52; ++i)
        EXPECT_EQ(field("TextGlobal", i).isReadOnly(), i >= 40) << i;
    field("TextGlobal", 44).editText("typed over");
    EXPECT_EQ(field("TextGlobal", 44).text(), "GO RESTORE Fondi");
    EXPECT_FALSE(ed().TableModified);

    const auto modifiedShown = [this] {
        return ed().TableModified && win()("File_label").backColor() == color::Yellow &&
               fileLabel() == "Warning: configuration is modified and UNSAVED!";
    };
    field("TextPedale", 2).editText("Subbasso 16'");
    EXPECT_TRUE(modifiedShown()) << "a name edit";
    dialogs.files.push_back(appFile("saved.dat"));
    win()("SaveDAT").click();
    EXPECT_FALSE(modifiedShown());
    field("Rinforzabile", 4).toggleCheck(true);
    EXPECT_TRUE(modifiedShown()) << "a reinforcement tick";
}

TEST_F(StopsTableEditorTest, ReinforcementBoxesFollowTheTableWithoutCountingAsEdits) {
    StopTable t = markerTable();
    t.set(StopTable::kReinforceFondi + 2, "1");
    t.set(StopTable::kReinforceAncie + 5, "1");
    writeTable(t, QStringLiteral("reinforced.dat"));
    open();
    dialogs.files.push_back(appFile("reinforced.dat"));
    win()("LoadDAT").click();
    EXPECT_EQ(field("Rinforzabile", 2).value(), 1);
    EXPECT_EQ(field("Rinforzabile", 35).value(), 1);
    EXPECT_EQ(field("Rinforzabile", 3).value(), 0);
    EXPECT_EQ(st().ReinforceAncie[5], "1");
    EXPECT_FALSE(ed().TableModified) << "refilling the boxes is not an edit";
    EXPECT_TRUE(ed().TableNotEnabled);

    field("Rinforzabile", 35).toggleCheck(false);
    field("Rinforzabile", 4).toggleCheck(true);
    EXPECT_EQ(st().ReinforceAncie[5], "0");
    EXPECT_EQ(st().ReinforceFondi[4], "1");
    EXPECT_TRUE(ed().TableModified);
}

TEST_F(StopsTableEditorTest, LoadAndExitQuestionsFollowTheTablesState) {
    open();
    writeTable(markerTable(), QStringLiteral("other.dat"));

    dialogs.files.push_back(appFile("other.dat"));
    win()("LoadDAT").click();
    EXPECT_TRUE(dialogs.questions.isEmpty()) << "nothing to lose";
    EXPECT_EQ(dialogs.fileDialogTitles.last(), "vorlo2000 Stops Table file: Loading DAT File ");
    EXPECT_EQ(fileLabel(), "Stops table loaded from:" + appFile("other.dat"));
    EXPECT_EQ(win()("File_label").backColor(), color::Yellow);

    // Loaded but not enabled.
    win()("Uscita_abort").click();
    EXPECT_EQ(dialogs.questions.last(),
              " Warning! Current Stops Table is Unloaded in vorlo2000. Exit Anyway?");
    EXPECT_TRUE(win().isLoaded());
    win()("LoadDAT").click();
    EXPECT_EQ(dialogs.questions.last(),
              " Warning! Current Stops Table is Unloaded in vorlo2000. Load new Table Anyway?");

    // Modified as well: a name edit.
    field("TextFondi", 0).editText("Principale 8'");
    EXPECT_TRUE(ed().TableModified);
    win()("Uscita_abort").click();
    EXPECT_EQ(dialogs.questions.last(), " Warning! Stops Table is modified but Unsaved and "
                                        "Unloaded in vorlo2000. Exit Anyway?");
    win()("LoadDAT").click();
    EXPECT_EQ(dialogs.questions.last(), "Stops Table is modified but Unsaved and Unloaded in "
                                        "vorlo2000. Load new Table anyway?");

    // Saving clears only the modification.
    dialogs.files.push_back(appFile("saved.dat"));
    win()("SaveDAT").click();
    EXPECT_EQ(dialogs.fileDialogTitles.last(), "SAVE CURRENT STOPS TABLE ON *.DAT FILE");
    EXPECT_EQ(fileLabel(), "Stops table saved on: " + appFile("saved.dat"));
    EXPECT_EQ(win()("File_label").backColor(), color::White);
    EXPECT_FALSE(ed().TableModified);
    EXPECT_TRUE(ed().TableNotEnabled);
    EXPECT_EQ(tableOnDisk(appFile("saved.dat"))[200], "Principale 8'");
    win()("Uscita_abort").click();
    EXPECT_EQ(dialogs.questions.last(),
              " Warning! Current Stops Table is Unloaded in vorlo2000. Exit Anyway?");

    // The close box asks too; Yes closes.
    dialogs.answers.push_back(true);
    EXPECT_TRUE(win().requestClose());
    EXPECT_FALSE(win().isLoaded());
}

TEST_F(StopsTableEditorTest, OnlyModifiedAsksTheModifiedQuestions) {
    open();
    field("Text_NomiCorpi", 1).editText("Ripieni");
    win()("Uscita_abort").click();
    EXPECT_EQ(dialogs.questions.last(),
              " Warning! Stops Table is Modified but Unsaved. Exit Anyway?");
    win()("LoadDAT").click();
    EXPECT_EQ(dialogs.questions.last(),
              " Warning! Stops Table is modified but Unsaved. Load new Table Anyway?");
    EXPECT_TRUE(dialogs.fileDialogTitles.isEmpty()) << "No stops the load before the dialog";
}

TEST_F(StopsTableEditorTest, SaveAndReloadKeepEveryByte) {
    StopTable t = markerTable();
    t.set(335, "unused but kept");
    t.set(425, QByteArray("\x00\x01\xFF", 3));
    writeTable(t);
    console.reset();
    start();
    open();
    syx("Flute 8.syx", kFlute);
    field("TextFondi", 1).dblClick();
    field("TextGlobal", 12).editText("Werckmeister III");
    dialogs.files.push_back(appFile("built.dat"));
    win()("SaveDAT").click();
    const StopTable saved = tableOnDisk(appFile("built.dat"));
    EXPECT_EQ(saved.entries(), st().Table.entries());
    EXPECT_EQ(saved[41], kFlute);
    EXPECT_EQ(VirtualMidiBackend::hex(saved[71]), kFluteSwell);
    EXPECT_EQ(saved[201], "Flute 8");
    EXPECT_EQ(saved[302], "Werckmeister III");
    EXPECT_EQ(saved[335], "unused but kept");
    EXPECT_EQ(saved[425], QByteArray("\x00\x01\xFF", 3));
    EXPECT_EQ(saved[360], "0");
    EXPECT_EQ(saved[350], "Fondi");

    // Reloaded in the editor, it gives the same table and the same fields.
    dialogs.files.push_back(appFile("built.dat"));
    win()("LoadDAT").click();
    EXPECT_EQ(st().Table.entries(), saved.entries());
    EXPECT_EQ(field("TextFondi", 1).text(), "Flute 8");
    EXPECT_EQ(field("TextFondi", 1).backColor(), color::White) << "11 bytes: not a full Fondi";
}

TEST_F(StopsTableEditorTest, AFailedSaveSaysSoAndKeepsTheTableModified) {
    open();
    field("TextFondi", 0).editText("Principale");
    dialogs.files.push_back(appFile("no such folder/organ.dat"));
    win()("SaveDAT").click();
    ASSERT_EQ(dialogs.messages.size(), 1u);
    EXPECT_TRUE(dialogs.messages[0].text.contains("could not be written"));
    EXPECT_TRUE(ed().TableModified);
    EXPECT_EQ(ed().EditorDatPath, appFile("vorlo2000.dat"));
    EXPECT_NE(fileLabel().left(14), "Stops table sa");

    // Enabling onto a file that cannot be written enables nothing.
    ed().EditorDatPath = appFile("no such folder/organ.dat");
    dialogs.answers.push_back(true);
    win()("Enable").click();
    EXPECT_EQ(st().DatFilePath, appFile("vorlo2000.dat"));
    EXPECT_TRUE(ed().TableModified);
}

TEST_F(StopsTableEditorTest, EnableSavesTheTableStoresItsPathAndResetsTheModule) {
    open();
    dialogs.files.push_back(appFile("organ.dat"));
    win()("SaveDAT").click();
    field("TextFondi", 2).editText("Bordone 16'");
    field("Text_NomiCorpi", 0).editText("Fondamentali");

    // No keeps everything as it was.
    win()("Enable").click();
    EXPECT_EQ(dialogs.questions.last(), "Warning : " + appFile("organ.dat") +
                                            " will be overwritten with current data : proceed "
                                            "anyway?");
    EXPECT_EQ(st().DatFilePath, appFile("vorlo2000.dat"));
    EXPECT_TRUE(log().isEmpty());

    dialogs.answers.push_back(true);
    win()("Enable").click();
    EXPECT_EQ(st().DatFilePath, appFile("organ.dat"));
    EXPECT_FALSE(ed().TableModified);
    EXPECT_FALSE(ed().TableNotEnabled);
    EXPECT_EQ(fileLabel(), "Stops Table is Enabled and Saved on: " + appFile("organ.dat"));
    EXPECT_EQ(tableOnDisk(appFile("organ.dat"))[202], "Bordone 16'");
    // The configuration names the new table.
    ConsoleState back;
    back.AppDir = dir.path();
    ConfigFile::read(appFile("vorlo2000.CFG"), back, ScreenContext{28800, 16200, 9680, 6870});
    EXPECT_EQ(back.DatFilePath, appFile("organ.dat"));
    // The panel shows the new names, and the module was reset and sent the whole console.
    EXPECT_EQ(main()("Scritta_Fondi", 2).caption(), "Bordone 16'");
    EXPECT_EQ(main()("LabelCorpiOrgano", 0).caption(), "Fondamentali");
    const QStringList sent = log();
    const QStringList full = fullUpdateAfterReset();
    ASSERT_GE(sent.size(), 5 + full.size());
    EXPECT_EQ(sent.mid(0, 5),
              QStringList({marker(0), marker(1), marker(2), marker(3), marker(22)}));
    EXPECT_EQ(sent.mid(sent.size() - full.size()), full);

    // Enabling an unmodified table asks the other question.
    win()("Enable").click();
    EXPECT_EQ(dialogs.questions.last(),
              "Warning : VORLO 2000 will be loaded with current dat file : proceed anyway?");
}

TEST_F(StopsTableEditorTest, ALoadedSyxGoesOutOnTheNextDrawOfItsStop) {
    open();
    console->drawstops().Tir_FO_GO_Click(3);
    console->drawstops().Tir_FO_SW_Click(3);
    log();
    syx("Flute 8.syx", kFlute);
    field("TextFondi", 3).dblClick();
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
        writeTable(markerTable());
        writeConfig([](ConsoleState& s) { s.GraphicMode = false; });
        start();
    }
};

TEST_F(EditorResizeTest, RedrawDrawsTheStandardPanelAtEverySizeWithTheStopsCancelled) {
    open();
    EXPECT_TRUE(win()("Resize_frame").isVisible());
    for (int v = 8; v <= 16; ++v) {
        console->drawstops().Tir_MU_GO_Click(4);
        st().live().MemSubottava = 1;
        st().live().MemAnnullGO[1] = 0;
        log();
        win()("Slidersize").scroll(v);
        EXPECT_DOUBLE_EQ(st().PanelScale, v / 10.0);
        EXPECT_EQ(win()("LabelSize").caption(), QString::number(v * 10) + " %");
        win()("Redraw").click();
        EXPECT_NEAR(main().width(), 9680 * v / 10.0, 1e-6) << v;
        EXPECT_NEAR(main()("Panel_nograph", 0).width(), 9468 * v / 10.0, 1e-6) << v;
        EXPECT_EQ(st().live().MemMU_GO, 0);
        EXPECT_EQ(st().live().MemSubottava, 0);
        EXPECT_EQ(st().live().MemAnnullGO[1], 1);
        EXPECT_EQ(st().sent().MemMU_GO, 0) << "the update sent it";
        EXPECT_EQ(main()("NomeMutaz", 0).backColor(), color::Lit);
        EXPECT_EQ(main()("Tir_FO_GO", 0).caption(), st().GreatTitle);
        EXPECT_EQ(main()("Tir_AN_SW", 0).caption(), st().SwellTitle);
        EXPECT_TRUE(log().contains(marker(100))) << v;
    }
    // The scale is kept in the configuration.
    console->Salva_dati_di_avvio();
    ConsoleState back;
    back.AppDir = dir.path();
    ConfigFile::read(appFile("vorlo2000.CFG"), back, ScreenContext{28800, 16200, 9680, 6870});
    EXPECT_DOUBLE_EQ(back.PanelScale, 1.6);

    // The Graphic-mode menu changes the next start's panel, not the one on screen.
    main()("Graphmode").click();
    ASSERT_TRUE(st().GraphicMode);
    win()("Uscita_abort").click();
    open();
    EXPECT_TRUE(win()("Resize_frame").isVisible());
    win()("Slidersize").scroll(12);
    win()("Redraw").click();
    EXPECT_NEAR(main().width(), 9680 * 1.2, 1e-6);
    EXPECT_NEAR(main()("Panel_nograph", 0).width(), 9468 * 1.2, 1e-6);
    EXPECT_TRUE(st().GraphicMode) << "still the next start's choice";
    EXPECT_TRUE(main()("Graphmode").isChecked());
}

} // namespace
} // namespace vorlo::test
