#include "ui/TransferLines.h"

#include <cstdint>

#include "app/TextTable.h"
#include "ui/JobDialogs.h"

namespace {

// The window widens for a received file's name as long as this one; a
// longer name wraps or is shortened in its middle.
const QString kTypicalReceivedName = QStringLiteral("PLOT0000.DAT");

}  // namespace

QString TransferLines::PortAndBaud() const {
    return QStringLiteral("%1 %2").arg(PortLabel(job_.portName), BaudLabel(job_.baud));
}

QString TransferLines::WithPort(const QString& text) const {
    return QStringLiteral("%1 (%2)").arg(text, PortAndBaud());
}

QString TransferLines::SendFileLine(const QString& fileName, std::uint32_t fileSize) const {
    const QString size =
        TextAt(texts_, TextId::SendSizeBytes).arg(static_cast<std::int32_t>(fileSize));
    return QStringLiteral("%1 (%2)").arg(fileName, size);
}

QString TransferLines::FileInLine(const QString& name) {
    return QStringLiteral("\u2713 ") + name;
}

QStringList TransferLines::LinesToFit(const QString& sendFileLine) const {
    QStringList lines{
        WithPort(TextAt(texts_, TextId::WaitingOnCaliper)),
        TextAt(texts_, TextId::ReceiveShareMinutes).arg(100).arg(UINT32_MAX).arg(999)};
    if (job_.kind == JobKind::Send) {
        lines << WithPort(TextAt(texts_, TextId::Sending)) << sendFileLine
              << TextAt(texts_, TextId::TransmissionFinished)
              << TextAt(texts_, TextId::SendCancelled);
    } else {
        lines << TextAt(texts_, TextId::Receiving) << WithPort(kTypicalReceivedName)
              << FileInLine(kTypicalReceivedName)
              << TextAt(texts_, TextId::ReceivedBytes).arg(UINT32_MAX)
              << TextAt(texts_, TextId::ReceiveEnded)
              << TextAt(texts_, TextId::ReceiveEndCount).arg(999).arg(999);
    }
    return lines;
}
