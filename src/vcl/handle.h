#pragma once
// A move-only owner for the system's handles: fonts, bitmaps, brushes, registry
// keys, processes, shell item lists. One traits struct per kind says how it is
// released and what "no handle" is.
#include <utility>

namespace vcl {

template <class Traits> class UniqueHandle {
  public:
    using pointer = typename Traits::pointer;

    UniqueHandle() = default;
    explicit UniqueHandle(pointer h) : h_(h) {}
    ~UniqueHandle() { reset(); }
    UniqueHandle(const UniqueHandle&) = delete;
    UniqueHandle& operator=(const UniqueHandle&) = delete;
    UniqueHandle(UniqueHandle&& other) noexcept : h_(other.release()) {}
    UniqueHandle& operator=(UniqueHandle&& other) noexcept {
        if (this != &other) {
            reset(other.release());
        }
        return *this;
    }

    pointer get() const { return h_; }
    explicit operator bool() const { return h_ != Traits::invalid(); }
    pointer release() { return std::exchange(h_, Traits::invalid()); }
    void reset(pointer h = Traits::invalid()) {
        if (h_ != Traits::invalid()) {
            Traits::close(h_);
        }
        h_ = h;
    }

  private:
    pointer h_ = Traits::invalid();
};

} // namespace vcl
