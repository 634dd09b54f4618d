// Speech through the desktop's speech service (speech-dispatcher), with
// whatever voice the user set up there. Nothing here ever waits on the
// service: requests go to a queue that a worker thread of its own sends, so
// a slow or hanging service cannot hold up the picture or the input.
#pragma once

#include <memory>
#include <string>

namespace platform {

class SpeechOutput {
public:
    enum class State {
        NotConnected, // nothing asked of the service yet
        Connecting,   // the worker is opening the connection
        Connected,
        Unavailable, // no service, or built without its client library
    };

    SpeechOutput();
    // Drops what is still queued and closes the connection.
    ~SpeechOutput();
    SpeechOutput(const SpeechOutput&) = delete;
    SpeechOutput& operator=(const SpeechOutput&) = delete;

    // Starts connecting in the background unless already done; the first
    // Say or Cancel does so too.
    void Connect();
    // Queues `utf8` to be spoken after what is already speaking.
    void Say(std::string utf8);
    // Queues a stop of everything this program has said so far.
    void Cancel();
    State Connection() const;

private:
    struct Worker;
    std::unique_ptr<Worker> worker_;
};

} // namespace platform
