#include "EditorForm.h"

#include "Form.h"
#include "StopTable.h"

namespace vorlo {
namespace {

// The fixed texts of the group mute and restore messages, TextGlobal 40..51.
constexpr const char* kFixedTexts[12] = {
    "GO MUTE Ance-Archi", "GO MUTE Fondi.",        "GO MUTE Mutazioni",  "GO RESTORE Ance-Archi",
    "GO RESTORE Fondi",   "GO RESTORE Mutaz",      "SW MUTE Ance-Archi", "SW MUTE Fondi",
    "SW MUTE Mutaz",      "SW RESTORE Ance-Archi", "SW RESTORE Fondi",   "SW RESTORE Mutaz",
};

Control& label(Form& f, const ControlId& id, const char* caption) {
    Control& c = f.add(id);
    c.setCaption(QString::fromLatin1(caption));
    return c;
}

Control& label(Form& f, const ControlArrayId& id, const char* caption, int index) {
    Control& c = f.add(id, index);
    c.setCaption(QString::fromLatin1(caption));
    return c;
}

} // namespace

void declareEditorForm(Form& f) {
    using namespace editor;
    using namespace ctl::editor;
    f.setCaption(QStringLiteral("Editor "));
    f.setModal(false);

    const struct {
        ControlId id;
        const char* caption;
    } menu[] = {
        {mnuFile, "File "},
        {LoadDAT, "&Load Stops Table  File  (*.dat)"},
        {SaveDAT, "&Save Current Stops Table on  *.DAT file"},
        {Line1, "-"},
        {Enable, "&ENABLE current Stops Table on VORLO2000"},
        {Line2, "-"},
        {Uscita_abort, "Exit Editor "},
    };
    for (const auto& m : menu)
        label(f, m.id, m.caption);

    f.addArray(LabelNomeprog);

    // The tab control: its items are the tab captions, its value the tab shown.
    Control& tabs = f.add(SSTab1);
    for (const char* caption :
         {"Fondi ", "Mutazioni", "&Ancie/Archi  Pedale", "Global Settings", "Panel  Size"})
        tabs.addItem(QString::fromLatin1(caption));
    tabs.setValue(0);

    const char* groupNames[4] = {"Principali e Flauti", "        Mutazioni",
                                 "            Ance / Archi", "                 Pedale"};
    for (int i = 0; i < 4; ++i)
        label(f, Text_NomiCorpi, groupNames[i], i);

    // "Fondi "
    label(f, LabelFondi, "FONDI (Checking stop enables Part 10 Sine-wave Stop Reinforcement)");
    f.addArray(TextFondi);
    f.addArray(Rinforzabile);
    // "Mutazioni"
    f.addArray(TextMutaz);
    // "&Ancie/Archi  Pedale"
    label(f, LabelAncie,
          "ANCE ARCHI         (Checking stop enables Part 10 Sine-wave Stop Reinforcement)");
    f.addArray(TextAncie);
    f.addArray(TextPedale);

    // "Global Settings"
    label(f, FrameGlobal, "Global Settings Sysexes");
    const char* columns[5] = {"Global Reset", "Temperaments", "Reverb", "Rinforzi e Tremoli",
                              "Annullatori (Fixed Texts)"};
    for (int i = 0; i < 5; ++i)
        label(f, LabelGlobal, columns[i], i);
    for (int i = 0; i < 4; ++i)
        f.add(LabelReset, i).setCaption(QStringLiteral("Reset %1").arg(i));
    f.addArray(TextGlobal);
    // The mute and restore texts are fixed: no save keeps an edit of them.
    for (int i = kGlobalMessages; i < kGlobals; ++i) {
        Control& fixed = f(TextGlobal, i);
        fixed.setCaption(QString::fromLatin1(kFixedTexts[i - kGlobalMessages]));
        fixed.setReadOnly(true);
    }

    // "Panel  Size"
    label(f, Resize_frame, "");
    f.add(Slidersize).setRange(8, 16, 1, 2);
    f.add(LabelSize);
    label(f, LabelResize,
          "Vorlo Size :  it can be adjusted from 80% to 160% of orginal Size; Standard Size "
          "(100%)  is  a  640x480  for Small Font  or 800x600 for Large Font Window "
          "Environment.");
    label(f, Redraw, "Redraw Vorlo  (Not Graphic Interface)  Now!");
    label(f, LabelResizeNote, "           Available for no-graphic panel only : Vorlo Resize ");

    // Outside the tabs.
    label(f, LabelSyxIndex, "Sysex Index :");
    f.add(Syx_index);
    label(f, LabelSyxLength, "Sysex length :");
    f.add(Syx_lenght);
    label(f, LabelLegend, "Empty", 0).setBackColor(color::White);
    label(f, LabelLegend, "Full ", 1).setBackColor(color::LightGrey);
    label(f, LabelLegend, "Loaded now", 2).setBackColor(color::Yellow);
    label(f, LabelLegend, "Not F0..F7 data", 3).setBackColor(color::NotSendable);
    f(LabelLegend, 3)
        .setToolTip(QStringLiteral("The entry holds bytes that are not complete F0 ... F7 "
                                   "system-exclusive messages: the console will not send it"));
    label(f, CommandName, "Loading Syx File Name ENABLED")
        .setToolTip(QStringLiteral(
            "If Lighted ,loading sysex Current Stop name will be overwritten  with Syx File "
            "Name!"));
    f(CommandName).setBackColor(color::ButtonFace);
    f.add(File_label).setToolTip(QStringLiteral("Current configuration DAT File, name & Path "));
}

} // namespace vorlo
