#include <QApplication>

#include "tests/support/QtTestMain.h"

int main(int argc, char** argv) {
    return RunTestsInside<QApplication>(argc, argv);
}
