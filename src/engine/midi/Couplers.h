#pragma once

namespace vorlo {

class Console;

// The pedal couplers, the manual couplers and the pedal sub-octave buttons. Switching them
// sends nothing: the input handlers copy the notes as they pass.
class Couplers {
public:
    explicit Couplers(Console& console);

    void UNPI_Click();
    void UNPII_Click();
    void UN_GOSW_Click();
    void UN_SWGO_Click();
    void Subottava_Click();

private:
    Console& console_;
};

} // namespace vorlo
