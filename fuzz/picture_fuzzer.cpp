// libFuzzer target: the picture loaders as the preferences use them.
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
    FuzzEntry::Check(CheckPictureInput(bytes, FuzzEntry::ScratchDir()));
    return 0;
}
