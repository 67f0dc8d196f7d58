// The streaming decoders of the six encodings. Internal to the input folder: readers reach them through
// Encoding::streamDecoder().
#pragma once

#include <memory>

#include "input/StreamDecoder.h"

namespace vantolex {

// UTF-16: FE FF as the first two bytes selects big endian, otherwise `littleEndian` decides; raises Error
// with inputText::notUtf16 in begin() for an odd length.
std::unique_ptr<StreamDecoder> createUtf16StreamDecoder(bool littleEndian);

// Through the multi-byte converter's decoding loop: code page 932 or UTF-8.
std::unique_ptr<StreamDecoder> createShiftJisStreamDecoder();
std::unique_ptr<StreamDecoder> createUtf8StreamDecoder();

// EUC-JP and ISO-2022-JP, transcoded to Shift JIS as transcodeEucToShiftJis and transcodeJisToShiftJis do and
// then decoded as code page 932.
std::unique_ptr<StreamDecoder> createEucStreamDecoder();
std::unique_ptr<StreamDecoder> createJisStreamDecoder();

} // namespace vantolex
