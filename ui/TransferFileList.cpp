#include "ui/TransferFileList.h"

#include <QFontMetrics>
#include <QLabel>
#include <QListWidget>
#include <QScrollBar>
#include <QStyle>

#include <algorithm>

namespace {

// A file's typical name and sizes, to measure the rows by.
const QString kTypicalName = QStringLiteral("PLOT0000.DAT");
constexpr std::uint64_t kTypicalBytes = 1234567;

}  // namespace

TransferFileList::TransferFileList(const QStringList& texts, QLabel* count, QListWidget* list)
    : texts_(texts), count_(count), list_(list) {}

void TransferFileList::Show() {
    count_->setText(JobFileCountLine(texts_, static_cast<int>(files_.size())));
    count_->show();
    list_->show();
}

void TransferFileList::Add(const JobFile& file) {
    files_.append(file);
    auto* row = new QListWidgetItem(JobFileLine(texts_, file, false), list_);
    row->setToolTip(JobFileLine(texts_, file, true));
    FitRow(row);
    list_->scrollToItem(row);
    count_->setText(JobFileCountLine(texts_, static_cast<int>(files_.size())));
}

// A row as high as its text wrapped at the row's width, less the margins the
// text is drawn with. The view's own estimate can lay a row out on one line
// where a style's margins make it draw two, and cut off the second.
void TransferFileList::FitRow(QListWidgetItem* row) const {
    const QFontMetrics metrics(list_->font());
    const int margin =
        list_->style()->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, list_) + 2;
    const int width = list_->viewport()->width() - 2 * list_->spacing();
    const QRect text = metrics.boundingRect(QRect(0, 0, std::max(1, width - 2 * margin), 100000),
                                            Qt::TextWordWrap, row->text());
    row->setSizeHint(QSize(width, text.height() + 2 * margin));
}

bool TransferFileList::AnyNotWhole() const {
    return std::any_of(files_.begin(), files_.end(),
                       [](const JobFile& file) { return file.fate != JobFile::Fate::Received; });
}

int TransferFileList::ExtraWidthWanted() const {
    const QFontMetrics metrics(list_->font());
    int widest = 0;
    for (const JobFile::Fate fate : {JobFile::Fate::Received, JobFile::Fate::NotReceived}) {
        const JobFile file{fate, kTypicalName, kTypicalBytes, {}, 0, {}};
        widest = std::max(widest, metrics.horizontalAdvance(JobFileLine(texts_, file, false)));
    }
    // The room of a row: the list less its frame, the scroll bar that comes
    // with a longer list, and the margins a row is drawn with.
    const int margins = 2 * list_->frameWidth() + 4 * metrics.averageCharWidth() +
                        list_->style()->pixelMetric(QStyle::PM_ScrollBarExtent, nullptr, list_);
    return std::max(0, widest + margins - list_->width());
}
