#pragma once

#include <QColor>
#include <QImage>
#include <QString>

namespace vorlo::artgen {

// The Total Recall key map, "tastiera.bmp": the keyboard from key 36 (C2) to key 95 (B6), each
// key labelled with the command it gives after a switch event (a press of the sustain pedal).
// Keys are tinted by kind of command, and a row of coloured bands names the groups. Black keys
// have their labels above the keyboard, white keys below, written upwards so that each fits
// its key; memory keys carry their memory number on the key itself.
class KeyMapPicture {
public:
    static constexpr int kWidth = 1000;
    static constexpr int kHeight = 336;
    static constexpr int kFirstKey = 36;
    static constexpr int kLastKey = 95;

    static QImage render();

    // What a key does, as drawn on the map: one or two short lines (empty for the memory keys,
    // which show their number on the key) and the key's memory number (0 for other keys).
    struct Label {
        QString first;
        QString second;
        int memory = 0;
    };
    static Label labelOf(int key);

    static bool isBlack(int key);
};

} // namespace vorlo::artgen
