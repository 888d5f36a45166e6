#pragma once

// The terminal calls of corvix-cli, one file per platform.
bool StandardInputIsTerminal();
bool StandardErrorIsTerminal();

// One byte of standard input: 1 with it in `c`, 0 when none came within
// `milliseconds`, -1 at the input's end or on an error.
int ReadInputByte(char& c, int milliseconds);
