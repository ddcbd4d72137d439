#pragma once

#include <QByteArray>
#include <array>

namespace vorlo {

// The organ the console plays: 431 strings. Data entries hold raw system-exclusive bytes
// (complete F0 ... F7 messages back to back); name and flag entries hold Windows-1252 text.
class StopTable {
public:
    static constexpr int kEntryCount = 431;

    // Global messages 0..39: 0..3 module reset and set-up, 10..21 temperaments,
    // 22..29 reverbs, 30..33 reinforcement on/off, 35..38 tremolo set-ups.
    static constexpr int kGlobalFirst = 0;
    static constexpr int kTemperamentFirst = 10;
    static constexpr int kReverbFirst = 22;
    static constexpr int kGreatReinforceOn = 30;
    static constexpr int kGreatReinforceOff = 31;
    static constexpr int kSwellReinforceOn = 32;
    static constexpr int kSwellReinforceOff = 33;
    static constexpr int kTremoloDouxFirst = 35;
    static constexpr int kTremoloFortFirst = 37;
    // Stop data.
    static constexpr int kFondiGreat = 40;
    static constexpr int kFondiSwell = 70;
    static constexpr int kMutazioniGreat = 100;
    static constexpr int kMutazioniSwell = 120;
    static constexpr int kAncieGreat = 140;
    static constexpr int kAncieSwell = 160;
    static constexpr int kPedale = 180;
    // Names.
    static constexpr int kFondiNames = 200;
    static constexpr int kMutazioniNames = 230;
    static constexpr int kAncieNames = 250;
    static constexpr int kPedaleNames = 270;
    static constexpr int kGlobalTexts = 290; // text of global message g at 290 + g
    static constexpr int kTemperamentNames = 300;
    static constexpr int kReverbNames = 312;
    static constexpr int kGroupNames = 350; // Fondi, Mutazioni, Ance/Archi, Pedale
    // Reinforcement flags "1"/"0".
    static constexpr int kReinforceFondi = 360;
    static constexpr int kReinforceAncie = 390;
    // Family mute and restore messages.
    static constexpr int kGreatMuteAncie = 410;
    static constexpr int kGreatMuteFondi = 411;
    static constexpr int kGreatMuteMutazioni = 412;
    static constexpr int kGreatRestoreAncie = 413;
    static constexpr int kGreatRestoreFondi = 414;
    static constexpr int kGreatRestoreMutazioni = 415;
    static constexpr int kSwellMuteAncie = 416;
    static constexpr int kSwellMuteFondi = 417;
    static constexpr int kSwellMuteMutazioni = 418;
    static constexpr int kSwellRestoreAncie = 419;
    static constexpr int kSwellRestoreFondi = 420;
    static constexpr int kSwellRestoreMutazioni = 421;

    static constexpr bool isValidIndex(int n) { return n >= 0 && n < kEntryCount; }

    // Out-of-range indexes read as an empty entry and are never written.
    const QByteArray& operator[](int n) const;
    QByteArray& at(int n) { return entries_.at(static_cast<size_t>(n)); }
    void set(int n, const QByteArray& bytes);
    void clear();
    // True when every entry is empty: a table with no organ in it.
    bool isEmpty() const;

    const std::array<QByteArray, kEntryCount>& entries() const { return entries_; }

private:
    std::array<QByteArray, kEntryCount> entries_{};
};

} // namespace vorlo
