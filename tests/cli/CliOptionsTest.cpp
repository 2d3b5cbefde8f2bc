// tarvikctl's command line: options before or after the command, and errors that say what to do.
#include <gtest/gtest.h>

#include "cli/CliOptions.h"
#include "cli/Commands.h"

using tarvik::cli::parseCommandLine;

TEST(CliOptions, AcceptsOptionsAnywhere) {
    struct Case {
        std::vector<std::string> args;
        std::optional<int> sensor;
        std::string dataDir, wireLog, command;
        std::vector<std::string> words;
    };
    const Case cases[] = {
        {{"status"}, std::nullopt, "", "", "status", {}},
        {{"--simulate", "apply"}, 0, "", "", "apply", {}},
        {{"apply", "--simulate=2", "--data-dir", "D", "--wire-log", "W"}, 2, "D", "W", "apply", {}},
        {{"--data-dir=D", "press", "dpi", "3"}, std::nullopt, "D", "", "press", {"dpi", "3"}},
        // set's own options and words that look like options stay with the command's words.
        {{"set", "button", "--mode", "B", "3", "Combo Key", "Left Ctrl", "-", "--simulate", "--apply"},
         0,
         "",
         "",
         "set",
         {"button", "--mode", "B", "3", "Combo Key", "Left Ctrl", "-", "--apply"}},
        {{"--simulate=1", "set", "dpi", "2", "1600", "#00ff00", "--apply"},
         1,
         "",
         "",
         "set",
         {"dpi", "2", "1600", "#00ff00", "--apply"}},
        // emulate's own options keep their values with its words.
        {{"emulate", "--sensor", "2", "--layout", "composite", "--simulate"},
         0,
         "",
         "",
         "emulate",
         {"--sensor", "2", "--layout", "composite"}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.command);
        auto result = parseCommandLine(c.args);
        ASSERT_TRUE(result.options) << result.error;
        EXPECT_EQ(result.options->simulateSensor, c.sensor);
        EXPECT_EQ(result.options->dataDir.value_or("").string(), c.dataDir);
        EXPECT_EQ(result.options->wireLog.value_or("").string(), c.wireLog);
        EXPECT_EQ(result.options->command, c.command);
        EXPECT_EQ(result.options->words, c.words);
    }
}

TEST(CliOptions, RejectsBadOptionsWithAHint) {
    const std::vector<std::vector<std::string>> bad = {
        {"--simulate=4", "status"}, {"--simulate=x"},      {"--data-dir"}, {"--wire-log="},
        {"--bogus", "status"},      {"status", "--apply"}, {"-", "status"}};
    for (const auto& args : bad) {
        SCOPED_TRACE(args.front());
        auto result = parseCommandLine(args);
        EXPECT_FALSE(result.options);
        EXPECT_FALSE(result.error.empty());
    }
}

TEST(CliOptions, UnknownCommandsAndBadPressWordsAreUsageErrors) {
    const std::vector<std::vector<std::string>> cases = {{"frobnicate"},        {"press"},
                                                         {"press", "dpi"},      {"press", "volume", "3"},
                                                         {"press", "dpi", "x"}, {"press", "dpi", "256"}};
    for (const auto& args : cases) {
        SCOPED_TRACE(args.back());
        auto parsed = parseCommandLine(args);
        ASSERT_TRUE(parsed.options);
        std::ostringstream out, err;
        EXPECT_EQ(tarvik::cli::runCommand(*parsed.options, out, err), tarvik::cli::kExitUsage);
        EXPECT_FALSE(err.str().empty());
    }
}
