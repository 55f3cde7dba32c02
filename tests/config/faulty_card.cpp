#include "faulty_card.h"

#include <cerrno>
#include <utility>

namespace {

Fault fault;
int uses = 0;
int hitCount = 0;
int saveCount = 0;
int writeCount = 0;

// True when this use of `call` fails.
bool strikes(Call call) {
    if (fault.call != call || (++uses != fault.nth && fault.nth != 0)) {
        return false;
    }
    if (fault.error == 0) {
        if (fault.before) {
            fault.before();
        }
        return false;
    }
    ++hitCount;
    errno = fault.error;
    return true;
}

const config_io::Ops& faultyOps() {
    static const config_io::Ops ops = [] {
        using config_io::systemOps;
        config_io::Ops o = systemOps();
        o.openRead = [](const char* path) {
            return strikes(Call::OpenRead) ? -1 : systemOps().openRead(path);
        };
        o.read = [](int fd, void* buffer, std::size_t size) -> std::ptrdiff_t {
            return strikes(Call::Read) ? -1 : systemOps().read(fd, buffer, size);
        };
        o.createExclusive = [](const char* path, unsigned mode) {
            return strikes(Call::Create) ? -1 : systemOps().createExclusive(path, mode);
        };
        o.write = [](int fd, const void* buffer, std::size_t size) -> std::ptrdiff_t {
            ++writeCount;
            return strikes(Call::Write)
                       ? -1
                       : systemOps().write(fd, buffer, fault.byteWrites ? 1 : size);
        };
        o.sync = [](int fd) { return strikes(Call::Sync) ? -1 : systemOps().sync(fd); };
        // A failing close has released the descriptor all the same.
        o.close = [](int fd) {
            const int result = systemOps().close(fd);
            return strikes(Call::Close) ? -1 : result;
        };
        o.rename = [](const char* from, const char* to) {
            if (strikes(Call::Rename)) {
                return -1;
            }
            const int result = systemOps().rename(from, to);
            saveCount += result == 0 ? 1 : 0;
            return result;
        };
        return o;
    }();
    return ops;
}

} // namespace

FaultyCard::FaultyCard(Fault f) {
    fault = std::move(f);
    uses = hitCount = saveCount = writeCount = 0;
    scope_.emplace(faultyOps());
}

FaultyCard::~FaultyCard() {
    scope_.reset();
    fault = {};
}

int FaultyCard::hits() {
    return hitCount;
}

int FaultyCard::saves() {
    return saveCount;
}

int FaultyCard::writes() {
    return writeCount;
}
