#include "GsMap.h"

#include "GsAddress.h"
#include "GsDataSet.h"

namespace vorlo::datgen {

QByteArray GsMap::partParameter(uint8_t device, int part, uint8_t parameter, QByteArrayView data) {
    return GsDataSet::make(device, GsAddress::ofPart(part, gs::PartParameterBlock, parameter),
                           data);
}

QByteArray GsMap::partParameter(uint8_t device, int part, uint8_t parameter, uint8_t value) {
    return GsDataSet::make(device, GsAddress::ofPart(part, gs::PartParameterBlock, parameter),
                           value);
}

QByteArray GsMap::controllerDestination(uint8_t device, int part, uint8_t source,
                                        uint8_t destination, uint8_t value) {
    return GsDataSet::make(
        device,
        GsAddress::ofPart(part, gs::ControllerBlock, static_cast<uint8_t>(source | destination)),
        value);
}

QByteArray GsMap::systemParameter(uint8_t device, uint8_t block, uint8_t parameter, uint8_t value) {
    return GsDataSet::make(device, GsAddress{gs::PortA, block, parameter}, value);
}

} // namespace vorlo::datgen
