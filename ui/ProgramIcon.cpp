#include "ui/ProgramIcon.h"

// The resources are compiled into the ui library; a static library needs
// them registered by hand.
static void RegisterResources() {
    Q_INIT_RESOURCE(Corvix);
}

QIcon ProgramIcon() {
    static const bool registered = (RegisterResources(), true);
    (void)registered;
    QIcon icon;
    for (int size : {16, 32, 48, 64, 256}) {
        icon.addFile(QStringLiteral(":/icons/Corvix-%1.png").arg(size), QSize(size, size));
    }
    return icon;
}
