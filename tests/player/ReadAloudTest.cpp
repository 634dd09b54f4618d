// Reading aloud: a game played by keys against a recording speech service
// that speaks the service's text protocol on a socket of its own.
#include "MessageTestSupport.h"
#include "PlayerTestSupport.h"

#include "platform/WindowHost.h"
#include "resources/PlayerResources.h"
#include "resources/VirtualKeys.h"

#include <gtest/gtest.h>

#include <strings.h>
#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>

#include <algorithm>
#include <atomic>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <mutex>
#include <thread>

using namespace playertest;
using namespace messagetest;
using Steady = std::chrono::steady_clock;

namespace {

// A speech service that answers every request (or none) and records when it
// was asked to say something ("SPEAK text") or to stop ("CANCEL").
class RecordingService {
public:
    RecordingService(std::string path, bool answers) : path_(std::move(path)), answers_(answers) {
        listener_ = socket(AF_UNIX, SOCK_STREAM, 0);
        sockaddr_un address{AF_UNIX, {}};
        std::snprintf(address.sun_path, sizeof address.sun_path, "%s", path_.c_str());
        unlink(path_.c_str());
        bind(listener_, reinterpret_cast<sockaddr*>(&address), sizeof address);
        listen(listener_, 4);
        thread_ = std::thread([this] { Serve(); });
    }
    ~RecordingService() {
        shutdown(listener_, SHUT_RDWR);
        shutdown(client_, SHUT_RDWR);
        close(listener_);
        thread_.join();
        unlink(path_.c_str());
    }
    std::vector<std::pair<std::string, Steady::time_point>> Heard() {
        std::lock_guard<std::mutex> lock(mutex_);
        return heard_;
    }

private:
    void Serve() {
        const int client = client_ = accept(listener_, nullptr, nullptr);
        if (client < 0) {
            return;
        }
        std::string buffer, text;
        bool data = false;
        char chunk[512];
        for (ssize_t n; (n = read(client, chunk, sizeof chunk)) > 0;) {
            buffer.append(chunk, static_cast<size_t>(n));
            for (size_t end; (end = buffer.find("\r\n")) != std::string::npos;) {
                std::string line = buffer.substr(0, end);
                buffer.erase(0, end + 2);
                std::string reply = "200 OK\r\n";
                if (data && line != ".") {
                    text += (text.empty() ? "" : "\n") + line.substr(line.rfind("..", 0) == 0);
                    continue;
                } else if (data) {
                    data = false;
                    Note("SPEAK " + std::exchange(text, {}));
                    reply = "225-1\r\n225 OK MESSAGE QUEUED\r\n";
                } else if (strcasecmp(line.c_str(), "SPEAK") == 0) { // either case
                    data = true;
                    reply = "230 OK RECEIVING DATA\r\n";
                } else if (strncasecmp(line.c_str(), "CANCEL", 6) == 0) {
                    Note("CANCEL");
                }
                if (answers_ && write(client, reply.data(), reply.size()) < 0) {
                    break;
                }
            }
        }
        close(client);
    }
    void Note(std::string what) {
        std::lock_guard<std::mutex> lock(mutex_);
        heard_.emplace_back(std::move(what), Steady::now());
    }

    std::string path_;
    bool answers_;
    int listener_;
    std::atomic<int> client_{-1};
    std::thread thread_;
    std::mutex mutex_;
    std::vector<std::pair<std::string, Steady::time_point>> heard_;
};

TEST(ReadAloudTest, PagesAndChoicesReachTheServiceOnceInOrderAndAdvancesStopThem) {
    const std::string socketPath = ::testing::TempDir() + "vn-readaloud.sock";
    // After each text: Enter advances; in the choice Down, Down and Enter.
    const int enter = resources::VK_RETURN, down = resources::VK_DOWN;
    const std::vector<int> answers = {enter, enter, enter, down, down, enter};
    enum Service { Missing, Silent, Answering }; // a silent one holds up nothing
    const struct {
        bool turnedOn;
        Service service;
        std::pair<bool, bool> itemCheckedAndEnabled; // at the end
        std::vector<std::string> heard;
    } rows[] = {
        {false, Answering, {false, true}, {}},
        {true, Silent, {true, true}, {}},
        {true, Missing, {false, false}, {}},
        {true,
         Answering,
         {true, true},
         {"SPEAK 太郎\n一頁目", "CANCEL", "SPEAK 二頁目", "CANCEL", "SPEAK 三 頁目", "CANCEL",
          "SPEAK 右\n左", "CANCEL", "SPEAK 右", "CANCEL", "SPEAK 左", "CANCEL"}},
    };
    for (const auto& row : rows) {
        RecordingService service(socketPath, row.service == Answering);
        setenv("SPEECHD_ADDRESS",
               ("unix_socket:" + socketPath + (row.service == Missing ? "-none" : "")).c_str(), 1);
        GameFolder game;
        WriteGame(game,
                  {Wait(200), Serif(u8"太郎", u8"一頁目\\二頁目"), Narration(u8"三/頁目"),
                   Select(u8"右", "one", u8"左", "two"), playertest::Label("one"),
                   playertest::Label("two")},
                  {});
        game.WriteIni(kIni);
        Session session;
        Schedule schedule;
        size_t answered = 0;
        int presses = 0; // of V
        std::vector<Steady::time_point> advances;
        std::pair<bool, bool> item;
        const Steady::time_point start = Steady::now();
        ASSERT_TRUE(session.Run(game, 1, [&](int64_t now, VNPlayer& player) {
            // The game's clock keeps near the wall clock's.
            std::this_thread::sleep_for(std::chrono::microseconds(100));
            VNPWindow* window = player.Window();
            if (!window || !window->IsOpen()) {
                return;
            }
            if (row.turnedOn && presses++ == 0) {
                Key(player, 'V');
            }
            const auto heard = service.Heard();
            const size_t speaks = std::count_if(heard.begin(), heard.end(), [](const auto& h) {
                return h.first.rfind("SPEAK", 0) == 0;
            });
            // Paced when unheard, else each once its text is typed (30 ms a character).
            while (answered < answers.size() && (row.heard.empty() || speaks > answered)) {
                const int key = answers[answered++];
                schedule.At(now + (row.heard.empty() ? 500 * int64_t(answered) : 300),
                            [key, &advances](VNPlayer& p) {
                                advances.push_back(Steady::now());
                                Key(p, key);
                            });
            }
            schedule.Run(now, player);
            item = {window->Host().IsMenuItemChecked(resources::player_cmd::ReadAloud),
                    window->Host().IsMenuItemEnabled(resources::player_cmd::ReadAloud)};
            if (Steady::now() - start > std::chrono::seconds(20)) {
                window->Close();
            }
        }));
        std::vector<std::string> heard;
        double slowest = 0; // ms from an advance to the next text spoken
        for (const auto& [what, when] : service.Heard()) {
            heard.push_back(what);
            if (what.rfind("SPEAK", 0) == 0 && heard.size() / 2 - 1 < advances.size()) {
                const std::chrono::duration<double, std::milli> took =
                    when - advances[heard.size() / 2 - 1];
                slowest = std::max(slowest, took.count());
            }
        }
        EXPECT_EQ(heard, row.heard) << row.service;
        EXPECT_EQ(item, row.itemCheckedAndEnabled) << row.service;
        std::printf("read aloud: slowest text after an advance %.1f ms\n", slowest);
    }
}

} // namespace
