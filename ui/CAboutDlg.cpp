#include "ui/CAboutDlg.h"

#include "app/TextTable.h"
#include "ui/DialogUnits.h"
#include "ui/ProgramIcon.h"
#include "ui_CAboutDlg.h"

#include <QKeyEvent>

CAboutDlg::CAboutDlg(const QStringList& textTable, QWidget* parent)
    : QDialog(parent), ui_(std::make_unique<Ui::CAboutDlg>()) {
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

void CAboutDlg::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
        accept();
        return;
    }
    QDialog::keyPressEvent(event);
}
