#include "Registration.h"

namespace vorlo {

int16_t& Registration::operator[](SlotField f) {
    switch (f) {
    case SlotField::MemFO_GO:
        return MemFO_GO;
    case SlotField::MemFO_SW:
        return MemFO_SW;
    case SlotField::MemMU_GO:
        return MemMU_GO;
    case SlotField::MemMU_SW:
        return MemMU_SW;
    case SlotField::MemAN_GO:
        return MemAN_GO;
    case SlotField::MemAN_SW:
        return MemAN_SW;
    case SlotField::MemPED:
        return MemPED;
    case SlotField::MemTremGO:
        return MemTremGO;
    case SlotField::MemTremSW:
        return MemTremSW;
    case SlotField::MemExprGO:
        return MemExprGO;
    case SlotField::MemExprSW:
        return MemExprSW;
    case SlotField::MemExprPE:
        return MemExprPE;
    case SlotField::MemBalFO_GO:
        return MemBalFO_GO;
    case SlotField::MemBalMU_GO:
        return MemBalMU_GO;
    case SlotField::MemBalAN_GO:
        return MemBalAN_GO;
    case SlotField::MemBalFO_SW:
        return MemBalFO_SW;
    case SlotField::MemBalMU_SW:
        return MemBalMU_SW;
    case SlotField::MemBalAN_SW:
        return MemBalAN_SW;
    case SlotField::MemUnPedale:
        return MemUnPedale;
    case SlotField::MemUnManuali:
        return MemUnManuali;
    case SlotField::MemThru:
        return MemThru;
    case SlotField::MemAnnullGO0:
        return MemAnnullGO[0];
    case SlotField::MemAnnullGO1:
        return MemAnnullGO[1];
    case SlotField::MemAnnullGO2:
        return MemAnnullGO[2];
    case SlotField::MemAnnullSW0:
        return MemAnnullSW[0];
    case SlotField::MemAnnullSW1:
        return MemAnnullSW[1];
    case SlotField::MemAnnullSW2:
        return MemAnnullSW[2];
    case SlotField::MemSubottava:
        return MemSubottava;
    }
    return MemSubottava; // unreachable: every enumerator is listed above
}

int16_t Registration::operator[](SlotField f) const {
    return const_cast<Registration&>(*this)[f];
}

namespace {

// What a slot field holds, as far as its start and force values go.
enum class SlotValueKind { Level, Thru, Cancel, Stop };

SlotValueKind valueKind(SlotField f) {
    switch (f) {
    case SlotField::MemExprGO:
    case SlotField::MemExprSW:
    case SlotField::MemExprPE:
    case SlotField::MemBalFO_GO:
    case SlotField::MemBalMU_GO:
    case SlotField::MemBalAN_GO:
    case SlotField::MemBalFO_SW:
    case SlotField::MemBalMU_SW:
    case SlotField::MemBalAN_SW:
        return SlotValueKind::Level;
    case SlotField::MemThru:
        return SlotValueKind::Thru;
    case SlotField::MemAnnullGO0:
    case SlotField::MemAnnullGO1:
    case SlotField::MemAnnullGO2:
    case SlotField::MemAnnullSW0:
    case SlotField::MemAnnullSW1:
    case SlotField::MemAnnullSW2:
        return SlotValueKind::Cancel;
    default:
        return SlotValueKind::Stop;
    }
}

} // namespace

int16_t startValue(SlotField f) {
    switch (valueKind(f)) {
    case SlotValueKind::Level:
        return 127;
    case SlotValueKind::Thru:
    case SlotValueKind::Cancel:
        return 1;
    case SlotValueKind::Stop:
        break;
    }
    return 0;
}

int16_t forceValue(SlotField f) {
    switch (valueKind(f)) {
    case SlotValueKind::Level:
        return 120;
    case SlotValueKind::Thru:
        return 2;
    case SlotValueKind::Cancel:
        return 0;
    case SlotValueKind::Stop:
        break;
    }
    return 1;
}

Registration Registration::startValues() {
    Registration r;
    for (int f = 0; f < kFieldCount; ++f) {
        const auto field = static_cast<SlotField>(f);
        r[field] = startValue(field);
    }
    return r;
}

Registration Registration::forceValues() {
    Registration r;
    for (int f = 0; f < kFieldCount; ++f) {
        const auto field = static_cast<SlotField>(f);
        r[field] = forceValue(field);
    }
    return r;
}

} // namespace vorlo
