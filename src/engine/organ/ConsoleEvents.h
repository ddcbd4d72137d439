#pragma once

#include "ConsoleListener.h"

#include <vector>

namespace vorlo {

// Hands every announcement of the organ to each listener added, in the order they were added.
// The organ's parts hold this as their one ConsoleListener; announcing changes nothing.
class ConsoleEvents : public ConsoleListener {
public:
    // The listener must outlive this object or be removed first.
    void add(ConsoleListener& listener);
    void remove(ConsoleListener& listener);

    void registrationChanged() override;
    void thruBodyChanged() override;
    void drawstopMoved(DivisionId division, int group, int from, int to) override;
    void balanceShown(DivisionId division, StopFamily family, int value) override;
    void levelSent(DivisionId division, int value) override;
    void balanceSent(DivisionId division, StopFamily family, int value) override;
    void tremulantShown(DivisionId division, bool on) override;
    void pedalCouplerShown(int value) override;
    void manualCouplerShown(int value) override;
    void cancelShown(DivisionId division, StopFamily family, bool sounding) override;
    void subOctaveShown(bool on) override;
    void devicesChanged() override;
    void ladderShown(int steps) override;
    void freeMemoryShown(int i, MemoryLight light) override;
    void memoryDisplayShown() override;
    void memoryLabelsShown() override;
    void recArmedShown(bool armed) override;
    void bufferShown(int index, bool stored) override;
    void actionShown(ConsoleAction action, bool running) override;
    void thruModeShown() override;
    void thruLearningShown(int body) override;
    void settingsShown() override;
    void saveOnExitShown(bool on) override;
    void stopTableLoaded() override;
    void resetShown(ResetStep step) override;
    void knobsReleased(int slot) override;
    void levelShown(DivisionId division, int value) override;
    void tremoloRateShown(int rate) override;
    void settingChosen(SettingList list, int index) override;
    void thruChannelLearned(int body, int channel) override;
    void globalCouplingShown(int coupling) override;
    void recallOptionShown(int option, int value) override;
    void deviceListRead() override;
    void deviceNotice(const QString& text) override;
    void bankShown(int bank, int memory) override;
    void crescendoShown(int stage) override;
    void transpositionShown(int semitones) override;
    void historyShown(bool canUndo, bool canRedo) override;

private:
    template <typename... Params, typename... Args>
    void announce(void (ConsoleListener::*what)(Params...), Args... args) {
        // A listener added while an announcement runs hears the next one.
        const std::vector<ConsoleListener*> now = listeners_;
        for (ConsoleListener* l : now)
            (l->*what)(args...);
    }

    std::vector<ConsoleListener*> listeners_;
};

} // namespace vorlo
