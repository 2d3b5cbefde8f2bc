// Control socket between tarvikctl and `tarvik --simulate`: request parsing and one real round trip.
#include "simulator/ControlSocket.h"

#include <gtest/gtest.h>
#include <poll.h>
#include <stdlib.h>

#include <filesystem>
#include <thread>
#include <vector>

namespace tarvik::simulator {
namespace {

TEST(ControlSocket, ParsesRequestLines) {
    struct Case {
        const char* line;
        bool ok;
        int code, value;
    };
    const Case cases[] = {
        {"press dpi 2\n", true, 7, 2},    {"press rate 8", true, 5, 8},
        {"press matrix 1", true, 8, 1},   {"press macro 12", true, 9, 12},
        {"press macro 0", true, 9, 0},    {"press macro 255", true, 9, 255},
        {"press macro 256", false, 0, 0}, {"press macro -1", false, 0, 0},
        {"press macro 1x", false, 0, 0},  {"press macro", false, 0, 0},
        {"press lights 1", false, 0, 0},  {"poke dpi 1", false, 0, 0},
        {"press dpi 1 2", false, 0, 0},   {"", false, 0, 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.line);
        std::string error;
        auto request = parsePressLine(c.line, &error);
        ASSERT_EQ(request.has_value(), c.ok);
        if (c.ok) {
            EXPECT_EQ(request->eventCode, c.code);
            EXPECT_EQ(request->value, c.value);
        } else {
            EXPECT_FALSE(error.empty());
        }
    }
}

class ControlSocketRoundTrip : public ::testing::Test {
protected:
    void SetUp() override {
        dir = std::filesystem::temp_directory_path() / ("tarvik-cs-" + std::to_string(::getpid()));
        std::filesystem::create_directories(dir);
        ::setenv("XDG_RUNTIME_DIR", dir.c_str(), 1);
    }
    void TearDown() override { std::filesystem::remove_all(dir); }
    std::filesystem::path dir;
};

TEST_F(ControlSocketRoundTrip, PressReachesTheHandlerAndErrorsReachTheClient) {
    std::vector<std::pair<int, int>> seen;
    ControlServer server([&](int code, int value) { seen.emplace_back(code, value); });
    std::string error;
    ASSERT_TRUE(server.listen(controlSocketPath(), &error)) << error;

    // The server runs as the program runs it: woken by its descriptor, one request at a time.
    std::thread serverThread([&] {
        for (int i = 0; i < 2; ++i) {
            pollfd p{server.fd(), POLLIN, 0};
            if (::poll(&p, 1, 5000) == 1) server.serviceOne();
        }
    });
    EXPECT_TRUE(sendPress("dpi", 2, &error)) << error;
    EXPECT_TRUE(sendPress("macro", 12, &error)) << error;
    serverThread.join();
    EXPECT_EQ(seen, (std::vector<std::pair<int, int>>{{7, 2}, {9, 12}}));

    // A second server on the same live path refuses; a bad kind never leaves the client.
    ControlServer second([](int, int) {});
    EXPECT_FALSE(second.listen(controlSocketPath(), &error));
    EXPECT_FALSE(sendPress("lights", 1, &error));
    EXPECT_NE(error.find("unknown kind"), std::string::npos);
}

TEST_F(ControlSocketRoundTrip, NoServerGivesAnActionableError) {
    std::string error;
    EXPECT_FALSE(sendPress("dpi", 1, &error));
    EXPECT_NE(error.find("tarvik --simulate"), std::string::npos) << error;
}

}  // namespace
}  // namespace tarvik::simulator
