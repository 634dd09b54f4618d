#include "platform/SpeechOutput.h"

#include <atomic>
#include <chrono>
#include <condition_variable>
#include <cstdlib>
#include <deque>
#include <filesystem>
#include <mutex>
#include <string_view>
#include <thread>
#include <utility>

#ifdef VN_HAVE_SPEECHD
#include <libspeechd.h>
#endif

namespace platform {

namespace {

struct Request {
    bool cancel = false;
    std::string text; // to say when not a cancel
};

#ifdef VN_HAVE_SPEECHD
// False when `address` names a local socket that is not there: no service
// can answer, and libspeechd would keep its copy of the address after the
// failed connection.
bool SocketMayAnswer(std::string_view address) {
    constexpr std::string_view kUnixSocket = "unix_socket:";
    if (!address.starts_with(kUnixSocket)) {
        return true;
    }
    std::error_code error;
    return std::filesystem::exists(address.substr(kUnixSocket.size()), error);
}
#endif

// The connection as the worker holds it; without the client library every
// connection fails.
class ServiceLink {
public:
    ~ServiceLink() {
#ifdef VN_HAVE_SPEECHD
        if (spd_) {
            spd_close(spd_);
        }
#endif
    }
    bool Open() {
#ifdef VN_HAVE_SPEECHD
        // The address comes from SPEECHD_ADDRESS or the service's default.
        // At the default address libspeechd starts the service when it is
        // installed but not running; an address of the user's own names a
        // service already running. (Starting one there and failing would also
        // leave libspeechd's first error text unfreed.)
        const char* address = std::getenv("SPEECHD_ADDRESS");
        if (address && !SocketMayAnswer(address)) {
            return false;
        }
        const bool start = address == nullptr;
        char* error = nullptr;
        spd_ = spd_open2("vnplay", "message", nullptr, SPD_MODE_SINGLE, nullptr, start, &error);
        free(error);
        return spd_ != nullptr;
#else
        return false;
#endif
    }
    void Send(const Request& request) {
#ifdef VN_HAVE_SPEECHD
        if (request.cancel) {
            spd_cancel(spd_);
        } else {
            spd_say(spd_, SPD_MESSAGE, request.text.c_str());
        }
#else
        (void)request;
#endif
    }

private:
#ifdef VN_HAVE_SPEECHD
    SPDConnection* spd_ = nullptr;
#endif
};

// What the program and the worker share; the worker holds it too, so a
// worker stuck on a service that stopped answering may outlive the output.
struct Shared {
    std::mutex mutex;
    std::condition_variable wake;
    std::deque<Request> queue;
    bool stopping = false;
    bool finished = false;
    std::atomic<SpeechOutput::State> state{SpeechOutput::State::Connecting};
};

void Serve(const std::shared_ptr<Shared>& shared) {
    ServiceLink link;
    const bool open = link.Open();
    std::unique_lock<std::mutex> lock(shared->mutex);
    shared->state = open ? SpeechOutput::State::Connected : SpeechOutput::State::Unavailable;
    while (open) {
        shared->wake.wait(lock, [&] { return shared->stopping || !shared->queue.empty(); });
        if (shared->stopping) {
            break;
        }
        const Request request = std::move(shared->queue.front());
        shared->queue.pop_front();
        lock.unlock();
        link.Send(request);
        lock.lock();
    }
    shared->queue.clear();
    shared->finished = true;
    shared->wake.notify_all();
}

} // namespace

struct SpeechOutput::Worker {
    // How long closing waits for the worker before leaving it behind.
    static constexpr std::chrono::milliseconds kCloseWait{300};

    std::shared_ptr<Shared> shared = std::make_shared<Shared>();
    std::thread thread;

    Worker() : thread([s = shared] { Serve(s); }) {}
    ~Worker() {
        std::unique_lock<std::mutex> lock(shared->mutex);
        shared->stopping = true;
        shared->queue.clear();
        shared->wake.notify_all();
        if (shared->wake.wait_for(lock, kCloseWait, [this] { return shared->finished; })) {
            lock.unlock();
            thread.join();
        } else {
            thread.detach(); // a service that stopped answering keeps it
        }
    }

    void Push(Request request) {
        {
            std::lock_guard<std::mutex> lock(shared->mutex);
            if (shared->state == State::Unavailable) {
                return;
            }
            shared->queue.push_back(std::move(request));
        }
        shared->wake.notify_all();
    }
};

SpeechOutput::SpeechOutput() = default;

SpeechOutput::~SpeechOutput() = default;

void SpeechOutput::Connect() {
    if (!worker_) {
        worker_ = std::make_unique<Worker>();
    }
}

void SpeechOutput::Say(std::string utf8) {
    Connect();
    worker_->Push({false, std::move(utf8)});
}

void SpeechOutput::Cancel() {
    Connect();
    worker_->Push({true, {}});
}

SpeechOutput::State SpeechOutput::Connection() const {
    return worker_ ? worker_->shared->state.load() : State::NotConnected;
}

} // namespace platform
