// The deleter of every owning handle of a C library object: the library's destroy function, named once in
// the handle's type (std::unique_ptr<T, handles::Deleter<destroy>>).
#pragma once

namespace vantolex::handles {

template <auto destroy> struct Deleter
{
    template <typename T> void operator()(T* object) const noexcept { destroy(object); }
};

} // namespace vantolex::handles
