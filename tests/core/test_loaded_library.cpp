#include "core/LoadedLibrary.h"

#include <gtest/gtest.h>

#include <cstddef>

namespace {

TEST(LoadedLibrary, a_missing_library_or_function_is_told_and_gives_nothing_to_call) {
    std::size_t (*length)(const char*) = nullptr;
    zek::LoadedLibrary missing(QStringLiteral("zek-no-such-library"), 1);
    missing.resolve(length, "strlen");
    EXPECT_EQ(length, nullptr);
    EXPECT_FALSE(missing.failure().isEmpty());

    // The C library, with its own dependencies first as the zip library is loaded.
    zek::LoadedLibrary c(QStringLiteral("c"), 6, true);
    c.resolve(length, "strlen");
    ASSERT_NE(length, nullptr);
    EXPECT_EQ(length("zek"), 3u);
    EXPECT_TRUE(c.failure().isEmpty());
    void (*none)() = nullptr;
    c.resolve(none, "zek_no_such_function");
    EXPECT_EQ(none, nullptr);
    EXPECT_FALSE(c.failure().isEmpty());
}

} // namespace
