#pragma once
// A sortable report list over the system's list view. Each row carries a
// number of the caller's (`data`, what a row's lParam would hold) that stays
// with the row wherever sorting puts it on the screen; the caller finds its
// model entry through it, never through the row's place. The rows live here
// and the system list only asks for the ones it shows, so a list of thousands
// is rebuilt in one step instead of thousands of inserts.
#include "vcl/control.h"

#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

namespace vcl {

// A visible column; its row in the form description gives its header caption
// and the header's font, and it lies in the list it names as parent.
class TListColumn {
  public:
    TListColumn(std::string name, int index, const FontSpec& headerFont, bool centred)
        : name_(std::move(name)), index_(index), headerFont_(headerFont), centred_(centred) {}
    const std::string& Name() const { return name_; }
    int Index() const { return index_; }
    const FontSpec& HeaderFont() const { return headerFont_; }
    bool Centred() const { return centred_; }

  private:
    std::string name_;
    int index_;
    FontSpec headerFont_;
    bool centred_;
};

enum class TSortOrder { soNone, soAscending, soDescending };

class TSortableList : public TControl {
  public:
    TSortableList();
    ~TSortableList() override;

    TListColumn* Column(std::string_view name) const;
    int ColumnCount() const { return static_cast<int>(columns_.size()); }
    // The header's text of a column, as the list shows it.
    std::string ColumnCaption(int index) const;

    // Between BeginUpdate and EndUpdate the list is neither redrawn, resized
    // nor re-sorted: a rebuild of many rows costs one update at the end.
    void BeginUpdate();
    void EndUpdate();

    void Clear();
    // Appends a row showing `text` in the first column; while the list is
    // sorted the row goes to its sorted place.
    void Add(const std::string& text, std::intptr_t data);
    int Count() const;
    // The data of the row that has the focus, if any row has it.
    std::optional<std::intptr_t> FocusedData() const;
    void DeleteFocused();

    // Sorting by a header click compares the texts this gives for the rows' data.
    void SetSortText(std::function<std::string(std::intptr_t data)> text) {
        sortText_ = std::move(text);
    }
    // Sorts as a click on the column header does: ascending first, then
    // alternating.
    void ToggleSort();
    TSortOrder SortOrder() const { return sortOrder_; }

    // A double click on a row.
    void SetOnDblClick(TNotifyEvent handler) { onDblClick_ = std::move(handler); }

    // What the rows show, top to bottom.
    std::string RowText(int row) const;
    std::intptr_t RowData(int row) const;
    int FocusedRow() const;
    void SetFocusedRow(int row);

    bool Notify(const void* header, std::intptr_t& result) override;
    void Loaded() override;

    // Adds the column that a ListColumn row describes.
    void AddColumn(const ControlRow& row);

  protected:
    void CreateHandle(const ControlRow& row) override;

  private:
    struct Row {
        std::wstring text;
        std::intptr_t data = 0;
    };

    // Tells the system list how many rows there are, sorts and fits the column.
    void Sync();
    void Sort();
    void FitColumn();
    void ShowSortMark();
    int SelectedRow() const;
    // The row the keyboard's type-ahead search lands on, or -1.
    int FindRow(const void* findInfo, int start) const;

    std::vector<std::unique_ptr<TListColumn>> columns_;
    std::vector<Row> rows_;
    // Sort keys by text, from the last sort.
    std::unordered_map<std::string, std::string> sortKeys_;
    int updating_ = 0;
    bool redrawSuspended_ = false;
    std::function<std::string(std::intptr_t)> sortText_;
    TSortOrder sortOrder_ = TSortOrder::soNone;
    TNotifyEvent onDblClick_;
};

} // namespace vcl
