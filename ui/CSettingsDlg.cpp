#include "ui/CSettingsDlg.h"

#include "app/AppCore.h"
#include "app/PacketLogSetting.h"
#include "app/TextTable.h"
#include "ui/DialogUnits.h"
#include "ui/PortChoice.h"
#include "ui/TextRoom.h"
#include "ui_CSettingsDlg.h"

#include <QDir>
#include <QStyle>
#include <QStyleOptionComboBox>

#include <algorithm>

namespace {

constexpr int kRefreshMilliseconds = 1000;

// The width the editable port list needs to show a device path whole: the
// path's text, the list's frame and arrow, and the edit field's margins.
int DevicePathFieldWidth(const QComboBox* list) {
    const QFontMetrics metrics = list->fontMetrics();
    QStyleOptionComboBox option;
    option.initFrom(list);
    option.editable = true;
    const QSize text(DevicePathWidth(metrics) + 2 * metrics.averageCharWidth(), metrics.height());
    return list->style()->sizeFromContents(QStyle::CT_ComboBox, &option, text, list).width();
}

}  // namespace

CSettingsDlg::CSettingsDlg(AppCore& app, int baudIndex, const QString& portName, QWidget* parent)
    : KeyedDialog(parent),
      baudIndex(baudIndex),
      app_(app),
      storedPort_(portName),
      ui_(std::make_unique<Ui::CSettingsDlg>()) {
    ui_->setupUi(this);
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                   Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint);
    refreshTimer_.setInterval(kRefreshMilliseconds);
    connect(&refreshTimer_, &QTimer::timeout, this, &CSettingsDlg::RefreshPorts);
    connect(ui_->okButton, &QPushButton::clicked, this, &CSettingsDlg::accept);
    connect(ui_->cancelButton, &QPushButton::clicked, this, &CSettingsDlg::reject);
    OnInitDialog();
}

CSettingsDlg::~CSettingsDlg() = default;

void CSettingsDlg::OnInitDialog() {
    const QStringList& texts = app_.TextTable;
    setWindowTitle(TextAt(texts, TextId::SettingsTitle));
    ui_->comportLabel->setText(TextAt(texts, TextId::ComportLabel));
    ui_->baudrateLabel->setText(TextAt(texts, TextId::BaudrateLabel));
    ui_->okButton->setText(TextAt(texts, TextId::Ok));
    ui_->cancelButton->setText(TextAt(texts, TextId::Cancel));

    ui_->baudList->addItems(app_.BaudRateList);
    ui_->baudList->setCurrentIndex(baudIndex >= 0 && baudIndex < ui_->baudList->count() ? baudIndex
                                                                                        : -1);
    // A device path can be typed in as well as chosen.
    ui_->portList->setEditable(true);
    ui_->portList->setInsertPolicy(QComboBox::NoInsert);
    app_.EnumeratePorts();
    FillPortList(storedPort_);
    portIndex = ui_->portList->currentIndex();
    InitPacketLog();
    LayOut();
}

// The stored file, or the default one, is shown whole; the field and Browse
// follow the check box.
void CSettingsDlg::InitPacketLog() {
    const QStringList& texts = app_.TextTable;
    ui_->packetLogCheck->setText(TextAt(texts, TextId::PacketLogCheck));
    ui_->packetLogBrowse->setText(TextAt(texts, TextId::PacketLogBrowse));
    const QString stored = app_.settings.PacketLogFile.trimmed();
    ui_->packetLogPath->setText(stored.isEmpty() ? DefaultPacketLogFile()
                                                 : QDir::toNativeSeparators(stored));
    ui_->packetLogPath->setCursorPosition(0);
    for (QWidget* follower :
         {static_cast<QWidget*>(ui_->packetLogPath), static_cast<QWidget*>(ui_->packetLogBrowse)}) {
        connect(ui_->packetLogCheck, &QCheckBox::toggled, follower, &QWidget::setEnabled);
        follower->setEnabled(app_.settings.PacketLog);
    }
    ui_->packetLogCheck->setChecked(app_.settings.PacketLog);
    connect(ui_->packetLogBrowse, &QPushButton::clicked, this, &CSettingsDlg::BrowsePacketLog);
}

