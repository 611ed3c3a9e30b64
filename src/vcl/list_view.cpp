#include "vcl/list_view.h"

#include "vcl/form_description.h"
#include "vcl/text.h"
#include "vcl/window_internals.h"

#include <commctrl.h>

#include <algorithm>
#include <numeric>
#include <unordered_map>

namespace vcl {
namespace {

// A key whose byte order is the order CompareString gives the texts: a sort
// then converts each text once instead of twice per comparison.
std::string SortKey(const std::string& text) {
    const std::wstring wide = Widen(text);
    const DWORD flags = LCMAP_SORTKEY | NORM_IGNORECASE;
    const int n = LCMapStringW(LOCALE_USER_DEFAULT, flags, wide.c_str(),
                               static_cast<int>(wide.size()), nullptr, 0);
    std::string key(static_cast<size_t>(std::max(n, 0)), '\0');
    if (n > 0) {
        LCMapStringW(LOCALE_USER_DEFAULT, flags, wide.c_str(), static_cast<int>(wide.size()),
                     reinterpret_cast<LPWSTR>(key.data()), n);
    }
    return key;
}

} // namespace

TSortableList::TSortableList() = default;
TSortableList::~TSortableList() = default;

void TSortableList::CreateHandle(const ControlRow& row) {
    // No LVS_EDITLABELS: nothing typed into a cell could reach the model.
    // LVS_OWNERDATA: the rows are ours and the list asks for the visible ones;
    // it keeps focus and selection itself, so keyboard, mouse and screen
    // readers work as with any list.
    const DWORD style = WS_VISIBLE | WS_TABSTOP | WS_GROUP | WS_CLIPSIBLINGS | LVS_REPORT |
                        LVS_SINGLESEL | LVS_SHOWSELALWAYS | LVS_OWNERDATA;
    HWND list =
        detail::MakeChildWindow(*this, WC_LISTVIEWW, style, WS_EX_CLIENTEDGE, Parent()->Handle(),
                                {row.left, row.top, row.width, row.height}, "", ControlId());
    SendMessageW(list, LVM_SETEXTENDEDLISTVIEWSTYLE, LVS_EX_FULLROWSELECT, LVS_EX_FULLROWSELECT);
}

void TSortableList::AddColumn(const ControlRow& row) {
    const int index = ColumnCount();
    std::wstring caption = Widen(row.caption);
    LVCOLUMNW column{};
    column.mask = LVCF_TEXT | LVCF_WIDTH | LVCF_FMT;
    column.fmt = LVCFMT_LEFT;
    column.cx = row.width;
    column.pszText = caption.data();
    SendMessageW(Handle(), LVM_INSERTCOLUMNW, index, reinterpret_cast<LPARAM>(&column));
    const FontSpec headerFont = row.font.Inherits() ? Font() : row.font;
    columns_.push_back(
        std::make_unique<TListColumn>(row.name, index, headerFont, row.look.centred));
}

void TSortableList::Loaded() {
    // The cells keep the list's font; the header gets the columns' own.
    HWND header = ListView_GetHeader(Handle());
    if (!columns_.empty()) {
        SendMessageW(header, WM_SETFONT,
                     reinterpret_cast<WPARAM>(detail::FontHandle(columns_.front()->HeaderFont())),
                     TRUE);
    }
    ShowSortMark();
    FitColumn();
}

TListColumn* TSortableList::Column(std::string_view name) const {
    for (const auto& column : columns_) {
        if (column->Name() == name) {
            return column.get();
        }
    }
    return nullptr;
}

std::string TSortableList::ColumnCaption(int index) const {
    wchar_t text[256] = {};
    HDITEMW item{};
    item.mask = HDI_TEXT;
    item.pszText = text;
    item.cchTextMax = 255;
    SendMessageW(ListView_GetHeader(Handle()), HDM_GETITEMW, index,
                 reinterpret_cast<LPARAM>(&item));
    return Narrow(text);
}

void TSortableList::BeginUpdate() {
    if (updating_++ == 0 && IsWindowVisible(Handle())) {
        SendMessageW(Handle(), WM_SETREDRAW, FALSE, 0);
        redrawSuspended_ = true;
    }
}

void TSortableList::EndUpdate() {
    if (updating_ == 0 || --updating_ > 0) {
        return;
    }
    Sync();
    if (redrawSuspended_) {
        redrawSuspended_ = false;
        SendMessageW(Handle(), WM_SETREDRAW, TRUE, 0);
        InvalidateRect(Handle(), nullptr, TRUE);
    }
}

void TSortableList::Sync() {
    // Rows still there keep their focus and selection.
    SendMessageW(Handle(), LVM_SETITEMCOUNT, rows_.size(), LVSICF_NOSCROLL);
    Sort();
    FitColumn();
}

void TSortableList::Clear() {
    rows_.clear();
    // No row keeps the focus or the selection.
    SendMessageW(Handle(), LVM_DELETEALLITEMS, 0, 0);
    if (updating_ == 0) {
        FitColumn();
    }
}

void TSortableList::Add(const std::string& text, std::intptr_t data) {
    rows_.push_back({Widen(text), data});
    if (updating_ == 0) {
        Sync();
    }
}

int TSortableList::Count() const {
    return static_cast<int>(rows_.size());
}

int TSortableList::FocusedRow() const {
    return static_cast<int>(SendMessageW(Handle(), LVM_GETNEXTITEM, static_cast<WPARAM>(-1),
                                         MAKELPARAM(LVNI_FOCUSED, 0)));
}

void TSortableList::SetFocusedRow(int row) {
    LVITEMW item{};
    item.stateMask = LVIS_FOCUSED | LVIS_SELECTED;
    item.state = LVIS_FOCUSED | LVIS_SELECTED;
    SendMessageW(Handle(), LVM_SETITEMSTATE, row, reinterpret_cast<LPARAM>(&item));
    SendMessageW(Handle(), LVM_ENSUREVISIBLE, row, FALSE);
}

std::optional<std::intptr_t> TSortableList::FocusedData() const {
    const int row = FocusedRow();
    if (row < 0) {
        return std::nullopt;
    }
    return RowData(row);
}

int TSortableList::SelectedRow() const {
    return static_cast<int>(SendMessageW(Handle(), LVM_GETNEXTITEM, static_cast<WPARAM>(-1),
                                         MAKELPARAM(LVNI_SELECTED, 0)));
}

void TSortableList::DeleteFocused() {
    const int row = FocusedRow();
    if (row >= 0 && row < Count()) {
        SendMessageW(Handle(), LVM_DELETEITEM, row, 0);
        rows_.erase(rows_.begin() + row);
    }
}

std::string TSortableList::RowText(int row) const {
    std::wstring text(1024, L'\0');
    LVITEMW item{};
    item.iSubItem = 0;
    item.pszText = text.data();
    item.cchTextMax = static_cast<int>(text.size());
    const auto n = SendMessageW(Handle(), LVM_GETITEMTEXTW, row, reinterpret_cast<LPARAM>(&item));
    text.resize(static_cast<size_t>(n));
    return Narrow(text);
}

std::intptr_t TSortableList::RowData(int row) const {
    return row >= 0 && row < Count() ? rows_[static_cast<size_t>(row)].data : 0;
}

void TSortableList::ToggleSort() {
    sortOrder_ =
        sortOrder_ == TSortOrder::soAscending ? TSortOrder::soDescending : TSortOrder::soAscending;
    Sort();
    ShowSortMark();
}

void TSortableList::Sort() {
    if (sortOrder_ == TSortOrder::soNone || updating_ > 0) {
        return;
    }
    // A sorted list is rebuilt after every change with mostly the same texts:
    // their keys are kept from one sort to the next.
    static const std::string none;
    std::vector<const std::string*> keys(rows_.size(), &none);
    if (sortText_) {
        std::unordered_map<std::string, std::string> fresh;
        fresh.reserve(rows_.size());
        for (size_t i = 0; i < rows_.size(); ++i) {
            std::string text = sortText_(rows_[i].data);
            auto found = fresh.find(text);
            if (found == fresh.end()) {
                auto kept = sortKeys_.find(text);
                std::string key = kept != sortKeys_.end() ? std::move(kept->second) : SortKey(text);
                found = fresh.emplace(std::move(text), std::move(key)).first;
            }
            keys[i] = &found->second;
        }
        sortKeys_ = std::move(fresh);
    }
    std::vector<size_t> order(rows_.size());
    std::iota(order.begin(), order.end(), size_t{0});
    const bool descending = sortOrder_ == TSortOrder::soDescending;
    std::stable_sort(order.begin(), order.end(), [&](size_t a, size_t b) {
        int c = keys[a]->compare(*keys[b]);
        if (c == 0) {
            // Equal texts keep the model's order.
            const std::intptr_t x = rows_[a].data;
            const std::intptr_t y = rows_[b].data;
            c = x < y ? -1 : (x > y ? 1 : 0);
        }
        return descending ? c > 0 : c < 0;
    });

    // The focused and the selected row move with their entries, as they do
    // when the system list sorts rows it holds itself.
    const int focused = FocusedRow();
    const int selected = SelectedRow();
    std::vector<Row> sorted;
    sorted.reserve(rows_.size());
    std::vector<int> placeOf(rows_.size());
    for (size_t k = 0; k < order.size(); ++k) {
        placeOf[order[k]] = static_cast<int>(k);
        sorted.push_back(std::move(rows_[order[k]]));
    }
    rows_ = std::move(sorted);
    const auto place = [&](int row, UINT state) {
        if (row >= 0 && row < Count()) {
            LVITEMW item{};
            item.stateMask = state;
            item.state = state;
            SendMessageW(Handle(), LVM_SETITEMSTATE, placeOf[static_cast<size_t>(row)],
                         reinterpret_cast<LPARAM>(&item));
        }
    };
    place(selected, LVIS_SELECTED);
    place(focused, LVIS_FOCUSED);
    InvalidateRect(Handle(), nullptr, FALSE);
}

void TSortableList::ShowSortMark() {
    HWND header = ListView_GetHeader(Handle());
    for (const auto& column : columns_) {
        HDITEMW item{};
        item.mask = HDI_FORMAT;
        SendMessageW(header, HDM_GETITEMW, column->Index(), reinterpret_cast<LPARAM>(&item));
        item.fmt &= ~(HDF_JUSTIFYMASK | HDF_SORTUP | HDF_SORTDOWN);
        // The list view keeps its first column left-aligned; the header item can be
        // centred.
        item.fmt |= column->Centred() ? HDF_CENTER : HDF_LEFT;
        if (column->Index() == 0 && sortOrder_ == TSortOrder::soAscending) {
            item.fmt |= HDF_SORTUP;
        } else if (column->Index() == 0 && sortOrder_ == TSortOrder::soDescending) {
            item.fmt |= HDF_SORTDOWN;
        }
        SendMessageW(header, HDM_SETITEMW, column->Index(), reinterpret_cast<LPARAM>(&item));
    }
}

void TSortableList::FitColumn() {
    if (!columns_.empty()) {
        SendMessageW(Handle(), LVM_SETCOLUMNWIDTH, ColumnCount() - 1, LVSCW_AUTOSIZE_USEHEADER);
    }
}

bool TSortableList::Notify(const void* header, std::intptr_t& result) {
    const auto* nm = static_cast<const NMHDR*>(header);
    switch (nm->code) {
    case LVN_COLUMNCLICK:
        ToggleSort();
        result = 0;
        return true;
    case NM_DBLCLK: {
        const auto* activate = static_cast<const NMITEMACTIVATE*>(header);
        if (activate->iItem >= 0 && onDblClick_) {
            onDblClick_(*this);
        }
        result = 0;
        return true;
    }
    case LVN_BEGINLABELEDITW:
        result = TRUE; // no editing in place
        return true;
    case LVN_GETDISPINFOW: {
        // The list hands us its own buffer to fill, through a const header.
        auto* info = static_cast<NMLVDISPINFOW*>(const_cast<void*>(header));
        LVITEMW& item = info->item;
        if ((item.mask & LVIF_TEXT) != 0 && item.pszText != nullptr && item.cchTextMax > 0) {
            const bool known = item.iItem >= 0 && item.iItem < Count();
            lstrcpynW(item.pszText,
                      known ? rows_[static_cast<size_t>(item.iItem)].text.c_str() : L"",
                      item.cchTextMax);
        }
        result = 0;
        return true;
    }
    case LVN_ODFINDITEMW: {
        const auto* find = static_cast<const NMLVFINDITEMW*>(header);
        result = FindRow(&find->lvfi, find->iStart);
        return true;
    }
    default:
        return false;
    }
}

int TSortableList::FindRow(const void* findInfo, int start) const {
    const auto& what = *static_cast<const LVFINDINFOW*>(findInfo);
    const int count = Count();
    if ((what.flags & (LVFI_STRING | LVFI_PARTIAL)) == 0 || what.psz == nullptr || count == 0) {
        return -1;
    }
    const int length = lstrlenW(what.psz);
    const bool partial = (what.flags & LVFI_PARTIAL) != 0;
    const bool wrap = (what.flags & LVFI_WRAP) != 0;
    start = start >= 0 && start < count ? start : 0;
    for (int k = 0; k < count; ++k) {
        if (!wrap && start + k >= count) {
            break;
        }
        const int row = (start + k) % count;
        const std::wstring& text = rows_[static_cast<size_t>(row)].text;
        const int compared = partial ? std::min(length, static_cast<int>(text.size()))
                                     : static_cast<int>(text.size());
        if (partial && compared < length) {
            continue;
        }
        if (CompareStringW(LOCALE_USER_DEFAULT, NORM_IGNORECASE, text.c_str(), compared, what.psz,
                           length) == CSTR_EQUAL) {
            return row;
        }
    }
    return -1;
}

} // namespace vcl
