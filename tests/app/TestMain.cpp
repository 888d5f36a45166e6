#include "app/CStemraApp.h"
#include "tests/support/QtTestMain.h"

int main(int argc, char** argv) {
    return RunTestsInside<CStemraApp>(argc, argv);
}
