#pragma once

namespace vorlo {

class Console;

// Carries the stops table's names onto the panel and into the Advanced window's lists.
class StopCaptions {
public:
    // The name columns of the stops table that feed the Advanced window's lists.
    static constexpr int kTemperamentCount = 12; // entries 300..311
    static constexpr int kReverbCount = 8;       // entries 312..319

    explicit StopCaptions(Console& console);

    void SCRITTURA_TESTI_DEI_REGISTRI();
    void CARICAMENTO_LIST_BOXES();

private:
    Console& console_;
};

} // namespace vorlo
