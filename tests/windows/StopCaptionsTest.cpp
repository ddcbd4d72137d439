#include "StopCaptions.h"
#include "AdvancedWindowControls.h"
#include "MainWindowControls.h"
#include "PanelLayout.h"
#include "support/ConsoleFixture.h"

namespace vorlo::test {
namespace {

namespace m = ctl::main;
namespace adv = ctl::advanced;

class StopCaptionsTest : public ConsoleFixture {
protected:
    void SetUp() override {
        makeConsole();
        st().Table = markerTable();
    }

    Control& c(const ControlArrayId& id, int index) { return main()(id, index); }
    Control& list(const ControlId& id) { return console->form(adv::Window)(id); }
    void write() { console->captions().SCRITTURA_TESTI_DEI_REGISTRI(); }
    void fillLists() { console->captions().CARICAMENTO_LIST_BOXES(); }
    void setText(int entry, int length) {
        st().Table.set(entry, QByteArray("Reverb name ").leftJustified(length, 'x').left(length));
    }
};

TEST_F(StopCaptionsTest, NamesAndTheirDataThresholdOnEitherPanel) {
    st().GraphicMode = false;
    st().Table.set(StopTable::kFondiGreat + 0, QByteArray(40, '\x11'));
    st().Table.set(StopTable::kFondiGreat + 1, QByteArray(41, '\x11'));
    st().Table.set(StopTable::kMutazioniGreat + 19, QByteArray(41, '\x11'));
    st().Table.set(StopTable::kAncieGreat + 3, QByteArray());
    st().Table.set(StopTable::kAncieSwell + 3, QByteArray(300, '\x11'));
    st().Table.set(StopTable::kPedale + 7, QByteArray(12, '\x11'));
    st().Table.set(StopTable::kPedaleNames + 7, QByteArray("Bordone 16' \xAB"));
    write();

    EXPECT_EQ(c(m::NomeFondi, 0).foreColor(), color::LightGrey) << "40 bytes: no data";
    EXPECT_EQ(c(m::NomeFondi, 1).foreColor(), color::ButtonText) << "41 bytes: data";
    EXPECT_EQ(c(m::NomeFondi, 1).caption(), QStringLiteral("Fondo 1"));
    EXPECT_EQ(c(m::NomeMutaz, 19).foreColor(), color::ButtonText);
    EXPECT_EQ(c(m::NomeMutaz, 19).caption(), QStringLiteral("Mutazione 19"));
    EXPECT_EQ(c(m::NomeAnce, 3).foreColor(), color::LightGrey) << "a Swell copy alone is no data";
    EXPECT_EQ(c(m::NomePedale, 7).foreColor(), color::LightGrey);
    EXPECT_EQ(c(m::NomePedale, 7).caption(), QStringLiteral("Bordone 16' \u00AB"));
    // The graphic labels are left alone.
    EXPECT_TRUE(c(m::Scritta_Fondi, 1).caption().isEmpty());
    EXPECT_EQ(c(m::Scritta_Fondi, 1).foreColor(), color::None);

    // The graphic panel's names follow the same threshold and leave the standard labels alone.
    st().GraphicMode = true;
    st().Table.set(StopTable::kFondiGreat + 29, QByteArray(41, '\x11'));
    st().Table.set(StopTable::kAncieGreat + 19, QByteArray(40, '\x11'));
    write();
    EXPECT_EQ(c(m::Scritta_Fondi, 29).caption(), QStringLiteral("Fondo 29"));
    EXPECT_EQ(c(m::Scritta_Fondi, 29).foreColor(), color::ButtonText);
    EXPECT_EQ(c(m::Scritta_Ancie, 19).caption(), QStringLiteral("Ancia 19"));
    EXPECT_EQ(c(m::Scritta_Ancie, 19).foreColor(), color::LightGrey);
    EXPECT_EQ(c(m::NomeFondi, 29).caption(), QStringLiteral("Fondo 29")) << "kept as it was";
}

TEST_F(StopCaptionsTest, EmptyNameGivesAnEmptyLabelInItsPlace) {
    st().GraphicMode = false;
    console->layout().LOAD_NORMAL_INTERFACE();
    const double left = c(m::NomeMutaz, 4).left();
    const double top = c(m::NomeMutaz, 4).top();
    st().Table.set(StopTable::kMutazioniNames + 4, QByteArray());
    write();
    EXPECT_TRUE(c(m::NomeMutaz, 4).caption().isEmpty());
    EXPECT_TRUE(c(m::NomeMutaz, 4).isVisible());
    EXPECT_EQ(c(m::NomeMutaz, 4).left(), left);
    EXPECT_EQ(c(m::NomeMutaz, 4).top(), top);
}

TEST_F(StopCaptionsTest, AColumnEndsAtItsFirstShortNameAndAShortFirstNameBlanksIt) {
    setText(StopTable::kReverbNames + 0, 6);
    setText(StopTable::kReverbNames + 1, 4);
    setText(StopTable::kReverbNames + 2, 0);
    fillLists();
    EXPECT_EQ(list(adv::Riverberi).items(), QStringList({"Reverb", "Reve"}));
    // A 3-character name ends the scan as well.
    setText(StopTable::kReverbNames + 2, 3);
    fillLists();
    EXPECT_EQ(list(adv::Riverberi).items().size(), 2);

    for (int length : {2, 3}) {
        setText(StopTable::kReverbNames, length);
        fillLists();
        EXPECT_TRUE(list(adv::Riverberi).items().isEmpty()) << length << " characters";
    }
    for (int length : {0, 1}) {
        setText(StopTable::kReverbNames, length);
        fillLists();
        EXPECT_EQ(list(adv::Riverberi).items(), QStringList(6, QStringLiteral("  ")))
            << length << " characters";
    }
    st().Table.set(StopTable::kTemperamentNames, QByteArray("x"));
    fillLists();
    EXPECT_EQ(list(adv::Temperamenti).items(), QStringList(6, QStringLiteral("  ")));
}

TEST_F(StopCaptionsTest, FullColumnsStopAtTheirEnd) {
    // Every text that follows both columns is long enough to be taken by an unbounded scan.
    for (int k = 320; k < 350; ++k)
        st().Table.set(k, QByteArray("Rinforzo ") + QByteArray::number(k));
    fillLists();
    QStringList reverbs;
    for (int r = 0; r < 8; ++r)
        reverbs << QStringLiteral("Reverb %1").arg(r);
    EXPECT_EQ(list(adv::Riverberi).items(), reverbs);
    QStringList temperaments;
    for (int t = 0; t < 12; ++t)
        temperaments << QStringLiteral("Temperament %1").arg(t);
    EXPECT_EQ(list(adv::Temperamenti).items(), temperaments);
}

TEST_F(StopCaptionsTest, FillingTwiceGivesTheSameLists) {
    st().Table.set(StopTable::kTemperamentNames + 2, QByteArray("Pyt"));
    st().Table.set(StopTable::kReverbNames + 1, QByteArray("Hall \xE9"));
    fillLists();
    list(adv::Riverberi).setValue(0);
    const QStringList reverbs = list(adv::Riverberi).items();
    const QStringList temperaments = list(adv::Temperamenti).items();
    fillLists();
    EXPECT_EQ(list(adv::Riverberi).items(), reverbs);
    EXPECT_EQ(list(adv::Temperamenti).items(), temperaments);
    EXPECT_EQ(list(adv::Temperamenti).items().size(), 2);
    EXPECT_EQ(list(adv::Riverberi).items().at(1), QStringLiteral("Hall \u00E9"));
    EXPECT_EQ(list(adv::NotaInizTemp).items().size(), 12);
    EXPECT_EQ(list(adv::TremoloType).items().size(), 2);
    EXPECT_EQ(list(adv::Riverberi).listIndex(), -1) << "a refilled list has no selection";
}

} // namespace
} // namespace vorlo::test
