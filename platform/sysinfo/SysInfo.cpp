#include "platform/sysinfo/SysInfo.h"

#include "platform/sysinfo/UnixSysInfo.h"

namespace sysinfo {
namespace {
Service*& installed() {
    static Service* service = nullptr;
    return service;
}
} // namespace

Service* SetService(Service* service) {
    Service* previous = installed();
    installed() = service;
    return previous;
}

Service& Current() {
    static UnixSysInfo system;
    return installed() != nullptr ? *installed() : system;
}

} // namespace sysinfo
