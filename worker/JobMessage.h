#pragma once

#include <QEvent>

// The name of the job message a window posts to its worker.
inline constexpr char kJobMessageName[] = "CComThread OnDoContinuous";

// The event type registered for `name`: the same name always gives the same
// type within the process, as a registered window message does.
QEvent::Type RegisterJobMessage(const char* name);
