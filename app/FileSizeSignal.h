#pragma once

// A write over the process's file-size limit (ulimit -f) would end the
// program by a signal on POSIX systems, with no word and with the files
// it was writing left unnamed. Ignored, the write fails like any other (the
// error "File too large"), and the program reports it with the file's name.
// Called once at start, before any thread is made.
void IgnoreFileSizeSignal();
