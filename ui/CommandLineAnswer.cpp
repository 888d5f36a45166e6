#include "ui/CommandLineAnswer.h"

#include <QMessageBox>

#include <cstdio>

#include "app/Terminal.h"

#ifndef CORVIX_VERSION
#define CORVIX_VERSION "unknown"
#endif

std::optional<int> AnswerCommandLineInfo(const QStringList& arguments) {
    const CommandLineInfo info = ReadInfoRequest(arguments);
    if (info.request == InfoRequest::None) return std::nullopt;
    const InfoAnswer answer = AnswerInfoRequest(info, QStringLiteral(CORVIX_VERSION));
    if (OutputIsRead()) {
        std::FILE* stream = answer.isError ? stderr : stdout;
        std::fputs(answer.text.toLocal8Bit().constData(), stream);
        std::fflush(stream);
    } else {
        QMessageBox box(answer.isError ? QMessageBox::Warning : QMessageBox::Information,
                        QStringLiteral("Corvix"), answer.text.trimmed(), QMessageBox::Ok);
        box.setTextFormat(Qt::PlainText);
        box.exec();
    }
    return answer.status;
}
