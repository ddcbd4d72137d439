#include "ScriptedDialogs.h"

namespace vorlo::test {

void ScriptedDialogs::message(const QString& text, const QString& title, Icon icon) {
    messages.push_back({text, title, icon});
    if (whileShown)
        whileShown(text);
}

bool ScriptedDialogs::askYesNo(const QString& text, const QString& title) {
    questions.append(text);
    if (answers.empty())
        return false;
    const bool a = answers.front();
    answers.pop_front();
    return a;
}

std::optional<QString> ScriptedDialogs::openFileName(const QString& title, const QString&) {
    fileDialogTitles.append(title);
    if (files.empty())
        return std::nullopt;
    auto f = files.front();
    files.pop_front();
    return f;
}

std::optional<QString> ScriptedDialogs::saveFileName(const QString& title, const QString&,
                                                     const QString&) {
    fileDialogTitles.append(title);
    if (files.empty())
        return std::nullopt;
    auto f = files.front();
    files.pop_front();
    return f;
}

QStringList ScriptedDialogs::messageTexts() const {
    QStringList out;
    for (const auto& m : messages)
        out.append(m.text);
    return out;
}

} // namespace vorlo::test
