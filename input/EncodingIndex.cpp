#include "input/EncodingIndex.h"

#include "input/EncodingEUC.h"
#include "input/EncodingJIS.h"
#include "input/EncodingUTF16.h"

namespace vantolex {

std::unique_ptr<Encoding> createEncoding(EncodingIndex index)
{
    switch (index) {
    case 0:
        return std::make_unique<EncodingSJIS>();
    case 1:
        return std::make_unique<EncodingUTF16>(true);
    case 2:
        return std::make_unique<EncodingUTF16>(false);
    case 3:
        return std::make_unique<EncodingUTF8>();
    case 4:
        return std::make_unique<EncodingJIS>();
    case 5:
        return std::make_unique<EncodingEUC>();
    default:
        return nullptr;
    }
}

} // namespace vantolex
