// The backend tests run on a JACK server of their own, named after the test program's
// process so that programs run side by side (ctest -j) never share one.
#include "JackServer.h"

#include <QCoreApplication>
#include <gtest/gtest.h>

int main(int argc, char** argv) {
    const QByteArray server =
        "vorlo-test-" + QByteArray::number(QCoreApplication::applicationPid());
    // Every JACK client of this program, RtMidi's included, goes to that server, and none
    // starts a server of its own.
    qputenv("JACK_DEFAULT_SERVER", server);
    qputenv("JACK_NO_START_SERVER", "1");

    QCoreApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    vorlo::test::JackServer jack(QString::fromLatin1(server));
    vorlo::test::JackServer::setCurrent(&jack);
    const int result = RUN_ALL_TESTS();
    vorlo::test::JackServer::setCurrent(nullptr);
    jack.stop();
    return result;
}
