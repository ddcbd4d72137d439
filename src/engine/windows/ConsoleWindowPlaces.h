#pragma once

#include "WindowPlaces.h"

namespace vorlo {

class Form;
class PanelState;

// The main and Advanced windows' places and size as their forms hold them.
class ConsoleWindowPlaces : public WindowPlaces {
public:
    explicit ConsoleWindowPlaces(PanelState& panel);

    Place mainPlace() const override;
    Place advancedPlace() const override;
    double advancedWidth() const override;
    double advancedHeight() const override;
    QSizeF mainSizeFor(bool graphic, double panelScale) const override;

private:
    Form& main_;
    Form& advanced_;
};

} // namespace vorlo
