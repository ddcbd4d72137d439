#pragma once

#include "ModuleModel.h"
#include "StopTable.h"

#include <QString>

// The stops table the build wrote into the program folder, read as the console reads it.
class BuiltTable {
public:
    static QString path();
    static const vorlo::StopTable& table();
    // The module after the console's reset messages: GS reset (entry 0) and set-up (1..3).
    static ModuleModel afterReset();
};
