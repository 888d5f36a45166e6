#include <QCoreApplication>

#include "app/FileSizeSignal.h"
#include "cli/CliRun.h"

int main(int argc, char* argv[]) {
    IgnoreFileSizeSignal();
    QCoreApplication app(argc, argv);
    return RunCli(QCoreApplication::arguments().mid(1));
}
