// Windows declare their controls through identifiers: the kind travels with the control, array
// elements stay inside their array, and identifiers, names and tables reach the same control.
#include "ConsoleForms.h"
#include "Form.h"
#include "MainWindowControls.h"
#include "PanelState.h"
#include "ThruWindowControls.h"

#include <gtest/gtest.h>
#include <stdexcept>

using namespace vorlo;

namespace {

constexpr ControlArrayId kPair{"Pair", ControlKind::Button, 1, 2};
constexpr ControlId kSingle{"Single", ControlKind::Slider};

} // namespace

TEST(FormIdentifiersTest, DeclaredControlsCarryTheirKindAndStayInTheirArray) {
    Form form(QStringLiteral("Test"));
    Control& single = form.add(kSingle);
    EXPECT_EQ(single.kind(), ControlKind::Slider);
    EXPECT_EQ(single.objectName(), QStringLiteral("Single"));
    form.add(kPair, 2);
    EXPECT_THROW(form.add(kPair, 3), std::logic_error);
    EXPECT_THROW(form.add(kPair, 0), std::logic_error);
    EXPECT_THROW(form.add(kPair, 2), std::logic_error);
    EXPECT_THROW(form.add(kSingle), std::logic_error);
    // Element 1 was never declared.
    EXPECT_EQ(form.find(kPair, 1), nullptr);
    EXPECT_THROW(form(kPair, 1), std::out_of_range);
    EXPECT_EQ(&form(kPair, 2), form.find(QStringLiteral("Pair"), 2));
    EXPECT_EQ(form(kPair, 2).kind(), ControlKind::Button);
    EXPECT_EQ(&form(ControlRef(kPair, 2)), &form(kPair, 2));
    EXPECT_EQ(&form(ControlRef(kSingle)), &single);
    EXPECT_THROW(ControlRef(kPair, 5), std::out_of_range);
}

TEST(FormIdentifiersTest, ConsoleWindowsDeclareWhatTheWindowsDraw) {
    PanelState panel;
    declareConsoleForms(panel);
    Form& main = panel.form(ctl::main::Window);
    EXPECT_EQ(&main, &panel.form(QString::fromLatin1(forms::Main)));

    EXPECT_EQ(main(ctl::main::Numerino_Led, 24).kind(), ControlKind::Label);
    EXPECT_EQ(main(ctl::main::BankShown).kind(), ControlKind::Label);
    EXPECT_EQ(main(ctl::main::RedoButton).kind(), ControlKind::Button);

    // The standard stop grid lies in its frame; "Great" and "Swell" sit at the cell's foot.
    const Control* frame = &main(ctl::main::Panel_nograph, 0);
    EXPECT_EQ(frame->kind(), ControlKind::Frame);
    EXPECT_EQ(main(ctl::main::NomePedale, 19).container(), frame);
    EXPECT_EQ(main(ctl::main::Tir_AN_SW, 19).container(), frame);
    EXPECT_EQ(main(ctl::main::Tir_AN_SW, 19).alignment(), Qt::AlignLeft | Qt::AlignBottom);
    EXPECT_EQ(main(ctl::main::Tir_FO_GO_graph, 0).container(), nullptr);
    EXPECT_EQ(main(ctl::main::Tir_FO_GO_graph, 0).kind(), ControlKind::Picture);
    EXPECT_EQ(main(ctl::main::Numerino_Led, 24).alignment(), Qt::AlignHCenter | Qt::AlignVCenter);

    // Option buttons clear one another.
    Form& thru = panel.form(ctl::thru::Window);
    thru(ctl::thru::Thru_choose, 0).selectOption();
    thru(ctl::thru::Thru_choose, 2).selectOption();
    EXPECT_EQ(thru(ctl::thru::Thru_choose, 0).value(), 0);
    EXPECT_EQ(thru(ctl::thru::Thru_choose, 2).kind(), ControlKind::OptionButton);
}
