#pragma once

#include "MidiBackend.h"
#include "VirtualMidiWatch.h"

#include <QByteArray>
#include <QSet>
#include <QString>
#include <QStringList>
#include <functional>
#include <mutex>
#include <vector>

namespace vorlo {

class VirtualMidiInput;
class VirtualMidiOutput;

// An in-process MIDI system for tests and benchmarks: named devices, devices that fail to open
// or vanish on demand, input played from any thread, and a record of everything sent.
class VirtualMidiBackend : public MidiBackend {
public:
    VirtualMidiBackend(QStringList inputDevices = {}, QStringList outputDevices = {});
    ~VirtualMidiBackend() override;

    std::unique_ptr<MidiInputPort> createInput() override;
    std::unique_ptr<MidiOutputPort> createOutput() override;
    // Tells of every change made to the device lists below.
    MidiSystemWatch* watch() override { return &watch_; }

    QStringList inputDevices() const;
    QStringList outputDevices() const;
    void setInputDevices(const QStringList& names);
    void setOutputDevices(const QStringList& names);
    // The device will refuse (or accept again) to open.
    void setOpenFails(const QString& device, bool fails);
    // The device sits behind a MIDI cable (or no longer does): the console paces what it sends
    // there. In-process devices have none unless a test gives them one.
    void setWired(const QString& device, bool wired);
    bool isWired(const QString& device) const;
    // The device disappears: ports open on it report an error and close.
    void removeDevice(const QString& device);
    // The whole system stops (every open port loses its device, no device is listed) or starts
    // again with the lists it had.
    void stopSystem();
    void startSystem();

    // Plays one message into every open input port on that device. Callable from any thread.
    void play(const QString& inputDevice, const QByteArray& bytes);
    void play(const QString& inputDevice, std::initializer_list<uint8_t> bytes);

    // Everything sent by open output ports, in order.
    struct Sent {
        QString device;
        QByteArray bytes;
        bool sysex = false;
    };
    std::vector<Sent> sent() const;
    // The sent messages as upper-case hex ("90 3C 64"), interleaved with the lines added by
    // note() (waits, markers); the log is emptied.
    QStringList takeLog();
    void note(const QString& line);
    void clearLog();
    // When false, output ports count messages instead of recording them.
    void setRecording(bool on);
    size_t sentCount() const;
    // Told of every message an output port sends (on the sending thread).
    std::function<void(const uint8_t* bytes, size_t size)> sink;

    static QString hex(const QByteArray& bytes);

private:
    friend class VirtualMidiInput;
    friend class VirtualMidiOutput;

    void registerInput(VirtualMidiInput* p);
    void unregisterInput(VirtualMidiInput* p);
    void registerOutput(VirtualMidiOutput* p);
    void unregisterOutput(VirtualMidiOutput* p);
    bool opens(const QString& device) const;
    void recordSent(const QString& device, const uint8_t* bytes, size_t size, bool sysex);

    mutable std::recursive_mutex mutex_;
    QStringList inputs_;
    QStringList outputs_;
    QSet<QString> failing_;
    QSet<QString> wired_;
    std::vector<VirtualMidiInput*> inputPorts_;
    std::vector<VirtualMidiOutput*> outputPorts_;
    std::vector<Sent> sent_;
    QStringList log_;
    bool recording_ = true;
    size_t sentCount_ = 0;
    // The lists while the system is stopped.
    QStringList stoppedInputs_;
    QStringList stoppedOutputs_;
    VirtualMidiWatch watch_;
};

} // namespace vorlo
