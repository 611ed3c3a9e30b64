#pragma once
// Answers the system's real message boxes shown on this thread: a CBT hook
// sees each one activate, records it and presses OK.
#include <windows.h>

#include <string>
#include <vector>

namespace ui_testing {

struct RealBox {
    std::wstring text;    // the static with id 0xFFFF
    std::wstring caption; // the box's own caption
    bool icon = false;    // an icon is shown beside the text
    HWND owner = nullptr;
};

class RealBoxAnswerer {
  public:
    RealBoxAnswerer();
    ~RealBoxAnswerer();
    RealBoxAnswerer(const RealBoxAnswerer&) = delete;
    RealBoxAnswerer& operator=(const RealBoxAnswerer&) = delete;
    const std::vector<RealBox>& Seen() const { return seen_; }

  private:
    static LRESULT CALLBACK Hook(int code, WPARAM wParam, LPARAM lParam);
    HHOOK hook_ = nullptr;
    std::vector<RealBox> seen_;
};

} // namespace ui_testing
