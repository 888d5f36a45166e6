#include "ui/CAboutDlg.h"

#include <QLabel>

#include <algorithm>

#include "app/TextTable.h"
#include "ui/DialogUnits.h"
#include "ui/ProgramIcon.h"
#include "ui/TextRoom.h"
#include "ui_CAboutDlg.h"

CAboutDlg::CAboutDlg(const QStringList& textTable, QWidget* parent)
    : KeyedDialog(parent), ui_(std::make_unique<Ui::CAboutDlg>()) {
    ui_->setupUi(this);
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                   Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint);
    const DialogBaseUnits base = BaseUnitsOf(font());
    PlaceControls(this, base);
    ui_->iconLabel->setPixmap(ProgramIcon().pixmap(ui_->iconLabel->size()));
    setWindowTitle(TextAt(textTable, TextId::AboutItem));
    FitTitle(DialogUnitsToPixels(TemplateDialogUnits(this), base));
}

// A title longer than the box is wide widens the box; its lines of text
// move to stay in the middle, the icon stays at the left.
void CAboutDlg::FitTitle(QSize size) {
    const int extra = std::max(0, TitleFitWidth(this) - size.width());
    for (QLabel* label : {ui_->versionLabel, ui_->noticeLabel, ui_->makerLabel, ui_->addressLabel})
        label->move(label->x() + extra / 2, label->y());
    setFixedSize(size + QSize(extra, 0));
}

CAboutDlg::~CAboutDlg() = default;
