#pragma once

#include <QString>

namespace vorlo {

class Console;

// The Help menu's about window and help file.
class AboutHelp {
public:
    explicit AboutHelp(Console& console);

    void About_Click();
    void Form_Load();
    void Command1_Click();
    void Help1_Click();

    // The help file shipped beside the program.
    QString helpFile() const;

private:
    Console& console_;
};

} // namespace vorlo
