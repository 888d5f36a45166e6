#include "worker/JobTexts.h"

#include "app/TextTable.h"

JobTexts JobTexts::From(const QStringList& textTable) {
    JobTexts texts;
    texts.couldNotOpenFile = TextAt(textTable, TextId::CouldNotOpenFile);
    texts.outOfMemory = TextAt(textTable, TextId::OutOfMemory);
    texts.transmissionError = TextAt(textTable, TextId::TransmissionError);
    texts.fileExistsOverwrite = TextAt(textTable, TextId::FileExistsOverwrite);
    return texts;
}
