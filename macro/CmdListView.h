// What the command list asks of the list-view control that shows it. The
// Win32 control implements it; tests record the calls.
#pragma once

#include <string>

class CmdListView {
 public:
  virtual ~CmdListView() = default;

  // Adds a report column (left-aligned) with its heading and width.
  virtual void AddColumn(int column, const std::wstring& heading, int width) = 0;
  // Inserts an item before `row`; its hidden column 0 shows `itemText`.
  virtual void InsertItem(int row, const std::wstring& itemText) = 0;
  virtual void DeleteItem(int row) = 0;
  virtual void DeleteAllItems() = 0;
  // Writes one cell; `icon` is the image-list index, or -1 for text only.
  virtual void SetCell(int row, int column, const std::wstring& text, int icon) = 0;
  virtual void SetSelected(int row, bool selected) = 0;
  // Makes the row focused and scrolls it into view.
  virtual void FocusRow(int row) = 0;
  // Shown: the list keeps its rectangle beside the scroll bar; hidden: the
  // list is widened by 18 pixels over its place.
  virtual void ShowScrollBar(bool shown) = 0;
};
