// Every window in each of the thirteen delivered languages, loaded from the
// shipped files as the program loads them: each label, button, menu title
// and window title shows its whole text at the default font.

#include <gtest/gtest.h>

#include <QDir>
#include <QFontDatabase>
#include <QLabel>
#include <QListWidget>
#include <QMenuBar>
#include <QPushButton>
#include <QRegularExpression>
#include <QStyleOptionButton>

#include "JobWindowTestSupport.h"
#include "UiTestSupport.h"
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

// Shows `window` and fails naming it, the language and each label, button, menu or title cut off.
void ExpectWhole(QWidget& window, const std::string& where) {
    window.show();
    QApplication::processEvents();
    const auto expectFits = [&where](const QString& text, QSize need, QSize room) {
        EXPECT_TRUE(need.width() <= room.width() && need.height() <= room.height())
            << where << ": \"" << text.toStdString() << "\" needs " << need.width() << "x"
            << need.height() << " px, has " << room.width() << "x" << room.height();
    };
    const QFontMetrics titleFont(QFontDatabase::systemFont(QFontDatabase::TitleFont));
    expectFits(window.windowTitle(), {titleFont.horizontalAdvance(window.windowTitle()), 0},
               {TitleTextRoom(&window, window.width()), 0});
    for (QWidget* control : window.findChildren<QWidget*>()) {
        if (!control->isVisibleTo(&window)) continue;
        const QFontMetrics metrics(control->font());
        const auto* label = qobject_cast<QLabel*>(control);
        if (label && !label->text().isEmpty()) {
            const QRect need = metrics.boundingRect(QRect(0, 0, 100000, 100000),
                                                    int(label->alignment()), label->text());
            expectFits(label->text(), need.size(), label->contentsRect().size());
            EXPECT_EQ(label->toolTip(), QString()) << where << ": shortened to fit";
        } else if (const auto* button = qobject_cast<QPushButton*>(control)) {
            QStyleOptionButton option;
            option.initFrom(button);
            QRect room =
                button->style()->subElementRect(QStyle::SE_PushButtonContents, &option, button);
            if (qobject_cast<const LeftAlignedButton*>(button))  // indented at both sides
                room.setWidth(room.width() - 2 * metrics.horizontalAdvance(QLatin1Char(' ')));
            const QString text = button->text().replace(QRegularExpression("&(.)"), "\\1");
            expectFits(text, {metrics.horizontalAdvance(text), metrics.height()}, room.size());
        } else if (const auto* list = qobject_cast<QListWidget*>(control)) {
            // Each row in the room the list gives it, wrapped where it must be.
            for (int row = 0; row < list->count(); ++row) {
                QListWidgetItem* item = list->item(row);
                const QRect room = list->visualItemRect(item);
                const QRect need = metrics.boundingRect(
                    QRect(0, 0, room.width() - 2 * list->spacing() - 4, 100000), Qt::TextWordWrap,
                    item->text());
                expectFits(item->text(), need.size(), room.size());
                EXPECT_LE(room.right(), list->viewport()->width()) << where << ": a row runs out";
            }
        } else if (const auto* bar = qobject_cast<QMenuBar*>(control)) {
            for (QAction* action : bar->actions())
                EXPECT_TRUE(bar->rect().contains(bar->actionGeometry(action)))
                    << where << ": menu " << action->text().toStdString();
        }
    }
}

TEST(WordsFit, EveryWindowInEveryLanguage) {
    TestApp test;
    for (int index = 0; index < kLanguageCount; ++index)
        ASSERT_TRUE(test.AddLanguage(Languages()[size_t(index)].code));
    test.ports = {SystemPort(QStringLiteral("COM1")), SystemPort(QStringLiteral("COM12"), true)};
    test.app.settings.Comport = QStringLiteral("COM12");
    QtTranslations qtTexts;
    for (int index = 0; index < kLanguageCount; ++index) {
        const std::string language = Languages()[size_t(index)].code;
        test.app.settings.Language = index;
        ASSERT_EQ(test.app.LoadLanguage(), 1) << language;
        qtTexts.Switch(LanguageLocaleName(index), QtTranslationFolders(test.app.ProgramFolder));

        CStemraDlg main(test.app);
        main.OnInitDialog();
        ExpectWhole(main, language + " main");
        CSettingsDlg settings(test.app, 7, QStringLiteral("COM12"));
        ExpectWhole(settings, language + " settings");
        CAboutDlg about(test.app.TextTable);
        ExpectWhole(about, language + " about");
        CAsciiDlg viewer(test.app);
        WithoutWorker(viewer, QStringLiteral("COM12"));
        ExpectWhole(viewer, language + " ascii");
        FolderChooserDialog chooser(nullptr, QDir::tempPath());
        ExpectWhole(chooser, language + " folder");
        CTransferDlg sending(test.app);
        WithoutWorker(sending, QStringLiteral("COM12"));
        sending.job.kind = JobKind::Send;
        sending.job.path = QStringLiteral("/home/forester/stands/STAND12.DAT");
        sending.fileSize = 4821300;
        ExpectWhole(sending, language + " send-waiting");
        sending.Report(report::SendProgress{0});
        ExpectWhole(sending, language + " sending");
        CTransferDlg receiving(test.app);
        WithoutWorker(receiving, QStringLiteral("COM12"));
        receiving.job.path = QDir::tempPath();
        ExpectWhole(receiving, language + " receive-waiting");
        receiving.Report(report::ReceiveFileOpened{"PLOT0417.DAT"});
        receiving.Report(report::ReceiveProgress{1234567});
        ExpectWhole(receiving, language + " receiving");
        receiving.Report(report::TransactionDone{QDir::tempPath(), "PLOT0417.DAT"});
        ExpectWhole(receiving, language + " received");
        ListEveryFate(receiving, QDir::tempPath() + QStringLiteral("/"));
        ExpectWhole(receiving, language + " listed");
        receiving.Report(report::JobOver{});
        ExpectWhole(receiving, language + " ended");
    }
}

}  // namespace
