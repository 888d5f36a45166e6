#pragma once

#include <QDialog>

#include <memory>

namespace Ui {
class CAboutDlg;
}

// The About box: the icon, the version and the maker. It has no buttons;
// Enter, Esc and the close box end it.
class CAboutDlg : public QDialog {
    Q_OBJECT
public:
    // `textTable` gives the caption ("About Corvix...").
    explicit CAboutDlg(const QStringList& textTable, QWidget* parent = nullptr);
    ~CAboutDlg() override;

protected:
    void keyPressEvent(QKeyEvent* event) override;

private:
    std::unique_ptr<Ui::CAboutDlg> ui_;
};
