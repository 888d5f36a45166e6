#include "UiTestSupport.h"
#include "app/CommandIds.h"
#include "app/Languages.h"
#include "app/MainWindowLabels.h"
#include "ui/CStemraDlg.h"

#include <gtest/gtest.h>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>

namespace {

class MainWindowLanguage : public ::testing::Test {
protected:
    CStemraDlg& Window() {
        if (!window) window = std::make_unique<CStemraDlg>(test.app, recorder.Services());
        return *window;
    }

    // The text on the menu entry or button a label names.
    QString Shown(const MenuLabel& label) {
        QAction* entry = Window().Popup(label.barPosition)->menuAction();
        if (label.itemPosition >= 0) {
            entry = Window().Popup(label.barPosition)->actions().value(label.itemPosition);
        }
        if (label.subItemPosition >= 0)
            entry = entry->menu()->actions().value(label.subItemPosition);
        return entry->text();
    }

    // Every menu title, item and button shows the text `table` gives it.
    void ExpectTexts(const QStringList& table) {
        for (const MenuLabel& label : kMenuLabels) {
            EXPECT_EQ(Shown(label), table.value(label.textId)) << "text " << label.textId;
        }
        for (const ButtonLabel& label : kButtonLabels) {
            EXPECT_EQ(Window().Button(label.buttonId)->text(), table.value(label.textId))
                << "button " << label.buttonId;
        }
    }

    QList<int> CheckedLanguages() {
        QList<int> checked;
        for (int i = 0; i < kLanguageCount; ++i) {
            if (Window().LanguageItem(i)->isChecked()) checked.append(i);
        }
        return checked;
    }

