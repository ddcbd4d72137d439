#include "ConsoleForms.h"

#include "AboutWindowControls.h"
#include "AdvancedWindowControls.h"
#include "ConsoleSettings.h"
#include "Division.h"
#include "EditorForm.h"
#include "FontsWindowControls.h"
#include "HelpWindowControls.h"
#include "KeyboardWindowControls.h"
#include "MainWindowControls.h"
#include "PanelState.h"
#include "RecordWindowControls.h"
#include "SetupWindowControls.h"
#include "SoundSettings.h"
#include "SoundWindowControls.h"
#include "ThruWindowControls.h"
#include "TotalRecallWindowControls.h"

#include <QVariant>

namespace vorlo {
namespace {

Control& button(Form& f, const ControlId& id, const QString& caption, const QString& tip = {}) {
    Control& c = f.add(id);
    c.setCaption(caption);
    c.setToolTip(tip);
    c.setBackColor(color::ButtonFace);
    return c;
}

Control& button(Form& f, const ControlArrayId& id, const QString& caption, const QString& tip,
                int index) {
    Control& c = f.add(id, index);
    c.setCaption(caption);
    c.setToolTip(tip);
    c.setBackColor(color::ButtonFace);
    return c;
}

// Labels whose text is centred in their box.
void centred(Form& f, const ControlArrayId& id) {
    for (int i = id.first; i <= id.last; ++i)
        f(id, i).setAlignment(Qt::AlignHCenter | Qt::AlignVCenter);
}

// The memory banks, the memory sequence and the crescendo's stage, under the memory row.
void declareBankAndCrescendoControls(Form& f) {
    using namespace ctl::main;
    button(f, BankDown, QStringLiteral("Bank -"),
           QStringLiteral("Show the previous bank of twelve free memories"));
    Control& bank = f.add(BankShown);
    bank.setCaption(QStringLiteral("Bank 1"));
    bank.setBackColor(color::ButtonFace);
    bank.setAlignment(Qt::AlignHCenter | Qt::AlignVCenter);
    bank.setToolTip(QStringLiteral("The bank of the free memories shown, and the memory of the "
                                   "sequence in force"));
    button(f, BankUp, QStringLiteral("Bank +"),
           QStringLiteral("Show the next bank of twelve free memories"));
    button(f, SequencePrevious, QStringLiteral("< Prev"),
           QStringLiteral("Recall the previous stored memory, back through the banks (Page Up)"));
    button(f, SequenceNext, QStringLiteral("Next >"),
           QStringLiteral("Recall the next stored memory, on through the banks (Page Down)"));

    button(f, CrescendoDown, QStringLiteral("Cr -"),
           QStringLiteral("Crescendo one stage down (the foot controller, CC 4, moves it too)"));
    Control& crescendo = f.add(CrescendoShown);
    crescendo.setCaption(QStringLiteral("Cresc 0"));
    crescendo.setBackColor(color::ButtonFace);
    crescendo.setAlignment(Qt::AlignHCenter | Qt::AlignVCenter);
    crescendo.setToolTip(QStringLiteral("The crescendo stage in force: 0 is the registration "
                                        "drawn, 20 the full organ"));
    button(f, CrescendoUp, QStringLiteral("Cr +"), QStringLiteral("Crescendo one stage up"));
    button(f, CrescendoStore, QStringLiteral("Cr Set"),
           QStringLiteral("Store the registration in force into the crescendo stage shown"));
}

void declareMainForm(Form& f) {
    using namespace ctl::main;
    f.setCaption(QStringLiteral("Vorlo2000"));

    // Menu bar, in its order.
    const struct {
        ControlId id;
        const char* caption;
    } menu[] = {
        {mnuFile, "File"},
        {LoadFile, "&Load  Memory File"},
        {savefile, "&Save Memory File"},
        {Line0, "-"},
        {EnableCFG, "Save &Configuration on EXIT"},
        {Line1, "-"},
        {SaveFIXED, "Load current Memories as &Fixed Memories"},
        {RecordMenu, "&Record..."},
        {Line2, "-"},
        {Exit, "&Exit"},
        {mnuSetup, "Setup"},
        {SetMidi, "&Midi Devices"},
        {SetSound, "&Sound..."},
        {MidiTHRU, "Midi &Thru..."},
        {SetFont, "Font&s"},
        {line7, "-"},
        {Graphmode, "Graphic interface"},
        {Line3, "-"},
        {LoadEditor, "E&ditor"},
        {line4, "-"},
        {DisplayLeds, "Leds on memor&ies"},
        {OnScreenKbd, "On-screen &keyboard"},
        {mnuHelp, "Help"},
        {Help1, "&Help"},
        {totRec, "Total Recall Displa&y"},
        {About, "&About"},
        {advanced_s, "Advanced"},
    };
    for (const auto& m : menu)
        f.add(m.id).setCaption(QString::fromLatin1(m.caption));

    // The standard panel's frame. The stop grid's name labels and drawstop labels (Nome*,
    // Tir_*_GO, Tir_*_SW) lie inside it: their positions are relative to the frame.
    Control& grid = f.add(Panel_nograph, 0);
    grid.setLeft(0);
    f.add(Sfondo);
    f.addArray(LabelCorpiOrgano);
    centred(f, LabelCorpiOrgano);

    // Stop cells of both panels.
    const struct {
        ControlArrayId name;
        ControlArrayId plate;
        ControlArrayId caption;
        ControlArrayId knobGo;
        const ControlArrayId* knobSw;
        const ControlArrayId* drawGo;
        const ControlArrayId* drawSw;
    } groups[] = {
        {NomeFondi, PergamenaF, Scritta_Fondi, Tir_FO_GO_graph, &Tir_FO_SW_graph, &Tir_FO_GO,
         &Tir_FO_SW},
        {NomeMutaz, PergamenaM, Scritta_Mutaz, Tir_MU_GO_graph, &Tir_MU_SW_graph, &Tir_MU_GO,
         &Tir_MU_SW},
        {NomeAnce, PergamenaA, Scritta_Ancie, Tir_AN_GO_graph, &Tir_AN_SW_graph, &Tir_AN_GO,
         &Tir_AN_SW},
        {NomePedale, PergamenaP, Scritta_Pedale, Tir_PED_graph, nullptr, nullptr, nullptr},
    };
    for (const auto& g : groups) {
        f.addArray(g.name);
        for (int i = g.name.first; i <= g.name.last; ++i)
            f(g.name, i).setContainer(&grid);
        f.addArray(g.plate);
        f.addArray(g.caption);
        centred(f, g.caption);
        f.addArray(g.knobGo);
        if (g.knobSw)
            f.addArray(*g.knobSw);
        if (g.drawGo) {
            for (int i = g.drawGo->first; i <= g.drawGo->last; ++i) {
                // "Great" and "Swell" sit at the foot of the stop cell, under the stop's name.
                Control& great = f.add(*g.drawGo, i);
                great.setCaption(QStringLiteral("                      Great"));
                great.setContainer(&grid);
                great.setAlignment(Qt::AlignLeft | Qt::AlignBottom);
                Control& swell = f.add(*g.drawSw, i);
                swell.setCaption(
                    QStringLiteral("                Swell                          Swell"));
                swell.setContainer(&grid);
                swell.setAlignment(Qt::AlignLeft | Qt::AlignBottom);
            }
        }
    }

    button(f, UN_GOSW, QStringLiteral("Go to Swell"),
           QStringLiteral("When you play Go, Sw is  coupled "));
    button(f, UN_SWGO, QStringLiteral("Swell to Go"),
           QStringLiteral("When you play Sw, Go  is  coupled "));
    button(f, UNPI, QStringLiteral("I - P"), QStringLiteral("Pedal coupling with Great"));
    button(f, UNPII, QStringLiteral("II - P"), QStringLiteral("Pedal coupling with Swell"));
    button(f, Tir_TREMOLOGO, QStringLiteral("Trem Go"),
           QStringLiteral("Great Tremolo (Move Pitch Bend  Wheel  UP for fast switch)"));
    button(f, TIR_TREMOLOSW, QStringLiteral("Trem Sw"),
           QStringLiteral("Swell Tremolo (Move Pitch Bend  Wheel  UP for fast switch)"));
    button(f, Subottava, QStringLiteral("Subottava"), QStringLiteral("Enable Pedal Sub-Octave"));
    button(f, THRUBUTTON, QStringLiteral("Great"));
    button(f, RESET, QStringLiteral("RESET"), QStringLiteral("Reset VORLO  to startup state"));
    button(f, CancelALL, QStringLiteral("Canc "),
           QStringLiteral("All Stops Groups will be set to Cancel Position"));
    button(f, Panic, QStringLiteral("PANIC"),
           QStringLiteral("Send All note OFF message! Push Sustain Pedal to send Note Off "
                          "immediatly"));
    button(f, CLEAR, QStringLiteral("Clr"),
           QStringLiteral("Clear all free Memories, except than Temporary Buffers S1 and S2"));
    button(f, Rec_button, QStringLiteral(" Rec"),
           QStringLiteral("Enable Current status Log on next clicked Free Memory"));
    button(f, LabelMode, QStringLiteral("#"),
           QStringLiteral("Change Memory Labels mode : Numbers or Note"));

    const char* cancelTips[3] = {"Mute only Fondi Stops - Click to replace them",
                                 "Mute only Ripieni Stops - Click to replace them",
                                 "Mute only ANCE-ARCHI Stops - Click to replace them"};
    for (int i = 0; i < 3; ++i) {
        button(f, Button_Annullatori_go, QStringLiteral("Go Mute"),
               QString::fromLatin1(cancelTips[i]), i);
        button(f, Button_Annullatori_sw,
               i == 2 ? QStringLiteral("Sw  Mute") : QStringLiteral("Sw Mute"),
               QString::fromLatin1(cancelTips[i]), i);
    }
    // The Fondi cancels exist but are never shown.
    f(Button_Annullatori_go, 0).setVisible(false);
    f(Button_Annullatori_sw, 0).setVisible(false);

    button(f, TempMemButton, QStringLiteral("S1"),
           QStringLiteral("Store Current Stops Configuration. Push  L1 to reload it on Vorlo"), 0);
    button(f, TempMemButton, QStringLiteral("S2"),
           QStringLiteral("Store Current Stops Configuration. Push  L2 to reload it on Vorlo"), 1);
    button(f, LoadBuffer, QStringLiteral("L1"),
           QStringLiteral("Load in Vorlo Buffered Combination S1"), 0);
    button(f, LoadBuffer, QStringLiteral("L2"),
           QStringLiteral("Load on Vorlo Buffered Combination S2"), 1);

    for (int i = 1; i <= 12; ++i) {
        f.add(C_memory, i).setBackColor(color::ButtonFace);
        f.add(Graduatore, i).setBackColor(color::ButtonFace);
        f.add(LedFree, i);
        f.add(LedFix, i);
    }
    f.addArray(Numerino_Led);
    centred(f, C_memory);
    centred(f, Graduatore);
    centred(f, Numerino_Led);
    declareBankAndCrescendoControls(f);

    button(f, TransposeDown, QStringLiteral("-"),
           QStringLiteral("Transposer: play a semitone lower"));
    Control& transposition = f.add(TransposeShown);
    transposition.setCaption(QStringLiteral("Transp. 0"));
    transposition.setToolTip(QStringLiteral("Transposer: semitones the notes are moved by"));
    transposition.setBackColor(color::White);
    transposition.setAlignment(Qt::AlignHCenter | Qt::AlignVCenter);
    button(f, TransposeUp, QStringLiteral("+"),
           QStringLiteral("Transposer: play a semitone higher"));
    // Nothing to undo or redo until the registration changes.
    button(f, UndoButton, QStringLiteral("Undo"),
           QStringLiteral("Bring back the stops before their last change (Ctrl+Z)"))
        .setEnabled(false);
    button(f, RedoButton, QStringLiteral("Redo"),
           QStringLiteral("Make the last change undone again (Ctrl+Y)"))
        .setEnabled(false);
}

void declareAdvancedForm(Form& f) {
    using namespace ctl::advanced;
    f.setCaption(QStringLiteral("Advanced Controls"));
    f.setWidth(9600);
    f.add(FrameGreat).setCaption(QStringLiteral("Great Stops Balancing"));
    f.add(FrameSwell).setCaption(QStringLiteral("Swell Stops Balancing"));
    f.add(FramePedal).setCaption(QStringLiteral("Pedal"));
    f.add(FrameCoupling).setCaption(QStringLiteral("Global Coupl"));
    for (int i = 1; i <= 2; ++i) {
        for (const ControlArrayId& id : {SliderFondi, SliderMutazioni, SliderAncie}) {
            Control& s = f.add(id, i);
            s.setRange(kBalanceMin, kBalanceMax, 1, 5);
            s.setValue(50);
        }
        for (const ControlArrayId& id : {EXPfondi, EXPmutazioni, EXPancie})
            f.add(id, i);
        // A heading shows its name after "Heading".
        for (const ControlArrayId& heading : {HeadingF, HeadingM, HeadingA, HeadingGlobal}) {
            Control& h = f.add(heading, i);
            const QString t = QString::fromLatin1(heading.name).mid(7);
            h.setCaption(t);
        }
    }
    for (const ControlId& id : {SliderGO, SliderSW, SliderPE}) {
        Control& s = f.add(id);
        s.setRange(kLevelMin, kLevelMax, 1, 5);
        s.setValue(80);
    }
    for (const ControlId& id : {EXPGO, EXPSW, EXPPE})
        f.add(id);

    f.addOptionArray(OptionGlobalCoupling);
    const char* couplCaptions[3] = {"No Coupl.", "GO and SW", "All Globals"};
    const char* couplTips[3] = {"Global Sliders are Not Coupled ",
                                "Sweel ands Great Global Sliders are coupled",
                                "All Global Sliders are Coupled "};
    for (int i = 0; i < 3; ++i) {
        f(OptionGlobalCoupling, i).setCaption(QString::fromLatin1(couplCaptions[i]));
        f(OptionGlobalCoupling, i).setToolTip(QString::fromLatin1(couplTips[i]));
    }

    f.add(LabelRecall).setCaption(QStringLiteral("Sliders Handled from Memories:"));
    f.add(Memory_Recall, 0).setCaption(QStringLiteral("Global "));
    f(Memory_Recall, 0)
        .setToolTip(QStringLiteral(
            "If checked, Globals  will be recall when you load free memory combination"));
    f.add(Memory_Recall, 1).setCaption(QStringLiteral("Stops Bal."));
    f(Memory_Recall, 1)
        .setToolTip(QStringLiteral(
            "f checked, Stops Balance  will be recall when you load free memory combination"));

    f.add(LabelTremolo).setCaption(QStringLiteral("Tremolo type/rate"));
    f.add(LabelTemperament).setCaption(QStringLiteral("Temperament"));
    f.add(LabelReverb).setCaption(QStringLiteral("Reverb"));
    f.add(LabelTune).setCaption(QStringLiteral("Tune Temp:"));
    for (const ControlId& id : {Temperamenti, NotaInizTemp, Riverberi, TremoloType})
        f.add(id).setValue(-1);
    f(Temperamenti).setToolTip(QStringLiteral("Select Vorlo2000 Temperament Type"));
    f(NotaInizTemp).setToolTip(QStringLiteral("Select Tuning Start for Actual Temperament"));
    f(TremoloType).setToolTip(QStringLiteral("Select Tremolo Type"));
    Control& rate = f.add(SliderTremoloRate);
    rate.setRange(ConsoleSettings::kTremoloRateMin, ConsoleSettings::kTremoloRateMax, 1, 5);
    rate.setValue(0);
    f.add(Valore).setCaption(QStringLiteral("127"));
}

void declareSetupForm(Form& f) {
    using namespace ctl::setup;
    f.setCaption(QStringLiteral("Set up MIDI DEVICES"));
    f.setModal(false);
    f.add(LabelNomeprog);
    f.add(outputDevcombo).setValue(-1);
    f.add(InputDev1Combo).setValue(-1);
    f.add(InputDev2Combo).setValue(-1);
    const char* filters[8] = {"ACTIVE SENSE", "MTC",  "TUNE",      "CLOCK",
                              "START",        "CONT", "Undefined", "RESET"};
    for (int i = 0; i < 8; ++i)
        f.add(Check_Filters, i).setCaption(QString::fromLatin1(filters[i]));
    f.add(FrameSysex).setCaption(QStringLiteral("SYSEX SENDING DELAY"));
    f.add(FrameNote).setCaption(QStringLiteral("NOTE SENDING DELAY"));
    f.add(LabelSysexHint)
        .setCaption(QStringLiteral("If you have Sysex transmission problems ,try to adjust this "
                                   "delay. Values different from 0 will cause stops change "
                                   "slowering."));
    f.add(Slider1).setRange(0, 100, 1, 5);
    f.add(Slider2).setRange(0, 100, 1, 5);
    f.add(UserDelay);
    f.add(Label_hang);
    // How fast the cable to the module carries bytes: the console paces its messages to it.
    f.add(WireSpeedCombo).setValue(-1);
    f.add(Command1).setCaption(QStringLiteral("OK"));
    f.add(Command3).setCaption(QStringLiteral("CANCEL"));
    f.add(Refresh).setCaption(QStringLiteral("&Refresh"));
}

void declareThruForm(Form& f) {
    using namespace ctl::thru;
    f.setCaption(QStringLiteral("Thru Mode"));
    f.add(LabelNomeprog);
    f.addOptionArray(Thru_choose);
    f(Thru_choose, 0).setCaption(QStringLiteral("No Rechannelling "));
    f(Thru_choose, 1).setCaption(QStringLiteral("Normal Rechannelling"));
    f(Thru_choose, 2).setCaption(QStringLiteral("Fixed Rechanneling"));
    f.add(Label3).setCaption(
        QStringLiteral("Use this mode for keyboards with assignable  MIDI OUT channel. "
                       "You set your keyboard's midi out to the channels aside."));
    f.add(Label2, 3).setCaption(
        QStringLiteral("Use this mode if  you have only 1 keyboard. GREAT , SWELL , "
                       "and PEDAL can be selected   by the related panel buttons."));
    f.add(Label1).setCaption(
        QStringLiteral("Use this mode for keyboards with fixed midi out channels. "
                       "Click on fields aside and press any keyboard  key. Vorlo will "
                       "self-ack midi channel sent from your keyboards."));
    const char* bodies[3] = {"GREAT", "SWELL", "PEDAL"};
    for (int i = 0; i < 3; ++i) {
        f.add(LabelBody, i).setCaption(QString::fromLatin1(bodies[i]));
        f.add(LabelPlayOn, i).setCaption(QStringLiteral("Play on chan. %1").arg(i + 1));
        f.add(Custom_Thru_label, i).setCaption(QStringLiteral("Not rechanneled "));
    }
    f.add(Command1).setCaption(QStringLiteral("OK"));
    f.add(Command2).setCaption(QStringLiteral("CANCEL"));
}

void declareFontsForm(Form& f) {
    using namespace ctl::fonts;
    f.setCaption(QStringLiteral("Font setting"));
    f.add(LabelNomeprog);
    f.add(Frame1).setCaption(
        QStringLiteral("Select Font Type / Dimension for Vorlo Stops Text...."));
    f.add(lstSearch).setToolTip(QStringLiteral("Click a font to see it on text above"));
    f(lstSearch).setValue(-1);
    f.add(txtSearch).setToolTip(QStringLiteral("Start typing and I will find your string!"));
    f.add(VScroll_fontSize).setRange(4, 72, 1, 4);
    f.add(Label_size);
    f.add(Check_bold).setCaption(QStringLiteral("Bold"));
    f.add(Check_corsivo).setCaption(QStringLiteral("Italic"));
    f.add(Command_default).setCaption(QStringLiteral("Default"));
    f.add(Command_ok).setCaption(QStringLiteral("OK"));
    f.add(Command_Cancel).setCaption(QStringLiteral("Cancel"));
}

void declareTotalRecallForm(Form& f) {
    using namespace ctl::totalrecall;
    f.setCaption(QStringLiteral("Total Recall Display"));
    f.add(LabelNomeprog);
    f.add(Image1);
    f.add(Label1).setCaption(QStringLiteral(
        "Total Recall: How you can handle Vorlo without touch your mouse or Pc keyboard"));
    f.add(Label2).setCaption(QStringLiteral(
        "To use the keys as levers you only need to apply a \"switch event\" before pressing "
        "them: this event is the pressing of the sustain pedal. An example : to recall a free "
        "memory you only need to do the following: 1)PRESS SUSTAIN PEDAL 2) PRESS A  KEY and "
        "see related effect : that's all!"));
}

void declareKeyboardForm(Form& f) {
    using namespace ctl::keyboard;
    f.setCaption(QStringLiteral("On-screen keyboard"));
    const char* rows[3] = {"GREAT", "SWELL", "PEDAL"};
    for (int i = 0; i < 3; ++i)
        f.add(LabelRow, i).setCaption(QString::fromLatin1(rows[i]));
    f.add(LabelComputerKeys);
}

void declareSoundForm(Form& f) {
    using namespace ctl::sound;
    f.setCaption(QStringLiteral("Sound"));
    f.setModal(false);
    f.add(LabelDriver).setCaption(QStringLiteral("Audio driver"));
    f.add(DriverCombo).setValue(-1);
    f.add(LabelDevice).setCaption(QStringLiteral("Output device"));
    f.add(DeviceCombo).setValue(-1);
    f.add(DeviceText)
        .setToolTip(QStringLiteral(
            "The device's name as the audio driver knows it; empty for its default"));
    f.add(LabelSoundFont).setCaption(QStringLiteral("SoundFont"));
    f.add(SoundFontText).setReadOnly(true);
    f.add(SoundFontBrowse).setCaption(QStringLiteral("&Browse..."));
    f.add(SoundFontAutomatic).setCaption(QStringLiteral("A&utomatic"));
    f(SoundFontAutomatic)
        .setToolTip(QStringLiteral("The first General MIDI SoundFont found on this computer"));
    f.add(ToneCheck).setValue(-1);
    f.add(LabelBuffer).setCaption(QStringLiteral("Buffer"));
    f.add(BufferCombo).setValue(-1);
    f.add(LabelLatency);
    f.add(LabelRate).setCaption(QStringLiteral("Sample rate"));
    f.add(RateCombo).setValue(-1);
    f.add(LabelVolume).setCaption(QStringLiteral("Master volume"));
    f.add(VolumeSlider).setRange(SoundSettings::kMinVolumeDb, SoundSettings::kMaxVolumeDb, 1, 3);
    f.add(LabelVolumeValue);
    f.add(LabelStatus);
    f.add(TestButton).setCaption(QStringLiteral("&Test"));
    f(TestButton)
        .setToolTip(QStringLiteral("Plays a C major chord on the Great with the stops drawn now"));
    f.add(ApplyButton).setCaption(QStringLiteral("&Apply"));
    f.add(OkButton).setCaption(QStringLiteral("OK"));
    f.add(CancelButton).setCaption(QStringLiteral("Cancel"));
}

void declareRecordForm(Form& f) {
    using namespace ctl::record;
    f.setCaption(QStringLiteral("Record"));
    f.add(CheckMidiFile)
        .setCaption(QStringLiteral("&MIDI file: everything the console sends to the module"));
    f(CheckMidiFile).setValue(1);
    f.add(CheckAudio).setCaption(QStringLiteral("&Audio (WAV): the built-in GS synthesizer"));
    f.add(CheckSetUp)
        .setCaption(QStringLiteral("&Begin with the registration, sent to the module again"));
    f(CheckSetUp).setValue(1);
    f.add(LabelAudioReason);
    f.add(LabelFileName);
    f.add(ButtonFileName).setCaption(QStringLiteral("File &name..."));
    f.add(ButtonStart).setCaption(QStringLiteral("&Start"));
    f.add(LabelElapsed).setCaption(QStringLiteral("0:00:00"));
    f.add(LabelStatus);
}

void declareAboutForm(Form& f) {
    using namespace ctl::about;
    f.setCaption(QStringLiteral("About VORLO 2000 Graphic Version"));
    f.setWidth(6000);
    f.setHeight(4800);
    f.add(LabelNomeprog);
    f.add(Image1);
    f.add(Label1).setCaption(
        QStringLiteral("This program is designed for Roland Sound Canvas SC88 or Highers  "));
    f.add(Command1).setCaption(QStringLiteral(" OK"));
}

void declareHelpForm(Form& f) {
    using namespace ctl::help;
    f.setCaption(QStringLiteral("Vorlo2000 Help"));
    f.setWidth(10800);
    f.setHeight(8100);
    // Caption: the full path of the HTML help file shown.
    f.add(HelpBrowser);
}

constexpr char kMinimizedProperty[] = "minimized";

} // namespace

void setWindowMinimized(Form& form, bool minimized) {
    form.setProperty(kMinimizedProperty, minimized);
}

bool isWindowMinimized(const Form& form) {
    return form.property(kMinimizedProperty).toBool();
}

void declareConsoleForms(PanelState& panel) {
    declareMainForm(panel.addForm(ctl::main::Window));
    declareAdvancedForm(panel.addForm(ctl::advanced::Window));
    declareSetupForm(panel.addForm(ctl::setup::Window));
    declareThruForm(panel.addForm(ctl::thru::Window));
    declareFontsForm(panel.addForm(ctl::fonts::Window));
    declareTotalRecallForm(panel.addForm(ctl::totalrecall::Window));
    declareKeyboardForm(panel.addForm(ctl::keyboard::Window));
    declareSoundForm(panel.addForm(ctl::sound::Window));
    declareRecordForm(panel.addForm(ctl::record::Window));
    declareAboutForm(panel.addForm(ctl::about::Window));
    declareHelpForm(panel.addForm(ctl::help::Window));
    declareEditorForm(panel.addForm(ctl::editor::Window));
}

} // namespace vorlo
