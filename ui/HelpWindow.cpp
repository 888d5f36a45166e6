#include "ui/HelpWindow.h"

#include <QGuiApplication>
#include <QScreen>
#include <QTextBrowser>

#include <algorithm>

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
    FitToScreen();
}

// The window's room is its screen's free area (without task bars and panels),
// measured in the same units as the window itself, whatever the screen's
// scale. It takes three quarters of the height and at most nine tenths of
// the width, so that the frame the desktop puts around it fits as well, and
// is no wider than a page of help reads well.
void HelpWindow::FitToScreen() {
    const QWidget* owner = parentWidget() ? parentWidget()->window() : nullptr;
    const QScreen* screen = owner ? owner->screen() : QGuiApplication::primaryScreen();
    if (screen == nullptr) return;
    const QRect room = screen->availableGeometry();
    const int readableWidth = width();  // as designed
    resize(std::min(readableWidth, room.width() * 9 / 10), room.height() * 3 / 4);
    QRect frame(QPoint(), size());
    frame.moveCenter(room.center());
    move(frame.topLeft());
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
