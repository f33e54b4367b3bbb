#include "game/held_text.h"

#include <sys/mman.h>

#include <cstdint>
#include <cstring>
#include <utility>

namespace {

constexpr std::size_t HUGE_PAGE = std::size_t{2} << 20;

std::size_t roundedUp(std::size_t n) { return (n + HUGE_PAGE - 1) / HUGE_PAGE * HUGE_PAGE; }

// An anonymous mapping of bytes (a multiple of HUGE_PAGE) starting on a
// huge page's boundary, which the kernel needs before it backs it with
// huge pages; nullptr when there is no such memory.
char* mapAligned(std::size_t bytes) {
    void* raw = mmap(nullptr, bytes + HUGE_PAGE, PROT_READ | PROT_WRITE, MAP_PRIVATE | MAP_ANONYMOUS, -1, 0);
    if (raw == MAP_FAILED) return nullptr;
    auto* start = static_cast<char*>(raw);
    const auto address = reinterpret_cast<std::uintptr_t>(start);
    const std::size_t head = (HUGE_PAGE - address % HUGE_PAGE) % HUGE_PAGE;
    if (head > 0) munmap(start, head);
    if (HUGE_PAGE - head > 0) munmap(start + head + bytes, HUGE_PAGE - head);
    char* aligned = start + head;
#ifdef MADV_HUGEPAGE
    madvise(aligned, bytes, MADV_HUGEPAGE);  // a hint: without it the pages are ordinary
#endif
    return aligned;
}

}  // namespace

HeldText::~HeldText() { release(); }

HeldText::HeldText(HeldText&& other) noexcept
    : data_(std::exchange(other.data_, nullptr)),
      size_(std::exchange(other.size_, 0)),
      capacity_(std::exchange(other.capacity_, 0)),
      mapped_(std::exchange(other.mapped_, 0)) {}

HeldText& HeldText::operator=(HeldText&& other) noexcept {
    if (this != &other) {
        release();
        data_ = std::exchange(other.data_, nullptr);
        size_ = std::exchange(other.size_, 0);
        capacity_ = std::exchange(other.capacity_, 0);
        mapped_ = std::exchange(other.mapped_, 0);
    }
    return *this;
}

bool HeldText::reserve(std::size_t bytes) {
    if (bytes <= capacity_) return true;
    const std::size_t mapped = roundedUp(bytes);
    char* fresh = mapAligned(mapped);
    if (!fresh) return false;
    if (size_ > 0) std::memcpy(fresh, data_, size_);
    const std::size_t held = size_;
    release();
    data_ = fresh;
    size_ = held;
    capacity_ = mapped;
    mapped_ = mapped;
    return true;
}

void HeldText::release() {
    if (data_) munmap(data_, mapped_);
    data_ = nullptr;
    size_ = capacity_ = mapped_ = 0;
}