void CSettingsDlg::BrowsePacketLog() {
    const FileChooserRequest request{
        FileChooserRequest::Kind::Save,
        TextAt(app_.TextTable, TextId::PacketLogChooser),
        {{TextAt(app_.TextTable, TextId::PacketLogFilter), QStringLiteral("*.log")}},
        ui_->packetLogPath->text().trimmed(),
        QStringLiteral("log")};
    const QString chosen = chooseFile(this, request);
    if (chosen.isEmpty()) return;
    ui_->packetLogPath->setText(QDir::toNativeSeparators(chosen));
    ui_->packetLogPath->setCursorPosition(0);
}

// The discovered ports, and after them the stored port when discovery did
// not find it (a device path, an adapter not plugged in), so that OK keeps
// it. Each entry carries its port name.
void CSettingsDlg::FillPortList(const QString& selectedName) {
    QComboBox* list = ui_->portList;
    const QString typed = TypedPort();
    list->clear();
    for (const _tagPORTS& port : app_.PortList)
        list->addItem(PortEntryText(port), PortNameOf(port));
    if (!storedPort_.isEmpty() && IndexOfPort(app_.PortList, storedPort_) < 0) {
        // A link to a port that is there is kept as typed, and not called absent.
        list->addItem(LeadsToListedPort(app_.PortList, storedPort_)
                          ? PortEntryName(storedPort_)
                          : AbsentPortEntryText(app_.TextTable, storedPort_),
                      storedPort_);
    }
    int index = selectedName.isEmpty() ? -1 : list->findData(selectedName);
    if (index < 0) index = PreselectedPort(app_.PortList, storedPort_);
    list->setCurrentIndex(index < list->count() ? index : -1);
    if (!typed.isEmpty()) list->setEditText(typed);
}

QString CSettingsDlg::TypedPort() const {
    const QComboBox* list = ui_->portList;
    const int current = list->currentIndex();
    if (current >= 0 && list->currentText() == list->itemText(current)) return {};
    return list->currentText();
}

QString CSettingsDlg::ChosenPortName() const {
    const QComboBox* list = ui_->portList;
    const int current = list->currentIndex();
    if (current >= 0 && list->currentText() == list->itemText(current))
        return list->itemData(current).toString();
    return PortNameFromEntry(list->currentText());
}

void CSettingsDlg::RefreshPorts() {
    const QList<_tagPORTS> shown = app_.PortList;
    const int current = ui_->portList->currentIndex();
    const QString selectedName =
        current >= 0 ? ui_->portList->itemData(current).toString() : QString();
    app_.EnumeratePorts();
    if (SamePorts(shown, app_.PortList)) return;
    FillPortList(selectedName);
    LayOut();
}

void CSettingsDlg::accept() {
    baudIndex = ui_->baudList->currentIndex();
    portIndex = ui_->portList->currentIndex();
    portName = ChosenPortName();
    packetLog = ui_->packetLogCheck->isChecked();
    // The default file is not stored: it follows the user's documents folder.
    packetLogFile = ui_->packetLogPath->text().trimmed();
    if (packetLogFile == DefaultPacketLogFile()) packetLogFile.clear();
    QDialog::accept();
}

void CSettingsDlg::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    refreshTimer_.start();
}

void CSettingsDlg::hideEvent(QHideEvent* event) {
    refreshTimer_.stop();
    QDialog::hideEvent(event);
}

