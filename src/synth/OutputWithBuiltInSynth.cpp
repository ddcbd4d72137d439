#include "OutputWithBuiltInSynth.h"

#include "MidiPortError.h"

namespace vorlo {

OutputWithBuiltInSynth::OutputWithBuiltInSynth(std::unique_ptr<MidiOutputPort> real,
                                               std::unique_ptr<MidiOutputPort> builtIn,
                                               QObject* parent)
    : MidiOutputPort(parent), real_(std::move(real)), builtIn_(std::move(builtIn)),
      selected_(real_.get()) {
    connect(real_.get(), &MidiOutputPort::error, this, &MidiOutputPort::error);
    connect(real_.get(), &MidiOutputPort::deviceLost, this, &MidiOutputPort::deviceLost);
    connect(builtIn_.get(), &MidiOutputPort::error, this, &MidiOutputPort::error);
}

OutputWithBuiltInSynth::~OutputWithBuiltInSynth() {
    close();
}

int OutputWithBuiltInSynth::deviceCount() {
    realCount_ = real_->deviceCount();
    return realCount_ + 1;
}

int OutputWithBuiltInSynth::builtInDeviceIndex() {
    if (realCount_ < 0)
        deviceCount();
    return realCount_;
}

QString OutputWithBuiltInSynth::deviceName(int index) {
    if (index == builtInDeviceIndex())
        return builtIn_->deviceName(0);
    return real_->deviceName(index);
}

void OutputWithBuiltInSynth::selectDevice(int index) {
    if (index == builtInDeviceIndex()) {
        builtIn_->selectDevice(0);
        selected_ = builtIn_.get();
    } else {
        real_->selectDevice(index);
        selected_ = real_.get();
    }
}

void OutputWithBuiltInSynth::open() {
    if (open_ && open_ != selected_)
        close();
    selected_->open();
    open_ = selected_;
}

void OutputWithBuiltInSynth::close() {
    if (open_)
        open_->close();
    open_ = nullptr;
}

bool OutputWithBuiltInSynth::isOpen() const {
    return open_ && open_->isOpen();
}

void OutputWithBuiltInSynth::sendShort(uint8_t status, uint8_t data1, uint8_t data2) {
    if (open_)
        open_->sendShort(status, data1, data2);
}

void OutputWithBuiltInSynth::sendSysex(const QByteArray& bytes) {
    if (open_)
        open_->sendSysex(bytes);
}

} // namespace vorlo
