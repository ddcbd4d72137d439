#include "VirtualMidiBackend.h"

#include "VirtualMidiInput.h"
#include "VirtualMidiOutput.h"

namespace vorlo {

VirtualMidiBackend::VirtualMidiBackend(QStringList inputDevices, QStringList outputDevices)
    : inputs_(std::move(inputDevices)), outputs_(std::move(outputDevices)) {}

VirtualMidiBackend::~VirtualMidiBackend() {
    std::lock_guard lock(mutex_);
    for (auto* p : inputPorts_)
        p->detach();
    for (auto* p : outputPorts_)
        p->detach();
}

std::unique_ptr<MidiInputPort> VirtualMidiBackend::createInput() {
    return std::make_unique<VirtualMidiInput>(*this);
}

std::unique_ptr<MidiOutputPort> VirtualMidiBackend::createOutput() {
    return std::make_unique<VirtualMidiOutput>(*this);
}

QStringList VirtualMidiBackend::inputDevices() const {
    std::lock_guard lock(mutex_);
    return inputs_;
}

QStringList VirtualMidiBackend::outputDevices() const {
    std::lock_guard lock(mutex_);
    return outputs_;
}

void VirtualMidiBackend::setInputDevices(const QStringList& names) {
    {
        std::lock_guard lock(mutex_);
        inputs_ = names;
    }
    watch_.listsChanged();
}

void VirtualMidiBackend::setOutputDevices(const QStringList& names) {
    {
        std::lock_guard lock(mutex_);
        outputs_ = names;
    }
    watch_.listsChanged();
}

void VirtualMidiBackend::setWired(const QString& device, bool wired) {
    std::lock_guard lock(mutex_);
    if (wired)
        wired_.insert(device);
    else
        wired_.remove(device);
}

bool VirtualMidiBackend::isWired(const QString& device) const {
    std::lock_guard lock(mutex_);
    return wired_.contains(device);
}

void VirtualMidiBackend::setOpenFails(const QString& device, bool fails) {
    std::lock_guard lock(mutex_);
    if (fails)
        failing_.insert(device);
    else
        failing_.remove(device);
}

bool VirtualMidiBackend::opens(const QString& device) const {
    std::lock_guard lock(mutex_);
    return !failing_.contains(device);
}

void VirtualMidiBackend::removeDevice(const QString& device) {
    std::vector<VirtualMidiInput*> ins;
    std::vector<VirtualMidiOutput*> outs;
    {
        std::lock_guard lock(mutex_);
        inputs_.removeAll(device);
        outputs_.removeAll(device);
        ins = inputPorts_;
        outs = outputPorts_;
    }
    for (auto* p : ins)
        p->deviceVanished(device);
    for (auto* p : outs)
        p->deviceVanished(device);
    watch_.listsChanged();
}

void VirtualMidiBackend::stopSystem() {
    if (!watch_.systemAvailable())
        return;
    const QStringList ins = inputDevices();
    const QStringList outs = outputDevices();
    for (const QString& d : ins + outs)
        removeDevice(d);
    stoppedInputs_ = ins;
    stoppedOutputs_ = outs;
    watch_.setRunning(false);
}

void VirtualMidiBackend::startSystem() {
    if (watch_.systemAvailable())
        return;
    {
        std::lock_guard lock(mutex_);
        inputs_ = stoppedInputs_;
        outputs_ = stoppedOutputs_;
    }
    watch_.setRunning(true);
}

void VirtualMidiBackend::play(const QString& inputDevice, const QByteArray& bytes) {
    std::lock_guard lock(mutex_);
    for (auto* p : inputPorts_) {
        if (p->isOpenOn(inputDevice))
            p->receive(reinterpret_cast<const uint8_t*>(bytes.constData()),
                       static_cast<size_t>(bytes.size()));
    }
}

void VirtualMidiBackend::play(const QString& inputDevice, std::initializer_list<uint8_t> bytes) {
    std::lock_guard lock(mutex_);
    for (auto* p : inputPorts_) {
        if (p->isOpenOn(inputDevice))
            p->receive(bytes.begin(), bytes.size());
    }
}

void VirtualMidiBackend::recordSent(const QString& device, const uint8_t* bytes, size_t size,
                                    bool sysex) {
    if (sink)
        sink(bytes, size);
    std::lock_guard lock(mutex_);
    ++sentCount_;
    if (!recording_)
        return;
    QByteArray b(reinterpret_cast<const char*>(bytes), static_cast<qsizetype>(size));
    log_.append(hex(b));
    sent_.push_back({device, std::move(b), sysex});
}

std::vector<VirtualMidiBackend::Sent> VirtualMidiBackend::sent() const {
    std::lock_guard lock(mutex_);
    return sent_;
}

QStringList VirtualMidiBackend::takeLog() {
    std::lock_guard lock(mutex_);
    QStringList out;
    out.swap(log_);
    return out;
}

void VirtualMidiBackend::note(const QString& line) {
    std::lock_guard lock(mutex_);
    log_.append(line);
}

void VirtualMidiBackend::clearLog() {
    std::lock_guard lock(mutex_);
    log_.clear();
    sent_.clear();
}

void VirtualMidiBackend::setRecording(bool on) {
    std::lock_guard lock(mutex_);
    recording_ = on;
}

size_t VirtualMidiBackend::sentCount() const {
    std::lock_guard lock(mutex_);
    return sentCount_;
}

QString VirtualMidiBackend::hex(const QByteArray& bytes) {
    return QString::fromLatin1(bytes.toHex(' ').toUpper());
}

void VirtualMidiBackend::registerInput(VirtualMidiInput* p) {
    std::lock_guard lock(mutex_);
    inputPorts_.push_back(p);
}

void VirtualMidiBackend::unregisterInput(VirtualMidiInput* p) {
    std::lock_guard lock(mutex_);
    std::erase(inputPorts_, p);
}

void VirtualMidiBackend::registerOutput(VirtualMidiOutput* p) {
    std::lock_guard lock(mutex_);
    outputPorts_.push_back(p);
}

void VirtualMidiBackend::unregisterOutput(VirtualMidiOutput* p) {
    std::lock_guard lock(mutex_);
    std::erase(outputPorts_, p);
}

} // namespace vorlo
