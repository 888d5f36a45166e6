#pragma once

#include <QByteArray>

#include <cstdio>

// The file system calls of CaptureTarget, one file per platform. Paths are
// as QFile::encodeName gives them.
enum class TargetKind { Missing, Regular, Folder, Other };
TargetKind KindOf(const QByteArray& path);

// A new file of a name of its own beside `target`, open for writing, with
// the permissions the target has (or a new file would get); `name` gets its
// name. Null when it cannot be made.
std::FILE* MakeFileBeside(const QByteArray& target, QByteArray& name);

std::FILE* OpenForWriting(const QByteArray& path);

// Puts `working` in the place of `target`, replacing what is there.
bool ReplaceTarget(const QByteArray& working, const QByteArray& target);

void RemoveFile(const QByteArray& path);
