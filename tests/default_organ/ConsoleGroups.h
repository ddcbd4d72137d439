#pragma once

#include <vector>

// The console's seven drawstop groups as the console update sends them: the stops-table
// entries of each group, its name entries and the module parts whose temperament it re-sends
// after a stop change (so the parts the group's stops may use), with the division channel.
class ConsoleGroups {
public:
    struct Group {
        const char* label;
        int firstEntry;
        int firstName;
        int positions;
        std::vector<int> parts;
        int channel; // 1 Great, 2 Swell, 3 Pedal
    };

    static const std::vector<Group>& all() {
        static const std::vector<Group> groups = {
            {"Great Fondi", 40, 200, 30, {1, 2, 3, 4, 5}, 1},
            {"Swell Fondi", 70, 200, 30, {17, 18, 19, 20, 21}, 2},
            {"Great Mutazioni", 100, 230, 20, {11, 12, 13}, 1},
            {"Swell Mutazioni", 120, 230, 20, {27, 28, 29}, 2},
            {"Great Ance/Archi", 140, 250, 20, {6, 7, 8, 9}, 1},
            {"Swell Ance/Archi", 160, 250, 20, {22, 23, 24, 25}, 2},
            {"Pedale", 180, 270, 20, {14, 15, 16, 30, 31, 32}, 3},
        };
        return groups;
    }
    // The Swell group that copies a Great group (index into all()), or -1.
    static int swellCopyOf(int greatIndex) {
        return greatIndex == 0 || greatIndex == 2 || greatIndex == 4 ? greatIndex + 1 : -1;
    }
    static constexpr int kGreatReinforcementPart = 10;
    static constexpr int kSwellReinforcementPart = 26;
};
