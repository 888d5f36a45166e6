#include <QCoreApplication>

#include "cli/CliRun.h"

int main(int argc, char* argv[]) {
    QCoreApplication app(argc, argv);
    return RunCli(QCoreApplication::arguments().mid(1));
}
