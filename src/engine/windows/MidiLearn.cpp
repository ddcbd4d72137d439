#include "MidiLearn.h"

#include "ConsoleListener.h"
#include "ConsoleState.h"
#include "Control.h"
#include "Form.h"
#include "MidiBindings.h"
#include "StopGroup.h"

#include <QStringList>

namespace vorlo {

MidiLearn::MidiLearn(const ConsoleState& state, Form& main, MidiBindings& bindings,
                     ConsoleListener& events)
    : state_(state), main_(main), bindings_(bindings), events_(events) {}

void MidiLearn::offer(Control& control, const ConsoleCommand& command) {
    if (!offered_.contains(command))
        offered_.append(command);
    control.onLearn = [this, &control, command] { learn(control, command); };
    control.onForget = [this, &control, command] { forget(control, command); };
}

void MidiLearn::offersComplete() {
    bindings_.keepOnly([this](const ConsoleCommand& c) { return offered_.contains(c); });
}

QString MidiLearn::nameOf(const Control& control) const {
    // A drawstop draws over its stop's name, which another control shows (its own caption is
    // only the mark of a stop drawn).
    for (const StopGroup& g : kStopGroups) {
        const std::pair<const ControlArrayId*, const char*> drawstops[] = {
            {g.overlayGo, "Great"},
            {g.knobsGo, g.isManual() ? "Great" : "Pedal"},
            {g.overlaySw, "Swell"},
            {g.knobsSw, "Swell"}};
        for (const auto& [ids, division] : drawstops) {
            if (!ids || control.name() != QLatin1String(ids->name) || control.index() < 0 ||
                control.index() >= g.count)
                continue;
            const QString stop =
                main_(*(state_.GraphicMode ? g.captions : g.names), control.index())
                    .caption()
                    .simplified();
            if (!stop.isEmpty())
                return QStringLiteral("%1 (%2)").arg(stop, QLatin1String(division));
        }
    }
    const QString caption = control.caption().simplified().remove(QLatin1Char('&'));
    if (!caption.isEmpty())
        return caption;
    return control.index() >= 0 ? QStringLiteral("%1(%2)").arg(control.name()).arg(control.index())
                                : control.name();
}

void MidiLearn::learn(const Control& control, const ConsoleCommand& command) {
    const QString name = nameOf(control);
    bindings_.learn(command, [this, name](const MidiTrigger& t) {
        QString text = QStringLiteral("\"%1\" is bound to %2.").arg(name, t.describe());
        if (!bindings_.storeError().isEmpty())
            text += QStringLiteral(" It could not be stored (%1): it holds until the program "
                                   "ends.")
                        .arg(bindings_.storeError());
        events_.deviceNotice(text);
    });
    events_.deviceNotice(
        QStringLiteral("Press the key, pedal or button on a keyboard that is to work \"%1\".")
            .arg(name));
}

void MidiLearn::forget(const Control& control, const ConsoleCommand& command) {
    bindings_.cancelLearning();
    const QList<MidiTrigger> had = bindings_.triggersOf(command);
    if (bindings_.forget(command) == 0) {
        events_.deviceNotice(QStringLiteral("\"%1\" has no binding.").arg(nameOf(control)));
        return;
    }
    QStringList what;
    for (const MidiTrigger& t : had)
        what << t.describe();
    events_.deviceNotice(QStringLiteral("\"%1\" no longer answers to %2.")
                             .arg(nameOf(control), what.join(QStringLiteral("; "))));
}

} // namespace vorlo
