#include "RecoveryWriter.h"

#include "SafeFile.h"

#include <QFile>

namespace vorlo {

RecoveryWriter::RecoveryWriter(QString path, FailureHandler onFailure)
    : path_(std::move(path)), onFailure_(std::move(onFailure)) {}

RecoveryWriter::~RecoveryWriter() {
    {
        std::lock_guard lock(mutex_);
        stopping_ = true;
    }
    wake_.notify_all();
    if (thread_.joinable())
        thread_.join();
}

void RecoveryWriter::write(QByteArray bytes) {
    request(Request::Write, std::move(bytes));
}

void RecoveryWriter::remove() {
    request(Request::Remove, {});
}

void RecoveryWriter::request(Request r, QByteArray bytes) {
    {
        std::lock_guard lock(mutex_);
        pending_ = r;
        bytes_ = std::move(bytes);
        ++requested_;
        if (!thread_.joinable())
            thread_ = std::thread([this] { run(); });
    }
    wake_.notify_one();
}

void RecoveryWriter::flush() {
    std::unique_lock lock(mutex_);
    done_.wait(lock, [this] { return finished_ == requested_; });
}

void RecoveryWriter::run() {
    std::unique_lock lock(mutex_);
    for (;;) {
        wake_.wait(lock, [this] { return pending_ != Request::None || stopping_; });
        if (pending_ == Request::None)
            return; // stopping, and nothing left to do
        const Request r = pending_;
        const QByteArray bytes = std::move(bytes_);
        const uint64_t upTo = requested_;
        pending_ = Request::None;
        bytes_.clear();
        lock.unlock();

        QString error;
        bool ok = true;
        if (r == Request::Write) {
            ok = SafeFile::write(path_, bytes, &error);
        } else if (QFile::exists(path_)) {
            QFile file(path_);
            ok = file.remove();
            if (!ok)
                error = file.errorString();
        }
        if (!ok && onFailure_)
            onFailure_(error);

        lock.lock();
        finished_ = upTo;
        done_.notify_all();
    }
}

} // namespace vorlo
