// A command-list view that keeps what it was told, as a list-view would.
#pragma once

#include <map>
#include <string>
#include <vector>

#include "macro/CmdListView.h"

class RecordingCmdListView : public CmdListView {
 public:
  struct Item {
    std::wstring cells[4];
    int icon = -1;
    bool selected = false;
  };

  void AddColumn(int column, const std::wstring& heading, int width) override {
    headings[column] = heading;
    widths[column] = width;
  }
  void InsertItem(int row, const std::wstring& itemText) override {
    items.insert(items.begin() + row, Item{{itemText}});
  }
  void DeleteItem(int row) override { items.erase(items.begin() + row); }
  void DeleteAllItems() override { items.clear(); }
  void SetCell(int row, int column, const std::wstring& text, int icon) override {
    items.at(row).cells[column] = text;
    if (column == 2) items.at(row).icon = icon;
  }
  void SetSelected(int row, bool selected) override { items.at(row).selected = selected; }
  void FocusRow(int row) override { focused = row; }
  void ShowScrollBar(bool shown) override { scrollBarCalls.push_back(shown); }

  std::wstring Cell(int row, int column) const { return items.at(row).cells[column]; }

  std::map<int, std::wstring> headings;
  std::map<int, int> widths;
  std::vector<Item> items;
  std::vector<bool> scrollBarCalls;
  int focused = -1;
};
