// The DLL links no C runtime. Compilers may still turn plain byte loops and record copies
// into calls of these four, so the module carries its own.

#include <cstddef>

extern "C" {

void* memset(void* to, int value, size_t count) {
    auto* bytes = static_cast<volatile unsigned char*>(to);  // volatile: not folded back into memset
    for (size_t k = 0; k < count; ++k) bytes[k] = static_cast<unsigned char>(value);
    return to;
}

void* memcpy(void* to, const void* from, size_t count) {
    auto* out = static_cast<volatile unsigned char*>(to);
    const auto* in = static_cast<const unsigned char*>(from);
    for (size_t k = 0; k < count; ++k) out[k] = in[k];
    return to;
}

void* memmove(void* to, const void* from, size_t count) {
    auto* out = static_cast<volatile unsigned char*>(to);
    const auto* in = static_cast<const unsigned char*>(from);
    if (out < in) {
        for (size_t k = 0; k < count; ++k) out[k] = in[k];
    } else {
        for (size_t k = count; k > 0; --k) out[k - 1] = in[k - 1];
    }
    return to;
}

int memcmp(const void* a, const void* b, size_t count) {
    const auto* x = static_cast<const unsigned char*>(a);
    const auto* y = static_cast<const unsigned char*>(b);
    for (size_t k = 0; k < count; ++k)
        if (x[k] != y[k]) return x[k] < y[k] ? -1 : 1;
    return 0;
}

}
