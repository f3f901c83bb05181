#include "report_location.h"

#include <gtest/gtest.h>

#ifndef _WIN32
// The user database is a stand-in here: no test ever reaches the real home
// of whoever runs it.
TEST(HomeFolder, comes_from_an_absolute_home_variable_else_from_the_user_database)
{
    const struct {
        const char* variable;
        const char* database;
        std::optional<std::string> home;
    } cases[] = {
        {"/home/ann", "/home/db", "/home/ann"},
        {nullptr, "/home/db", "/home/db"},
        {"", "/home/db", "/home/db"},
        {"relative/home", "/home/db", "/home/db"},
        {nullptr, nullptr, std::nullopt},
        {"", "", std::nullopt},
        {"relative", "also/relative", std::nullopt},
        {"/home/\xE9t\xE9", nullptr, "/home/\xE9t\xE9"},
    };
    for (const auto& c : cases) {
        int asked = 0;
        const auto database = [&] {
            ++asked;
            return c.database;
        };
        EXPECT_EQ(tolbrek::HomeFolder(c.variable, database), c.home) << c.variable;
        EXPECT_EQ(asked, c.variable && c.variable[0] == '/' ? 0 : 1) << c.variable;
    }
}
#endif
