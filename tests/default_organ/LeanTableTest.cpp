// The default organ sets once, at the reset, what every stop shares, and its stop entries send
// only what tells the stops apart. The table it replaced (data/previous-default-organ.dat, the
// stops that re-sent key range and velocity for every part) is the reference: the same playing,
// sent through either table, must leave every sounding part of the module playing the same.
#include "BuiltTable.h"
#include "ConsoleGroups.h"
#include "DatFile.h"
#include "ModuleModel.h"

#include <array>
#include <gtest/gtest.h>
#include <random>
#include <set>
#include <sstream>
#include <string>

using vorlo::StopTable;

namespace {

constexpr int kGroups = 7;
constexpr int kManualFamilies = 3;
constexpr int kReverbs = 8;
constexpr int kSoftest = 1;
constexpr int kHardest = 127;
constexpr int kSteps = 3000;

const StopTable& previous() {
    static const StopTable t = [] {
        StopTable loaded;
        EXPECT_TRUE(vorlo::DatFile::read(QStringLiteral(VORLO_PREVIOUS_ORGAN_TABLE), loaded).ok);
        return loaded;
    }();
    return t;
}

// Everything a part does with a note of the organ's compass, or only "silent" (with its level,
// the family's mute) when it plays none.
std::string audible(const ModuleModel& m, int n) {
    const ModuleModel::Part& p = m.part(n);
    std::ostringstream s;
    s << "level " << p.level;
    if (!m.sounds(n))
        return s.str() + " silent";
    s << " channel " << p.rxChannel << " rxVolume " << p.rxVolume << " rhythm " << p.rhythm
      << " tone " << p.variation << "/" << p.program << " shift " << p.keyShift << " velocity "
      << m.velocity(n, kSoftest) << "/" << m.velocity(n, kHardest) << " keys " << p.keyLow << ".."
      << p.keyHigh << " pan " << p.pan << " reverb " << p.reverbSend << " cc1 " << p.cc1Controller
      << "/" << p.cc1Amplitude << " mod " << p.modRateControl << "/" << p.modPitchDepth << "/"
      << p.modTvaDepth << " vibrato " << p.vibratoRate << "/" << p.vibratoDelay;
    return s.str();
}

// The module fed by the console through one of the two tables, with the console's rules for
// what it sends: a drawn stop sends its entry and, on the Fondi and Ance/Archi groups, the
// manual's reinforcement entry; a cancel sends the mute or restore only while its group has a
// stop drawn; the reset sends entries 0..3 and the reverb, then every group at its cancel.
class PlayedConsole {
public:
    explicit PlayedConsole(const StopTable& t) : t_(t) { reset(0); }

    const ModuleModel& module() const { return m_; }

    void reset(int reverb) {
        for (int e : {0, 1, 2, 3, StopTable::kReverbFirst + reverb})
            m_.apply(t_[e]);
        position_.fill(0);
        sounding_.fill(true);
        for (int g = 0; g < kGroups; ++g)
            send(g);
    }
    // Several groups and cancels at once, as a memory recall: the groups in the console
    // update's order, then the cancels.
    void recall(const std::array<int, kGroups>& to, const std::array<bool, 6>& sounding) {
        const auto from = position_;
        position_ = to;
        for (int g = 0; g < kGroups; ++g)
            if (from[g] != to[g])
                send(g);
        for (int c = 0; c < 6; ++c)
            if (sounding_[c] != sounding[c])
                cancel(c, sounding[c]);
    }
    void draw(int g, int p) {
        auto to = position_;
        to[g] = p;
        recall(to, sounding_);
    }
    // Cancel c: family c % 3 (Fondi, Mutazioni, Ance/Archi) of the Great (c < 3) or Swell.
    void toggle(int c) {
        auto s = sounding_;
        s[c] = !s[c];
        recall(position_, s);
    }
    void apply(int entry) { m_.apply(t_[entry]); }

private:
    static constexpr int kMute[6] = {StopTable::kGreatMuteFondi,     StopTable::kGreatMuteMutazioni,
                                     StopTable::kGreatMuteAncie,     StopTable::kSwellMuteFondi,
                                     StopTable::kSwellMuteMutazioni, StopTable::kSwellMuteAncie};
    static constexpr int kRestore[6] = {
        StopTable::kGreatRestoreFondi,     StopTable::kGreatRestoreMutazioni,
        StopTable::kGreatRestoreAncie,     StopTable::kSwellRestoreFondi,
        StopTable::kSwellRestoreMutazioni, StopTable::kSwellRestoreAncie};
    // The group of cancel c.
    static constexpr int kCancelGroup[6] = {0, 2, 4, 1, 3, 5};

