#include "SendProgress.h"

#include "PacedOutputPort.h"

#include <QLocale>
#include <algorithm>

namespace vorlo {
namespace {

// A MIDI byte on the cable: a start bit, eight data bits and a stop bit.
constexpr double kBitsPerByte = 10.0;

} // namespace

SendProgress::SendProgress(const PacedOutputPort& output) : output_(output) {
    timer_.setInterval(kLookMs);
    connect(&timer_, &QTimer::timeout, this, &SendProgress::look);
    timer_.start();
}

int SendProgress::percent() const {
    if (total_ == 0)
        return 100;
    return static_cast<int>(100 * (total_ - std::min(waiting_, total_)) / total_);
}

QString SendProgress::text() const {
    if (total_ == 0)
        return {};
    const int baud = output_.wireSpeed();
    QString s = QStringLiteral("Sending to the module: %1 bytes")
                    .arg(QLocale(QLocale::English).toString(static_cast<qulonglong>(waiting_)));
    if (baud > 0)
        s += QStringLiteral(", about %1 s left")
                 .arg(static_cast<double>(waiting_) * kBitsPerByte / baud, 0, 'f', 1);
    return s;
}

void SendProgress::look() {
    const size_t waiting = output_.queuedBytes();
    if (waiting == waiting_)
        return;
    waiting_ = waiting;
    total_ = waiting == 0 ? 0 : std::max(total_, waiting);
    emit changed();
}

} // namespace vorlo
