// Replaces libcups calls in the spooler seam for the lifetime of the object, then puts the real ones back.
#pragma once

#include "spool/CupsCalls.h"

namespace vantolex::test {

class CupsCallsOverride
{
public:
    CupsCallsOverride()
        : m_saved(cupsCalls())
    {
    }
    CupsCallsOverride(const CupsCallsOverride&) = delete;
    CupsCallsOverride& operator=(const CupsCallsOverride&) = delete;
    ~CupsCallsOverride() { cupsCalls() = m_saved; }

    CupsCalls& calls() { return cupsCalls(); }

private:
    CupsCalls m_saved;
};

} // namespace vantolex::test
