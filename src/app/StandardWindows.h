#pragma once

namespace vorlo {

class WindowManager;

// The console windows that have a Qt window of their own. Windows not registered here are
// drawn generically.
class StandardWindows {
public:
    static void registerAll(WindowManager& windows);
};

} // namespace vorlo
