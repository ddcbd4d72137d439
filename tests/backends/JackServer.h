#pragma once

#include <QDeadlineTimer>
#include <QDir>
#include <QProcess>
#include <QString>
#include <QTemporaryFile>

namespace vorlo::test {

// A JACK server of the test program's own, with the dummy driver, so that the tests never
// meet another JACK server or each other. Its name must be in JACK_DEFAULT_SERVER before the
// first JACK client of the program is made. It is started on first use and stopped when the
// object goes (or, on Linux, when the test program dies).
class JackServer {
public:
    explicit JackServer(QString name);
    ~JackServer();
    JackServer(const JackServer&) = delete;
    JackServer& operator=(const JackServer&) = delete;

    // The server of this test program (set by main).
    static JackServer* current();
    static void setCurrent(JackServer* server);

    // Starts the server and waits until a client can connect. False when it did not come
    // up; then isMissing() tells whether jackd is not installed, problem() tells what happened.
    bool start();
    void stop();
    // Stops the server if it runs, then starts it again under the same name.
    bool restart();
    bool isRunning() const { return process_.state() == QProcess::Running; }
    bool isMissing() const { return state_ == State::Missing; }
    const QString& problem() const { return problem_; }
    const QString& name() const { return name_; }

private:
    enum class State { NotStarted, Running, Missing, Failed };
    static bool clientCanConnect();
    bool setUpLooksDone(const QDeadlineTimer& deadline);

    QString name_;
    QProcess process_;
    QTemporaryFile output_{QDir::tempPath() + QStringLiteral("/vorlo-jackd-XXXXXX.log")};
    State state_ = State::NotStarted;
    bool sawSetUpDone_ = false;
    QString problem_;
};

} // namespace vorlo::test
