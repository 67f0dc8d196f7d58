#include "spool/CupsCalls.h"

namespace vantolex {

CupsCalls& cupsCalls() noexcept
{
    static CupsCalls calls;
    return calls;
}

} // namespace vantolex
