#include "ScriptedDialogs.h"

namespace vorlo::test {

void ScriptedDialogs::message(const QString& text, const QString& title, Icon icon) {
    messages.push_back({text, title, icon});
    if (whileShown)
        whileShown(text);
}

bool ScriptedDialogs::messageOkCancel(const QString& text, const QString& title, Icon icon) {
    messages.push_back({text, title, icon, true});
    if (whileShown)
        whileShown(text);
    return true;
}

bool ScriptedDialogs::askYesNo(const QString& text, const QString& title) {
    questions.append(text);
    questionTitles.append(title);
    if (answers.empty())
        return false;
    const bool a = answers.front();
    answers.pop_front();
    return a;
}

std::optional<QString> ScriptedDialogs::openFileName(const QString& title, const QString&) {
    fileDialogTitles.append(title);
    return nextFile();
}

std::optional<QString> ScriptedDialogs::saveFileName(const QString& title, const QString&,
                                                     const QString&) {
    fileDialogTitles.append(title);
    return nextFile();
}

QString ScriptedDialogs::problemText(const QString& subject) const {
    if (problemWindows.empty())
        return {};
    for (const StartupProblem& p : problemWindows.back())
        if (p.subject == subject)
            return p.text;
    return {};
}

SetupPage ScriptedDialogs::showProblems(const QList<StartupProblem>& problems, const QString&) {
    problemWindows.push_back(problems);
    return problemAnswer;
}

std::optional<QString> ScriptedDialogs::nextFile() {
    if (files.empty())
        return std::nullopt;
    const bool cancelled = !files.front().has_value();
    const QString name = files.front().value_or(QString());
    files.pop_front();
    if (cancelled)
        return std::nullopt;
    return name;
}

QStringList ScriptedDialogs::messageTexts() const {
    QStringList out;
    for (const auto& m : messages)
        out.append(m.text);
    return out;
}

} // namespace vorlo::test
