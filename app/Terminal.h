#pragma once

// Whether someone reads the program's standard output: a terminal, a pipe
// or a file. Started from a desktop it goes nowhere anyone looks (nothing,
// the null device, the system's log).
bool OutputIsRead();
