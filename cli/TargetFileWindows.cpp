#include <windows.h>

#include <QFile>
#include <QString>

#include <cstdio>

#include "cli/TargetFile.h"

namespace {

std::wstring Wide(const QByteArray& path) {
    return QFile::decodeName(path).toStdWString();
}

}  // namespace

TargetKind KindOf(const QByteArray& path) {
    const DWORD attributes = GetFileAttributesW(Wide(path).c_str());
    if (attributes == INVALID_FILE_ATTRIBUTES) return TargetKind::Missing;
    if (attributes & FILE_ATTRIBUTE_DIRECTORY) return TargetKind::Folder;
    return attributes & FILE_ATTRIBUTE_DEVICE ? TargetKind::Other : TargetKind::Regular;
}

// Made with CREATE_NEW, so an existing file of the chosen name is never
// taken over; a few names are tried. The new file inherits the folder's
// permissions, as any new file there does.
std::FILE* MakeFileBeside(const QByteArray& target, QByteArray& name) {
    const unsigned seed = GetCurrentProcessId() * 7919u + GetTickCount();
    for (unsigned attempt = 0; attempt < 100; ++attempt) {
        const QByteArray candidate =
            target + '.' + QByteArray::number((seed + attempt * 104729u) % 0xFFFFFFu, 36);
        const HANDLE handle = CreateFileW(Wide(candidate).c_str(), GENERIC_WRITE, 0, nullptr,
                                          CREATE_NEW, FILE_ATTRIBUTE_NORMAL, nullptr);
        if (handle == INVALID_HANDLE_VALUE) {
            if (GetLastError() == ERROR_FILE_EXISTS) continue;
            return nullptr;
        }
        CloseHandle(handle);
        std::FILE* stream = _wfopen(Wide(candidate).c_str(), L"wb");
        if (stream == nullptr) {
            DeleteFileW(Wide(candidate).c_str());
            return nullptr;
        }
        name = candidate;
        return stream;
    }
    return nullptr;
}

std::FILE* OpenForWriting(const QByteArray& path) {
    return _wfopen(Wide(path).c_str(), L"wb");
}

// The C library's rename does not replace an existing file on Windows.
bool ReplaceTarget(const QByteArray& working, const QByteArray& target) {
    return MoveFileExW(Wide(working).c_str(), Wide(target).c_str(),
                       MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH) != 0;
}

void RemoveFile(const QByteArray& path) {
    DeleteFileW(Wide(path).c_str());
}
