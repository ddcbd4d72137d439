#pragma once

namespace vorlo {

class Console;

// Carries the stops table's names onto the panel and into the Advanced window's lists.
class StopCaptions {
public:
    explicit StopCaptions(Console& console);

    void SCRITTURA_TESTI_DEI_REGISTRI();
    void CARICAMENTO_LIST_BOXES();

private:
    Console& console_;
};

} // namespace vorlo
