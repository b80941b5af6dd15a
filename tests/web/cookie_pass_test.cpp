#include "web/cookie_pass.h"

#include <gtest/gtest.h>

namespace ftq {
namespace {

TEST(CookiePass, collectsEverySetCookieLine)
{
    const CookiePass pass = cookiePass("HTTP/1.1 200 OK\r\n"
                                       "Set-Cookie: sid=abc; path=/; HttpOnly\r\n"
                                       "Content-Length: 0\r\n"
                                       "set-cookie: flag=on\n"
                                       "SET-COOKIE: x=1=2;\r\n"
                                       "\r\n");
    EXPECT_EQ(pass.received, "sid=abc;;x=1=2;");
    ASSERT_EQ(pass.cookies.size(), 3u);
    EXPECT_EQ(pass.cookies[0].name, "sid");
    EXPECT_EQ(pass.cookies[0].data, "abc; path=/; HttpOnly");
    // Without a ";" the received text gets only ";", yet the store still gets the cookie.
    EXPECT_EQ(pass.cookies[1].name, "flag");
    EXPECT_EQ(pass.cookies[1].data, "on");
    EXPECT_EQ(pass.cookies[2].name, "x");
    EXPECT_EQ(pass.cookies[2].data, "1=2;");
}

TEST(CookiePass, cookieWithoutEqualsHasNoName)
{
    const CookiePass pass = cookiePass("Set-Cookie: lonely\r\nSet-Cookie: odd; path=/\r\n");
    EXPECT_EQ(pass.received, ";odd;");
    ASSERT_EQ(pass.cookies.size(), 2u);
    EXPECT_EQ(pass.cookies[0].name, "");
    EXPECT_EQ(pass.cookies[0].data, "lonely");
    // The first "=" splits, wherever it stands.
    EXPECT_EQ(pass.cookies[1].name, "odd; path");
    EXPECT_EQ(pass.cookies[1].data, "/");
}

TEST(CookiePass, marksAnywhereInALineCutTheLinesFirstTwelveBytes)
{
    const CookiePass pass = cookiePass("X-Note: Set-Cookie: a=1;\r\n");
    EXPECT_EQ(pass.received, "Cookie: a=1;");
}

TEST(CookiePass, nothingWithoutSetCookie)
{
    EXPECT_EQ(cookiePass("HTTP/1.1 200 OK\r\nSet-Cookie:a=1\r\n\r\n").received, "");
    EXPECT_TRUE(cookiePass(std::string(2048, ' ')).cookies.empty());
}

} // namespace
} // namespace ftq
