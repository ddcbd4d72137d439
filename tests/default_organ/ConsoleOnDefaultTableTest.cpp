// The console started on the default stops table: its panel and lists, and what it sends the
// module when the player draws a stop or picks a temperament.
#include "AdvancedWindowControls.h"
#include "BuiltTable.h"
#include "Colors.h"
#include "ConsoleGroups.h"
#include "Cp1252.h"
#include "GsMessage.h"
#include "MainWindowControls.h"
#include "ModuleModel.h"
#include "WireBytes.h"
#include "support/ConsoleFixture.h"

#include <functional>
#include <set>

using namespace vorlo;
using namespace vorlo::test;

namespace {

constexpr int kTemperaments = 12;
constexpr int kReverbs = 8;
constexpr int kModuleParts = 32;
constexpr int kScaleTuning = 0x40;

QString name(int entry) {
    return cp1252::decode(BuiltTable::table()[entry]);
}

std::optional<GsMessage> decode(const QString& hexLine) {
    return GsMessage::parse(QByteArray::fromHex(hexLine.toLatin1()));
}

class DefaultOrgan : public ConsoleFixture {
protected:
    void SetUp() override {
        writeTable(BuiltTable::table());
        writeConfig([](ConsoleState& s) { s.GraphicMode = false; });
        start();
    }
    Control& adv(const ControlId& control) { return console->form(ctl::advanced::Window)(control); }
    std::function<void(int)> drawstop(int group) {
        Drawstops& d = console->drawstops();
        switch (group) {
        case 0:
            return [&d](int row) { d.Tir_FO_GO_Click(row); };
        case 1:
            return [&d](int row) { d.Tir_FO_SW_Click(row); };
        case 2:
            return [&d](int row) { d.Tir_MU_GO_Click(row); };
        case 3:
            return [&d](int row) { d.Tir_MU_SW_Click(row); };
        case 4:
            return [&d](int row) { d.Tir_AN_GO_Click(row); };
        case 5:
            return [&d](int row) { d.Tir_AN_SW_Click(row); };
        default:
            return [&d](int row) { d.NomePedale_Click(row); };
        }
    }
};

} // namespace

TEST_F(DefaultOrgan, EveryStopIsNamedOnThePanelAndNoneIsGreyed) {
    const std::pair<ControlArrayId, int> columns[] = {
        {ctl::main::NomeFondi, StopTable::kFondiNames},
        {ctl::main::NomeMutaz, StopTable::kMutazioniNames},
        {ctl::main::NomeAnce, StopTable::kAncieNames},
        {ctl::main::NomePedale, StopTable::kPedaleNames}};
    for (const auto& [labels, first] : columns) {
        for (int i = 0; i < labels.count(); ++i) {
            const Control& label = main()(labels, i);
            EXPECT_EQ(label.caption(), name(first + i)) << labels.name << " " << i;
            EXPECT_EQ(label.foreColor(), color::ButtonText)
                << labels.name << " " << i << " looks empty";
        }
    }
}

TEST_F(DefaultOrgan, TheAdvancedWindowListsTheTwelveTemperamentsAndEightReverbs) {
    QStringList temperaments;
    for (int t = 0; t < kTemperaments; ++t)
        temperaments << name(StopTable::kTemperamentNames + t);
    QStringList reverbs;
    for (int r = 0; r < kReverbs; ++r)
        reverbs << name(StopTable::kReverbNames + r);
    EXPECT_EQ(adv(ctl::advanced::Temperamenti).items(), temperaments);
    EXPECT_EQ(adv(ctl::advanced::Riverberi).items(), reverbs);
}

TEST_F(DefaultOrgan, ATemperamentRetunesAllThirtyTwoPartsByItsOffsets) {
    for (int t = 0; t < kTemperaments; ++t) {
        adv(ctl::advanced::Temperamenti).chooseListIndex(t);
        const QStringList sent = log();
        ASSERT_EQ(sent.size(), kModuleParts) << "temperament " << t;
        const QByteArray offsets = BuiltTable::table()[StopTable::kTemperamentFirst + t].mid(8, 12);
        for (int p = 1; p <= kModuleParts; ++p) {
            const auto m = decode(sent[p - 1]);
            ASSERT_TRUE(m.has_value()) << sent[p - 1].toStdString();
            EXPECT_TRUE(m->checksumOk) << sent[p - 1].toStdString();
            EXPECT_EQ(m->part(), p);
            EXPECT_EQ(m->parameter(), kScaleTuning);
            EXPECT_EQ(m->data, offsets) << "temperament " << t << " part " << p;
        }
    }
}

