// Text: an owned, NUL-terminated code page 936 string on the C heap.
#include "core/text.h"

#include <stdlib.h>
#include <string.h>

namespace vantelo {

Text& Text::operator=(Text&& other) noexcept {
    if (this != &other) {
        free(chars_);
        chars_ = other.chars_;
        other.chars_ = nullptr;
    }
    return *this;
}

Text::~Text() {
    free(chars_);
}

Text Text::copyOf(const char* bytes, size_t length) {
    Text text;
    if (length == 0) return text;
    text.chars_ = static_cast<char*>(malloc(length + 1));
    if (text.chars_ != nullptr) {
        memcpy(text.chars_, bytes, length);
        text.chars_[length] = '\0';
    }
    return text;
}

Text Text::copyOf(const char* text) {
    return text ? copyOf(text, strlen(text)) : Text();
}

Text Text::join(const char* first, const char* second) {
    const size_t firstLength = strlen(first), secondLength = strlen(second);
    Text text;
    text.chars_ = static_cast<char*>(malloc(firstLength + secondLength + 1));
    if (text.chars_ != nullptr) {
        memcpy(text.chars_, first, firstLength);
        memcpy(text.chars_ + firstLength, second, secondLength + 1);
    }
    return text;
}

Text Text::withCapacity(size_t capacity) {
    Text text;
    text.chars_ = static_cast<char*>(calloc(capacity + 1, 1));
    return text;
}

size_t Text::size() const {
    return chars_ ? strlen(chars_) : 0;
}

}  // namespace vantelo
