// libFuzzer target: the settings-file reader and the conversions of its values.
#include "FuzzChecks.h"
#include "FuzzEntry.h"

#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerInitialize(int*, char***) {
    FuzzEntry::Start();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const QByteArray bytes(reinterpret_cast<const char*>(data), qsizetype(size));
    FuzzEntry::Check(CheckSettingsInput(bytes, FuzzEntry::ScratchDir()));
    return 0;
}
