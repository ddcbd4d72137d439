#include "RemoteKeyMap.h"

namespace vorlo {
namespace {

constexpr RemoteKey keeps(ConsoleCommand c) {
    return {c, true};
}
constexpr RemoteKey ends(ConsoleCommand c) {
    return {c, false};
}

} // namespace

RemoteKey remoteKey(int key) {
    using C = ConsoleCommand;
    switch (key) {
    // The memory sequence, just below the stop-step keys: previous and next stored memory.
    case 34:
        return ends(C::sequencePrevious());
    case 35:
        return ends(C::sequenceNext());
    // Step through the stops of the target group, or draw its position 14.
    case 36:
        return keeps(C::stepRecallTarget(-10));
    case 37:
        return keeps(C::stepRecallTarget(-1));
    case 38:
        return keeps(C::drawRecallTarget(14));
    case 39:
        return keeps(C::stepRecallTarget(1));
    case 40:
        return keeps(C::stepRecallTarget(10));
    // Choose the target group.
    case 41:
        return keeps(C::selectRecallTarget(StopGroupCode::GreatFondi));
    case 42:
        return keeps(C::selectRecallTarget(StopGroupCode::SwellFondi));
    case 43:
        return keeps(C::selectRecallTarget(StopGroupCode::GreatMutazioni));
    case 44:
        return keeps(C::selectRecallTarget(StopGroupCode::SwellMutazioni));
    case 45:
        return keeps(C::selectRecallTarget(StopGroupCode::GreatAncie));
    case 46:
        return keeps(C::selectRecallTarget(StopGroupCode::SwellAncie));
    case 47:
        return keeps(C::selectRecallTarget(StopGroupCode::Pedale));
    // The panel's buttons.
    case 48:
        return ends(C::coupler(Coupler::GoToSwell));
    case 49:
        return ends(C::coupler(Coupler::GreatToPedal));
    case 50:
        return ends(C::coupler(Coupler::SwellToGo));
    case 51:
        return ends(C::coupler(Coupler::SwellToPedal));
    case 52:
        return ends(C::clearFreeMemories());
    case 53:
        return keeps(C::toggleRec());
    case 54:
        return ends(C::nextThruBody());
    case 55:
        return ends(C::reset());
    case 56:
        return ends(C::tremulant(Manual::Swell));
    case 57:
        return ends(C::cancelAll());
    case 58:
        return ends(C::tremulant(Manual::Great));
    case 59:
        return ends(C::panic());
    // The family cancels.
    case 84:
        return keeps(C::cancel(Manual::Great, 1));
    case 85:
        return keeps(C::cancel(Manual::Swell, 1));
    case 86:
        return keeps(C::cancel(Manual::Great, 2));
    case 87:
        return keeps(C::cancel(Manual::Swell, 2));
    // The Advanced window's lists.
    case 89:
        return keeps(C::listStep(SettingList::Temperament, -1));
    case 90:
        return keeps(C::listStep(SettingList::Temperament, 1));
    case 91:
        return keeps(C::listStep(SettingList::TemperamentStart, -1));
    case 92:
        return keeps(C::listStep(SettingList::TemperamentStart, 1));
    case 93:
        return keeps(C::listStep(SettingList::Reverb, -1));
    case 94:
        return keeps(C::listStep(SettingList::Reverb, 1));
    default:
        return ends(C::panic());
    }
}

} // namespace vorlo
