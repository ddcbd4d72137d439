#pragma once

#include <QObject>
#include <QString>
#include <QTimer>
#include <cstddef>

namespace vorlo {

class PacedOutputPort;

// What the console still has on its way to the module: while a reset or a registration waits
// for the MIDI cable (the output paced at the wire speed), how much of it has gone and about how
// long the rest takes; nothing once all is sent. Read from the output on a timer, so neither the
// sending nor the note path knows of it.
class SendProgress : public QObject {
    Q_OBJECT
public:
    // How often the output's queue is looked at.
    static constexpr int kLookMs = 100;

    explicit SendProgress(const PacedOutputPort& output);

    // True while console messages wait for the cable.
    bool isSending() const { return total_ > 0; }
    // What has gone of what waited since the sending began, 0..100.
    int percent() const;
    // "Sending to the module: 1,234 bytes, about 0.4 s left"; empty when nothing waits.
    QString text() const;

signals:
    // The sending began, moved on or ended.
    void changed();

private:
    void look();

    const PacedOutputPort& output_;
    // The most bytes that waited at once since the sending began (0: nothing waits).
    size_t total_ = 0;
    size_t waiting_ = 0;
    QTimer timer_;
};

} // namespace vorlo
