#pragma once

#include "FormDialog.h"

#include <initializer_list>

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
    // A group of stop fields: its name field (Text_NomiCorpi, nameIndex) over its fields, ten to
    // a column, each field beside its reinforcement box where the group has boxes.
    struct StopGroup {
        static constexpr int kRows = 10;
        int nameIndex;
        const ControlArrayId* fields;
        int firstCheck = -1; // index of the group's first Rinforzabile box; -1: no boxes
        int count() const { return fields->count(); }
        int span() const { return firstCheck >= 0 ? 2 : 1; }
        // Grid columns the group takes.
        int width() const { return (count() + kRows - 1) / kRows * span(); }
    };

    void buildMenu();
    // A tab of stop groups side by side, under a heading across them all (none: nullptr).
    QWidget* stopsTab(int titleIndex, const ControlId* heading,
                      std::initializer_list<StopGroup> groups);
    QWidget* globalTab();
    QWidget* sizeTab();
    QLayout* statusRows();
    // A group's fields (and boxes) into a grid, from the row and column given.
    void addFields(QGridLayout* grid, const StopGroup& group, int firstRow, int firstColumn);
    QWidget* page(QLayout* content, int titleIndex);

    QMenuBar* menuBar_ = nullptr;
    EditorTabs* tabs_ = nullptr;
};

} // namespace vorlo
