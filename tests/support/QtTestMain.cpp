// Main of every GUI test: the program's own offscreen application, then GoogleTest. Compiled into each GUI
// test, which takes its fixtures from the test support library.
#include "tests/support/OffscreenTests.h"

int main(int argc, char** argv) {
    return RunTestsOffscreen(argc, argv);
}
