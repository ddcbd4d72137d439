#include "ConsoleSlots.h"

namespace vorlo {

void ConsoleSlots::ResetConsoleSlots() {
    sent() = Registration::forceValues();
    live() = Registration::startValues();
}

void ConsoleSlots::initFreeMemories() {
    for (int n = kFirstFree; n <= kLastFree; ++n)
        slot(n) = Registration::startValues();
}

} // namespace vorlo
