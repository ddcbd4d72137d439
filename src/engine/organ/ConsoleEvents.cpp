#include "ConsoleEvents.h"

#include <QString>

#include <algorithm>

namespace vorlo {

void ConsoleEvents::add(ConsoleListener& listener) {
    if (std::find(listeners_.begin(), listeners_.end(), &listener) == listeners_.end())
        listeners_.push_back(&listener);
}

void ConsoleEvents::remove(ConsoleListener& listener) {
    listeners_.erase(std::remove(listeners_.begin(), listeners_.end(), &listener),
                     listeners_.end());
}

void ConsoleEvents::registrationChanged() {
    announce(&ConsoleListener::registrationChanged);
}
void ConsoleEvents::thruBodyChanged() {
    announce(&ConsoleListener::thruBodyChanged);
}
void ConsoleEvents::drawstopMoved(DivisionId division, int group, int from, int to) {
    announce(&ConsoleListener::drawstopMoved, division, group, from, to);
}
void ConsoleEvents::balanceShown(DivisionId division, StopFamily family, int value) {
    announce(&ConsoleListener::balanceShown, division, family, value);
}
void ConsoleEvents::levelSent(DivisionId division, int value) {
    announce(&ConsoleListener::levelSent, division, value);
}
void ConsoleEvents::balanceSent(DivisionId division, StopFamily family, int value) {
    announce(&ConsoleListener::balanceSent, division, family, value);
}
void ConsoleEvents::tremulantShown(DivisionId division, bool on) {
    announce(&ConsoleListener::tremulantShown, division, on);
}
void ConsoleEvents::pedalCouplerShown(int value) {
    announce(&ConsoleListener::pedalCouplerShown, value);
}
void ConsoleEvents::manualCouplerShown(int value) {
    announce(&ConsoleListener::manualCouplerShown, value);
}
void ConsoleEvents::cancelShown(DivisionId division, StopFamily family, bool sounding) {
    announce(&ConsoleListener::cancelShown, division, family, sounding);
}
void ConsoleEvents::subOctaveShown(bool on) {
    announce(&ConsoleListener::subOctaveShown, on);
}
void ConsoleEvents::devicesChanged() {
    announce(&ConsoleListener::devicesChanged);
}
void ConsoleEvents::ladderShown(int steps) {
    announce(&ConsoleListener::ladderShown, steps);
}
void ConsoleEvents::freeMemoryShown(int i, MemoryLight light) {
    announce(&ConsoleListener::freeMemoryShown, i, light);
}
void ConsoleEvents::memoryDisplayShown() {
    announce(&ConsoleListener::memoryDisplayShown);
}
void ConsoleEvents::memoryLabelsShown() {
    announce(&ConsoleListener::memoryLabelsShown);
}
void ConsoleEvents::recArmedShown(bool armed) {
    announce(&ConsoleListener::recArmedShown, armed);
}
void ConsoleEvents::bufferShown(int index, bool stored) {
    announce(&ConsoleListener::bufferShown, index, stored);
}
void ConsoleEvents::actionShown(ConsoleAction action, bool running) {
    announce(&ConsoleListener::actionShown, action, running);
}
void ConsoleEvents::levelShown(DivisionId division, int value) {
    announce(&ConsoleListener::levelShown, division, value);
}
void ConsoleEvents::tremoloRateShown(int rate) {
    announce(&ConsoleListener::tremoloRateShown, rate);
}
void ConsoleEvents::settingChosen(SettingList list, int index) {
    announce(&ConsoleListener::settingChosen, list, index);
}
void ConsoleEvents::thruChannelLearned(int body, int channel) {
    announce(&ConsoleListener::thruChannelLearned, body, channel);
}
void ConsoleEvents::globalCouplingShown(int coupling) {
    announce(&ConsoleListener::globalCouplingShown, coupling);
}
void ConsoleEvents::recallOptionShown(int option, int value) {
    announce(&ConsoleListener::recallOptionShown, option, value);
}

void ConsoleEvents::thruModeShown() {
    announce(&ConsoleListener::thruModeShown);
}
void ConsoleEvents::thruLearningShown(int body) {
    announce(&ConsoleListener::thruLearningShown, body);
}
void ConsoleEvents::settingsShown() {
    announce(&ConsoleListener::settingsShown);
}
void ConsoleEvents::saveOnExitShown(bool on) {
    announce(&ConsoleListener::saveOnExitShown, on);
}
void ConsoleEvents::stopTableLoaded() {
    announce(&ConsoleListener::stopTableLoaded);
}
void ConsoleEvents::resetShown(ResetStep step) {
    announce(&ConsoleListener::resetShown, step);
}
void ConsoleEvents::knobsReleased(int slot) {
    announce(&ConsoleListener::knobsReleased, slot);
}
void ConsoleEvents::deviceListRead() {
    announce(&ConsoleListener::deviceListRead);
}
void ConsoleEvents::deviceNotice(const QString& text) {
    announce(&ConsoleListener::deviceNotice, text);
}

void ConsoleEvents::bankShown(int bank, int memory) {
    announce(&ConsoleListener::bankShown, bank, memory);
}

void ConsoleEvents::crescendoShown(int stage) {
    announce(&ConsoleListener::crescendoShown, stage);
}

void ConsoleEvents::transpositionShown(int semitones) {
    announce(&ConsoleListener::transpositionShown, semitones);
}
void ConsoleEvents::historyShown(bool canUndo, bool canRedo) {
    announce(&ConsoleListener::historyShown, canUndo, canRedo);
}
} // namespace vorlo
