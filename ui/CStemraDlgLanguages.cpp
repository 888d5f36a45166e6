#include "ui/CStemraDlg.h"

#include "app/AppCore.h"
#include "app/Languages.h"
#include "app/MainWindowLabels.h"
#include "ui/QtTranslations.h"
#include "ui_CStemraDlg.h"

// The main window's Language menu: its items, made from the table of
// languages, the folder scan that enables them, and the texts of the
// language chosen.

// One item a language of the table, in its order. Each carries its language
// as the action's data and chooses it by that; the command id the first
// thirteen stand for is kept as "commandId" for whoever drives the window.
void CStemraDlg::AddLanguageItems() {
    for (int index = 0; index < kLanguageCount; ++index) {
        QAction* item = ui_->languageMenu->addAction(LanguageMenuText(index));
        item->setCheckable(true);
        item->setData(index);
        if (const int command = LanguageCommand(index)) item->setProperty("commandId", command);
        connect(item, &QAction::triggered, this, [this, item] {
            ChooseLanguage(item->data().toInt(), true);
            app_.SaveSettings();
        });
    }
}

void CStemraDlg::ScanLanguageFiles() {
    const int chosen = app_.settings.Language;
    const LanguageScanResult scan = app_.ScanLanguageFiles();
    for (int position = 0; position < kLanguageCount; ++position) {
        LanguageItem(position)->setEnabled(scan.present[size_t(position)]);
    }
    if (scan.language != chosen) {
        CheckLanguageItem(chosen, false);
        CheckLanguageItem(kEnglish, true);
    }
}

void CStemraDlg::OnLanguageCommand(int commandId) {
    const bool inMenu = commandId >= kFirstLanguageCommand && commandId <= kLastLanguageCommand;
    ChooseLanguage(LanguageForCommand(commandId), inMenu);
}

void CStemraDlg::ChooseLanguage(int index, bool checkItem) {
    CheckLanguageItem(app_.settings.Language, false);
    if (checkItem) CheckLanguageItem(index, true);
    if (!app_.ChooseLanguage(index)) return;
    ApplyLanguageTexts();
    textsLanguage_ = LanguageLocaleName(app_.settings.Language);
    qtTexts_.Switch(textsLanguage_, QtTranslationFolders(app_.ProgramFolder));
}

// Items are relabelled in place, so each keeps its command; a popup's title
// is its menu action's text, so its submenu stays as it is.
void CStemraDlg::ApplyLanguageTexts() {
    for (const MenuLabel& label : kMenuLabels) {
        QMenu* popup = Popup(label.barPosition);
        QAction* target = popup->menuAction();
        if (label.itemPosition >= 0) target = popup->actions().value(label.itemPosition);
        if (target && label.subItemPosition >= 0) {
            target =
                target->menu() ? target->menu()->actions().value(label.subItemPosition) : nullptr;
        }
        if (target) target->setText(Text(label.textId));
    }
    for (const ButtonLabel& label : kButtonLabels) {
        if (QPushButton* button = Button(label.buttonId)) button->setText(Text(label.textId));
    }
    LayOut();
    ShowPortHint();
}

void CStemraDlg::CheckLanguageItem(int position, bool checked) {
    if (QAction* item = LanguageItem(position)) item->setChecked(checked);
}

QAction* CStemraDlg::LanguageItem(int position) const {
    if (position < 0 || position >= kLanguageCount) return nullptr;
    return ui_->languageMenu->actions().value(position);
}
