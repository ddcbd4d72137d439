#include "LevelSender.h"

#include "ConsoleListener.h"
#include "ConsoleState.h"
#include "Division.h"
#include "MidiConstants.h"
#include "MidiOutputPort.h"
#include "RegistrationChange.h"

#include <algorithm>

namespace vorlo {
namespace {

// Values outside 0..127 (a damaged memory) must not reach the wire as status bytes.
uint8_t dataByte(int v) {
    return static_cast<uint8_t>(std::clamp(v, 0, 127));
}

} // namespace

LevelSender::LevelSender(ConsoleState& state, MidiOutputPort& output, ConsoleListener& indicators)
    : state_(state), output_(output), indicators_(indicators) {}

void LevelSender::sendLevel(const Division& d) {
    const int16_t level = state_.live().*d.level;
    output_.sendShort(midi::status(midi::ControlChange, d.channel), midi::CcExpression,
                      dataByte(level));
    indicators_.levelSent(d.id, level);
    state_.sent().*d.level = level;
}

void LevelSender::sendBalance(const Division& d, StopFamily family) {
    int16_t Registration::*field = d.balance[static_cast<size_t>(family)];
    const int16_t balance = state_.live().*field;
    output_.sendShort(midi::status(midi::ControlChange, d.channel), balanceController(family),
                      dataByte(127 - balance));
    indicators_.balanceSent(d.id, family, balance);
    state_.sent().*field = balance;
}

void LevelSender::sendTremulant(const Division& d, int v) {
    const bool on = v == 1;
    indicators_.tremulantShown(d.id, on);
    output_.sendShort(midi::status(midi::ControlChange, d.channel), midi::CcModulation,
                      on ? dataByte(state_.TremoloRate) : 0);
}

void LevelSender::toggleTremulant(const Division& d) {
    int16_t& live = state_.live().*d.tremulant;
    int16_t& sent = state_.sent().*d.tremulant;
    // The toggle starts from the state in force.
    live = sent != 0 ? 0 : 1;
    sendTremulant(d, live);
    sent = live;
    registrationChanged(state_, indicators_);
}

void LevelSender::Send_Tremolo_GO(int v) {
    sendTremulant(division(DivisionId::Great), v);
}
void LevelSender::Send_Tremolo_SW(int v) {
    sendTremulant(division(DivisionId::Swell), v);
}

} // namespace vorlo
