#pragma once
// Containers are our own windows: they take no focus and are no tab stops, but
// Tab walks into them (WS_EX_CONTROLPARENT), and they hand their children's
// notifications back to the children.
#include "vcl/control.h"

#include <vector>

namespace vcl {

// A plain area in its colour, optionally with a raised outer and a lowered inner edge.
class TPanel : public TControl {
  public:
    std::intptr_t WindowProc(unsigned message, std::uintptr_t wParam,
                             std::intptr_t lParam) override;

  protected:
    void CreateHandle(const ControlRow& row) override;

  private:
    bool bevel_ = false;
};

// A container that draws its frame with a native group box behind its children.
// The native group box is no parent: a button inside one sends its clicks to
// the group box instead of the form.
class TGroupBox : public TControl {
  public:
    void Loaded() override;
    NativeWindow Frame() const { return frame_; }

  protected:
    void CreateHandle(const ControlRow& row) override;

  private:
    NativeWindow frame_ = nullptr;
};

class TPageControl;

// One page; hidden until its page control selects it.
class TTabSheet : public TControl {
  public:
    void SetOnShow(TNotifyEvent handler) { onShow_ = std::move(handler); }
    TPageControl* PageControl() const { return pageControl_; }
    int PageIndex() const;
    // Runs OnShow; the page control calls it once the page is the shown one.
    void DoShow();

  protected:
    void CreateHandle(const ControlRow& row) override;

  private:
    TNotifyEvent onShow_;
    TPageControl* pageControl_ = nullptr;
};

// Pages without visible tabs, changed by the program only.
class TPageControl : public TControl {
  public:
    int PageCount() const { return static_cast<int>(pages_.size()); }
    TTabSheet* Pages(int index) const { return pages_.at(static_cast<size_t>(index)); }
    TTabSheet* ActivePage() const { return active_; }
    int ActivePageIndex() const;
    // Moves the focus out of the old page, shows the new one, hides the old
    // one and runs the new page's OnShow.
    void SetActivePage(TTabSheet* page);
    void SetActivePageIndex(int index);
    // The following or preceding page; past either end it wraps around.
    void SelectNextPage(bool goForward);

    void AddPage(TTabSheet* page) { pages_.push_back(page); }

  protected:
    void CreateHandle(const ControlRow& row) override;

  private:
    std::vector<TTabSheet*> pages_;
    TTabSheet* active_ = nullptr;
};

} // namespace vcl
