#pragma once

#include <QObject>
#include <functional>

class QAbstractSlider;

namespace vorlo {

class ControlBinding;

// Keeps a slider or scroll bar and its control in step: the control's range, steps and value
// show on the widget (without reporting them back), and the player's moves scroll the control.
class SliderSync : public QObject {
    Q_OBJECT
public:
    // afterRefresh runs after each refresh, for what the widget kind adds (ticks, say).
    SliderSync(ControlBinding& binding, QAbstractSlider& slider,
               std::function<void()> afterRefresh = {});

    void refresh();

private:
    ControlBinding& binding_;
    QAbstractSlider& slider_;
    std::function<void()> afterRefresh_;
    bool updating_ = false;
};

} // namespace vorlo
