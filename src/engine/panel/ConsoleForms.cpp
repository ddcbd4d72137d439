#include "ConsoleForms.h"

#include "PanelState.h"
#include "stops_table/EditorForm.h"

#include <QVariant>

namespace vorlo {
namespace {

Control& button(Form& f, const QString& name, const QString& caption, const QString& tip = {},
                int index = -1) {
    Control& c = f.add(name, index);
    c.setCaption(caption);
    c.setToolTip(tip);
    c.setBackColor(color::ButtonFace);
    return c;
}

void declareMainForm(Form& f) {
    f.setCaption(QStringLiteral("Vorlo2000"));

    // Menu bar, in its order.
    const struct {
        const char* name;
        const char* caption;
    } menu[] = {
        {"mnuFile", "File"},
        {"LoadFile", "&Load  Memory File"},
        {"savefile", "&Save Memory File"},
        {"Line0", "-"},
        {"EnableCFG", "Save &Configuration on EXIT"},
        {"Line1", "-"},
        {"SaveFIXED", "Load current Memories as &Fixed Memories"},
        {"Line2", "-"},
        {"Exit", "&Exit"},
        {"mnuSetup", "Setup"},
        {"SetMidi", "&Midi Devices"},
        {"MidiTHRU", "Midi &Thru..."},
        {"SetFont", "Font&s"},
        {"line7", "-"},
        {"Graphmode", "Graphic interface"},
        {"Line3", "-"},
        {"LoadEditor", "E&ditor"},
        {"line4", "-"},
        {"DisplayLeds", "Leds on memor&ies"},
        {"mnuHelp", "Help"},
        {"Help1", "&Help"},
        {"totRec", "Total Recall Displa&y"},
        {"About", "&About"},
        {"advanced_s", "Advanced"},
    };
    for (const auto& m : menu)
        f.add(QString::fromLatin1(m.name)).setCaption(QString::fromLatin1(m.caption));

    // The standard panel's frame. The stop grid's name labels and drawstop labels (Nome*,
    // Tir_*_GO, Tir_*_SW) lie inside it: their positions are relative to the frame.
    f.add(QStringLiteral("Panel_nograph"), 0).setLeft(0);
    f.add(QStringLiteral("Sfondo"));
    f.addArray(QStringLiteral("LabelCorpiOrgano"), 0, 3);

    // Stop cells of both panels.
    const struct {
        const char* name;
        const char* plate;
        const char* caption;
        const char* knobGo;
        const char* knobSw;
        const char* drawGo;
        const char* drawSw;
        int count;
    } groups[] = {
        {"NomeFondi", "PergamenaF", "Scritta_Fondi", "Tir_FO_GO_graph", "Tir_FO_SW_graph",
         "Tir_FO_GO", "Tir_FO_SW", 30},
        {"NomeMutaz", "PergamenaM", "Scritta_Mutaz", "Tir_MU_GO_graph", "Tir_MU_SW_graph",
         "Tir_MU_GO", "Tir_MU_SW", 20},
        {"NomeAnce", "PergamenaA", "Scritta_Ancie", "Tir_AN_GO_graph", "Tir_AN_SW_graph",
         "Tir_AN_GO", "Tir_AN_SW", 20},
        {"NomePedale", "PergamenaP", "Scritta_Pedale", "Tir_PED_graph", nullptr, nullptr, nullptr,
         20},
    };
    for (const auto& g : groups) {
        f.addArray(QString::fromLatin1(g.name), 0, g.count - 1);
        f.addArray(QString::fromLatin1(g.plate), 0, g.count - 1);
        f.addArray(QString::fromLatin1(g.caption), 0, g.count - 1);
        f.addArray(QString::fromLatin1(g.knobGo), 0, g.count - 1);
        if (g.knobSw)
            f.addArray(QString::fromLatin1(g.knobSw), 0, g.count - 1);
        if (g.drawGo) {
            for (int i = 0; i < g.count; ++i) {
                f.add(QString::fromLatin1(g.drawGo), i)
                    .setCaption(QStringLiteral("                      Great"));
                f.add(QString::fromLatin1(g.drawSw), i)
                    .setCaption(
                        QStringLiteral("                Swell                          Swell"));
            }
        }
    }

    button(f, QStringLiteral("UN_GOSW"), QStringLiteral("Go to Swell"),
           QStringLiteral("When you play Go, Sw is  coupled "));
    button(f, QStringLiteral("UN_SWGO"), QStringLiteral("Swell to Go"),
           QStringLiteral("When you play Sw, Go  is  coupled "));
    button(f, QStringLiteral("UNPI"), QStringLiteral("I - P"),
           QStringLiteral("Pedal coupling with Great"));
    button(f, QStringLiteral("UNPII"), QStringLiteral("II - P"),
           QStringLiteral("Pedal coupling with Swell"));
    button(f, QStringLiteral("Tir_TREMOLOGO"), QStringLiteral("Trem Go"),
           QStringLiteral("Great Tremolo (Move Pitch Bend  Wheel  UP for fast switch)"));
    button(f, QStringLiteral("TIR_TREMOLOSW"), QStringLiteral("Trem Sw"),
           QStringLiteral("Swell Tremolo (Move Pitch Bend  Wheel  UP for fast switch)"));
    button(f, QStringLiteral("Subottava"), QStringLiteral("Subottava"),
           QStringLiteral("Enable Pedal Sub-Octave"));
    button(f, QStringLiteral("THRUBUTTON"), QStringLiteral("Great"));
    button(f, QStringLiteral("RESET"), QStringLiteral("RESET"),
           QStringLiteral("Reset VORLO  to startup state"));
    button(f, QStringLiteral("CancelALL"), QStringLiteral("Canc "),
           QStringLiteral("All Stops Groups will be set to Cancel Position"));
    button(f, QStringLiteral("Panic"), QStringLiteral("PANIC"),
           QStringLiteral("Send All note OFF message! Push Sustain Pedal to send Note Off "
                          "immediatly"));
    button(f, QStringLiteral("CLEAR"), QStringLiteral("Clr"),
           QStringLiteral("Clear all free Memories, except than Temporary Buffers S1 and S2"));
    button(f, QStringLiteral("Rec_button"), QStringLiteral(" Rec"),
           QStringLiteral("Enable Current status Log on next clicked Free Memory"));
    button(f, QStringLiteral("LabelMode"), QStringLiteral("#"),
           QStringLiteral("Change Memory Labels mode : Numbers or Note"));

    const char* cancelTips[3] = {"Mute only Fondi Stops - Click to replace them",
                                 "Mute only Ripieni Stops - Click to replace them",
                                 "Mute only ANCE-ARCHI Stops - Click to replace them"};
    for (int i = 0; i < 3; ++i) {
        button(f, QStringLiteral("Button_Annullatori_go"), QStringLiteral("Go Mute"),
               QString::fromLatin1(cancelTips[i]), i);
        button(f, QStringLiteral("Button_Annullatori_sw"),
               i == 2 ? QStringLiteral("Sw  Mute") : QStringLiteral("Sw Mute"),
               QString::fromLatin1(cancelTips[i]), i);
    }
    // The Fondi cancels exist but are never shown.
    f(QStringLiteral("Button_Annullatori_go"), 0).setVisible(false);
    f(QStringLiteral("Button_Annullatori_sw"), 0).setVisible(false);

    button(f, QStringLiteral("TempMemButton"), QStringLiteral("S1"),
           QStringLiteral("Store Current Stops Configuration. Push  L1 to reload it on Vorlo"), 0);
    button(f, QStringLiteral("TempMemButton"), QStringLiteral("S2"),
           QStringLiteral("Store Current Stops Configuration. Push  L2 to reload it on Vorlo"), 1);
    button(f, QStringLiteral("LoadBuffer"), QStringLiteral("L1"),
           QStringLiteral("Load in Vorlo Buffered Combination S1"), 0);
    button(f, QStringLiteral("LoadBuffer"), QStringLiteral("L2"),
           QStringLiteral("Load on Vorlo Buffered Combination S2"), 1);

    for (int i = 1; i <= 12; ++i) {
        f.add(QStringLiteral("C_memory"), i).setBackColor(color::ButtonFace);
        f.add(QStringLiteral("Graduatore"), i).setBackColor(color::ButtonFace);
        f.add(QStringLiteral("LedFree"), i);
        f.add(QStringLiteral("LedFix"), i);
    }
    f.addArray(QStringLiteral("Numerino_Led"), 1, 24);
}

void declareAdvancedForm(Form& f) {
    f.setCaption(QStringLiteral("Advanced Controls"));
    f.setWidth(9600);
    f.add(QStringLiteral("FrameGreat")).setCaption(QStringLiteral("Great Stops Balancing"));
    f.add(QStringLiteral("FrameSwell")).setCaption(QStringLiteral("Swell Stops Balancing"));
    f.add(QStringLiteral("FramePedal")).setCaption(QStringLiteral("Pedal"));
    f.add(QStringLiteral("FrameCoupling")).setCaption(QStringLiteral("Global Coupl"));
    for (int i = 1; i <= 2; ++i) {
        for (const char* name : {"SliderFondi", "SliderMutazioni", "SliderAncie"}) {
            Control& s = f.add(QString::fromLatin1(name), i);
            s.setRange(0, 127, 1, 5);
            s.setValue(50);
        }
        for (const char* name : {"EXPfondi", "EXPmutazioni", "EXPancie"})
            f.add(QString::fromLatin1(name), i);
        for (const char* heading : {"HeadingF", "HeadingM", "HeadingA", "HeadingGlobal"}) {
            Control& h = f.add(QString::fromLatin1(heading), i);
            const QString t = QString::fromLatin1(heading).mid(7);
            h.setCaption(t);
        }
    }
    for (const char* name : {"SliderGO", "SliderSW", "SliderPE"}) {
        Control& s = f.add(QString::fromLatin1(name));
        s.setRange(60, 127, 1, 5);
        s.setValue(80);
    }
    for (const char* name : {"EXPGO", "EXPSW", "EXPPE"})
        f.add(QString::fromLatin1(name));

    f.addOptionArray(QStringLiteral("OptionGlobalCoupling"), 0, 2);
    const char* couplCaptions[3] = {"No Coupl.", "GO and SW", "All Globals"};
    const char* couplTips[3] = {"Global Sliders are Not Coupled ",
                                "Sweel ands Great Global Sliders are coupled",
                                "All Global Sliders are Coupled "};
    for (int i = 0; i < 3; ++i) {
        f(QStringLiteral("OptionGlobalCoupling"), i)
            .setCaption(QString::fromLatin1(couplCaptions[i]));
        f(QStringLiteral("OptionGlobalCoupling"), i).setToolTip(QString::fromLatin1(couplTips[i]));
    }

    f.add(QStringLiteral("LabelRecall"))
        .setCaption(QStringLiteral("Sliders Handled from Memories:"));
    f.add(QStringLiteral("Memory_Recall"), 0).setCaption(QStringLiteral("Global "));
    f(QStringLiteral("Memory_Recall"), 0)
        .setToolTip(QStringLiteral(
            "If checked, Globals  will be recall when you load free memory combination"));
    f.add(QStringLiteral("Memory_Recall"), 1).setCaption(QStringLiteral("Stops Bal."));
    f(QStringLiteral("Memory_Recall"), 1)
        .setToolTip(QStringLiteral(
            "f checked, Stops Balance  will be recall when you load free memory combination"));

    f.add(QStringLiteral("LabelTremolo")).setCaption(QStringLiteral("Tremolo type/rate"));
    f.add(QStringLiteral("LabelTemperament")).setCaption(QStringLiteral("Temperament"));
    f.add(QStringLiteral("LabelReverb")).setCaption(QStringLiteral("Reverb"));
    f.add(QStringLiteral("LabelTune")).setCaption(QStringLiteral("Tune Temp:"));
    for (const char* name : {"Temperamenti", "NotaInizTemp", "Riverberi", "TremoloType"})
        f.add(QString::fromLatin1(name)).setValue(-1);
    f(QStringLiteral("Temperamenti"))
        .setToolTip(QStringLiteral("Select Vorlo2000 Temperament Type"));
    f(QStringLiteral("NotaInizTemp"))
        .setToolTip(QStringLiteral("Select Tuning Start for Actual Temperament"));
    f(QStringLiteral("TremoloType")).setToolTip(QStringLiteral("Select Tremolo Type"));
    Control& rate = f.add(QStringLiteral("SliderTremoloRate"));
    rate.setRange(0, 127, 1, 5);
    rate.setValue(0);
    f.add(QStringLiteral("Valore")).setCaption(QStringLiteral("127"));
}

void declareSetupForm(Form& f) {
    f.setCaption(QStringLiteral("Set up MIDI DEVICES"));
    f.setModal(false);
    f.add(QStringLiteral("LabelNomeprog"));
    f.add(QStringLiteral("outputDevcombo")).setValue(-1);
    f.add(QStringLiteral("InputDev1Combo")).setValue(-1);
    f.add(QStringLiteral("InputDev2Combo")).setValue(-1);
    const char* filters[8] = {"ACTIVE SENSE", "MTC",  "TUNE",      "CLOCK",
                              "START",        "CONT", "Undefined", "RESET"};
    for (int i = 0; i < 8; ++i)
        f.add(QStringLiteral("Check_Filters"), i).setCaption(QString::fromLatin1(filters[i]));
    f.add(QStringLiteral("FrameSysex")).setCaption(QStringLiteral("SYSEX SENDING DELAY"));
    f.add(QStringLiteral("FrameNote")).setCaption(QStringLiteral("NOTE SENDING DELAY"));
    f.add(QStringLiteral("LabelSysexHint"))
        .setCaption(QStringLiteral("If you have Sysex transmission problems ,try to adjust this "
                                   "delay. Values different from 0 will cause stops change "
                                   "slowering."));
    f.add(QStringLiteral("Slider1")).setRange(0, 100, 1, 5);
    f.add(QStringLiteral("Slider2")).setRange(0, 100, 1, 5);
    f.add(QStringLiteral("UserDelay"));
    f.add(QStringLiteral("Label_hang"));
    // How fast the cable to the module carries bytes: the console paces its messages to it.
    f.add(QStringLiteral("WireSpeedCombo")).setValue(-1);
    f.add(QStringLiteral("Command1")).setCaption(QStringLiteral("OK"));
    f.add(QStringLiteral("Command3")).setCaption(QStringLiteral("CANCEL"));
}

void declareThruForm(Form& f) {
    f.setCaption(QStringLiteral("Thru Mode"));
    f.add(QStringLiteral("LabelNomeprog"));
    f.addOptionArray(QStringLiteral("Thru_choose"), 0, 2);
    f(QStringLiteral("Thru_choose"), 0).setCaption(QStringLiteral("No Rechannelling "));
    f(QStringLiteral("Thru_choose"), 1).setCaption(QStringLiteral("Normal Rechannelling"));
    f(QStringLiteral("Thru_choose"), 2).setCaption(QStringLiteral("Fixed Rechanneling"));
    f.add(QStringLiteral("Label3"))
        .setCaption(QStringLiteral("Use this mode for keyboards with assignable  MIDI OUT channel. "
                                   "You set your keyboard's midi out to the channels aside."));
    f.add(QStringLiteral("Label2"), 3)
        .setCaption(QStringLiteral("Use this mode if  you have only 1 keyboard. GREAT , SWELL , "
                                   "and PEDAL can be selected   by the related panel buttons."));
    f.add(QStringLiteral("Label1"))
        .setCaption(QStringLiteral("Use this mode for keyboards with fixed midi out channels. "
                                   "Click on fields aside and press any keyboard  key. Vorlo will "
                                   "self-ack midi channel sent from your keyboards."));
    const char* bodies[3] = {"GREAT", "SWELL", "PEDAL"};
    for (int i = 0; i < 3; ++i) {
        f.add(QStringLiteral("LabelBody"), i).setCaption(QString::fromLatin1(bodies[i]));
        f.add(QStringLiteral("LabelPlayOn"), i)
            .setCaption(QStringLiteral("Play on chan. %1").arg(i + 1));
        f.add(QStringLiteral("Custom_Thru_label"), i)
            .setCaption(QStringLiteral("Not rechanneled "));
    }
    f.add(QStringLiteral("Command1")).setCaption(QStringLiteral("OK"));
    f.add(QStringLiteral("Command2")).setCaption(QStringLiteral("CANCEL"));
}

void declareFontsForm(Form& f) {
    f.setCaption(QStringLiteral("Font setting"));
    f.add(QStringLiteral("LabelNomeprog"));
    f.add(QStringLiteral("Frame1"))
        .setCaption(QStringLiteral("Select Font Type / Dimension for Vorlo Stops Text...."));
    f.add(QStringLiteral("lstSearch"))
        .setToolTip(QStringLiteral("Click a font to see it on text above"));
    f(QStringLiteral("lstSearch")).setValue(-1);
    f.add(QStringLiteral("txtSearch"))
        .setToolTip(QStringLiteral("Start typing and I will find your string!"));
    f.add(QStringLiteral("VScroll_fontSize")).setRange(4, 72, 1, 4);
    f.add(QStringLiteral("Label_size"));
    f.add(QStringLiteral("Check_bold")).setCaption(QStringLiteral("Bold"));
    f.add(QStringLiteral("Check_corsivo")).setCaption(QStringLiteral("Italic"));
    f.add(QStringLiteral("Command_default")).setCaption(QStringLiteral("Default"));
    f.add(QStringLiteral("Command_ok")).setCaption(QStringLiteral("OK"));
    f.add(QStringLiteral("Command_Cancel")).setCaption(QStringLiteral("Cancel"));
}

void declareTotalRecallForm(Form& f) {
    f.setCaption(QStringLiteral("Total Recall Display"));
    f.add(QStringLiteral("LabelNomeprog"));
    f.add(QStringLiteral("Image1"));
    f.add(QStringLiteral("Label1"))
        .setCaption(QStringLiteral(
            "Total Recall: How you can handle Vorlo without touch your mouse or Pc keyboard"));
    f.add(QStringLiteral("Label2"))
        .setCaption(QStringLiteral(
            "To use the keys as levers you only need to apply a \"switch event\" before pressing "
            "them: this event is the pressing of the sustain pedal. An example : to recall a free "
            "memory you only need to do the following: 1)PRESS SUSTAIN PEDAL 2) PRESS A  KEY and "
            "see related effect : that's all!"));
}

void declareAboutForm(Form& f) {
    f.setCaption(QStringLiteral("About VORLO 2000 Graphic Version"));
    f.setWidth(6000);
    f.setHeight(4800);
    f.add(QStringLiteral("LabelNomeprog"));
    f.add(QStringLiteral("Image1"));
    f.add(QStringLiteral("Label1"))
        .setCaption(
            QStringLiteral("This program is designed for Roland Sound Canvas SC88 or Highers  "));
    f.add(QStringLiteral("Command1")).setCaption(QStringLiteral(" OK"));
}

void declareHelpForm(Form& f) {
    f.setCaption(QStringLiteral("Vorlo2000 Help"));
    f.setWidth(10800);
    f.setHeight(8100);
    // Caption: the full path of the HTML help file shown.
    f.add(QStringLiteral("HelpBrowser"));
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
    declareMainForm(panel.addForm(QString::fromLatin1(forms::Main)));
    declareAdvancedForm(panel.addForm(QString::fromLatin1(forms::Advanced)));
    declareSetupForm(panel.addForm(QString::fromLatin1(forms::Setup)));
    declareThruForm(panel.addForm(QString::fromLatin1(forms::Thru)));
    declareFontsForm(panel.addForm(QString::fromLatin1(forms::Fonts)));
    declareTotalRecallForm(panel.addForm(QString::fromLatin1(forms::TotalRecall)));
    declareAboutForm(panel.addForm(QString::fromLatin1(forms::About)));
    declareHelpForm(panel.addForm(QString::fromLatin1(forms::Help)));
    declareEditorForm(panel.addForm(QString::fromLatin1(forms::Editor)));
}

} // namespace vorlo