// The template's places. A label that needs more room than the template
// gives it pushes the lists to the right, a list grows to show its longest
// entry, and the dialog grows with them, its buttons staying centred.
void CSettingsDlg::LayOut() {
    const DialogBaseUnits base = BaseUnitsOf(font());
    PlaceControls(this, base);
    const QSize templateSize = DialogUnitsToPixels(TemplateDialogUnits(this), base);
    const int gap = ui_->portList->x() - ui_->comportLabel->geometry().right();
    const int margin = templateSize.width() - ui_->portList->geometry().right();

    int labelsRight = 0;
    for (QLabel* label : {ui_->comportLabel, ui_->baudrateLabel}) {
        const int needed = label->fontMetrics().horizontalAdvance(label->text()) + 1;
        label->resize(std::max(label->width(), needed), label->height());
        labelsRight = std::max(labelsRight, label->geometry().right());
    }
    const int push = std::max(0, labelsRight + gap - ui_->portList->x());

    int listsRight = 0;
    for (QComboBox* list : {ui_->portList, ui_->baudList}) {
        list->setSizeAdjustPolicy(QComboBox::AdjustToContents);
        QRect place = list->geometry().translated(push, 0);
        place.setWidth(std::max(place.width(), list->sizeHint().width()));
        // Where ports are devices, a path such as /dev/serial/by-id/... is typed here.
        if (list == ui_->portList && app_.portNaming == PortNaming::Posix)
            place.setWidth(std::max(place.width(), DevicePathFieldWidth(list)));
        list->setGeometry(place);
        listsRight = std::max(listsRight, place.right());
    }
    // The lists are taller than the template's text lines: keep each label
    // level with its list.
    ui_->comportLabel->move(ui_->comportLabel->x(), ui_->portList->geometry().center().y() -
                                                        ui_->comportLabel->height() / 2);
    ui_->baudrateLabel->move(ui_->baudrateLabel->x(), ui_->baudList->geometry().center().y() -
                                                          ui_->baudrateLabel->height() / 2);
    const int width = std::max(
        {templateSize.width(), listsRight + margin, TitleFitWidth(this), PacketLogRowWidth()});
    const int placed = PlaceButtons(width, templateSize);
    PlacePacketLogRow(placed);
    setFixedSize(placed, templateSize.height());
}

// The check box's text whole, and the file's field at least as wide as the
// template has it beside a Browse button that fits its text.
int CSettingsDlg::PacketLogRowWidth() const {
    const QCheckBox* check = ui_->packetLogCheck;
    const QPushButton* browse = ui_->packetLogBrowse;
    const QLineEdit* path = ui_->packetLogPath;
    const int margin = path->x();
    const int gap = browse->x() - path->geometry().right() - 1;
    const int browseWidth = std::max(browse->width(), ButtonFitWidth(browse));
    return std::max(check->x() + check->sizeHint().width(),
                    path->geometry().right() + 1 + gap + browseWidth) +
           margin;
}

// Browse at the right edge, the field between it and the left edge.
void CSettingsDlg::PlacePacketLogRow(int width) {
    QPushButton* browse = ui_->packetLogBrowse;
    QLineEdit* path = ui_->packetLogPath;
    const int margin = path->x();
    const int gap = browse->x() - path->geometry().right() - 1;
    const int browseWidth = std::max(browse->width(), ButtonFitWidth(browse));
    browse->setGeometry(width - margin - browseWidth, browse->y(), browseWidth, browse->height());
    path->resize(browse->x() - gap - path->x(), path->height());
    ui_->packetLogCheck->resize(width - 2 * margin, ui_->packetLogCheck->height());
}

// The buttons stay in the middle; a text that needs more room than a button
// has widens both alike, and the dialog with them where it must. Returns
// the dialog's width.
int CSettingsDlg::PlaceButtons(int width, QSize templateSize) {
    QPushButton* ok = ui_->okButton;
    QPushButton* cancel = ui_->cancelButton;
    const int buttonWidth = std::max({ok->width(), ButtonFitWidth(ok), ButtonFitWidth(cancel)});
    if (buttonWidth == ok->width()) {
        const int shift = (width - templateSize.width()) / 2;
        for (QPushButton* button : {ok, cancel})
            button->move(button->pos() + QPoint(shift, 0));
        return width;
    }
    const int gap = cancel->x() - ok->geometry().right() - 1;
    width = std::max(width, 2 * (buttonWidth + ok->x()) + gap);
    const int left = (width - 2 * buttonWidth - gap) / 2;
    ok->setGeometry(left, ok->y(), buttonWidth, ok->height());
    cancel->setGeometry(left + buttonWidth + gap, cancel->y(), buttonWidth, cancel->height());
    return width;
}
