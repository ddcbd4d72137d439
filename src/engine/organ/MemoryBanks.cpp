#include "MemoryBanks.h"

#include "BanksFile.h"
#include "ConfigFile.h"
#include "ConsoleListener.h"
#include "ConsoleState.h"
#include "Dialogs.h"
#include "Memories.h"
#include "RecoveryWriter.h"
#include "RunState.h"
#include "StartupProblems.h"

#include <QDateTime>
#include <QDir>
#include <algorithm>

namespace vorlo {
namespace {

const QString kSubject = QStringLiteral("Memory banks");

} // namespace

MemoryBanks::MemoryBanks(ConsoleState& state, ConsoleListener& listener, Memories& memories,
                         Dialogs& dialogs, RunState& run, StartupProblems& problems)
    : state_(state), listener_(listener), memories_(memories), dialogs_(dialogs), run_(run),
      problems_(problems), written_(BanksFile::serialize(banks_, stages_)) {
    writer_ = std::make_unique<RecoveryWriter>(
        state_.appFile(QString::fromLatin1(BanksFile::FileName)), [this](const QString& error) {
            // Told on the writer's thread; the player hears of it on the console's.
            QMetaObject::invokeMethod(
                &context_, [this, error] { reportFailure(error); }, Qt::QueuedConnection);
        });
}

MemoryBanks::~MemoryBanks() = default;

QString MemoryBanks::path() const {
    return writer_->path();
}

void MemoryBanks::load() {
    const QString file = path();
    MemoryBankSet read;
    CrescendoStages readStages;
    const BanksFile::ReadResult r = BanksFile::read(file, read, readStages);
    if (r.status == BanksFile::ReadResult::Status::Damaged) {
        const QString where = QDir::toNativeSeparators(file);
        const QString what =
            r.line > 0 ? QStringLiteral("line %1: %2").arg(r.line).arg(r.reason) : r.reason;
        QString error;
        const QString kept = ConfigFile::keepDamaged(file, QDateTime::currentDateTime(), &error);
        if (kept.isEmpty()) {
            // The damaged file stays where it is and is never written over.
            writable_ = false;
            tell(QStringLiteral("The memory banks file %1 cannot be read (%2), and it could not "
                                "be moved aside (%3).")
                     .arg(where, what, error),
                 QStringLiteral("Banks 2 to 100 and the crescendo's stages start as new and are "
                                "not saved in this session. "
                                "Move or mend the file, then start Vorlo2000 again."));
            return;
        }
        tell(QStringLiteral("The memory banks file %1 cannot be read (%2). It is kept as %3.")
                 .arg(where, what, QDir::toNativeSeparators(kept)),
             QStringLiteral("Banks 2 to 100 and the crescendo's stages start as new; a new "
                            "banks file is written when you store into one of them."));
        return;
    }
    if (r) {
        // Bank 1 is the free memories the console already holds.
        for (int m = 1; m <= kMemoriesPerBank; ++m)
            read.memory(1, m) = banks_.memory(1, m);
        banks_ = read;
        stages_ = readStages;
        written_ = BanksFile::serialize(banks_, stages_);
    }
}

void MemoryBanks::keepShown() {
    ConsoleState& st = state_;
    if (!MemoryBankSet::isBank(st.BankShown))
        st.BankShown = 1;
    for (int m = 1; m <= kMemoriesPerBank; ++m)
        banks_.memory(st.BankShown, m) = st.slot(kFirstFree + m - 1);
}

void MemoryBanks::showBank(int bank) {
    ConsoleState& st = state_;
    if (!MemoryBankSet::isBank(bank) || bank == st.BankShown)
        return;
    keepShown();
    for (int m = 1; m <= kMemoriesPerBank; ++m)
        st.slot(kFirstFree + m - 1) = banks_.memory(bank, m);
    st.BankShown = static_cast<int16_t>(bank);
    st.BankMemory = 0;
    // No memory of the new bank is the one in force, so a change marks none of them.
    st.MemoryUnchanged = false;
    memories_.SPENGO_MEMORIE();
    listener_.bankShown(bank, 0);
    write();
}

void MemoryBanks::stepBank(int step) {
    showBank(std::clamp(state_.BankShown + step, 1, kBankCount));
}

void MemoryBanks::next() {
    keepShown();
    if (const auto place = banks_.next({state_.BankShown, state_.BankMemory}))
        recall(*place);
}

void MemoryBanks::previous() {
    keepShown();
    if (const auto place = banks_.previous({state_.BankShown, state_.BankMemory}))
        recall(*place);
}

void MemoryBanks::recall(BankPlace place) {
    ConsoleState& st = state_;
    showBank(place.bank);
    // A recall, as the memory's own key: REC armed does not turn it into a store.
    if (st.RecArmed)
        memories_.toggleRec();
    memories_.Memorie(place.memory);
    listener_.bankShown(st.BankShown, st.BankMemory);
}

void MemoryBanks::shownChanged() {
    keepShown();
    write();
}

void MemoryBanks::write() {
    if (!writable_)
        return;
    QByteArray bytes = BanksFile::serialize(banks_, stages_);
    if (bytes == written_)
        return;
    written_ = bytes;
    writer_->write(std::move(bytes));
}

void MemoryBanks::storeCrescendoStage(int n, const Registration& r) {
    if (!CrescendoStages::isStage(n))
        return;
    stages_.store(n, r);
    write();
}

void MemoryBanks::flush() {
    writer_->flush();
}

void MemoryBanks::tell(const QString& text, const QString& advice) {
    if (problems_.add({kSubject, text, advice, SetupPage::None}))
        return;
    dialogs_.message(text + QStringLiteral("\n\n") + advice, state_.ProgramTitle,
                     Dialogs::Icon::Exclamation);
}

void MemoryBanks::reportFailure(const QString& error) {
    if (failureTold_ || run_.hasEnded())
        return;
    failureTold_ = true;
    dialogs_.message(QStringLiteral("The memory banks file %1 could not be written (%2). What you "
                                    "stored in banks 2 to 100 is kept while the program runs; "
                                    "store again once the disk has room to save it.")
                         .arg(QDir::toNativeSeparators(path()), error),
                     state_.ProgramTitle, Dialogs::Icon::Exclamation);
}

} // namespace vorlo
