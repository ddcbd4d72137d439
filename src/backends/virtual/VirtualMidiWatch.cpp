#include "VirtualMidiWatch.h"

namespace vorlo {

QString VirtualMidiWatch::howChangesAreSeen() const {
    return QStringLiteral("notices of the in-process MIDI system");
}

void VirtualMidiWatch::listsChanged() {
    if (pending_)
        return;
    pending_ = true;
    QMetaObject::invokeMethod(
        this,
        [this] {
            pending_ = false;
            if (running_)
                emit devicesChanged();
        },
        Qt::QueuedConnection);
}

void VirtualMidiWatch::setRunning(bool running) {
    if (running == running_)
        return;
    running_ = running;
    if (running)
        emit systemBack();
    else
        emit systemLost();
}

} // namespace vorlo
