// Text: an owned, NUL-terminated code page 936 string on the C heap.
#pragma once
#include <stddef.h>

namespace vantelo {

// Malloc-backed so the program needs no C++ runtime: no operator new, no exceptions.
// An absent text and an empty text are the same; c_str() never returns null.
class Text {
public:
    Text() = default;
    Text(const Text&) = delete;
    Text& operator=(const Text&) = delete;
    Text(Text&& other) noexcept : chars_(other.chars_) { other.chars_ = nullptr; }
    Text& operator=(Text&& other) noexcept;
    ~Text();

    // A copy of the first `length` bytes of `bytes`; empty when out of memory.
    static Text copyOf(const char* bytes, size_t length);
    static Text copyOf(const char* text);
    static Text join(const char* first, const char* second);
    // Room for `capacity` bytes and the NUL, empty until written through buffer(); no
    // room when out of memory (buffer() is then null).
    static Text withCapacity(size_t capacity);

    char* buffer() { return chars_; }

    const char* c_str() const { return chars_ ? chars_ : ""; }
    size_t size() const;
    bool empty() const { return chars_ == nullptr || chars_[0] == '\0'; }

private:
    char* chars_ = nullptr;
};

}  // namespace vantelo
