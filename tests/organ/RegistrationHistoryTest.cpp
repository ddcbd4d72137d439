// Undo and redo of the registration: every change of the stops and of the free memories can be
// taken back and done again, with the bytes the console update sends for the registration
// brought back.
#include "RegistrationHistory.h"
#include "CommandExecutor.h"
#include "MainWindowControls.h"
#include "support/ConsoleFixture.h"

namespace vorlo::test {
namespace {

using C = ConsoleCommand;
constexpr int kCtrlZ = 26;
constexpr int kCtrlY = 25;

class RegistrationHistoryTest : public ConsoleFixture {
protected:
    void SetUp() override {
        startOnMarkerTable([](ConsoleState& s) { s.MemoryLedsShown = false; });
    }
    Control& control(const ControlId& id) { return main()(id); }
    void click(const ControlId& id) { main()(id).click(); }
    void click(const ControlArrayId& id, int index) { main()(id, index).click(); }
    // What one step of the player sent.
    QStringList after(const std::function<void()>& step) {
        log();
        step();
        return log();
    }
    void undo() { console->hotkeys().Form_KeyPress(kCtrlZ); }
    void redo() { console->hotkeys().Form_KeyPress(kCtrlY); }
    void store(int memory) {
        click(ctl::main::Rec_button);
        click(ctl::main::C_memory, memory);
    }
};

TEST_F(RegistrationHistoryTest, UndoAndRedoSendWhatTheSameChangesMadeByHandSend) {
    EXPECT_FALSE(control(ctl::main::UndoButton).isEnabled()) << "nothing to undo at the start";
    EXPECT_FALSE(control(ctl::main::RedoButton).isEnabled());
    click(ctl::main::Tir_AN_SW, 4);
    click(ctl::main::Tir_FO_GO, 3);
    click(ctl::main::UNPI);
    click(ctl::main::Tir_FO_GO, 5);
    click(ctl::main::Button_Annullatori_sw, 2);
    EXPECT_TRUE(control(ctl::main::UndoButton).isEnabled());
    // A level is no step, and an undo leaves it where the pedal put it.
    console->commands().execute(C::setLevel(DivisionId::Great, 91));

    const QStringList undoCancel = after([&] { undo(); });
    const QStringList undoDraw = after([&] { click(ctl::main::UndoButton); });
    const QStringList undoCoupler =
        after([&] { console->commands().execute(C::undoRegistration()); });
    EXPECT_EQ(st().sent().MemFO_GO, 3);
    EXPECT_EQ(st().live().MemUnPedale, 0);
    EXPECT_EQ(st().live().MemExprGO, 91);
    EXPECT_EQ(control(ctl::main::UNPI).backColor(), control(ctl::main::UNPII).backColor())
        << "the coupler's button is dark again";
    EXPECT_TRUE(control(ctl::main::RedoButton).isEnabled());

    const QStringList redoCoupler = after([&] { redo(); });
    const QStringList redoDraw = after([&] { click(ctl::main::RedoButton); });
    const QStringList redoCancel =
        after([&] { console->commands().execute(C::redoRegistration()); });
    EXPECT_FALSE(control(ctl::main::RedoButton).isEnabled());
    EXPECT_EQ(st().sent().MemFO_GO, 5);
    EXPECT_EQ(st().live().MemAnnullSW[2], 0) << "the Swell Ancie muted again";
    EXPECT_EQ(st().sent().MemAnnullSW, st().live().MemAnnullSW);

    // The same changes by hand, from the same registration, send the same bytes.
    EXPECT_FALSE(undoCancel.isEmpty());
    EXPECT_EQ(undoCancel, after([&] { click(ctl::main::Button_Annullatori_sw, 2); }));
    EXPECT_EQ(undoDraw, after([&] { click(ctl::main::Tir_FO_GO, 3); }));
    EXPECT_TRUE(undoDraw.contains(marker(43)));
    EXPECT_EQ(undoCoupler, after([&] { click(ctl::main::UNPI); }));
    EXPECT_EQ(redoCoupler, after([&] { click(ctl::main::UNPI); }));
    EXPECT_EQ(redoDraw, after([&] { click(ctl::main::Tir_FO_GO, 5); }));
    EXPECT_EQ(redoCancel, after([&] { click(ctl::main::Button_Annullatori_sw, 2); }));
}

TEST_F(RegistrationHistoryTest, UndoingAStoreBringsTheOverwrittenMemoryBack) {
    click(ctl::main::Tir_FO_GO, 4);
    store(1);
    click(ctl::main::Tir_FO_GO, 7);
    click(ctl::main::Tir_AN_SW, 2);
    store(1);
    ASSERT_EQ(st().slot(1).MemFO_GO, 7);

    EXPECT_EQ(after([&] { undo(); }), QStringList()) << "the registration in force stays";
    EXPECT_EQ(st().slot(1).MemFO_GO, 4);
    EXPECT_EQ(st().slot(1).MemAN_SW, 0);
    EXPECT_EQ(main()(ctl::main::C_memory, 1).backColor(), color::Yellow)
        << "memory 1 no longer holds what is played";
    EXPECT_TRUE(st().FreeMemoriesUnsaved);
    redo();
    EXPECT_EQ(st().slot(1).MemFO_GO, 7);
    EXPECT_EQ(st().slot(1).MemAN_SW, 2);
    undo();

    // Recalled, the memory plays what it held before the second store.
    const QStringList recalled = after([&] { click(ctl::main::C_memory, 1); });
    EXPECT_TRUE(recalled.contains(marker(44)));
    EXPECT_EQ(st().sent().MemFO_GO, 4);
    EXPECT_EQ(st().sent().MemAN_SW, 0);
    // The recall is a step of its own; undone, the registration before it comes back.
    undo();
    EXPECT_EQ(st().sent().MemFO_GO, 7);
    EXPECT_EQ(st().sent().MemAN_SW, 2);
    // Clearing the free memories is undone too.
    dialogs.answers.push_back(true);
    click(ctl::main::CLEAR);
    EXPECT_EQ(st().slot(1).MemFO_GO, 0);
    undo();
    EXPECT_EQ(st().slot(1).MemFO_GO, 4);
}

TEST_F(RegistrationHistoryTest, AHundredStepsAreKeptAndANewChangeDropsWhatCouldBeRedone) {
    constexpr int kChanges = static_cast<int>(RegistrationHistory::kDepth) + 5;
    auto position = [](int change) { return change % 29 + 1; };
    for (int i = 1; i <= kChanges; ++i)
        console->commands().execute(C::drawStop(StopGroupCode::GreatFondi, position(i)));
    ASSERT_EQ(st().sent().MemFO_GO, position(kChanges));
    for (size_t i = 0; i < RegistrationHistory::kDepth; ++i) {
        SCOPED_TRACE(i);
        EXPECT_FALSE(after([&] { undo(); }).isEmpty());
    }
    EXPECT_EQ(st().sent().MemFO_GO, position(kChanges - 100));
    EXPECT_FALSE(control(ctl::main::UndoButton).isEnabled());
    EXPECT_EQ(after([&] { undo(); }), QStringList()) << "the oldest step is gone";
    EXPECT_EQ(st().sent().MemFO_GO, position(kChanges - 100));

    redo();
    EXPECT_EQ(st().sent().MemFO_GO, position(kChanges - 99));
    click(ctl::main::CancelALL);
    EXPECT_FALSE(control(ctl::main::RedoButton).isEnabled());
    EXPECT_EQ(after([&] { redo(); }), QStringList());
    undo();
    EXPECT_EQ(st().sent().MemFO_GO, position(kChanges - 99)) << "the cancel, undone";
}

} // namespace
} // namespace vorlo::test
