#pragma once

#include "ConsoleForms.h"
#include "ControlId.h"

// The controls of the main window, the console panel, each named once with its kind, in the order
// the window declares them.
namespace vorlo::ctl::main {

inline constexpr FormId Window{forms::Main};

inline constexpr ControlId mnuFile{"mnuFile", ControlKind::Menu};
inline constexpr ControlId LoadFile{"LoadFile", ControlKind::MenuItem};
inline constexpr ControlId savefile{"savefile", ControlKind::MenuItem};
inline constexpr ControlId Line0{"Line0", ControlKind::MenuItem};
inline constexpr ControlId EnableCFG{"EnableCFG", ControlKind::CheckMenuItem};
inline constexpr ControlId Line1{"Line1", ControlKind::MenuItem};
inline constexpr ControlId SaveFIXED{"SaveFIXED", ControlKind::MenuItem};
inline constexpr ControlId RecordMenu{"RecordMenu", ControlKind::MenuItem};
inline constexpr ControlId Line2{"Line2", ControlKind::MenuItem};
inline constexpr ControlId Exit{"Exit", ControlKind::MenuItem};
inline constexpr ControlId mnuSetup{"mnuSetup", ControlKind::Menu};
inline constexpr ControlId SetMidi{"SetMidi", ControlKind::MenuItem};
inline constexpr ControlId SetSound{"SetSound", ControlKind::MenuItem};
inline constexpr ControlId MidiTHRU{"MidiTHRU", ControlKind::MenuItem};
inline constexpr ControlId SetFont{"SetFont", ControlKind::MenuItem};
inline constexpr ControlId line7{"line7", ControlKind::MenuItem};
inline constexpr ControlId Graphmode{"Graphmode", ControlKind::CheckMenuItem};
inline constexpr ControlId Line3{"Line3", ControlKind::MenuItem};
inline constexpr ControlId LoadEditor{"LoadEditor", ControlKind::MenuItem};
inline constexpr ControlId line4{"line4", ControlKind::MenuItem};
inline constexpr ControlId DisplayLeds{"DisplayLeds", ControlKind::CheckMenuItem};
inline constexpr ControlId OnScreenKbd{"OnScreenKbd", ControlKind::MenuItem};
inline constexpr ControlId mnuHelp{"mnuHelp", ControlKind::Menu};
inline constexpr ControlId Help1{"Help1", ControlKind::MenuItem};
inline constexpr ControlId totRec{"totRec", ControlKind::MenuItem};
inline constexpr ControlId About{"About", ControlKind::MenuItem};
inline constexpr ControlId advanced_s{"advanced_s", ControlKind::Menu};
inline constexpr ControlArrayId Panel_nograph{"Panel_nograph", ControlKind::Frame, 0, 0};
inline constexpr ControlId Sfondo{"Sfondo", ControlKind::Picture};
inline constexpr ControlArrayId LabelCorpiOrgano{"LabelCorpiOrgano", ControlKind::Label, 0, 3};
inline constexpr ControlArrayId NomeFondi{"NomeFondi", ControlKind::Label, 0, 29};
inline constexpr ControlArrayId PergamenaF{"PergamenaF", ControlKind::Picture, 0, 29};
inline constexpr ControlArrayId Scritta_Fondi{"Scritta_Fondi", ControlKind::Label, 0, 29};
inline constexpr ControlArrayId Tir_FO_GO_graph{"Tir_FO_GO_graph", ControlKind::Picture, 0, 29};
inline constexpr ControlArrayId Tir_FO_SW_graph{"Tir_FO_SW_graph", ControlKind::Picture, 0, 29};
inline constexpr ControlArrayId Tir_FO_GO{"Tir_FO_GO", ControlKind::Label, 0, 29};
inline constexpr ControlArrayId Tir_FO_SW{"Tir_FO_SW", ControlKind::Label, 0, 29};
inline constexpr ControlArrayId NomeMutaz{"NomeMutaz", ControlKind::Label, 0, 19};
inline constexpr ControlArrayId PergamenaM{"PergamenaM", ControlKind::Picture, 0, 19};
inline constexpr ControlArrayId Scritta_Mutaz{"Scritta_Mutaz", ControlKind::Label, 0, 19};
inline constexpr ControlArrayId Tir_MU_GO_graph{"Tir_MU_GO_graph", ControlKind::Picture, 0, 19};
inline constexpr ControlArrayId Tir_MU_SW_graph{"Tir_MU_SW_graph", ControlKind::Picture, 0, 19};
inline constexpr ControlArrayId Tir_MU_GO{"Tir_MU_GO", ControlKind::Label, 0, 19};
inline constexpr ControlArrayId Tir_MU_SW{"Tir_MU_SW", ControlKind::Label, 0, 19};
inline constexpr ControlArrayId NomeAnce{"NomeAnce", ControlKind::Label, 0, 19};
inline constexpr ControlArrayId PergamenaA{"PergamenaA", ControlKind::Picture, 0, 19};
inline constexpr ControlArrayId Scritta_Ancie{"Scritta_Ancie", ControlKind::Label, 0, 19};
inline constexpr ControlArrayId Tir_AN_GO_graph{"Tir_AN_GO_graph", ControlKind::Picture, 0, 19};
inline constexpr ControlArrayId Tir_AN_SW_graph{"Tir_AN_SW_graph", ControlKind::Picture, 0, 19};
inline constexpr ControlArrayId Tir_AN_GO{"Tir_AN_GO", ControlKind::Label, 0, 19};
inline constexpr ControlArrayId Tir_AN_SW{"Tir_AN_SW", ControlKind::Label, 0, 19};
inline constexpr ControlArrayId NomePedale{"NomePedale", ControlKind::Label, 0, 19};
inline constexpr ControlArrayId PergamenaP{"PergamenaP", ControlKind::Picture, 0, 19};
inline constexpr ControlArrayId Scritta_Pedale{"Scritta_Pedale", ControlKind::Label, 0, 19};
inline constexpr ControlArrayId Tir_PED_graph{"Tir_PED_graph", ControlKind::Picture, 0, 19};
inline constexpr ControlId UN_GOSW{"UN_GOSW", ControlKind::Button};
inline constexpr ControlId UN_SWGO{"UN_SWGO", ControlKind::Button};
inline constexpr ControlId UNPI{"UNPI", ControlKind::Button};
inline constexpr ControlId UNPII{"UNPII", ControlKind::Button};
inline constexpr ControlId Tir_TREMOLOGO{"Tir_TREMOLOGO", ControlKind::Button};
inline constexpr ControlId TIR_TREMOLOSW{"TIR_TREMOLOSW", ControlKind::Button};
inline constexpr ControlId Subottava{"Subottava", ControlKind::Button};
inline constexpr ControlId THRUBUTTON{"THRUBUTTON", ControlKind::Button};
inline constexpr ControlId RESET{"RESET", ControlKind::Button};
inline constexpr ControlId CancelALL{"CancelALL", ControlKind::Button};
inline constexpr ControlId Panic{"Panic", ControlKind::Button};
inline constexpr ControlId CLEAR{"CLEAR", ControlKind::Button};
inline constexpr ControlId Rec_button{"Rec_button", ControlKind::Button};
inline constexpr ControlId LabelMode{"LabelMode", ControlKind::Button};
inline constexpr ControlArrayId Button_Annullatori_go{"Button_Annullatori_go", ControlKind::Button,
                                                      0, 2};
inline constexpr ControlArrayId Button_Annullatori_sw{"Button_Annullatori_sw", ControlKind::Button,
                                                      0, 2};
inline constexpr ControlArrayId TempMemButton{"TempMemButton", ControlKind::Button, 0, 1};
inline constexpr ControlArrayId LoadBuffer{"LoadBuffer", ControlKind::Button, 0, 1};
inline constexpr ControlArrayId C_memory{"C_memory", ControlKind::Label, 1, 12};
inline constexpr ControlArrayId Graduatore{"Graduatore", ControlKind::Label, 1, 12};
inline constexpr ControlArrayId LedFree{"LedFree", ControlKind::Picture, 1, 12};
inline constexpr ControlArrayId LedFix{"LedFix", ControlKind::Picture, 1, 12};
inline constexpr ControlArrayId Numerino_Led{"Numerino_Led", ControlKind::Label, 1, 24};
// The memory banks and the memory sequence.
inline constexpr ControlId BankDown{"BankDown", ControlKind::Button};
inline constexpr ControlId BankShown{"BankShown", ControlKind::Label};
inline constexpr ControlId BankUp{"BankUp", ControlKind::Button};
inline constexpr ControlId SequencePrevious{"SequencePrevious", ControlKind::Button};
inline constexpr ControlId SequenceNext{"SequenceNext", ControlKind::Button};
// The crescendo pedal's stage.
inline constexpr ControlId CrescendoDown{"CrescendoDown", ControlKind::Button};
inline constexpr ControlId CrescendoShown{"CrescendoShown", ControlKind::Label};
inline constexpr ControlId CrescendoUp{"CrescendoUp", ControlKind::Button};
inline constexpr ControlId CrescendoStore{"CrescendoStore", ControlKind::Button};
// The transposer: a semitone down, the transposition shown, a semitone up.
inline constexpr ControlId TransposeDown{"TransposeDown", ControlKind::Button};
inline constexpr ControlId TransposeShown{"TransposeShown", ControlKind::Label};
inline constexpr ControlId TransposeUp{"TransposeUp", ControlKind::Button};
// Undo and redo of the registration.
inline constexpr ControlId UndoButton{"UndoButton", ControlKind::Button};
inline constexpr ControlId RedoButton{"RedoButton", ControlKind::Button};

} // namespace vorlo::ctl::main
