// Test entry point: every test runs with the process locale set to German, where the
// C library writes and reads a comma as decimal separator. Our number conversions must
// not notice.
#include <gtest/gtest.h>

#include <clocale>
#include <cstdio>

int main(int argc, char **argv)
{
    if (!std::setlocale(LC_ALL, "de_DE.UTF-8")) {
        std::fprintf(stderr, "german_main: the locale de_DE.UTF-8 is missing (install locales-all)\n");
        return 1;
    }
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
