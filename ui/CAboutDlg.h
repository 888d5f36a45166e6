#pragma once

#include "ui/DialogKeys.h"

#include <QSize>

#include <memory>

namespace Ui {
class CAboutDlg;
}

// The About box: the icon, the version and the maker. It has no buttons;
// Enter, Esc and the close box end it (the keys as in every window).
class CAboutDlg : public KeyedDialog {
    Q_OBJECT
public:
    // `textTable` gives the caption ("About Corvix...").
    explicit CAboutDlg(const QStringList& textTable, QWidget* parent = nullptr);
    ~CAboutDlg() override;

private:
    void FitTitle(QSize size);

    std::unique_ptr<Ui::CAboutDlg> ui_;
};
