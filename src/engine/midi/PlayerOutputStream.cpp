#include "PlayerOutputStream.h"

#include "PacedOutputPort.h"

namespace vorlo {

int PlayerOutputStream::deviceCount() {
    return paced_.deviceCount();
}

QString PlayerOutputStream::deviceName(int index) {
    return paced_.deviceName(index);
}

void PlayerOutputStream::selectDevice(int index) {
    paced_.selectDevice(index);
}

void PlayerOutputStream::open() {
    paced_.open();
}

void PlayerOutputStream::close() {
    paced_.close();
}

bool PlayerOutputStream::isOpen() const {
    return paced_.isOpen();
}

bool PlayerOutputStream::selectedDeviceHasWire() const {
    return paced_.selectedDeviceHasWire();
}

void PlayerOutputStream::sendShort(uint8_t status, uint8_t data1, uint8_t data2) {
    paced_.sendPlayerShort(status, data1, data2);
}

void PlayerOutputStream::sendSysex(const QByteArray& bytes) {
    paced_.sendPlayerSysex(bytes);
}

} // namespace vorlo
