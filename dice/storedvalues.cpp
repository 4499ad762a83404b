#include "dice/advisor.h"

#include <QtGlobal>

#include <cstdint>

// The value of every state, worked out by tools/writevalues.cpp as the
// program is built and kept in its read-only data: nothing is worked out or
// copied at run time. The pages are the program file's own, clean and shared,
// brought in as a hint reads them (the kernel maps their neighbours along).
asm(R"(
    .pushsection .rodata
    .balign 64
    .globl kubolo_stored_values
    .globl kubolo_stored_bytes
    .hidden kubolo_stored_values
    .hidden kubolo_stored_bytes
    .type kubolo_stored_values, @object
kubolo_stored_values:
    .incbin ")" KUBOLO_VALUES_FILE R"("
kubolo_stored_values_end:
    .size kubolo_stored_values, kubolo_stored_values_end - kubolo_stored_values
    .balign 8
    .type kubolo_stored_bytes, @object
kubolo_stored_bytes:
    .quad kubolo_stored_values_end - kubolo_stored_values
    .size kubolo_stored_bytes, 8
    .popsection
)");

extern "C" {
extern const float kubolo_stored_values[];
extern const std::uint64_t kubolo_stored_bytes;
}

namespace kubolo {

namespace {

std::span<const float> storedValues()
{
    const std::span<const float> values(kubolo_stored_values, std::size_t(kubolo_stored_bytes / sizeof(float)));
    // Only a broken build stores another count: the index would read past them.
    if (values.size() != StateValues::storedCount())
        qFatal("Kubolo was built with %llu state values for %llu states", (unsigned long long)values.size(),
               (unsigned long long)StateValues::storedCount());
    return values;
}

} // namespace

const StateValues &stateValues()
{
    static const StateValues values(storedValues());
    return values;
}

} // namespace kubolo
