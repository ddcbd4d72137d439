#pragma once

#include "ControlKind.h"

#include <stdexcept>

namespace vorlo {

// A console control as its window declares it: the control's name (its objectName) and the
// kind of window control it is. Code names a control through its identifier, so a misspelt
// control does not compile.
struct ControlId {
    const char* name;
    ControlKind kind;
};

// A control array: elements first..last, all of one kind.
struct ControlArrayId {
    const char* name;
    ControlKind kind;
    int first;
    int last;

    constexpr int count() const { return last - first + 1; }
    constexpr bool contains(int index) const { return index >= first && index <= last; }
};

// One control: a single control or one element of a control array, as tables of controls hold
// them. An index outside the array is a fault (in a constant table, a compile error).
struct ControlRef {
    constexpr ControlRef(const ControlId& id) : name(id.name), index(-1) {}
    constexpr ControlRef(const ControlArrayId& id, int i) : name(id.name), index(i) {
        if (!id.contains(i))
            throw std::out_of_range("control array index out of range");
    }

    const char* name;
    int index;
};

// A console window, by its name.
struct FormId {
    const char* name;
};

} // namespace vorlo
