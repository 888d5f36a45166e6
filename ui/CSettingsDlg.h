#pragma once

#include <QSize>
#include <QTimer>

#include <functional>
#include <memory>

#include "ui/DialogKeys.h"
#include "ui/FileChooser.h"

class AppCore;
namespace Ui {
class CSettingsDlg;
}

// The port and baud-rate dialog. It runs port discovery when it opens and,
// while it is shown, again every second, so that an adapter plugged in or
// pulled out shows at once. Below the lists it sets the packet log of the
// Kermit jobs: on or off, and the file, shown whole so that the user can
// tell whoever helps where it is. The caller takes the choice over after OK.
class CSettingsDlg : public KeyedDialog {
    Q_OBJECT
public:
    // `baudIndex` and `portName` are the current settings ("" for no port).
    CSettingsDlg(AppCore& app, int baudIndex, const QString& portName, QWidget* parent = nullptr);
    ~CSettingsDlg() override;

    // The choice, read back from the lists by OK: indices into BaudRateList
    // and PortList, -1 for a list without a selection.
    int baudIndex = 0;
    int portIndex = 0;
    // The chosen port's name ("COM5", "ttyUSB0", "/dev/serial/by-id/..."),
    // from the list or typed in; "" when there is none.
    QString portName;
    // The packet log: on or off, and its file ("" for the default one).
    bool packetLog = false;
    QString packetLogFile;

    // The chooser behind the packet log's Browse button.
    std::function<QString(QWidget* owner, const FileChooserRequest& request)> chooseFile =
        ShowFileChooser;

    // Runs discovery again and refreshes the port list when it changed,
    // keeping the selected port when it is still there.
    void RefreshPorts();
    void SetRefreshInterval(int milliseconds) { refreshTimer_.setInterval(milliseconds); }

    void accept() override;

protected:
    void showEvent(QShowEvent* event) override;
    void hideEvent(QHideEvent* event) override;

private:
    void OnInitDialog();
    void InitPacketLog();
    void BrowsePacketLog();
    // The packet log's row fills `width`; the width the row needs.
    int PacketLogRowWidth() const;
    void PlacePacketLogRow(int width);
    void FillPortList(const QString& selectedName);
    // The text typed into the port list when it is no entry's; "" otherwise.
    QString TypedPort() const;
    QString ChosenPortName() const;
    void LayOut();
    int PlaceButtons(int width, QSize templateSize);

    AppCore& app_;
    QString storedPort_;
    std::unique_ptr<Ui::CSettingsDlg> ui_;
    QTimer refreshTimer_;
};
