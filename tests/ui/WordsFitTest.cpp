// Every window in each of the thirteen delivered languages, loaded from the
// shipped files as the program loads them: each label, button, menu title
// and window title shows its whole text at the default font.
//
// A text's room: a label's contents rectangle, each of its lines unbroken; a push button's contents
// rectangle as its style gives it (less the indent at both sides where the text stands at the
// left); a menu title's place in the menu bar; a window title the room its title bar leaves beside
// the icon and the caption buttons (TextRoom.h).
//
// With CORVIX_SCREENSHOT_DIR set, every window is also drawn into a PNG file
// there, named by language and window, to be looked at.

#include <gtest/gtest.h>

#include <QDir>
#include <QFontDatabase>
#include <QLabel>
#include <QListView>
#include <QMenuBar>
#include <QPushButton>
#include <QStyleOptionButton>

#include <functional>

#include "UiTestSupport.h"
#include "app/CommandIds.h"
#include "app/Languages.h"
#include "ui/BrowseForFolder.h"
#include "ui/CAboutDlg.h"
#include "ui/CAsciiDlg.h"
#include "ui/CSettingsDlg.h"
#include "ui/CStemraDlg.h"
#include "ui/CTransferDlg.h"
#include "ui/LeftAlignedButton.h"
#include "ui/QtTranslations.h"
#include "ui/TextRoom.h"
#include "worker/CComThread.h"

namespace {

QString Cut(const QWidget* control, const QString& text, int need, int room) {
    return QStringLiteral("%1 \"%2\" needs %3 px, has %4")
        .arg(control->objectName(), text)
        .arg(need)
        .arg(room);
}

QString WithoutMnemonics(QString text) {
    return text.replace(QStringLiteral("&&"), QStringLiteral("\x01"))
        .remove(u'&')
        .replace(u'\x01', u'&');
}

// Each line of a label shows on a line of its own: a status broken over
// more lines than it has is no whole status.
void CheckLabel(const QLabel* label, QStringList& cuts) {
    const QRect room = label->contentsRect();
    const QFontMetrics metrics(label->font());
    const QRect used =
        metrics.boundingRect(QRect(0, 0, 100000, 100000), int(label->alignment()), label->text());
    if (used.width() > room.width()) cuts << Cut(label, label->text(), used.width(), room.width());
    if (used.height() > room.height())
        cuts << Cut(label, label->text(), used.height(), room.height()) + QStringLiteral(" high");
    // A text shortened to fit keeps its whole self in the tool tip.
    if (!label->toolTip().isEmpty())
        cuts << label->objectName() + QStringLiteral(" shortened \"%1\"").arg(label->toolTip());
}

void CheckButton(const QPushButton* button, QStringList& cuts) {
    QStyleOptionButton option;
    option.initFrom(button);
    option.rect = button->rect();
    const QRect contents =
        button->style()->subElementRect(QStyle::SE_PushButtonContents, &option, button);
    const QFontMetrics metrics(button->font());
    int room = contents.width();
    if (qobject_cast<const LeftAlignedButton*>(button))
        room -= 2 * metrics.horizontalAdvance(QLatin1Char(' '));
    const QString text = WithoutMnemonics(button->text());
    const int need = metrics.horizontalAdvance(text);
    if (need > room) cuts << Cut(button, text, need, room);
    if (metrics.height() > contents.height())
        cuts << Cut(button, text, metrics.height(), contents.height()) + QStringLiteral(" high");
}

void CheckMenuBar(const QMenuBar* bar, QStringList& cuts) {
    for (QAction* action : bar->actions()) {
        const QRect place = bar->actionGeometry(action);
        if (place.isEmpty() || !bar->rect().contains(place))
            cuts << QStringLiteral("menu \"%1\" lies outside the menu bar").arg(action->text());
    }
}

// The folder chooser's places (the computer, the home folder) by name.
void CheckPlaces(const QWidget* chooser, QStringList& cuts) {
    const auto* places = chooser->findChild<QListView*>(QStringLiteral("sidebar"));
    if (!places) return;
    for (int row = 0; row < places->model()->rowCount(); ++row) {
        const QModelIndex index = places->model()->index(row, 0);
        const int need = places->sizeHintForIndex(index).width();
        const int room = places->viewport()->width();
        if (need > room) cuts << Cut(places, index.data().toString(), need, room);
    }
}

// What the window shows of its words that does not fit, one line each.
QStringList Cuts(QWidget* window) {
    QStringList cuts;
    const QFontMetrics titleMetrics(QFontDatabase::systemFont(QFontDatabase::TitleFont));
    const int titleNeed = titleMetrics.horizontalAdvance(window->windowTitle());
    const int titleRoom = TitleTextRoom(window, window->width());
    if (titleNeed > titleRoom)
        cuts << QStringLiteral("title \"%1\" needs %2 px, has %3")
                    .arg(window->windowTitle())
                    .arg(titleNeed)
                    .arg(titleRoom);
    for (const QWidget* control : window->findChildren<QWidget*>()) {
        if (!control->isVisibleTo(window)) continue;
        if (const auto* label = qobject_cast<const QLabel*>(control)) {
            if (!label->text().isEmpty()) CheckLabel(label, cuts);
        } else if (const auto* button = qobject_cast<const QPushButton*>(control)) {
            if (!button->text().isEmpty()) CheckButton(button, cuts);
        } else if (const auto* bar = qobject_cast<const QMenuBar*>(control)) {
            CheckMenuBar(bar, cuts);
        }
    }
    CheckPlaces(window, cuts);
    return cuts;
}

class WordsFit : public ::testing::Test {
protected:
    void SetUp() override {
        for (int index = 0; index < kLanguageCount; ++index)
            ASSERT_TRUE(test.AddLanguage(Languages()[size_t(index)].code));
        test.ports = {SystemPort(QStringLiteral("COM1")),
                      SystemPort(QStringLiteral("COM12"), true)};
        test.app.Comport = QStringLiteral("COM12");
    }

