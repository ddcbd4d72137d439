#include "FileMenu.h"

#include "ConsoleForms.h"
#include "ConsoleState.h"
#include "Dialogs.h"
#include "MainWindowControls.h"
#include "MemoryFile.h"
#include "PanelState.h"

namespace vorlo {

FileMenu::FileMenu(ConsoleState& state, PanelState& panel, Dialogs& dialogs, MemoryFile& file)
    : state_(state), dialogs_(dialogs), file_(file) {
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

} // namespace vorlo