    void send(int g) {
        const auto& group = ConsoleGroups::all()[static_cast<size_t>(g)];
        m_.apply(t_[group.firstEntry + position_[g]]);
        const bool reinforced = g == 0 || g == 1 || g == 4 || g == 5;
        if (!reinforced)
            return;
        const bool swell = group.channel == 2;
        const int f = position_[swell ? 1 : 0];
        const int a = position_[swell ? 5 : 4];
        const bool on =
            t_[StopTable::kReinforceFondi + f] == "1" || t_[StopTable::kReinforceAncie + a] == "1";
        m_.apply(t_[swell ? (on ? StopTable::kSwellReinforceOn : StopTable::kSwellReinforceOff)
                          : (on ? StopTable::kGreatReinforceOn : StopTable::kGreatReinforceOff)]);
    }
    void cancel(int c, bool sounding) {
        sounding_[c] = sounding;
        if (position_[kCancelGroup[c]] != 0)
            m_.apply(t_[sounding ? kRestore[c] : kMute[c]]);
    }

    const StopTable& t_;
    ModuleModel m_;
    std::array<int, kGroups> position_{};
    std::array<bool, 6> sounding_{};
};

// Empty when both modules play alike, otherwise the first part that differs.
std::string difference(const ModuleModel& before, const ModuleModel& now) {
    for (int n = 1; n <= ModuleModel::kParts; ++n) {
        const std::string a = audible(before, n);
        const std::string b = audible(now, n);
        if (a != b)
            return "part " + std::to_string(n) + ": before " + a + "; now " + b;
    }
    return {};
}

} // namespace

TEST(LeanTable, APlayedSessionOfStopsCancelsMemoriesAndResetsSoundsAsBeforeAtEveryStep) {
    PlayedConsole before(previous());
    PlayedConsole now(BuiltTable::table());
    std::mt19937 random(20261206);
    auto pick = [&random](int n) { return std::uniform_int_distribution<int>(0, n - 1)(random); };
    int mutedDraws = 0;
    std::set<std::pair<int, int>> drawn;
    for (int step = 0; step < kSteps; ++step) {
        std::string what;
        const int kind = pick(20);
        if (kind < 10) {
            const int g = pick(kGroups);
            const int p = pick(ConsoleGroups::all()[static_cast<size_t>(g)].positions);
            before.draw(g, p);
            now.draw(g, p);
            drawn.insert({g, p});
            what = std::string("draw ") + ConsoleGroups::all()[static_cast<size_t>(g)].label + " " +
                   std::to_string(p);
        } else if (kind < 16) {
            const int c = pick(2 * kManualFamilies);
            before.toggle(c);
            now.toggle(c);
            what = "cancel " + std::to_string(c);
        } else if (kind < 19) {
            std::array<int, kGroups> to{};
            std::array<bool, 6> sounding{};
            for (int g = 0; g < kGroups; ++g)
                to[g] = pick(ConsoleGroups::all()[static_cast<size_t>(g)].positions);
            for (bool& s : sounding)
                s = pick(3) != 0;
            before.recall(to, sounding);
            now.recall(to, sounding);
            what = "memory recall";
        } else {
            const int reverb = pick(kReverbs);
            before.reset(reverb);
            now.reset(reverb);
            what = "reset";
        }
        // Keep the tremulant choice moving too: both tables store it alike.
        if (step % 97 == 0) {
            const int e = pick(2) ? StopTable::kTremoloFortFirst : StopTable::kTremoloDouxFirst;
            for (PlayedConsole* c : {&before, &now}) {
                c->apply(e);
                c->apply(e + 1);
            }
        }
        const std::string d = difference(before.module(), now.module());
        ASSERT_EQ(d, "") << "step " << step << ", " << what;
        bool muted = false;
        for (int n = 1; n <= ModuleModel::kParts; ++n)
            muted = muted || now.module().part(n).level == 0;
        mutedDraws += muted && kind < 10;
    }
    size_t positions = 0;
    for (const auto& group : ConsoleGroups::all())
        positions += static_cast<size_t>(group.positions);
    EXPECT_EQ(drawn.size(), positions) << "the session drew every stop on its own";
    EXPECT_GT(mutedDraws, 100) << "the session hardly drew stops while a family was muted";
}

TEST(LeanTable, OnlyTheSetUpStopAndReinforcementEntriesChanged) {
    const std::set<int> changed = {1,
                                   2,
                                   3,
                                   StopTable::kGreatReinforceOn,
                                   StopTable::kGreatReinforceOff,
                                   StopTable::kSwellReinforceOn,
                                   StopTable::kSwellReinforceOff};
    for (int e = 0; e < StopTable::kEntryCount; ++e) {
        const bool stop = e >= StopTable::kFondiGreat && e < StopTable::kFondiNames;
        if (!stop && !changed.count(e)) {
            EXPECT_EQ(BuiltTable::table()[e], previous()[e]) << "entry " << e;
        }
    }
}

TEST(LeanTable, EveryStopEntryIsShorter) {
    for (const auto& group : ConsoleGroups::all()) {
        for (int p = 0; p < group.positions; ++p) {
            const int e = group.firstEntry + p;
            EXPECT_LT(BuiltTable::table()[e].size(), previous()[e].size()) << "entry " << e;
        }
    }
}