    // Shows `window` as it stands and records what does not fit in it.
    void Check(QWidget& window, const QString& name) {
        window.show();
        QApplication::processEvents();
        for (const QString& cut : Cuts(&window))
            ADD_FAILURE() << language_.toStdString() << ": " << name.toStdString() << ": "
                          << cut.toStdString();
        const QString folder = qEnvironmentVariable("CORVIX_SCREENSHOT_DIR");
        if (!folder.isEmpty() && QDir().mkpath(folder))
            window.grab().save(QStringLiteral("%1/fit-%2-%3.png").arg(folder, language_, name));
    }

    // Every language in turn, its file read as the program reads it.
    void ForEachLanguage(const std::function<void()>& check) {
        for (int index = 0; index < kLanguageCount; ++index) {
            language_ = QString::fromLatin1(Languages()[size_t(index)].code);
            test.app.Language = index;
            test.app.TextTable = EnglishTexts();
            ASSERT_EQ(test.app.LoadLanguage(), 1) << language_.toStdString();
            qtTexts_.Switch(LanguageLocaleName(index),
                            QtTranslationFolders(test.app.ProgramFolder));
            check();
        }
    }

    template <typename Window>
    void WithoutWorker(Window& window) {
        window.makeWorker = [](const QStringList&) { return std::unique_ptr<CComThread>(); };
        window.job.portName = QStringLiteral("COM12");
        window.job.baudIndex = 7;
    }

    TestApp test;
    ServiceRecorder recorder;
    QString language_;
    QtTranslations qtTexts_;
};

TEST_F(WordsFit, MainWindowSettingsAndAbout) {
    ForEachLanguage([&] {
        CStemraDlg main(test.app, recorder.Services());
        main.OnInitDialog();
        Check(main, QStringLiteral("main"));
        CSettingsDlg settings(test.app, 7, QStringLiteral("COM12"));
        Check(settings, QStringLiteral("settings"));
        CAboutDlg about(test.app.TextTable);
        Check(about, QStringLiteral("about"));
    });
}

TEST_F(WordsFit, TransferWindowInEachState) {
    ForEachLanguage([&] {
        CTransferDlg sending(test.app);
        WithoutWorker(sending);
        sending.job.kind = JobKind::Send;
        sending.job.path = QStringLiteral("/home/forester/stands/STAND12.DAT");
        sending.fileSize = 4821300;
        Check(sending, QStringLiteral("transfer-waiting"));
        sending.OnSendProgress(0);
        Check(sending, QStringLiteral("transfer-sending"));
        sending.reject();

        CTransferDlg receiving(test.app);
        WithoutWorker(receiving);
        receiving.job.kind = JobKind::Receive;
        receiving.job.path = QDir::tempPath();
        Check(receiving, QStringLiteral("transfer-awaiting"));
        receiving.OnReceiveFileOpened("PLOT0417.DAT");
        receiving.OnReceiveProgress(1234567);
        Check(receiving, QStringLiteral("transfer-receiving"));
        receiving.OnTransactionDone(QDir::tempPath(), "PLOT0417.DAT");
        Check(receiving, QStringLiteral("transfer-received"));
        receiving.reject();
    });
}

TEST_F(WordsFit, AsciiViewerAndFolderChooser) {
    ForEachLanguage([&] {
        CAsciiDlg viewer(test.app);
        WithoutWorker(viewer);
        Check(viewer, QStringLiteral("ascii"));
        viewer.reject();
        FolderChooserDialog chooser(nullptr, QDir::tempPath());
        Check(chooser, QStringLiteral("folder"));
    });
}

}  // namespace
