#include "DeviceNameMatch.h"

#include <gtest/gtest.h>

using namespace vorlo;
using How = DeviceNameMatch::How;

namespace {

struct Case {
    const char* what;
    QStringList names; // as the MIDI system lists them now
    QString wanted;    // as it was when the player chose it
    int preferred;     // where it was then
    int index;
    How how;
};

TEST(DeviceNameMatch, FindsADeviceAgainWhateverTheSystemRenumbered) {
    const Case cases[] = {
        {"exact name wins over a loose one at the old place",
         {"USB Keys 24:0", "USB Keys 20:0"},
         "USB Keys 20:0",
         0,
         1,
         How::Exact},
        {"ALSA client and port numbers change",
         {"Midi Through:Midi Through Port-0 14:0", "USB Keys:USB Keys MIDI 1 28:0"},
         "USB Keys:USB Keys MIDI 1 20:0",
         1,
         1,
         How::Loose},
        {"JACK's ALSA bridge renumbers its clients",
         {"a2j:USB Keys [28] (capture): USB Keys MIDI 1"},
         "a2j:USB Keys [20] (capture): USB Keys MIDI 1",
         0,
         0,
         How::Loose},
        {"a JACK client numbered because its name was taken",
         {"synth:in", "keyboard-01:out"},
         "keyboard:out",
         0,
         1,
         How::Loose},
        {"two identical keyboards: the one at the old place",
         {"Keys 20:0", "Keys 24:0", "Keys 28:0"},
         "Keys 16:0",
         2,
         2,
         How::Loose},
        {"two identical keyboards, neither at the old place: the first",
         {"Other 14:0", "Keys 20:0", "Keys 24:0"},
         "Keys 16:0",
         0,
         1,
         How::Loose},
        {"another device of a similar name is not taken",
         {"USB Keys 2:USB Keys 2 MIDI 1 24:0"},
         "USB Keys:USB Keys MIDI 1 20:0",
         0,
         -1,
         How::NotFound},
        {"the list's own end (\"No device\") is not searched",
         {"Keys 20:0", "No device"},
         "No device",
         1,
         -1,
         How::NotFound},
        {"no name", {"Keys"}, "", 0, -1, How::NotFound},
    };
    for (const Case& c : cases) {
        const int count = c.names.endsWith("No device") ? static_cast<int>(c.names.size()) - 1
                                                        : static_cast<int>(c.names.size());
        const DeviceNameMatch::Found f =
            DeviceNameMatch::find(c.names, count, c.wanted, c.preferred);
        EXPECT_EQ(f.index, c.index) << c.what;
        EXPECT_EQ(f.how, c.how) << c.what;
    }
}

} // namespace
