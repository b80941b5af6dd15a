#include "regex/regex_object.h"

#include <QCoreApplication>
#include <QTimer>

#include <gtest/gtest.h>

#include <string>
#include <thread>
#include <vector>

using namespace std::chrono_literals;

namespace ftq {
namespace {

// Exponential backtracking at every start before the x: seconds of work, then a match.
const std::string slowPattern = "(a+)+c|x";
const std::string slowSubject = std::string(27, 'a') + "b x";

TEST(RegexBounds, catastrophicPattern_isCutAtTheWorkLimit_likeARejectedOne)
{
    RegexObject regex(300ms);
    ASSERT_TRUE(regex.create("(a)", "a"));
    EXPECT_FALSE(regex.create(slowPattern, slowSubject));
    EXPECT_EQ(regex.matchCount(), 0);
    EXPECT_EQ(regex.getPattern(), "");
    // The object takes a fresh engine; the abandoned one stays with its worker.
    ASSERT_TRUE(regex.create("(b)", "abc"));
    EXPECT_EQ(regex.subMatchText(1, 1), "b");
}

TEST(RegexBounds, catastrophicPattern_withTheDefaultLimit_returnsRejected)
{
    RegexObject regex;
    EXPECT_FALSE(regex.create("(a+)+$", std::string(40, 'a') + "b"));
    EXPECT_EQ(regex.matchCount(), 0);
}

TEST(RegexBounds, waitingThread_keepsProcessingItsEvents)
{
    int argc = 1;
    char name[] = "regex_tests";
    char *argv[] = {name, nullptr};
    QCoreApplication app(argc, argv);
    bool timerRan = false;
    QTimer::singleShot(50ms, &app, [&] { timerRan = true; });

    RegexObject regex(400ms);
    EXPECT_FALSE(regex.create(slowPattern, slowSubject));
    EXPECT_TRUE(timerRan);
}

TEST(RegexBounds, recursionTooDeepForTheEngine_isRejected)
{
    // Duktape recurses once per iteration of a group and gives up at 10000 levels; a group
    // that may match empty under * or + recurses without end there.
    RegexObject regex;
    EXPECT_FALSE(regex.create("(a|b)*", std::string(30000, 'a')));
    EXPECT_FALSE(regex.create("(a*)*b", "b"));
    EXPECT_TRUE(regex.create("[ab]*", std::string(200000, 'a')));
    EXPECT_EQ(regex.matchText(1).size(), 200000u);
}

TEST(RegexBounds, objectsOnSeveralThreads_runTheirOwnEngines)
{
    std::vector<std::thread> threads;
    std::vector<int> failures(4, 0);
    for (size_t t = 0; t < failures.size(); ++t) {
        threads.emplace_back([t, &failures] {
            RegexObject regex;
            for (int round = 0; round < 20; ++round) {
                const std::string subject = "n" + std::to_string(t) + "-" + std::to_string(round);
                if (!regex.create("n(\\d+)-(\\d+)", subject) ||
                    regex.subMatchText(1, 1) != std::to_string(t) ||
                    regex.subMatchText(1, 2) != std::to_string(round))
                    ++failures[t];
                RegexObject copy = regex.copy();
                if (copy.matchText(1) != subject)
                    ++failures[t];
            }
        });
    }
    for (std::thread &thread : threads)
        thread.join();
    EXPECT_EQ(failures, std::vector<int>(failures.size(), 0));
}

} // namespace
} // namespace ftq
