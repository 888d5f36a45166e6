#include "ui/CAboutDlg.h"

#include "app/TextTable.h"
#include "ui/DialogUnits.h"
#include "ui/ProgramIcon.h"
#include "ui_CAboutDlg.h"

CAboutDlg::CAboutDlg(const QStringList& textTable, QWidget* parent)
    : KeyedDialog(parent), ui_(std::make_unique<Ui::CAboutDlg>()) {
    ui_->setupUi(this);
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                   Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint);
    const DialogBaseUnits base = BaseUnitsOf(font());
    PlaceControls(this, base);
    setFixedSize(DialogUnitsToPixels(TemplateDialogUnits(this), base));
    ui_->iconLabel->setPixmap(ProgramIcon().pixmap(ui_->iconLabel->size()));
    setWindowTitle(TextAt(textTable, TextId::AboutItem));
}

CAboutDlg::~CAboutDlg() = default;
