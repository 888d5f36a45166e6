#include "worker/JobMessage.h"

#include <map>
#include <mutex>
#include <string>

QEvent::Type RegisterJobMessage(const char* name) {
    static std::mutex mutex;
    static std::map<std::string, QEvent::Type> registered;
    std::lock_guard<std::mutex> lock(mutex);
    const auto found = registered.find(name);
    if (found != registered.end()) return found->second;
    const auto type = static_cast<QEvent::Type>(QEvent::registerEventType());
    registered.emplace(name, type);
    return type;
}
