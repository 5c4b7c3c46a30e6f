// quorla-sim run as a person runs it: exit status, what it prints, what it writes.

#include <gtest/gtest.h>
#include <fcntl.h>
#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <thread>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <nlohmann/json.hpp>

#include "sim/score_json.h"

namespace {

namespace fs = std::filesystem;

struct Outcome {
    int status;
    std::string out;
    std::string err;
};

std::string Quoted(const std::string& word) {
    std::string quoted = "'";
    for (char c : word) quoted += c == '\'' ? std::string("'\\''") : std::string(1, c);
    return quoted + "'";
}

std::string Slurp(const fs::path& path) {
    std::ifstream in(path);
    return std::string(std::istreambuf_iterator<char>(in), {});
}

class QuorlaSim : public ::testing::Test {
protected:
    void SetUp() override {
        folder = fs::temp_directory_path() / ("quorla-sim-test-" + std::to_string(getpid()) + "-" +
                                              ::testing::UnitTest::GetInstance()->current_test_info()->name());
        fs::create_directories(folder);
    }
    void TearDown() override { fs::remove_all(folder); }

    Outcome Run(const std::vector<std::string>& args) {
        std::string command = Quoted(QUORLA_SIM);
        for (const std::string& arg : args) command += " " + Quoted(arg);
        const fs::path err = folder / "stderr";
        command += " 2>" + Quoted(err.string());
        FILE* pipe = popen(command.c_str(), "r");
        std::string out;
        char chunk[4096];
        for (size_t n; (n = fread(chunk, 1, sizeof chunk, pipe)) > 0;) out.append(chunk, n);
        const int status = pclose(pipe);
        return {WIFEXITED(status) ? WEXITSTATUS(status) : -1, out, Slurp(err)};
    }

