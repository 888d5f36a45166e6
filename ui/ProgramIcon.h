#pragma once

#include <QIcon>

// The program's icon (a caliper measuring a trunk), in all its sizes.
QIcon ProgramIcon();
