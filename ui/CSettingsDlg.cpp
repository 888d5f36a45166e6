#include "ui/CSettingsDlg.h"

#include "app/AppCore.h"
#include "app/TextTable.h"
#include "ui/DialogUnits.h"
#include "ui/PortChoice.h"
#include "ui/TextRoom.h"
#include "ui_CSettingsDlg.h"

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
    LayOut();
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
    const int width = std::max({templateSize.width(), listsRight + margin, TitleFitWidth(this)});
    setFixedSize(PlaceButtons(width, templateSize), templateSize.height());
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
