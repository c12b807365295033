// The main function of every GoogleTest executable: sets the environment the tests rely on
// (unless the caller set it already), so a test binary runs the same from CTest or by hand.

#include <gtest/gtest.h>

#include <cstdlib>

int main(int argc, char** argv)
{
    setenv("QT_QPA_PLATFORM", "offscreen", 0);
    setenv("PP_STAGE_DIR", PP_STAGE_DIR_DEFAULT, 0);
    setenv("PP_FIXTURES_DIR", PP_FIXTURES_DIR_DEFAULT, 0);
    testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
