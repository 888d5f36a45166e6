#include "ui/HelpWindow.h"

#include <QTextBrowser>

#include "ui/ProgramIcon.h"
#include "ui_HelpWindow.h"

HelpWindow::HelpWindow(QWidget* parent)
    : QWidget(parent, Qt::Window), ui_(std::make_unique<Ui::HelpWindow>()) {
    ui_->setupUi(this);
    setWindowIcon(ProgramIcon());
    setAttribute(Qt::WA_DeleteOnClose);
    connect(ui_->browser, &QTextBrowser::sourceChanged, this, [this] {
        const QString title = ui_->browser->documentTitle();
        setWindowTitle(title.isEmpty() ? QStringLiteral("Corvix")
                                       : QStringLiteral("Corvix: %1").arg(title));
    });
}

HelpWindow::~HelpWindow() = default;

void HelpWindow::ShowPage(const QUrl& page) {
    ui_->browser->setSource(page);
    show();
    raise();
    activateWindow();
}

QTextBrowser* HelpWindow::browser() const {
    return ui_->browser;
}
