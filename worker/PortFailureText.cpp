#include "worker/PortFailureText.h"

#include "app/TextTable.h"
#include "serial/SerialPort.h"

namespace {

using serial::PortFailure;
using serial::PortProblem;

QString InUseReason(const JobTexts& texts, const PortFailure& failure) {
    if (failure.lockFile.isEmpty()) return texts.At(TextId::PortInUse);
    if (failure.holder <= 0) return texts.At(TextId::PortInUseLockFile).arg(failure.lockFile);
    return texts.At(TextId::PortInUseByProcess).arg(failure.holder).arg(failure.lockFile);
}

QString Reason(const JobTexts& texts, const PortFailure& failure) {
    switch (failure.problem) {
        case PortProblem::None:
            return {};
        case PortProblem::NotPresent:
            return texts.At(TextId::PortNotPresent);
        case PortProblem::NoPermission:
            if (!failure.groupMayUse) return texts.At(TextId::PortNoPermissionAskAdmin);
            return failure.group.isEmpty()
                       ? texts.At(TextId::PortNoPermission)
                       : texts.At(TextId::PortNoPermissionGroup).arg(failure.group);
        case PortProblem::InUse:
            return InUseReason(texts, failure);
        case PortProblem::NotSerial:
            return texts.At(TextId::PortNotSerial);
        case PortProblem::BadBaud:
            return texts.At(TextId::PortBadBaud);
        case PortProblem::Other:
            return texts.At(TextId::PortOpenFailed).arg(failure.systemText);
    }
    return {};
}

}  // namespace

QString PortFailureText(const JobTexts& texts, const QString& portName,
                        const PortFailure& failure) {
    QString message = QString::fromLatin1(kComportErrorText);
    if (!portName.isEmpty()) message += QLatin1Char('\n') + serial::SerialPort::ShownName(portName);
    const QString reason = Reason(texts, failure);
    if (!reason.isEmpty()) message += QLatin1Char('\n') + reason;
    return message;
}
