#include "StartupProblems.h"

#include <utility>

namespace vorlo {

void StartupProblems::begin() {
    gathering_ = true;
    found_.clear();
}

bool StartupProblems::add(const StartupProblem& problem) {
    if (!gathering_)
        return false;
    for (StartupProblem& p : found_) {
        if (p.subject != problem.subject)
            continue;
        if (!p.text.contains(problem.text))
            p.text += QStringLiteral(" ") + problem.text;
        if (p.page == SetupPage::None)
            p.page = problem.page;
        return true;
    }
    found_.append(problem);
    return true;
}

bool StartupProblems::has(const QString& subject) const {
    for (const StartupProblem& p : found_)
        if (p.subject == subject)
            return true;
    return false;
}

QList<StartupProblem> StartupProblems::finish() {
    gathering_ = false;
    return std::exchange(found_, {});
}

} // namespace vorlo
