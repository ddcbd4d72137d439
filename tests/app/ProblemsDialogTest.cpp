// The start-up's problem window: every problem with its text and advice, a button only where a
// window can mend it, and the button's window as the answer.
#include "ProblemsDialog.h"

#include <QLabel>
#include <QPushButton>
#include <QTimer>
#include <gtest/gtest.h>

namespace vorlo::test {
namespace {

const QList<StartupProblem> kProblems = {
    {QStringLiteral("Configuration"), QStringLiteral("The file <is> damaged."), QString(),
     SetupPage::None},
    {QStringLiteral("Built-in synthesizer"), QStringLiteral("No audio output (server down)."),
     QStringLiteral("Start a sound server."), SetupPage::Sound},
};

TEST(ProblemsDialogTest, ShowsEachProblemAndAnswersWithTheWindowOfTheButtonPressed) {
    ProblemsDialog dialog(kProblems, QStringLiteral("Before you play"));
    EXPECT_EQ(dialog.windowTitle(), QStringLiteral("Before you play"));
    const auto* first = dialog.findChild<QLabel*>(QStringLiteral("problemText0"));
    ASSERT_NE(first, nullptr);
    EXPECT_TRUE(first->text().contains(QStringLiteral("The file &lt;is&gt; damaged.")))
        << "the text is shown as written, not as markup";
    EXPECT_EQ(dialog.findChild<QPushButton*>(QStringLiteral("problemButton0")), nullptr)
        << "nothing to open for a damaged file";
    EXPECT_EQ(dialog.findChild<QLabel*>(QStringLiteral("problemAdvice1"))->text(),
              QStringLiteral("Start a sound server."));
    auto* sound = dialog.findChild<QPushButton*>(QStringLiteral("problemButton1"));
    ASSERT_NE(sound, nullptr);
    EXPECT_EQ(sound->text(), QStringLiteral("&Sound..."));

    QTimer::singleShot(0, sound, &QPushButton::click);
    EXPECT_EQ(dialog.exec(), QDialog::Accepted);
    EXPECT_EQ(dialog.chosenPage(), SetupPage::Sound);
}

TEST(ProblemsDialogTest, ClosingAsksForNoWindow) {
    ProblemsDialog dialog(kProblems, QStringLiteral("Before you play"));
    QTimer::singleShot(0, &dialog, &QDialog::reject);
    dialog.exec();
    EXPECT_EQ(dialog.chosenPage(), SetupPage::None);
}

} // namespace
} // namespace vorlo::test
