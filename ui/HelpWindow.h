#pragma once

#include <QUrl>
#include <QWidget>

#include <memory>

class QTextBrowser;
namespace Ui {
class HelpWindow;
}

// Corvix's own small help window: the HTML help pages in a browser of
// their own, for a desktop that has no web browser to show them. Links
// between the pages are followed inside it; links to the web open outside.
// It opens in the middle of its owner's screen, sized to fit there.
class HelpWindow : public QWidget {
    Q_OBJECT
public:
    explicit HelpWindow(QWidget* parent = nullptr);
    ~HelpWindow() override;

    // Shows `page` (a local HTML file) and brings the window to the front.
    void ShowPage(const QUrl& page);
    QTextBrowser* browser() const;

private:
    void FitToScreen();

    std::unique_ptr<Ui::HelpWindow> ui_;
};
