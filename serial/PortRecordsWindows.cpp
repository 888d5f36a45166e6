// windows.h first: setupapi.h builds on its types.
#include <windows.h>

#include <setupapi.h>

#include <algorithm>

#include "serial/PortDiscovery.h"

// The present devices with the COM port interface, through SETUPAPI loaded
// at run time: each one's "PortName" from its hardware key and its first
// hardware identifier.
namespace {

// {86E0D1E0-8089-11D0-9CE4-08003E301F73}
const GUID kComPortInterface = {
    0x86E0D1E0, 0x8089, 0x11D0, {0x9C, 0xE4, 0x08, 0x00, 0x3E, 0x30, 0x1F, 0x73}};

using OpenDevRegKey = HKEY(WINAPI*)(HDEVINFO, PSP_DEVINFO_DATA, DWORD, DWORD, DWORD, REGSAM);
using GetClassDevs = HDEVINFO(WINAPI*)(const GUID*, PCWSTR, HWND, DWORD);
using GetDeviceRegistryProperty = BOOL(WINAPI*)(HDEVINFO, PSP_DEVINFO_DATA, DWORD, PDWORD, PBYTE,
                                                DWORD, PDWORD);
using DestroyDeviceInfoList = BOOL(WINAPI*)(HDEVINFO);
using EnumDeviceInfo = BOOL(WINAPI*)(HDEVINFO, DWORD, PSP_DEVINFO_DATA);

struct SetupApi {
    OpenDevRegKey openDevRegKey = nullptr;
    GetClassDevs getClassDevs = nullptr;
    GetDeviceRegistryProperty getDeviceRegistryProperty = nullptr;
    DestroyDeviceInfoList destroyDeviceInfoList = nullptr;
    EnumDeviceInfo enumDeviceInfo = nullptr;
};

template <typename Function>
bool Find(HMODULE library, const char* name, Function& function) {
    function = reinterpret_cast<Function>(reinterpret_cast<void*>(GetProcAddress(library, name)));
    return function != nullptr;
}

bool FindAll(HMODULE library, SetupApi& api) {
    return Find(library, "SetupDiOpenDevRegKey", api.openDevRegKey) &&
           Find(library, "SetupDiGetClassDevsW", api.getClassDevs) &&
           Find(library, "SetupDiGetDeviceRegistryPropertyW", api.getDeviceRegistryProperty) &&
           Find(library, "SetupDiDestroyDeviceInfoList", api.destroyDeviceInfoList) &&
           Find(library, "SetupDiEnumDeviceInfo", api.enumDeviceInfo);
}

// The text of a REG_SZ of at most 255 characters; empty when it is none.
QString PortNameOf(HKEY key) {
    wchar_t name[256] = {};
    DWORD type = 0;
    DWORD size = sizeof(name) - sizeof(wchar_t);
    if (RegQueryValueExW(key, L"PortName", nullptr, &type, reinterpret_cast<BYTE*>(name), &size) !=
            ERROR_SUCCESS ||
        type != REG_SZ)
        return QString();
    return QString::fromWCharArray(name, static_cast<int>(size / sizeof(wchar_t)))
        .section(QChar(u'\0'), 0, 0);
}

// The first string of the device's hardware identifiers, when it has a list.
bool FirstHardwareId(const SetupApi& api, HDEVINFO set, SP_DEVINFO_DATA& device, QString& id) {
    wchar_t ids[256] = {};
    DWORD type = 0;
    if (!api.getDeviceRegistryProperty(set, &device, SPDRP_HARDWAREID, &type,
                                       reinterpret_cast<BYTE*>(ids), sizeof(ids) - sizeof(wchar_t),
                                       nullptr) ||
        type != REG_MULTI_SZ)
        return false;
    id = QString::fromWCharArray(ids);
    return true;
}

QList<PortRecord> Records(const SetupApi& api) {
    QList<PortRecord> records;
    const HDEVINFO set = api.getClassDevs(&kComPortInterface, nullptr, nullptr,
                                          DIGCF_PRESENT | DIGCF_DEVICEINTERFACE);
    if (set == INVALID_HANDLE_VALUE) return records;
    for (DWORD index = 0;; ++index) {
        SP_DEVINFO_DATA device{};
        device.cbSize = sizeof(device);
        if (!api.enumDeviceInfo(set, index, &device)) break;
        const HKEY key =
            api.openDevRegKey(set, &device, DICS_FLAG_GLOBAL, 0, DIREG_DEV, KEY_QUERY_VALUE);
        if (key == nullptr || key == INVALID_HANDLE_VALUE) continue;
        PortRecord record;
        record.portName = PortNameOf(key);
        RegCloseKey(key);
        if (!IsAcceptedPortName(record.portName, PortNaming::Windows)) continue;
        // A list that cannot be read still lists the port, as no caliper's.
        QString id;
        record.hasHardwareId = true;
        if (FirstHardwareId(api, set, device, id)) record.hardwareId = id;
        records.append(record);
    }
    api.destroyDeviceInfoList(set);
    return records;
}

QList<PortRecord> SetupApiRecords() {
    const HMODULE library = LoadLibraryW(L"SETUPAPI.DLL");
    if (library == nullptr) return {};
    SetupApi api;
    if (!FindAll(library, api)) {
        FreeLibrary(library);
        SetLastError(ERROR_CALL_NOT_IMPLEMENTED);
        return {};
    }
    QList<PortRecord> records = Records(api);
    FreeLibrary(library);
    return records;
}

// The serial ports the system's drivers have announced, device name to
// port name; ports without a device interface (wine's, some virtual ones)
// are only here.
QStringList AnnouncedPortNames() {
    QStringList names;
    HKEY key = nullptr;
    if (RegOpenKeyExW(HKEY_LOCAL_MACHINE, L"HARDWARE\\DEVICEMAP\\SERIALCOMM", 0, KEY_QUERY_VALUE,
                      &key) != ERROR_SUCCESS)
        return names;
    for (DWORD index = 0;; ++index) {
        wchar_t device[256];
        DWORD deviceSize = 256;
        wchar_t name[256] = {};
        DWORD size = sizeof(name) - sizeof(wchar_t);
        DWORD type = 0;
        const LONG result = RegEnumValueW(key, index, device, &deviceSize, nullptr, &type,
                                          reinterpret_cast<BYTE*>(name), &size);
        if (result == ERROR_NO_MORE_ITEMS) break;
        if (result == ERROR_SUCCESS && type == REG_SZ) names.append(QString::fromWCharArray(name));
    }
    RegCloseKey(key);
    return names;
}

}  // namespace

// The ports SETUPAPI finds, in its order, then those only announced.
QList<PortRecord> SystemPortRecords() {
    QList<PortRecord> records = SetupApiRecords();
    for (const QString& name : AnnouncedPortNames()) {
        const bool known = std::any_of(records.begin(), records.end(), [&](const PortRecord& r) {
            return r.portName.compare(name, Qt::CaseInsensitive) == 0;
        });
        if (known || !IsAcceptedPortName(name, PortNaming::Windows)) continue;
        PortRecord record;
        record.portName = name;
        record.hasHardwareId = true;
        records.append(record);
    }
    return records;
}

PortNaming HostPortNaming() {
    return PortNaming::Windows;
}
