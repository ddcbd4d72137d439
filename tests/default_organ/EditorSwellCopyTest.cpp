// The editor's Swell copy on the default organ: rebuilt from each Great stop, it must give the
// Swell stop the table already holds, so an organ made in the editor from Great .syx files
// plays the Swell like the default one does.
#include "BuiltTable.h"
#include "SyxData.h"
#include "virtual/VirtualMidiBackend.h"

#include <gtest/gtest.h>

using vorlo::StopTable;
using vorlo::SyxData;

TEST(EditorSwellCopy, EveryGreatStopOfTheDefaultOrganGivesItsSwellStop) {
    const StopTable& t = BuiltTable::table();
    const struct {
        int great, swell, count;
    } groups[] = {{StopTable::kFondiGreat, StopTable::kFondiSwell, 30},
                  {StopTable::kMutazioniGreat, StopTable::kMutazioniSwell, 20},
                  {StopTable::kAncieGreat, StopTable::kAncieSwell, 20}};
    int compared = 0;
    for (const auto& g : groups) {
        for (int i = 0; i < g.count; ++i) {
            const auto r = SyxData::toSwell(t[g.great + i]);
            EXPECT_TRUE(r.complete()) << g.great + i;
            EXPECT_EQ(vorlo::VirtualMidiBackend::hex(r.copy),
                      vorlo::VirtualMidiBackend::hex(t[g.swell + i]))
                << "entry " << g.great + i;
            ++compared;
        }
    }
    EXPECT_EQ(compared, 70);
}
