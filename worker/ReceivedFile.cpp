#include "worker/ReceivedFile.h"

#include <QDir>

#include "app/EightBit.h"

QString LastFileText(const QString& folder, const QByteArray& name) {
    return folder + QDir::separator() + FromEightBit(name);
}

QString LastDirText(const QString& folder) {
    return folder + QDir::separator();
}

QByteArray WithoutLineEnd(QByteArray name) {
    while (name.endsWith('\n') || name.endsWith('\r'))
        name.chop(1);
    return name;
}

bool OpensInEditor(const QByteArray& name) {
    if (name.size() < 4) return false;
    const QByteArray tail = name.right(4).toUpper();
    return tail == ".TXT" || tail == ".PRN";
}
