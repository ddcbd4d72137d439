#include "ControlKinds.h"

#include "panel/ConsoleForms.h"
#include "panel/Form.h"

#include <QSet>

namespace vorlo {
namespace {

bool isMainForm(const Form& form) {
    return form.name() == QLatin1String(forms::Main);
}

const QSet<QString>& mainMenuItems() {
    static const QSet<QString> names = {
        QStringLiteral("mnuFile"),     QStringLiteral("LoadFile"),   QStringLiteral("savefile"),
        QStringLiteral("Line0"),       QStringLiteral("EnableCFG"),  QStringLiteral("Line1"),
        QStringLiteral("SaveFIXED"),   QStringLiteral("Line2"),      QStringLiteral("Exit"),
        QStringLiteral("mnuSetup"),    QStringLiteral("SetMidi"),    QStringLiteral("MidiTHRU"),
        QStringLiteral("SetFont"),     QStringLiteral("line7"),      QStringLiteral("Graphmode"),
        QStringLiteral("Line3"),       QStringLiteral("LoadEditor"), QStringLiteral("line4"),
        QStringLiteral("DisplayLeds"), QStringLiteral("mnuHelp"),    QStringLiteral("Help1"),
        QStringLiteral("totRec"),      QStringLiteral("About"),      QStringLiteral("advanced_s"),
    };
    return names;
}

const QSet<QString>& mainButtons() {
    static const QSet<QString> names = {
        QStringLiteral("UN_GOSW"),
        QStringLiteral("UN_SWGO"),
        QStringLiteral("UNPI"),
        QStringLiteral("UNPII"),
        QStringLiteral("Tir_TREMOLOGO"),
        QStringLiteral("TIR_TREMOLOSW"),
        QStringLiteral("Subottava"),
        QStringLiteral("THRUBUTTON"),
        QStringLiteral("RESET"),
        QStringLiteral("CancelALL"),
        QStringLiteral("Panic"),
        QStringLiteral("CLEAR"),
        QStringLiteral("Rec_button"),
        QStringLiteral("LabelMode"),
        QStringLiteral("Button_Annullatori_go"),
        QStringLiteral("Button_Annullatori_sw"),
        QStringLiteral("TempMemButton"),
        QStringLiteral("LoadBuffer"),
    };
    return names;
}

const QSet<QString>& mainPictures() {
    static const QSet<QString> names = {
        QStringLiteral("Sfondo"),          QStringLiteral("PergamenaF"),
        QStringLiteral("PergamenaM"),      QStringLiteral("PergamenaA"),
        QStringLiteral("PergamenaP"),      QStringLiteral("Tir_FO_GO_graph"),
        QStringLiteral("Tir_FO_SW_graph"), QStringLiteral("Tir_MU_GO_graph"),
        QStringLiteral("Tir_MU_SW_graph"), QStringLiteral("Tir_AN_GO_graph"),
        QStringLiteral("Tir_AN_SW_graph"), QStringLiteral("Tir_PED_graph"),
        QStringLiteral("LedFree"),         QStringLiteral("LedFix"),
    };
    return names;
}

// The standard panel's stop grid lives on its frame.
const QSet<QString>& standardGrid() {
    static const QSet<QString> names = {
        QStringLiteral("NomeFondi"),  QStringLiteral("NomeMutaz"), QStringLiteral("NomeAnce"),
        QStringLiteral("NomePedale"), QStringLiteral("Tir_FO_GO"), QStringLiteral("Tir_FO_SW"),
        QStringLiteral("Tir_MU_GO"),  QStringLiteral("Tir_MU_SW"), QStringLiteral("Tir_AN_GO"),
        QStringLiteral("Tir_AN_SW"),
    };
    return names;
}

const QSet<QString>& centredMainLabels() {
    static const QSet<QString> names = {
        QStringLiteral("LabelCorpiOrgano"), QStringLiteral("Scritta_Fondi"),
        QStringLiteral("Scritta_Mutaz"),    QStringLiteral("Scritta_Ancie"),
        QStringLiteral("Scritta_Pedale"),   QStringLiteral("Numerino_Led"),
        QStringLiteral("C_memory"),         QStringLiteral("Graduatore"),
    };
    return names;
}

const QSet<QString>& comboBoxes() {
    static const QSet<QString> names = {
        QStringLiteral("Temperamenti"),
        QStringLiteral("NotaInizTemp"),
        QStringLiteral("Riverberi"),
        QStringLiteral("TremoloType"),
    };
    return names;
}

bool startsWith(const QString& name, const char* prefix) {
    return name.startsWith(QLatin1String(prefix), Qt::CaseInsensitive);
}

} // namespace

ControlKind ControlKinds::kindOf(const Form& form, const Control& c) {
    const QString& n = c.name();
    if (isMainForm(form)) {
        if (mainMenuItems().contains(n))
            return ControlKind::MenuItem;
        if (n == QLatin1String("Panel_nograph"))
            return ControlKind::Frame;
        if (mainButtons().contains(n))
            return ControlKind::Button;
        if (mainPictures().contains(n))
            return ControlKind::Picture;
        return ControlKind::Label;
    }
    // The secondary windows: their controls follow the console's naming habits.
    if (c.onOptionChosen || startsWith(n, "Option") || startsWith(n, "Thru_choose"))
        return ControlKind::OptionButton;
    if (startsWith(n, "VScroll") || startsWith(n, "HScroll"))
        return ControlKind::ScrollBar;
    if (startsWith(n, "Slider"))
        return ControlKind::Slider;
    if (startsWith(n, "Check") || n == QLatin1String("Memory_Recall") ||
        n == QLatin1String("Rinforzabile"))
        return ControlKind::CheckBox;
    if (startsWith(n, "Command") || startsWith(n, "Button") || n == QLatin1String("Redraw"))
        return ControlKind::Button;
    if (startsWith(n, "Frame") || n.endsWith(QLatin1String("_frame"), Qt::CaseInsensitive))
        return ControlKind::Frame;
    if (startsWith(n, "Image") || startsWith(n, "Picture"))
        return ControlKind::Picture;
    if (startsWith(n, "txt") || startsWith(n, "Text"))
        return ControlKind::TextBox;
    if (startsWith(n, "lst") || startsWith(n, "List"))
        return ControlKind::ListBox;
    if (n.endsWith(QLatin1String("Combo"), Qt::CaseInsensitive) || startsWith(n, "Combo") ||
        comboBoxes().contains(n) || !c.items().isEmpty())
        return ControlKind::ComboBox;
    return ControlKind::Label;
}

Qt::Alignment ControlKinds::alignmentOf(const Form& form, const Control& c) {
    if (isMainForm(form) && centredMainLabels().contains(c.name()))
        return Qt::AlignHCenter | Qt::AlignVCenter;
    // "Great" and "Swell" sit at the foot of the stop cell, under the stop's name.
    if (isMainForm(form) && standardGrid().contains(c.name()) &&
        c.name().startsWith(QLatin1String("Tir_")))
        return Qt::AlignLeft | Qt::AlignBottom;
    return Qt::AlignLeft | Qt::AlignTop;
}

QString ControlKinds::containerOf(const Form& form, const Control& c) {
    if (isMainForm(form) && standardGrid().contains(c.name()))
        return QStringLiteral("Panel_nograph(0)");
    return {};
}

bool ControlKinds::isCheckableMenuItem(const Control& c) {
    return c.name() == QLatin1String("EnableCFG") || c.name() == QLatin1String("Graphmode") ||
           c.name() == QLatin1String("DisplayLeds");
}

bool ControlKinds::isTopLevelMenu(const Control& c) {
    return c.name() == QLatin1String("mnuFile") || c.name() == QLatin1String("mnuSetup") ||
           c.name() == QLatin1String("mnuHelp") || c.name() == QLatin1String("advanced_s");
}

} // namespace vorlo
