#include "ui/QtMessageSink.h"

#include <QMessageBox>

namespace {

QMessageBox::Icon BoxIcon(MessageIcon icon) {
    switch (icon) {
        case MessageIcon::Error:
            return QMessageBox::Critical;
        case MessageIcon::Warning:
            return QMessageBox::Warning;
        case MessageIcon::Question:
            return QMessageBox::Question;
        case MessageIcon::Information:
            break;
    }
    return QMessageBox::Information;
}

}  // namespace

void QtMessageSink::ShowMessage(const QString& text, const QString& caption, MessageIcon icon) {
    QMessageBox box(BoxIcon(icon), caption, text, QMessageBox::Ok, owner_);
    box.exec();
}
