#pragma once

#include "ui/JobDialogs.h"
#include "ui/JobWindows.h"

class AppCore;

// The job windows of the program: a Kermit command runs the transfer window
// (CTransferDlg), a capture command the ASCII viewer (CAsciiDlg), each
// modally over `owner`, with the texts and settings of `app`. The windows
// open `dialogs` (tests give their own).
JobWindowFactory AppJobWindowFactory(AppCore& app, JobDialogs dialogs = JobDialogs::System());
