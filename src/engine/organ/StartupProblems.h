#pragma once

#include "StartupProblem.h"

#include <QList>

namespace vorlo {

// What the start-up found that needs the player, gathered so that it is told in one window
// after the console is up, rather than in a box for each as it is found. Outside the start-up
// nothing is gathered: whoever finds a problem then tells it at once.
class StartupProblems {
public:
    // From now on problems are gathered (and the ones of an earlier start-up forgotten).
    void begin();
    bool isGathering() const { return gathering_; }
    // Keeps a problem while gathering; false (and nothing kept) otherwise. A second problem of
    // the same subject adds its text to the first, unless it says the same.
    bool add(const StartupProblem& problem);
    // Whether a problem of this subject was gathered.
    bool has(const QString& subject) const;
    // Ends the gathering and hands over what was gathered.
    QList<StartupProblem> finish();

private:
    bool gathering_ = false;
    QList<StartupProblem> found_;
};

} // namespace vorlo