    TestApp test;
    ServiceRecorder recorder;
    std::unique_ptr<CStemraDlg> window;
};

TEST_F(MainWindowLanguage, TheTemplateShowsTheSwedishTextsAndTheMenuLayout) {
    ExpectTexts(ShippedTexts(QStringLiteral("SVE")));
    EXPECT_EQ(Window().windowTitle(), "Corvix");
    EXPECT_TRUE(Window().Button(1)->isDefault());

    QMenu* communication = Window().Popup(0);
    const QList<QAction*> items = communication->actions();
    ASSERT_EQ(items.size(), 7);
    EXPECT_TRUE(items[5]->isSeparator());
    ASSERT_NE(items[1]->menu(), nullptr);
    EXPECT_EQ(items[1]->menu()->actions().size(), 2);
    QList<int> ids;
    for (int i : {0, 2, 3, 4, 6})
        ids.append(items[i]->property("commandId").toInt());
    EXPECT_EQ(ids,
              (QList<int>{CommandId::SettingsItem, CommandId::LoadProgramItem, CommandId::AsciiItem,
                          CommandId::ReceiveAsciiItem, CommandId::ExitItem}));
    // Each capture item is named as its button is.
    EXPECT_EQ(items[3]->text(), Window().Button(CommandId::DataToPrinterButton)->text());
    EXPECT_EQ(items[4]->text(), Window().Button(CommandId::ReceiveAsciiButton)->text());
    EXPECT_EQ(Window().Popup(2)->actions()[0]->property("commandId").toInt(), CommandId::HelpItem);
    EXPECT_EQ(Window().Popup(2)->actions()[1]->property("commandId").toInt(), CommandId::AboutItem);

    ASSERT_EQ(Window().Popup(1)->actions().size(), kLanguageCount);
    for (int i = 0; i < kLanguageCount; ++i) {
        EXPECT_EQ(Window().LanguageItem(i)->text(), LanguageMenuText(i));
        EXPECT_EQ(Window().LanguageItem(i)->data().toInt(), i);
        // The template's command ids go to the first thirteen; a language
        // after them has none, so that it never takes the next item's.
        const int command = CommandId::FirstLanguageItem + i;
        EXPECT_EQ(Window().LanguageItem(i)->property("commandId").toInt(),
                  command <= CommandId::LastLanguageItem ? command : 0);
    }
}

TEST_F(MainWindowLanguage, InitialisationLoadsTheChosenLanguageBeforeTheCommandLineRuns) {
    ASSERT_TRUE(test.AddLanguage("ENG"));
    ASSERT_TRUE(test.AddLanguage("RUS"));
    test.app.settings.Language = 11;
    test.app.settings.Comport = QStringLiteral("COM3");
    Window().commandLineRequest = {true, true, RequestMode::Kermit, test.FolderFile("prog.m$x")};
    QString buttonTextDuringJob;
    bool shownDuringJob = true;
    recorder.duringJob = [&] {
        buttonTextDuringJob = Window().Button(CommandId::LoadProgramButton)->text();
        shownDuringJob = Window().isVisible();
    };

    Window().OnInitDialog();
    EXPECT_EQ(CheckedLanguages(), QList<int>{11});
    ExpectTexts(ShippedTexts(QStringLiteral("RUS")));
    EXPECT_TRUE(recorder.transfers.isEmpty()) << "the request waits for the modal run";

    // The run starts the request before it shows the window; a program load
    // from the command line ends the run without the window ever showing.
    EXPECT_EQ(Window().exec(), QDialog::Accepted);
    ASSERT_EQ(recorder.transfers.size(), 1);
    EXPECT_EQ(buttonTextDuringJob, ShippedTexts(QStringLiteral("RUS")).value(2));
    EXPECT_FALSE(shownDuringJob);
    EXPECT_TRUE(test.messages.shown.isEmpty());
}

TEST_F(MainWindowLanguage, OnlyGermanPresentWithSwedishChosenFallsBackToEnglish) {
    ASSERT_TRUE(test.AddLanguage("DEU"));
    test.app.settings.Language = 5;
    Window().OnInitDialog();

    EXPECT_EQ(ReadBytes(test.FolderFile("Corvix-ENG.xml")), EnglishTemplate(EnglishTexts()));
    for (int i = 0; i < kLanguageCount; ++i) {
        EXPECT_EQ(Window().LanguageItem(i)->isEnabled(), i <= 1) << "language " << i;
    }
    EXPECT_EQ(CheckedLanguages(), QList<int>{1});
    EXPECT_EQ(test.app.settings.Language, 1);
    ExpectTexts(EnglishTexts());
    EXPECT_TRUE(test.messages.shown.isEmpty());
}

TEST_F(MainWindowLanguage, SwitchingRelabelsInPlaceAndKeepsSubmenusChecksAndStates) {
    ASSERT_TRUE(test.AddLanguage("ENG"));
    ASSERT_TRUE(test.AddLanguage("DEU"));
    ASSERT_TRUE(test.AddLanguage("SRP"));
    Window().OnInitDialog();
    QMenu* kermit = Window().Popup(0)->actions()[1]->menu();

    Window().LanguageItem(12)->trigger();
    ExpectTexts(ShippedTexts(QStringLiteral("SRP")));
    EXPECT_EQ(CheckedLanguages(), QList<int>{12});
    EXPECT_EQ(test.app.settings.Language, 12);
    EXPECT_EQ(Window().Popup(0)->actions()[1]->menu(), kermit);
    EXPECT_EQ(kermit->actions()[0]->property("commandId").toInt(), CommandId::SendFileItem);
    EXPECT_EQ(kermit->actions()[1]->property("commandId").toInt(), CommandId::ReceiveFileItem);
    EXPECT_FALSE(Window().LanguageItem(5)->isEnabled());
    EXPECT_EQ(Window().LanguageItem(12)->text(), LanguageMenuText(12));

    // A checked item chosen again stays checked.
    Window().LanguageItem(12)->trigger();
    EXPECT_EQ(CheckedLanguages(), QList<int>{12});
}

TEST_F(MainWindowLanguage, ALanguageWhoseFileVanishedReportsMovesTheCheckAndKeepsTheTexts) {
    ASSERT_TRUE(test.AddLanguage("ENG"));
    ASSERT_TRUE(test.AddLanguage("DEU"));
    Window().OnInitDialog();
    ASSERT_TRUE(QFile::remove(test.FolderFile("Corvix-DEU.xml")));

    Window().LanguageItem(0)->trigger();
    ASSERT_EQ(test.messages.shown.size(), 1);
    EXPECT_EQ(test.messages.shown[0].text, "Cannot load XML file");
    EXPECT_EQ(CheckedLanguages(), QList<int>{0});
    EXPECT_EQ(test.app.settings.Language, 0);
    ExpectTexts(EnglishTexts());
}

TEST_F(MainWindowLanguage, AStoredLanguageOutOfRangeStartsInEnglish) {
    ASSERT_TRUE(test.AddLanguage("ENG"));
    test.app.settings.Language = 40;
    Window().OnInitDialog();
    EXPECT_EQ(CheckedLanguages(), QList<int>{1});
    EXPECT_EQ(test.app.settings.Language, 1);
    ExpectTexts(EnglishTexts());
}

// Qt's own texts (the choosers, Yes, No and Cancel) follow the language
// menu; the program's own texts stay as the language files give them.
TEST_F(MainWindowLanguage, QtsOwnTextsFollowTheLanguageMenu) {
    for (const char* code : {"ENG", "FRA", "RUS", "ROM"})
        ASSERT_TRUE(test.AddLanguage(QString::fromLatin1(code)));
    const auto cancel = [] { return QCoreApplication::translate("QPlatformTheme", "Cancel"); };
    const auto lookIn = [] { return QCoreApplication::translate("QFileDialog", "Look in:"); };
    Window().OnInitDialog();
    EXPECT_EQ(cancel(), "Cancel");

    Window().LanguageItem(3)->trigger();
    EXPECT_EQ(cancel(), "Annuler");
    EXPECT_NE(lookIn(), "Look in:");
    ExpectTexts(ShippedTexts(QStringLiteral("FRA")));
    Window().LanguageItem(11)->trigger();
    EXPECT_EQ(cancel(), QString::fromUtf8("\u041e\u0442\u043c\u0435\u043d\u0430"));
    ExpectTexts(ShippedTexts(QStringLiteral("RUS")));
    // No Romanian in Qt nor in this folder: Qt's texts go back to English, not Russian.
    Window().LanguageItem(6)->trigger();
    EXPECT_EQ(cancel(), "Cancel");
    ExpectTexts(ShippedTexts(QStringLiteral("ROM")));
    Window().LanguageItem(3)->trigger();
    Window().LanguageItem(1)->trigger();
    EXPECT_EQ(cancel(), "Cancel");
    EXPECT_EQ(lookIn(), "Look in:");
    EXPECT_TRUE(test.messages.shown.isEmpty());
}

// Every shipped language fits the window: no button text is cut, no two
// controls overlap and all lie inside the window.
TEST_F(MainWindowLanguage, EveryLanguageFitsTheWindow) {
    for (int i = 0; i < kLanguageCount; ++i) {
        ASSERT_TRUE(test.AddLanguage(QString::fromLatin1(Languages()[size_t(i)].code)));
    }
    Window().OnInitDialog();
    Window().show();
    for (int i = 0; i < kLanguageCount; ++i) {
        Window().LanguageItem(i)->trigger();
        QList<QPushButton*> buttons = Window().findChildren<QPushButton*>();
        ASSERT_EQ(buttons.size(), 7);
        const QRect client = Window().rect();
        for (QPushButton* button : buttons) {
            const int needed = button->fontMetrics().horizontalAdvance(button->text());
            EXPECT_LT(needed, button->width()) << button->text().toStdString();
            EXPECT_TRUE(client.contains(button->geometry())) << button->text().toStdString();
            for (QPushButton* other : buttons) {
                if (other == button) continue;
                EXPECT_FALSE(button->geometry().intersects(other->geometry()));
            }
        }
        EXPECT_GE(Window().MenuBar()->sizeHint().width(), 0);
        EXPECT_LE(Window().MenuBar()->geometry().bottom(), buttons[0]->y());
    }
    EXPECT_TRUE(test.messages.shown.isEmpty());
}

}  // namespace
