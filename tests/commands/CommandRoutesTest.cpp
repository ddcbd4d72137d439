#include "AdvancedWindowControls.h"
#include "CommandExecutor.h"
#include "MainWindowControls.h"
#include "support/ConsoleFixture.h"

#include <functional>
#include <vector>

namespace vorlo::test {
namespace {

using C = ConsoleCommand;

constexpr int kF1 = 112;

struct Route {
    const char* name;
    std::function<void()> act;
};

// The same command asked for by a MIDI key after a switch event, by a computer key, by a panel
// button and by the command itself: each route runs on a console of its own, started the same
// way, and must put the same bytes on the output.
class CommandRoutes : public ConsoleFixture {
protected:
    void SetUp() override {
        writeTable(markerTable());
        writeConfig([](ConsoleState& s) {
            // Fixed memory k holds Pedale position k and Great Fondi position 2k.
            for (int n = 13; n <= 24; ++n) {
                s.slot(n).MemPED = static_cast<int16_t>(n - 12);
                s.slot(n).MemFO_GO = static_cast<int16_t>(2 * (n - 12));
            }
        });
    }

    // The sustain pedal arms the switch event; the key is the command.
    Route remoteKey(int key) {
        return {"MIDI key", [this, key] {
                    play(kKeyboard1, {0xB0, 64, 127});
                    play(kKeyboard1, {0x90, static_cast<uint8_t>(key), 100});
                    settle();
                }};
    }
    Route button(const ControlId& id) {
        return {id.name, [this, id] { main()(id).click(); }};
    }
    Route button(const ControlArrayId& id, int index) {
        return {id.name, [this, id, index] { main()(id, index).click(); }};
    }
    Route command(ConsoleCommand c) {
        return {"command", [this, c] { console->commands().execute(c); }};
    }
    // The player moves a slider or picks a list entry of the Advanced window.
    Route slider(const ControlId& id, int value) {
        return {id.name, [this, id, value] { advanced()(id).scroll(value); }};
    }
    Route slider(const ControlArrayId& id, int index, int value) {
        return {id.name, [this, id, index, value] { advanced()(id, index).scroll(value); }};
    }
    Route list(const ControlId& id, int index) {
        return {id.name, [this, id, index] { advanced()(id).chooseListIndex(index); }};
    }
    Form& advanced() { return console->form(ctl::advanced::Window); }
    // A device sends one message on a keyboard's input.
    Route device(const char* keyboard, std::initializer_list<uint8_t> bytes) {
        const std::vector<uint8_t> message(bytes);
        return {"MIDI message", [this, keyboard, message] {
                    if (message.size() == 2)
                        play(keyboard, {message[0], message[1]});
                    else
                        play(keyboard, {message[0], message[1], message[2]});
                    settle();
                }};
    }
    void coupling(int which) {
        console->form(ctl::advanced::Window)(ctl::advanced::OptionGlobalCoupling, which)
            .selectOption();
    }

