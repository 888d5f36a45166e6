#include "app/AppCore.h"

#include "app/LanguageFile.h"
#include "app/Languages.h"

MessageSink& AppCore::Messages() {
    return messageSink ? *messageSink : logSink_;
}

int AppCore::LoadLanguage() {
    return ReadLanguageFile(ProgramFolder + LanguageFileName(settings.Language));
}

int AppCore::ReadLanguageFile(const QString& path) {
    return ::ReadLanguageFile(path, TextTable, Messages());
}

LanguageScanResult AppCore::ScanLanguageFiles() {
    const LanguageScanResult result =
        ::ScanLanguageFiles(ProgramFolder, settings.Language, TextTable);
    settings.Language = result.language;
    return result;
}

int AppCore::OnLanguageCommand(int commandId) {
    return ChooseLanguage(LanguageForCommand(commandId)) ? 1 : 0;
}

bool AppCore::ChooseLanguage(int index) {
    settings.Language = ValidLanguage(index);
    return LoadLanguage() == 1;
}
