#include "RtMidiJackNotices.h"

#include "RtMidiBackend.h"
#include "RtMidiDeviceLink.h"

#include <cstring>

#ifdef VORLO_HAVE_JACK
#include <jack/jack.h>
#include <jack/types.h>
#endif

namespace vorlo {

#ifdef VORLO_HAVE_JACK
namespace {

void silent(const char*) {}

// While it lives, libjack prints nothing: a console waiting for a server to come back must
// not fill its log with JACK's complaints that there is none, once a second.
class QuietJack {
public:
    QuietJack() : error_(jack_error_callback), info_(jack_info_callback) {
        jack_set_error_function(&silent);
        jack_set_info_function(&silent);
    }
    ~QuietJack() {
        jack_set_error_function(error_);
        jack_set_info_function(info_);
    }
    QuietJack(const QuietJack&) = delete;
    QuietJack& operator=(const QuietJack&) = delete;

private:
    void (*error_)(const char*);
    void (*info_)(const char*);
};

jack_client_t* openClient() {
    const QuietJack quiet;
    return jack_client_open(RtMidiBackend::kClientName, JackNoStartServer, nullptr);
}

jack_client_t* asClient(void* client) {
    return static_cast<jack_client_t*>(client);
}

} // namespace

bool RtMidiJackNotices::available() {
    return true;
}

bool RtMidiJackNotices::serverAnswers() {
    jack_client_t* client = openClient();
    if (client == nullptr)
        return false;
    jack_client_close(client);
    return true;
}

bool RtMidiJackNotices::open() {
    close();
    jack_client_t* client = openClient();
    if (client == nullptr)
        return false;
    changed_.store(false, std::memory_order_relaxed);
    gone_.store(false, std::memory_order_relaxed);
    reason_.fill('\0');
    jack_set_port_registration_callback(
        client,
        [](jack_port_id_t port, int registered, void* self) {
            onPortRegistration(port, registered, self);
        },
        this);
    jack_set_port_rename_callback(
        client,
        [](jack_port_id_t port, const char* oldName, const char* newName, void* self) {
            onPortRename(port, oldName, newName, self);
        },
        this);
    jack_on_info_shutdown(
        client,
        [](jack_status_t code, const char* reason, void* self) {
            onShutdown(static_cast<int>(code), reason, self);
        },
        this);
    // The notices come only to an active client.
    if (jack_activate(client) != 0) {
        jack_client_close(client);
        return false;
    }
    client_ = client;
    return true;
}

void RtMidiJackNotices::close() {
    if (client_ == nullptr)
        return;
    jack_client_t* client = asClient(client_);
    client_ = nullptr;
    const QuietJack quiet;
    // A client whose server went is closed all the same: that frees what libjack holds for
    // it, so that a server started later is met afresh.
    if (!serverGone())
        jack_deactivate(client);
    jack_client_close(client);
}

QStringList RtMidiJackNotices::midiPorts(bool sources) const {
    QStringList names;
    if (client_ == nullptr || serverGone())
        return names;
    const char** ports = jack_get_ports(asClient(client_), nullptr, JACK_DEFAULT_MIDI_TYPE,
                                        sources ? JackPortIsOutput : JackPortIsInput);
    if (ports == nullptr)
        return names;
    for (const char** p = ports; *p != nullptr; ++p) {
        const QString name = QString::fromUtf8(*p);
        if (!RtMidiDeviceLink::isOwnPort(name))
            names.append(name);
    }
    jack_free(static_cast<void*>(ports));
    return names;
}

#else

bool RtMidiJackNotices::available() {
    return false;
}

bool RtMidiJackNotices::serverAnswers() {
    return false;
}

bool RtMidiJackNotices::open() {
    return false;
}

void RtMidiJackNotices::close() {}

QStringList RtMidiJackNotices::midiPorts(bool) const {
    return {};
}

#endif

RtMidiJackNotices::~RtMidiJackNotices() {
    close();
}

bool RtMidiJackNotices::takePortsChanged() {
    return changed_.exchange(false, std::memory_order_acq_rel);
}

QString RtMidiJackNotices::goneReason() const {
    if (!serverGone())
        return {};
    return QString::fromLocal8Bit(reason_.data()).trimmed();
}

void RtMidiJackNotices::onPortRegistration(unsigned, int, void* self) {
    static_cast<RtMidiJackNotices*>(self)->changed_.store(true, std::memory_order_release);
}

void RtMidiJackNotices::onPortRename(unsigned, const char*, const char*, void* self) {
    static_cast<RtMidiJackNotices*>(self)->changed_.store(true, std::memory_order_release);
}

void RtMidiJackNotices::onShutdown(int, const char* reason, void* self) {
    auto* notices = static_cast<RtMidiJackNotices*>(self);
    if (reason != nullptr)
        std::strncpy(notices->reason_.data(), reason, kReasonSize - 1);
    notices->gone_.store(true, std::memory_order_release);
}

} // namespace vorlo
