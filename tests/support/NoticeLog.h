#pragma once

#include "ConsoleListener.h"

#include <QString>
#include <QStringList>
#include <functional>

namespace vorlo::test {

// Keeps what the console tells the player about its devices without asking.
class NoticeLog : public ConsoleListener {
public:
    void deviceNotice(const QString& text) override {
        texts.append(text);
        if (onNotice)
            onNotice(text);
    }
    QStringList take() { return std::exchange(texts, {}); }

    QStringList texts;
    std::function<void(const QString&)> onNotice;
};

} // namespace vorlo::test
