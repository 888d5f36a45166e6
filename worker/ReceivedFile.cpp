#include "worker/ReceivedFile.h"

#include "app/EightBit.h"

namespace {

QString Separator() {
#ifdef Q_OS_WIN
    return QStringLiteral("\\");
#else
    return QStringLiteral("/");
#endif
}

}  // namespace

QString LastFileText(const QString& folder, const QByteArray& name) {
    return folder + Separator() + FromEightBit(name);
}

QString LastDirText(const QString& folder) {
    return folder + Separator();
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
