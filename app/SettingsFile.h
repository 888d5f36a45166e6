#pragma once

#include <QString>

#include <memory>

class MessageSink;
class QSettings;

// The settings of `organization`'s `application` as the program keeps them.
// A settings file that is not a regular file (a FIFO, a folder, a device)
// would hold the program before its window appears, or fail it: it is passed
// over with a message through `messages`, and the settings returned read
// nothing and are saved nowhere.
std::unique_ptr<QSettings> OpenSettings(const QString& organization, const QString& application,
                                        MessageSink& messages);

// The first file the settings would be read from that exists but is not a
// regular file; "" when there is none. Where the settings live elsewhere
// (the registry) there is none.
QString UnusableSettingsFile(const QString& organization, const QString& application);
