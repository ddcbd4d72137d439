#pragma once

#include "FormDialog.h"

class QGridLayout;
class QMenuBar;

namespace vorlo {

class EditorTabs;

// The stops table editor: a menu bar with the window's File menu, the five tabs of stop names,
// reinforcement boxes, global messages and panel size, and under them the selected entry, the
// colour legend, the file-name option and the table's file. Modeless: the console keeps
// playing while it is open.
class EditorWindow : public FormDialog {
    Q_OBJECT
public:
    EditorWindow(Console& console, Form& form, QWidget* parent = nullptr);

    QMenuBar* menuBar() const { return menuBar_; }
    EditorTabs* tabs() const { return tabs_; }

private:
    void buildMenu();
    QWidget* fondiTab();
    QWidget* mutazioniTab();
    QWidget* ancieTab();
    QWidget* globalTab();
    QWidget* sizeTab();
    QLayout* statusRows();
    // A column of fields (and their check boxes) into a grid, ten to a column.
    void addFields(QGridLayout* grid, const ControlArrayId& fields, int firstRow, int firstColumn,
                   int firstCheck = -1);
    QWidget* page(QLayout* content, int titleIndex);

    QMenuBar* menuBar_ = nullptr;
    EditorTabs* tabs_ = nullptr;
};

} // namespace vorlo
