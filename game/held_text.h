// A large text read once and kept while it is used (a games collection
// held for its chooser). Its memory is asked of the system in one piece,
// in huge pages where the system grants them, so that filling tens of
// megabytes does not stop at every 4 KiB page on its own first touch.
#pragma once

#include <cstddef>
#include <string_view>

class HeldText {
public:
    HeldText() = default;
    ~HeldText();
    HeldText(HeldText&& other) noexcept;
    HeldText& operator=(HeldText&& other) noexcept;
    HeldText(const HeldText&) = delete;
    HeldText& operator=(const HeldText&) = delete;

    // Room for at least bytes in all, keeping what is held; false, holding
    // what it held, when the system has no such memory.
    bool reserve(std::size_t bytes);
    // The free room after the text, and taking n bytes written there.
    char* end() { return data_ + size_; }
    std::size_t room() const { return capacity_ - size_; }
    void grow(std::size_t n) { size_ += n < room() ? n : room(); }

    std::string_view view() const { return {data_, size_}; }
    std::size_t size() const { return size_; }

private:
    void release();

    char* data_ = nullptr;
    std::size_t size_ = 0;
    std::size_t capacity_ = 0;
    std::size_t mapped_ = 0;  // bytes of the mapping, from data_
};
