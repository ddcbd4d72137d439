#pragma once

#include <QByteArray>
#include <QString>
#include <condition_variable>
#include <cstdint>
#include <functional>
#include <mutex>
#include <thread>

namespace vorlo {

// Writes one file on a thread of its own, so that the disk never holds up the thread that
// plays the notes. Each request replaces any that is still waiting, since only the newest
// contents matter; removing the file is a request like any other. Every write goes through
// a temporary file and a rename, so the file is always either the old or the new contents.
class RecoveryWriter {
public:
    // Told on the writer's thread when a request failed, with the reason.
    using FailureHandler = std::function<void(const QString& error)>;

    RecoveryWriter(QString path, FailureHandler onFailure);
    // Carries out the request still waiting, then stops the thread.
    ~RecoveryWriter();
    RecoveryWriter(const RecoveryWriter&) = delete;
    RecoveryWriter& operator=(const RecoveryWriter&) = delete;

    const QString& path() const { return path_; }
    void write(QByteArray bytes);
    void remove();
    // Returns once every request made so far has reached the disk (or failed).
    void flush();

private:
    enum class Request { None, Write, Remove };
    void request(Request r, QByteArray bytes);
    void run();

    const QString path_;
    const FailureHandler onFailure_;
    std::mutex mutex_;
    std::condition_variable wake_;
    std::condition_variable done_;
    Request pending_ = Request::None;
    QByteArray bytes_;
    uint64_t requested_ = 0; // requests made
    uint64_t finished_ = 0;  // requests carried out, the replaced ones included
    bool stopping_ = false;
    std::thread thread_; // started by the first request
};

} // namespace vorlo
