#include "script/runner.h"

#include "support/probes.h"

#include <gtest/gtest.h>

#include <map>
#include <random>
#include <sstream>

namespace {

using mj::testing::dumpLines;

struct ScriptResult {
    int status;
    std::string out, err;
};

ScriptResult runScript(const std::string& script) {
    std::ostringstream out, err;
    mj::ScriptRunner runner(out);
    std::istringstream in(script);
    const int status = runner.run(in, err);
    return {status, out.str(), err.str()};
}

TEST(ScriptRunner, MalformedLinesEndTheRunWithStatusTwo) {
    const char* bad[] = {
        "jump 3",   "WAIT 10",     "wait",         "wait 1 2",       "wait -5",
        "wait 1.5", "wait x",      "wait +5",      "wait 0x10",      "wait 99999999999999999999",
        "click 1",  "click 1 2 3", "click -1 2",   "tile",           "tile 151",
        "tile 1 2", "press",       "press Cmdfoo", "press cmdstart", "press Cmdstart x",
        "key",      "key SS",      "key 1",        "key &",          "dump now",
        "Dump",     "tile -0",
    };
    for (const char* line : bad) {
        const ScriptResult run =
            runScript(std::string("echo before\n") + line + "\necho after\ndump\n");
        EXPECT_EQ(run.status, 2) << line;
        EXPECT_EQ(run.out, "before\n") << line;
        EXPECT_EQ(run.err.rfind("mahjongg-script: line 2: ", 0), 0u) << line << ": " << run.err;
    }
}

TEST(ScriptRunner, TakesBlankLinesCommentsAndEchoAsTheyStand) {
    const ScriptResult run =
        runScript("\n   \n# a comment\n  # indented comment\necho hello  world\n"
                  "echo\techo tab\necho\necho   three leading\n  wait 4\r\n"
                  "key s\nkey Z\ntile 0\ntile 150\npress Cmdnew\nclick 0 0\n");
    EXPECT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(run.out, "hello  world\necho tab\n\n  three leading\n");
    EXPECT_EQ(run.err, "");
}

TEST(ScriptRunner, TheFirstScreenIsTheIdleBoard) {
    auto d = dumpLines(runScript("dump\n").out);
    // The upper layer shows grey faces 1 to 41 drawn in slot order, one draw of 41 each.
    std::minstd_rand reference(1);
    for (int s = 75; s < 150; ++s) {
        const int face = static_cast<int>((reference() - 1) * 41 / 2147483646) + 1;
        EXPECT_EQ(d["Imgtile1(" + std::to_string(s) + ")"],
                  "visible=1 enabled=0 picture=Imgtmalli(" + std::to_string(face) + ")");
    }
    for (int s = 0; s < 75; ++s)
        EXPECT_EQ(d["Imgtile1(" + std::to_string(s) + ")"], "visible=1 enabled=1 picture=start");
    EXPECT_EQ(d["Imgtile1(150)"], "visible=0 enabled=1 picture=start");
    EXPECT_EQ(d["Cmdstart"], "visible=1 caption=\"&Start\"");
    EXPECT_EQ(d["Cmdquit"], "visible=0 caption=\"&Quit\"");
    EXPECT_EQ(d["Cmdpause"], "visible=0 caption=\"&Pause (-250 points / +15 sec)\"");
    EXPECT_EQ(d["Cmdnew"], "visible=0 caption=\"&New game\"");
    EXPECT_EQ(d["Tmr1"], "enabled=1");
    for (const char* t : {"Tmr2", "Tmr3", "Tmr4", "Tmr5"})
        EXPECT_EQ(d[t], "enabled=0") << t;
    EXPECT_EQ(d["field bestminutes"], "99999");
    EXPECT_EQ(d["field bestscore"], "0");
    EXPECT_EQ(d["Imgpause"], "visible=0 left=10800 top=480 width=11520 height=4680");
    EXPECT_EQ(d["Line1"], "visible=1");
    for (const char* shown : {"Lblots", "Lblgame", "Lblcopy", "Lblwritten"})
        EXPECT_EQ(d[shown].rfind("visible=1", 0), 0u) << shown;
    for (const char* hidden :
         {"Lblscore1", "Lblscore2", "Lblbonus1", "Lblbonus2", "Lblbonus3", "Lbltiles1", "Lbltiles2",
          "Lbltime1", "Lbltime2", "Lbltime3", "Lbltime4", "Lblbests1", "Lblbests2", "Lblbestt1",
          "Lblbestt2", "Lblbestt3", "Lblbestt4"})
        EXPECT_EQ(d[hidden].rfind("visible=0", 0), 0u) << hidden;
    // The full-board edge look: 124 corner pieces, 54 right and 64 bottom edge pieces shown.
    int corners = 0, rights = 0, bottoms = 0;
    for (const auto& [name, rest] : d) {
        const bool shown = rest.rfind("visible=1", 0) == 0;
        corners += shown && name.rfind("Imgvvak(", 0) == 0;
        rights += shown && name.rfind("Imgpr(", 0) == 0;
        bottoms += shown && name.rfind("Imgvar(", 0) == 0;
    }
    EXPECT_EQ(corners, 124);
    EXPECT_EQ(rights, 54);
    EXPECT_EQ(bottoms, 64);
}

TEST(ScriptRunner, Tmr1DrawsOnceEveryTwoMilliseconds) {
    const ScriptResult run = runScript("dump\nwait 10\ndump\n");
    const std::string second = run.out.substr(run.out.find("--- dump at 10 ms"));
    std::minstd_rand reference(1);
    reference.discard(75 + 4); // the preview faces, then four ticks
    const int fifth = static_cast<int>((reference() - 1) * 150 / 2147483646);
    EXPECT_EQ(dumpLines(second)["field randomvalue"], std::to_string(fifth));
    EXPECT_EQ(run.out.rfind("--- dump at 0 ms\n", 0), 0u);
}

// Clicks that the click rule gives to no handler leave the window exactly as it was.
TEST(ScriptRunner, ClicksThatReachNoHandlerChangeNothing) {
    const std::string before = runScript("dump\n").out;
    const char* clicks[] = {
        "click 146 140",        // an upper edge piece over lower tile 1
        "tile 75",              // a disabled upper tile over the enabled lower tile 0
        "tile 0",               // lower tile 0's centre lies under upper tile 75
        "click 5 150",          // the green background
        "click 784 10",         // just right of the client area
        "click 10 593",         // just below it
        "click 999999999999 5", // far outside
        // Coordinates whose twips would not fit 64 bits: a wrapped product must not land
        // inside the window.
        "click 614891469123651721 0", "click 614891471127970184 476", "click 0 614891469123651721",
        "click 99999999999999999999999999 5",
        "press Cmdquit", // a hidden button: what lies beneath takes the click
        "key q",         // the mnemonic of a hidden button
        "tile 150",      // the spare slot is never shown
    };
    for (const char* click : clicks)
        EXPECT_EQ(runScript(std::string(click) + "\ndump\n").out, before) << click;
}

// Numbers have any number of digits, leading zeros included.
TEST(ScriptRunner, ReadsNumbersOfAnyLength) {
    const std::string zeros(40, '0');
    const std::pair<std::string, std::string> same[] = {
        {"wait 0000000000000000001\n", "wait 1\n"},
        {"wait " + zeros + "10\n", "wait 10\n"},
        {"wait 1000\npress Cmdstart\ntile " + zeros + "76\n",
         "wait 1000\npress Cmdstart\ntile 76\n"},
        {"click " + zeros + "146 0000140\n", "click 146 140\n"},
    };
    for (const auto& [script, plain] : same) {
        const ScriptResult long_ = runScript(script + "dump\n"),
                           short_ = runScript(plain + "dump\n");
        EXPECT_EQ(long_.status, 0) << script << long_.err;
        EXPECT_EQ(long_.out, short_.out) << script;
    }
}

TEST(ScriptRunner, AWaitBeyondTheClocksRangeIsTooLarge) {
    const std::string latest = std::to_string(mj::ScriptRunner::kLatestMs);
    // Up to the clock's last millisecond, waits run; the idle board takes them at once.
    for (const std::string& script :
         {"wait " + latest + "\n",
          "wait " + std::to_string(mj::ScriptRunner::kLatestMs - 1) + "\nwait 1\nwait 0\n"}) {
        const ScriptResult run = runScript(script + "dump\n");
        EXPECT_EQ(run.status, 0) << script << run.err;
        EXPECT_EQ(run.out.rfind("--- dump at " + latest + " ms\n", 0), 0u) << script;
    }

    const std::string scripts[] = {
        "echo x\nwait " + std::to_string(mj::ScriptRunner::kLatestMs + 1) + "\n",
        "wait 1\nwait " + latest + "\n",
        "echo x\nwait 99999999999999999999999999999999\n",
    };
    for (const std::string& script : scripts) {
        const ScriptResult run = runScript(script + "echo never\n");
        EXPECT_EQ(run.status, 2) << script;
        EXPECT_EQ(run.err.rfind("mahjongg-script: line 2: ", 0), 0u) << run.err;
        EXPECT_NE(run.err.find("is too large"), std::string::npos) << run.err;
        EXPECT_EQ(run.out.find("never"), std::string::npos);
    }
}

// A stream whose every write fails, as on a full disk or a closed pipe.
class FailingBuffer : public std::streambuf {
  protected:
    int_type overflow(int_type) override { return traits_type::eof(); }
    std::streamsize xsputn(const char*, std::streamsize) override { return 0; }
};

TEST(ScriptRunner, OutputThatCannotBeWrittenEndsTheRunWithAnError) {
    const std::string scripts[] = {"dump\npress Cmdstart\n", "echo a\npress Cmdstart\n",
                                   "echo a\nwait -1\npress Cmdstart\n"};
    for (const std::string& script : scripts) {
        FailingBuffer failing;
        std::ostream out(&failing);
        std::ostringstream err;
        mj::ScriptRunner runner(out);
        std::istringstream in(script);
        EXPECT_EQ(runner.run(in, err), mj::ScriptRunner::kCannotWrite) << script;
        EXPECT_EQ(err.str(), "mahjongg-script: the output cannot be written\n") << script;
        EXPECT_TRUE(runner.window().Cmdstart.Visible) << "the run went on after the failure";
    }
}

} // namespace
