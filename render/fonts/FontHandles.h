// Owning handles for the C objects of HarfBuzz and fontconfig.
//
// Every such object of the font services lives in one of these std::unique_ptr aliases; nothing else calls a
// destroy or free function. A handle made from a function that returns a new reference (or a new object)
// takes that reference; for a borrowed pointer that must be kept, take a reference first and wrap the result.
#pragma once

#include <memory>

#include <fontconfig/fontconfig.h>
#include <hb-subset.h>
#include <hb.h>

#include "base/HandleDeleter.h"

namespace vantolex::handles {

using HbBlobPtr = std::unique_ptr<hb_blob_t, Deleter<hb_blob_destroy>>;
using HbFacePtr = std::unique_ptr<hb_face_t, Deleter<hb_face_destroy>>;
using HbFontPtr = std::unique_ptr<hb_font_t, Deleter<hb_font_destroy>>;
using HbBufferPtr = std::unique_ptr<hb_buffer_t, Deleter<hb_buffer_destroy>>;
using HbSubsetInputPtr = std::unique_ptr<hb_subset_input_t, Deleter<hb_subset_input_destroy>>;

using FcPatternPtr = std::unique_ptr<FcPattern, Deleter<FcPatternDestroy>>;
using FcFontSetPtr = std::unique_ptr<FcFontSet, Deleter<FcFontSetDestroy>>;
using FcObjectSetPtr = std::unique_ptr<FcObjectSet, Deleter<FcObjectSetDestroy>>;
using FcStrListPtr = std::unique_ptr<FcStrList, Deleter<FcStrListDone>>;
using FcLangSetPtr = std::unique_ptr<FcLangSet, Deleter<FcLangSetDestroy>>;
using FcCharSetPtr = std::unique_ptr<FcCharSet, Deleter<FcCharSetDestroy>>;

} // namespace vantolex::handles
