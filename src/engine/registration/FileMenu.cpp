#include "FileMenu.h"

#include "AdvancedWindowControls.h"
#include "ConsoleForms.h"
#include "ConsoleState.h"
#include "Dialogs.h"
#include "MainWindowControls.h"
#include "MemoryFile.h"
#include "PanelState.h"

namespace vorlo {

FileMenu::FileMenu(ConsoleState& state, PanelState& panel, Dialogs& dialogs, MemoryFile& file)
    : state_(state), advanced_(panel.form(ctl::advanced::Window)), dialogs_(dialogs), file_(file) {
    Form& main = panel.form(ctl::main::Window);
    main(ctl::main::savefile).onClick = [this] { savefile_Click(); };
    main(ctl::main::LoadFile).onClick = [this] { Loadfile_Click(); };
}

void FileMenu::savefile_Click() {
    QString fileName;
    if (file_.Dialogo_Salva(QStringLiteral("Save memories in file"), QStringLiteral(".sqs"),
                            fileName) != 0)
        return;
    file_.saveMemories(fileName);
}

void FileMenu::Loadfile_Click() {
    if (state_.FreeMemoriesUnsaved &&
        !dialogs_.askYesNo(
            QStringLiteral("Free memories unsaved: loading will erase them. Continue anyway ?"),
            QStringLiteral("Warning")))
        return;
    QString fileName;
    if (file_.Dialogo_Apri(QStringLiteral("Load memories from file"), QStringLiteral(".sqs"),
                           fileName) != 0)
        return;
    file_.loadMemories(fileName);
}

void FileMenu::memoryFileSettingsShown() {
    const ConsoleState& st = state_;
    Form& adv = advanced_;
    adv(ctl::advanced::Temperamenti).setListIndex(st.Temperament);
    adv(ctl::advanced::NotaInizTemp).setListIndex(st.TemperamentStart);
    adv(ctl::advanced::Riverberi).setListIndex(st.ReverbType);
    adv(ctl::advanced::TremoloType).setListIndex(st.TremoloType);
}

} // namespace vorlo