    // What each route sends, after the same preparation, followed by what a probe then sends.
    void expectSameBytes(const std::vector<Route>& routes,
                         const std::function<void()>& prepare = {},
                         const std::function<void()>& probe = {}) {
        QStringList first;
        for (size_t i = 0; i < routes.size(); ++i) {
            console.reset();
            start();
            if (prepare)
                prepare();
            settle();
            log();
            routes[i].act();
            if (probe)
                probe();
            settle();
            const QStringList sent = log();
            if (i == 0) {
                first = sent;
                EXPECT_FALSE(first.isEmpty()) << routes[i].name;
            } else {
                EXPECT_EQ(sent, first) << routes[i].name << " differs from " << routes[0].name;
            }
        }
    }
};

TEST_F(CommandRoutes, FixedMemorySeven) {
    expectSameBytes({remoteKey(78),
                     {"digit 7", [this] { main().onKeyPress('7'); }},
                     button(ctl::main::Graduatore, 7),
                     button(ctl::main::LedFix, 7),
                     command(C::fixedMemory(7)),
                     command(C::recallMemory(19)),
                     device(kKeyboard2, {0xC1, 42})}); // program 42 is key 78
}

TEST_F(CommandRoutes, FreeMemoryThreeRecallsAndStoresUnderRec) {
    auto prepare = [this] {
        st().slot(3).MemPED = 5;
        st().slot(3).MemTremSW = 1;
    };
    const std::vector<Route> routes = {remoteKey(62),
                                       {"F3", [this] { main().onKeyDown(kF1 + 2); }},
                                       button(ctl::main::C_memory, 3),
                                       button(ctl::main::LedFree, 3),
                                       command(C::freeMemory(3))};
    expectSameBytes(routes, prepare);
    // Under REC the same routes store into the memory; recalling it afterwards sends the same.
    auto storeUnderRec = [this, prepare] {
        prepare();
        main()(ctl::main::Rec_button).click();
        main()(ctl::main::Tir_FO_GO, 6).click();
    };
    auto recallAfterwards = [this] {
        main()(ctl::main::Tir_FO_GO, 0).click();
        main()(ctl::main::C_memory, 3).click();
    };
    expectSameBytes(routes, storeUnderRec, recallAfterwards);
    // Storing into the memory outright is REC and the memory.
    auto changed = [this, prepare] {
        prepare();
        main()(ctl::main::Tir_FO_GO, 6).click();
    };
    expectSameBytes({{"REC and memory 3",
                      [this] {
                          main()(ctl::main::Rec_button).click();
                          main()(ctl::main::C_memory, 3).click();
                      }},
                     command(C::storeMemory(3))},
                    changed, recallAfterwards);
}

TEST_F(CommandRoutes, DrawstopsStepsAndCancels) {
    auto fondiAtThree = [this] { main()(ctl::main::Tir_FO_GO, 3).click(); };
    expectSameBytes({remoteKey(39), button(ctl::main::Tir_FO_GO, 4),
                     button(ctl::main::Tir_FO_GO_graph, 4),
                     command(C::drawStop(StopGroupCode::GreatFondi, 4))},
                    fondiAtThree);
    auto pedaleTarget = [this] { console->commands().execute(ConsoleCommand::switchEventKey(47)); };
    expectSameBytes({remoteKey(38), button(ctl::main::NomePedale, 14),
                     button(ctl::main::Tir_PED_graph, 14), command(C::drawRecallTarget(14))},
                    pedaleTarget);
    // A family cancel sends its mute only over a drawn stop of the family.
    expectSameBytes({remoteKey(84), button(ctl::main::Button_Annullatori_go, 1),
                     command(C::cancel(Manual::Great, 1))},
                    [this] { main()(ctl::main::Tir_MU_GO, 5).click(); });
    expectSameBytes({remoteKey(87), button(ctl::main::Button_Annullatori_sw, 2),
                     command(C::cancel(Manual::Swell, 2))},
                    [this] { main()(ctl::main::Tir_AN_SW, 3).click(); });
    auto registration = [this] {
        main()(ctl::main::Tir_MU_SW, 4).click();
        main()(ctl::main::Tir_TREMOLOGO).click();
        main()(ctl::main::Subottava).click();
    };
    expectSameBytes({remoteKey(57), button(ctl::main::CancelALL), command(C::cancelAll())},
                    registration);
}

TEST_F(CommandRoutes, TremolosPanicAndReset) {
    expectSameBytes(
        {remoteKey(56), button(ctl::main::TIR_TREMOLOSW), command(C::tremulant(Manual::Swell))});
    expectSameBytes({remoteKey(59), button(ctl::main::Panic), command(C::panic())});
    expectSameBytes({remoteKey(55), button(ctl::main::RESET), command(C::reset())},
                    [this] { main()(ctl::main::Tir_AN_GO, 2).click(); });
}

// Couplers and the thru body send nothing themselves: a note played afterwards shows them.
TEST_F(CommandRoutes, CouplersAndThruShowInThePlayedNotes) {
    auto note = [this] {
        play(kKeyboard1, {0x90, 60, 100});
        play(kKeyboard1, {0x80, 60, 0});
    };
    expectSameBytes(
        {remoteKey(48), button(ctl::main::UN_GOSW), command(C::coupler(Coupler::GoToSwell))}, {},
        note);
    expectSameBytes(
        {remoteKey(51), button(ctl::main::UNPII), command(C::coupler(Coupler::SwellToPedal))}, {},
        note);
    expectSameBytes({remoteKey(54), button(ctl::main::THRUBUTTON), command(C::nextThruBody())}, {},
                    note);
}

// The absolute settings: the Advanced window's control moved by the player, the command itself
// and, where a device can ask for it, the keyboards' expression pedal, pitch-bend switch or
// program change all put the same bytes on the output.
TEST_F(CommandRoutes, SettingsFromTheAdvancedWindowTheCommandAndTheKeyboards) {
    struct Case {
        const char* name;
        std::function<void()> prepare;
        std::vector<Route> routes;
        std::function<void()> probe;
    };
    const auto none = std::function<void()>{};
    auto note = [this] {
        play(kKeyboard1, {0x92, 40, 100});
        play(kKeyboard1, {0x82, 40, 0});
    };
    const std::vector<Case> cases = {
        {"Great level, no coupling",
         none,
         {slider(ctl::advanced::SliderGO, 97), command(C::setLevel(DivisionId::Great, 97)),
          device(kKeyboard1, {0xB0, 11, 64})},
         none},
        {"Pedal level, no coupling",
         none,
         {slider(ctl::advanced::SliderPE, 61), command(C::setLevel(DivisionId::Pedal, 61)),
          device(kKeyboard1, {0xB2, 7, 0})},
         none},
        {"Swell level from input 2, all levels coupled",
         [this] { coupling(2); },
         {slider(ctl::advanced::SliderSW, 64), command(C::setLevel(DivisionId::Swell, 64)),
          device(kKeyboard2, {0xB1, 1, 3})},
         none},
        {"Swell level, the manuals coupled",
         [this] { coupling(1); },
         {slider(ctl::advanced::SliderSW, 70), command(C::setLevel(DivisionId::Swell, 70))},
         none},
        {"level below its range",
         none,
         {slider(ctl::advanced::SliderGO, 20), command(C::setLevel(DivisionId::Great, 20)),
          command(C::setLevel(DivisionId::Great, 60))},
         none},
        {"Swell Ancie balance",
         none,
         {slider(ctl::advanced::SliderAncie, 2, 20),
          command(C::setBalance(Manual::Swell, StopFamily::Ance, 20))},
         none},
        {"Great tremulant",
         none,
         {button(ctl::main::Tir_TREMOLOGO), remoteKey(58), command(C::tremulant(Manual::Great)),
          device(kKeyboard1, {0xE0, 0, 78})},
         none},
        {"Great to Pedal coupler",
         none,
         {button(ctl::main::UNPI), command(C::coupler(Coupler::GreatToPedal)),
          device(kKeyboard1, {0xE2, 0, 79})},
         note},
        {"second temperament",
         none,
         {list(ctl::advanced::Temperamenti, 1),
          command(C::chooseSetting(SettingList::Temperament, 1)), device(kKeyboard1, {0xC0, 54})},
         none},
        {"start note C#",
         none,
         {list(ctl::advanced::NotaInizTemp, 1),
          command(C::chooseSetting(SettingList::TemperamentStart, 1)),
          device(kKeyboard1, {0xC0, 56})},
         none},
        {"second reverb",
         none,
         {list(ctl::advanced::Riverberi, 1), command(C::chooseSetting(SettingList::Reverb, 1)),
          device(kKeyboard1, {0xC0, 58})},
         none},
        {"Tremblant Fort",
         none,
         {list(ctl::advanced::TremoloType, 1),
          command(C::chooseSetting(SettingList::TremoloType, 1))},
         none},
        {"tremolo rate 40 with the Swell tremulant on",
         [this] { main()(ctl::main::TIR_TREMOLOSW).click(); },
         {slider(ctl::advanced::SliderTremoloRate, 40), command(C::setTremoloRate(40))},
         none},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        expectSameBytes(c.routes, c.prepare, c.probe);
    }
}

// The Advanced window follows a setting whichever way it was asked for, and showing it runs no
// handler: nothing more is sent.
TEST_F(CommandRoutes, TheAdvancedWindowShowsSettingsAskedForElsewhere) {
    start();
    Form& adv = form(forms::Advanced);
    coupling(2);
    log();
    play(kKeyboard2, {0xB1, 11, 0});
    settle();
    EXPECT_EQ(log().size(), 3) << "the Swell with its two followers";
    for (const ControlId* s :
         {&ctl::advanced::SliderGO, &ctl::advanced::SliderSW, &ctl::advanced::SliderPE})
        EXPECT_EQ(adv(*s).value(), 61) << s->name;
    console->commands().execute(C::setTremoloRate(300));
    EXPECT_EQ(st().TremoloRate, 127) << "kept within its range";
    EXPECT_EQ(adv(ctl::advanced::SliderTremoloRate).value(), 127);
    EXPECT_EQ(adv(ctl::advanced::Valore).caption(), QStringLiteral("127"));
    console->commands().execute(C::setGlobalCoupling(1));
    EXPECT_EQ(adv(ctl::advanced::OptionGlobalCoupling, 1).value(), 1);
    EXPECT_EQ(adv(ctl::advanced::OptionGlobalCoupling, 2).value(), 0);
    console->commands().execute(C::setRecallOption(RecallOption::Balance, 1));
    EXPECT_EQ(adv(ctl::advanced::Memory_Recall, 1).value(), 1);
    EXPECT_EQ(st().RecallBalance, 1);
    EXPECT_EQ(adv(ctl::advanced::Memory_Recall, 0).value(), st().RecallGlobals);
    console->commands().execute(C::setBalance(Manual::Great, StopFamily::Mutazioni, 30));
    EXPECT_EQ(adv(ctl::advanced::SliderMutazioni, 1).value(), 30);
    log();
    play(kKeyboard1, {0xC0, 58}); // the next reverb
    settle();
    EXPECT_EQ(adv(ctl::advanced::Riverberi).listIndex(), 1);
    EXPECT_EQ(log(), QStringList({marker(StopTable::kReverbFirst + 1)})) << "sent once";
    EXPECT_EQ(st().ReverbType, 1);
    // Values that no control can show are refused: nothing is sent, nothing changes.
    for (ConsoleCommand c :
         {C::chooseSetting(SettingList::Reverb, 8), C::chooseSetting(SettingList::Temperament, 12),
          C::chooseSetting(SettingList::TremoloType, 2),
          C::chooseSetting(SettingList::TemperamentStart, 12), C::setGlobalCoupling(3),
          C::setRecallOption(RecallOption::Globals, 2), C::setLevel(DivisionId::Pedal, 0),
          C::setBalance(Manual::Pedal, StopFamily::Fondi, 0)})
        console->commands().execute(c);
    EXPECT_EQ(log(), QStringList({"B2 0B 3C"})) << "only the level, kept within its range";
    EXPECT_EQ(st().ReverbType, 1);
    EXPECT_EQ(st().GlobalCoupling, 1);
    EXPECT_EQ(adv(ctl::advanced::Riverberi).listIndex(), 1);
}

} // namespace
} // namespace vorlo::test