TEST_F(DefaultOrgan, DrawingAStopSendsItsDataAndRetunesThePartsItPlaysOn) {
    const auto& groups = ConsoleGroups::all();
    for (size_t g = 0; g < groups.size(); ++g) {
        const auto& group = groups[g];
        for (int position : {2, 1, 0}) {
            drawstop(static_cast<int>(g))(position);
            const QStringList sent = log();
            ASSERT_FALSE(sent.isEmpty()) << group.label << " " << position;
            const QByteArray entry = BuiltTable::table()[group.firstEntry + position];
            EXPECT_EQ(QByteArray::fromHex(sent[0].toLatin1()), entry)
                << group.label << " " << position;
            std::set<int> retuned;
            for (const QString& line : sent) {
                const auto m = decode(line);
                if (m && m->isPartParameter() && m->parameter() == kScaleTuning)
                    retuned.insert(m->part());
            }
            ModuleModel module;
            for (int part : module.apply(entry))
                EXPECT_TRUE(retuned.count(part)) << group.label << " " << position << ": part "
                                                 << part << " keeps its old tuning";
        }
    }
}

namespace {

int bytesOf(const QStringList& sent) {
    int n = 0;
    for (const QString& line : sent)
        n += static_cast<int>(QByteArray::fromHex(line.toLatin1()).size());
    return n;
}

// Feeds the module what the console sent: its system-exclusive messages (channel messages
// change no part parameter).
void feed(ModuleModel& m, const QStringList& sent) {
    for (const QString& line : sent)
        m.apply(QByteArray::fromHex(line.toLatin1()));
}

} // namespace

TEST_F(DefaultOrgan, TheByteFiguresOfTheDatgenToolAreWhatTheConsoleSends) {
    using datgen::WireBytes;
    const StopTable& t = BuiltTable::table();
    console->RESET_Click();
    EXPECT_EQ(bytesOf(log()), WireBytes::reset(t, st().ReverbType));

    WireBytes::Registration live{};
    for (int g = 0; g < WireBytes::kGroups; ++g) {
        for (int p : {3, 1}) {
            drawstop(g)(p);
            live.at(static_cast<size_t>(g)) = p;
            EXPECT_EQ(bytesOf(log()), WireBytes::groupChange(t, g, live))
                << WireBytes::groupLabel(g).toStdString() << " " << p;
        }
    }

    // A general memory that changes all seven groups, one of them to a reinforced stop.
    const WireBytes::Registration memory = {7, 4, 9, 2, 8, 5, 19};
    st().slot(3).MemFO_GO = 7;
    st().slot(3).MemFO_SW = 4;
    st().slot(3).MemMU_GO = 9;
    st().slot(3).MemMU_SW = 2;
    st().slot(3).MemAN_GO = 8;
    st().slot(3).MemAN_SW = 5;
    st().slot(3).MemPED = 19;
    console->memories().Memorie(3);
    EXPECT_EQ(bytesOf(log()), WireBytes::generalMemory(t, memory));
}

TEST_F(DefaultOrgan, AMutedFamilyStaysSilentThroughStopChangesAndComesBackWithTheDrawnStopOnly) {
    Drawstops& d = console->drawstops();
    const auto& fondi = ConsoleGroups::all()[0];
    constexpr int kFourRanks = 19; // "Fondi 16' 8' 4'"
    constexpr int kOneRank = 4;    // "Flauto 8'"
    ModuleModel m;
    for (int round = 0; round < 2; ++round) {
        // Everything after a reset, the reset's own messages first.
        console->RESET_Click();
        feed(m, log());
        for (int p = 1; p <= ModuleModel::kParts; ++p)
            ASSERT_FALSE(m.sounds(p)) << "part " << p << " sounds after the reset";

        d.Tir_FO_GO_Click(kFourRanks);
        d.Button_Annullatori_go_Click(0); // mute the Great Fondi
        d.Tir_FO_GO_Click(kOneRank);
        feed(m, log());
        for (int p : fondi.parts)
            EXPECT_FALSE(m.sounds(p)) << "part " << p << " sounds while its family is muted";
        EXPECT_FALSE(m.sounds(ConsoleGroups::kGreatReinforcementPart));

        d.Button_Annullatori_go_Click(0); // restore
        feed(m, log());
        ModuleModel expected = BuiltTable::afterReset();
        expected.apply(BuiltTable::table()[fondi.firstEntry + kOneRank]);
        int sounding = 0;
        for (int p : fondi.parts) {
            EXPECT_EQ(m.sounds(p), expected.sounds(p)) << "part " << p;
            if (expected.sounds(p)) {
                EXPECT_EQ(m.velocity(p, 64), expected.velocity(p, 64)) << "part " << p;
                EXPECT_EQ(m.part(p).program, expected.part(p).program) << "part " << p;
                EXPECT_EQ(m.part(p).keyShift, expected.part(p).keyShift) << "part " << p;
            }
            sounding += m.sounds(p);
        }
        EXPECT_EQ(sounding, 1) << "the restore brought back the earlier stop's ranks";
        // The second round starts with a reset while a stop sounds: silent again, then the same.
    }
}
