#pragma once

#include <QByteArray>
#include <QtGlobal>

namespace vorlo::test {

// While it lives, JACK clients made by the test program look for a server that does not
// exist; then they go back to the test server.
class AbsentJackServer {
public:
    AbsentJackServer() : saved_(qgetenv(kVariable)) { qputenv(kVariable, saved_ + "-absent"); }
    ~AbsentJackServer() { qputenv(kVariable, saved_); }
    AbsentJackServer(const AbsentJackServer&) = delete;
    AbsentJackServer& operator=(const AbsentJackServer&) = delete;

private:
    static constexpr const char* kVariable = "JACK_DEFAULT_SERVER";
    QByteArray saved_;
};

} // namespace vorlo::test
