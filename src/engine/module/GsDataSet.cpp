#include "GsDataSet.h"

#include "GsConstants.h"
#include "MidiConstants.h"
#include "RolandChecksum.h"

namespace vorlo {
namespace {

uint8_t at(QByteArrayView m, qsizetype i) {
    return static_cast<uint8_t>(m[i]);
}

} // namespace

QByteArray GsDataSet::make(uint8_t device, GsAddress address, QByteArrayView data) {
    QByteArray body;
    body.reserve(gs::AddressBytes + data.size());
    body.append(static_cast<char>(address.high));
    body.append(static_cast<char>(address.middle));
    body.append(static_cast<char>(address.low));
    body.append(data.data(), data.size());
    return RolandChecksum::dataSet(device, body);
}

QByteArray GsDataSet::make(uint8_t device, GsAddress address, uint8_t value) {
    const char byte = static_cast<char>(value);
    return make(device, address, QByteArrayView(&byte, 1));
}

bool GsDataSet::hasHeader(QByteArrayView m) {
    return m.size() >= gs::ShortestDataSet && at(m, 0) == midi::SysexStart &&
           at(m, 1) == gs::RolandId && at(m, 3) == gs::GsModelId &&
           at(m, 4) == gs::DataSetCommand && at(m, m.size() - 1) == midi::SysexEnd;
}

std::optional<GsDataSet::Fields> GsDataSet::read(QByteArrayView m) {
    if (!hasHeader(m))
        return std::nullopt;
    const qsizetype checksumAt = m.size() - 2;
    for (qsizetype i = gs::AddressAt; i <= checksumAt; ++i) {
        if (at(m, i) > gs::AddressByteMax)
            return std::nullopt;
    }
    if (!RolandChecksum::isValidDataSet(m))
        return std::nullopt;
    Fields f;
    f.device = at(m, gs::DeviceAt);
    f.address = {at(m, gs::AddressAt), at(m, gs::AddressAt + 1), at(m, gs::AddressAt + 2)};
    f.data = m.sliced(gs::DataAt, checksumAt - gs::DataAt);
    return f;
}

void GsDataSet::seal(QByteArray& m) {
    const qsizetype checksumAt = m.size() - 2;
    const QByteArrayView body(m.constData() + gs::HeaderBytes, checksumAt - gs::HeaderBytes);
    m[checksumAt] = static_cast<char>(RolandChecksum::compute(body));
}

} // namespace vorlo
