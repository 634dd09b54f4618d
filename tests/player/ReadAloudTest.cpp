// Reading aloud: the text of a page as it is spoken, and a game played by
// keys against a recording speech service that speaks the service's text
// protocol on a socket of its own.
#include "MessageTestSupport.h"
#include "PlayerTestSupport.h"

#include "platform/WindowHost.h"
#include "player/ReadAloud.h"
#include "resources/PlayerResources.h"
#include "resources/VirtualKeys.h"
#include "scenario/VNString.h"

#include <gtest/gtest.h>

#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>

#include <atomic>
#include <cctype>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <mutex>
#include <thread>

using namespace playertest;
using namespace messagetest;
using Steady = std::chrono::steady_clock;

namespace {

std::string Sjis(const char8_t* utf8) {
    return VNString(utf8).Bytes();
}

TEST(ReadAloudTest, SpokenPageNamesTheSpeakerAndDropsLineBreaks) {
    const struct {
        const char8_t* page;
        const char8_t* spoken;
    } rows[] = {
        {u8"【太郎】/こんにちは/世界", u8"太郎\nこんにちは 世界"},
        {u8"【太郎】", u8"太郎\n"},
        {u8"地の/文", u8"地の 文"},
        {u8"【閉じない/名前", u8"【閉じない 名前"},
        {u8"ソース", u8"ソース"}, // a trail byte 0x5C is no mark
        {u8"", u8""},
    };
    for (const auto& row : rows) {
        EXPECT_EQ(SpokenPage(Sjis(row.page)), reinterpret_cast<const char*>(row.spoken))
            << reinterpret_cast<const char*>(row.page);
    }
}

// A speech service that answers every request (or, not `answers`, none)
// and records what it was asked
// to say ("SPEAK text") or to stop ("CANCEL"), with when it arrived.
class RecordingService {
public:
    RecordingService(std::string path, bool answers) : path_(std::move(path)), answers_(answers) {
        listener_ = socket(AF_UNIX, SOCK_STREAM, 0);
        sockaddr_un address{};
        address.sun_family = AF_UNIX;
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
                std::string command = line; // commands come in either case
                for (char& c : command) {
                    c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
                }
                buffer.erase(0, end + 2);
                std::string reply = "200 OK\r\n";
                if (data && line != ".") {
                    text += (text.empty() ? "" : "\n") + line.substr(line.rfind("..", 0) == 0);
                    continue;
                } else if (data) {
                    data = false;
                    Note("SPEAK " + std::exchange(text, {}));
                    reply = "225-1\r\n225 OK MESSAGE QUEUED\r\n";
                } else if (command == "SPEAK") {
                    data = true;
                    reply = "230 OK RECEIVING DATA\r\n";
                } else if (command.rfind("CANCEL", 0) == 0) {
                    Note("CANCEL");
                } else if (command == "QUIT") {
                    reply = "231 HAPPY HACKING\r\n";
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
    setenv("SPEECHD_ADDRESS", ("unix_socket:" + socketPath).c_str(), 1);
    // The key after each thing spoken: Enter advances a page; in the choice
    // Down points the first line, then the second, and Enter chooses it.
    const std::vector<int> answers = {resources::VK_RETURN, resources::VK_RETURN,
                                      resources::VK_RETURN, resources::VK_DOWN,
                                      resources::VK_DOWN,   resources::VK_RETURN};
    const struct {
        bool turnedOn;
        bool answers; // a service that stopped answering holds up nothing
        std::vector<std::string> heard;
    } rows[] = {
        {false, true, {}},
        {true, false, {}},
        {true,
         true,
         {"SPEAK 太郎\n一頁目", "CANCEL", "SPEAK 二頁目", "CANCEL", "SPEAK 三 頁目", "CANCEL",
          "SPEAK 右\n左", "CANCEL", "SPEAK 右", "CANCEL", "SPEAK 左", "CANCEL"}},
    };
    for (const auto& row : rows) {
        RecordingService service(socketPath, row.answers);
        GameFolder game;
        WriteGame(game,
                  {Wait(200), Serif(u8"太郎", u8"一頁目\\二頁目"), Narration(u8"三/頁目"),
                   Select(u8"右", "one", u8"左", "two"), playertest::Label("one"),
                   playertest::Label("two")},
                  {});
        game.WriteIni(kIni);
        Session session;
        Schedule schedule;
        bool asked = false;
        size_t answered = 0;
        std::vector<Steady::time_point> advances;
        const Steady::time_point start = Steady::now();
        ASSERT_TRUE(session.Run(game, 1, [&](int64_t now, VNPlayer& player) {
            // The game's clock moves with the wall clock's, so the service
            // has time to answer.
            std::this_thread::sleep_for(std::chrono::microseconds(100));
            if (!asked && row.turnedOn && player.Window() && player.Window()->IsOpen()) {
                asked = true;
                Key(player, 'V');
            }
            const auto heard = service.Heard();
            size_t speaks = 0;
            for (const auto& h : heard) {
                speaks += h.first.rfind("SPEAK", 0) == 0;
            }
            // The next key once the page is typed (its characters take 30 ms each).
            if (speaks > answered && answered < answers.size()) {
                const int key = answers[answered++];
                schedule.At(now + 300, [key, &advances](VNPlayer& p) {
                    advances.push_back(Steady::now());
                    Key(p, key);
                });
            }
            schedule.Run(now, player);
            // Unheard, the same keys go at a steady pace.
            if (!row.heard.size() && answered == 0) {
                for (const int key : answers) {
                    schedule.At(now + 500 * static_cast<int64_t>(++answered),
                                [key](VNPlayer& p) { Key(p, key); });
                }
            }
            if (Steady::now() - start > std::chrono::seconds(20)) {
                player.Window()->Close();
            }
        }));
        std::vector<std::string> heard;
        for (const auto& h : service.Heard()) {
            heard.push_back(h.first);
        }
        EXPECT_EQ(heard, row.heard) << row.turnedOn << row.answers;
        // How long each page after an advance took to reach the service.
        const auto got = service.Heard();
        double worst = 0;
        for (size_t i = 1, advance = 0; i < got.size() && advance < advances.size(); ++i) {
            if (got[i].first.rfind("SPEAK", 0) == 0 && got[i - 1].first == "CANCEL") {
                worst = std::max(worst, std::chrono::duration<double, std::milli>(
                                            got[i].second - advances[advance++])
                                            .count());
            }
        }
        std::printf("read aloud: slowest page after an advance %.1f ms\n", worst);
    }
}

TEST(ReadAloudTest, WithoutAServiceTheItemIsGreyedAndOff) {
    setenv("SPEECHD_ADDRESS", ("unix_socket:" + ::testing::TempDir() + "vn-no-service").c_str(), 1);
    GameFolder game;
    WriteGame(game, {Wait(200), Wait(500), Narration(u8"一")}, {});
    game.WriteIni(kIni);
    Session session;
    bool asked = false;
    int64_t shown = -1;
    std::pair<bool, bool> checkedAndEnabled{true, true};
    ASSERT_TRUE(session.Run(game, 1, [&](int64_t now, VNPlayer& player) {
        std::this_thread::sleep_for(std::chrono::microseconds(100));
        VNPWindow* window = player.Window();
        if (!asked && window && window->IsOpen()) {
            asked = true;
            Key(player, 'V');
        }
        // The page asked for speech after the connection had failed.
        if (PcOf(player) == 2 && shown < 0) {
            shown = now;
        } else if (shown >= 0 && now == shown + 300) {
            checkedAndEnabled = {
                window->Host().IsMenuItemChecked(resources::player_cmd::ReadAloud),
                window->Host().IsMenuItemEnabled(resources::player_cmd::ReadAloud)};
            Click(player);
        }
        if (now > 100000) {
            window->Close();
        }
    }));
    EXPECT_EQ(checkedAndEnabled, std::make_pair(false, false));
}

} // namespace