    fs::path folder;
    const std::string example = REGIONFLAGS_SOURCE_DIR "/examples/two-staves.json";
    const std::string trio = REGIONFLAGS_SOURCE_DIR "/tests/data/musicxml/MozartTrio.musicxml";
};

TEST_F(QuorlaSim, WithoutArgumentsRunsTheDemo) {
    const Outcome o = Run({});
    EXPECT_EQ(o.status, 0) << o.err;
    EXPECT_NE(o.out.find("[2] Playback OFF"), std::string::npos);
    EXPECT_NE(o.out.find("ran to the end (result 1)"), std::string::npos);
    EXPECT_NE(o.out.find("note no-playback (0x00400000): 16 set"), std::string::npos) << o.out;
}

TEST_F(QuorlaSim, ListsTheMenu) {
    const Outcome o = Run({"list"});
    EXPECT_EQ(o.status, 0);
    EXPECT_NE(o.out.find("[3] Playback ON   Mark the region's entries to playback."), std::string::npos) << o.out;
}

TEST_F(QuorlaSim, RunsAJsonScoreAndWritesTheEditedOne) {
    const fs::path out = folder / "edited.json";
    const Outcome o = Run({"run", "Spacing OFF", "--score", example, "--region", "1:1@256-2:2@512", "--out", out.string(), "--json"});
    ASSERT_EQ(o.status, 0) << o.err;
    const auto report = nlohmann::json::parse(o.out);
    EXPECT_EQ(report["result"], 1);
    EXPECT_EQ(report["cellsVisited"], 4);
    EXPECT_EQ(report["framesStored"], 3);
    EXPECT_EQ(report["bits"]["entryNoSpacing"]["set"], 3);
    EXPECT_EQ(report["bits"]["noteNoSpacing"]["set"], 2);
    EXPECT_EQ(report["grid"], (std::vector<std::string>{"## ", ".. "}));

    const standin::Score edited = sim::ReadScoreJson(out.string());
    const auto& m1 = edited.At(1, 1, 0).entries;
    EXPECT_EQ(standin::EntryFlags(m1[0]), 0x0000);  // before the start position
    EXPECT_EQ(standin::EntryFlags(m1[1]), 0x0800);
    EXPECT_EQ(standin::EntryFlags(m1[2]), 0x0900);
    EXPECT_EQ(standin::NoteFlags(m1[2], 0), 0x00600000u);
    EXPECT_EQ(standin::EntryFlags(edited.At(1, 2, 0).entries[1]), 0x0000);  // at the end position
    EXPECT_TRUE(fs::directory_iterator(folder) != fs::directory_iterator());
    for (const auto& file : fs::directory_iterator(folder))
        EXPECT_EQ(file.path().filename().string().find(".tmp-"), std::string::npos) << "left a temporary file";
}

TEST_F(QuorlaSim, RunsARealMusicXmlScore) {
    const fs::path out = folder / "trio.json";
    const Outcome o = Run({"run", "2", "--score", trio, "--hide-layers", "1,2,3", "--out", out.string(), "--json"});
    ASSERT_EQ(o.status, 0) << o.err;
    const auto report = nlohmann::json::parse(o.out);
    EXPECT_EQ(report["score"], trio + ": 5 parts, 5 staves, 18 measures, 247 entries");
    EXPECT_EQ(report["cellsVisited"], 90);
    EXPECT_EQ(report["framesLoaded"], 90);
    EXPECT_EQ(report["bits"]["noteNoPlayback"]["set"], 186);
    int silenced = 0;
    const standin::Score edited = sim::ReadScoreJson(out.string());
    for (const standin::Frame& frame : edited.frames)
        for (const auto& entry : frame.entries)
            for (int n = 0; n < standin::EntryNoteCount(entry); ++n) silenced += standin::NoteFlags(entry, n) == 0x00400000u;
    EXPECT_EQ(silenced, 186);
}

TEST_F(QuorlaSim, CancellingKeepsWhatWasStoredAndSaysWhere) {
    const fs::path out = folder / "cancelled.json";
    const Outcome o = Run({"run", "Playback OFF", "--score", example, "--cancel-after", "2", "--out", out.string(), "--json"});
    EXPECT_EQ(o.status, 1);
    const auto report = nlohmann::json::parse(o.out);
    EXPECT_EQ(report["cancelled"], true);
    EXPECT_EQ(report["result"], 0);
    EXPECT_EQ(report["stoppedAt"]["measure"], 2);
    EXPECT_EQ(report["stoppedAt"]["staff"], 1);
    EXPECT_EQ(report["cellsVisited"], 2);
    EXPECT_EQ(report["grid"], (std::vector<std::string>{"#--", "#--"}));
    const standin::Score edited = sim::ReadScoreJson(out.string());
    EXPECT_EQ(standin::NoteFlags(edited.At(1, 1, 0).entries[0], 0), 0x00400000u);
    EXPECT_EQ(standin::NoteFlags(edited.At(1, 2, 0).entries[1], 0), 0u);

    const Outcome text = Run({"run", "Playback OFF", "--score", example, "--cancel-after", "0"});
    EXPECT_EQ(text.status, 1);
    EXPECT_NE(text.out.find("cancelled at measure 1 staff 1 (result 0)"), std::string::npos) << text.out;
}

TEST_F(QuorlaSim, CtrlCIsTheUserCancelling) {
    const fs::path out = folder / "report.json";
    posix_spawn_file_actions_t files;
    posix_spawn_file_actions_init(&files);
    posix_spawn_file_actions_addopen(&files, STDOUT_FILENO, out.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
    std::vector<std::string> args = {QUORLA_SIM, "run", "Playback OFF", "--generate", "2000x40", "--json"};
    std::vector<char*> argv;
    for (std::string& arg : args) argv.push_back(arg.data());
    argv.push_back(nullptr);
    pid_t child = 0;
    ASSERT_EQ(posix_spawn(&child, QUORLA_SIM, &files, nullptr, argv.data(), environ), 0);
    posix_spawn_file_actions_destroy(&files);
    // Well before a score of 80,000 cells is built and walked; a Ctrl-C even during the
    // build cancels at the first progress call.
    std::this_thread::sleep_for(std::chrono::milliseconds(500));
    kill(child, SIGINT);
    int status = 0;
    ASSERT_EQ(waitpid(child, &status, 0), child);
    ASSERT_TRUE(WIFEXITED(status)) << "ended by the signal";
    EXPECT_EQ(WEXITSTATUS(status), 1);
    const auto report = nlohmann::json::parse(Slurp(out));
    EXPECT_EQ(report["cancelled"], true);
    EXPECT_EQ(report["result"], 0);
    EXPECT_LT(report["cellsVisited"].get<int>(), 80000);
    EXPECT_EQ(report["framesLoaded"], report["framesReleased"]);
}

TEST_F(QuorlaSim, BadInputGetsOneClearMessageStatusTwoAndNothingWritten) {
    const fs::path out = folder / "never.json";
    const fs::path badJson = folder / "bad.json";
    std::ofstream(badJson) << "{\"staves\": 2,\n  \"measures\": [}\n";
    const fs::path badXml = folder / "bad.musicxml";
    std::ofstream(badXml) << "<score-partwise>\n<part id=\"P1\">\n<measure>\n</part>\n";
    const fs::path timewise = folder / "timewise.xml";
    std::ofstream(timewise) << "<score-timewise/>\n";
    const fs::path notPlugin = folder / "not-a-plugin.so";
    std::ofstream(notPlugin) << "not a library";
    struct Case {
        std::vector<std::string> args;
        std::string message;
    };
    const std::vector<Case> cases = {
        {{"run", "0", "--score", (folder / "missing.json").string()}, "cannot read " + (folder / "missing.json").string()},
        {{"run", "0", "--score", badJson.string()}, badJson.string() + ":2:16: syntax error"},
        {{"run", "0", "--score", badXml.string()}, badXml.string() + ":4:"},
        {{"run", "0", "--score", timewise.string()}, "a timewise MusicXML score cannot be imported"},
        {{"run", "0", "--score", example, "--region", "1:1-4:1"}, "--region 1:1-4:1: measure 4 is outside the score (1 to 3)"},
        {{"run", "Spacing off", "--score", example}, "unknown command \"Spacing off\"; the plug-in offers \"Spacing OFF\" (0)"},
        {{"run", "0", "--score", example, "--plugin", notPlugin.string()}, notPlugin.string()},
        {{"run", "0", "--score", example, "--plugin", LIBRARY_WITHOUT_ENTRY_POINTS}, "has no entry point QuorlaExtensionVersion"},
        {{"run", "0", "--generate", "9x99999"}, "--generate 9x99999"},
        {{"run", "0", "--hide-layers", "4"}, "--hide-layers"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.message);
        std::vector<std::string> args = c.args;
        args.insert(args.end(), {"--out", out.string()});
        const Outcome o = Run(args);
        EXPECT_EQ(o.status, 2);
        EXPECT_NE(o.err.find(c.message), std::string::npos) << o.err;
        EXPECT_EQ(std::count(o.err.begin(), o.err.end(), '\n'), 1) << o.err;
        EXPECT_TRUE(o.out.empty()) << o.out;
        EXPECT_FALSE(fs::exists(out));
    }
}

TEST_F(QuorlaSim, ShowsAScoresFlags) {
    const Outcome o = Run({"show", "--score", example});
    EXPECT_EQ(o.status, 0);
    EXPECT_NE(o.out.find("2 staves, 3 measures, 9 entries, 11 notes"), std::string::npos) << o.out;
    EXPECT_NE(o.out.find("    1 |PS |"), std::string::npos) << o.out;
    EXPECT_NE(o.out.find("    2 |o o|"), std::string::npos) << o.out;
}

}  // namespace
