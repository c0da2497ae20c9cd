// Any byte block a device hands over as its report descriptor must parse
// without reading outside it, and lengths must stay consistent.
#include <cstddef>
#include <cstdint>
#include <cstdlib>

#include "common/platform/hidraw/ReportDescriptor.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const auto summary = platform::parseReportDescriptor({data, size});
    // Every report has its id byte, so a length of 1 cannot occur.
    for (const uint16_t length :
         {summary.caps.inputReportByteLength, summary.caps.outputReportByteLength,
          summary.caps.featureReportByteLength})
        if (length == 1) std::abort();
    return 0;
}
