#include "worker/FileReasons.h"

#include <QDir>

#include <cerrno>

#include "app/TextTable.h"

namespace {

struct Cause {
    std::errc condition;
    int textId;
};

constexpr Cause kCauses[] = {
    {std::errc::no_such_file_or_directory, TextId::ReasonNoSuchFile},
    {std::errc::permission_denied, TextId::ReasonPermissionDenied},
    {std::errc::operation_not_permitted, TextId::ReasonPermissionDenied},
    {std::errc::is_a_directory, TextId::ReasonIsFolder},
    {std::errc::not_a_directory, TextId::ReasonNotFolder},
    {std::errc::no_space_on_device, TextId::ReasonDiskFull},
    {std::errc::file_too_large, TextId::ReasonFileTooLarge},
    {std::errc::read_only_file_system, TextId::ReasonReadOnly},
    {std::errc::too_many_files_open, TextId::ReasonTooManyOpen},
    {std::errc::too_many_files_open_in_system, TextId::ReasonTooManyOpen},
    {std::errc::filename_too_long, TextId::ReasonNameTooLong},
    {std::errc::io_error, TextId::ReasonInputOutput},
    {std::errc::file_exists, TextId::ReasonFileExists},
    {std::errc::device_or_resource_busy, TextId::ReasonBusy},
    {std::errc::text_file_busy, TextId::ReasonBusy},
};

#ifdef EDQUOT
// std::errc has no name for a full disk quota.
constexpr int kQuotaExceeded = EDQUOT;
#else
constexpr int kQuotaExceeded = -1;
#endif

int CauseTextId(std::error_code reason) {
    for (const Cause& cause : kCauses) {
        if (reason == cause.condition) return cause.textId;
    }
    if (reason == std::error_condition(kQuotaExceeded, std::generic_category()))
        return TextId::ReasonQuotaExceeded;
    return -1;
}

}  // namespace

QString ReasonText(const JobTexts& texts, std::error_code reason) {
    if (!reason) return {};
    const int id = CauseTextId(reason);
    const QString text = id < 0 ? QString() : texts.At(id);
    return text.isEmpty() ? QString::fromLocal8Bit(reason.message()) : text;
}

QString FileRefusedText(const JobTexts& texts, const QString& target, quint64 announced,
                        quint64 room) {
    return texts.At(TextId::FileRefusedNoRoom).arg(target).arg(announced).arg(room);
}

QString SendRefusedText(const JobTexts& texts, const QString& file, const QString& refusedBy,
                        quint64 length) {
    const QString shown = QDir::toNativeSeparators(file);
    if (refusedBy.contains(QLatin1Char('1')) || refusedBy.contains(QLatin1Char('!')))
        return texts.At(TextId::SendRefusedLength).arg(shown).arg(length);
    return texts.At(TextId::SendRefusedOther).arg(shown, refusedBy);
}
