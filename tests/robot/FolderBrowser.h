// The shell's folder browser in another process, driven through its tree:
// item records and their texts live in a block of the program's own memory,
// since tree-view messages pass raw pointers that only it can follow.
#pragma once
#include <windows.h>
#include <commctrl.h>
#include <string>
#include <vector>

// "C:\windows\system32" -> {"C:", "windows", "system32"}; empty parts dropped.
std::vector<std::string> SplitFolderPath(const std::string& path);
// Whether a tree item's label names the drive "C:" ("C:", "C:\" or "Local Disk (C:)")
// or, for folders, the same name without regard to case.
bool LabelNamesDrive(const std::string& label, const std::string& drive);
bool LabelNamesFolder(const std::string& label, const std::string& folder);

class RemoteTree {
 public:
  RemoteTree(HANDLE process, HWND tree);
  RemoteTree(const RemoteTree&) = delete;
  RemoteTree& operator=(const RemoteTree&) = delete;
  ~RemoteTree();
  bool Usable() const { return block_ != nullptr; }

  // Children of item, or the roots for none, with their labels; false when a query failed.
  bool Children(HTREEITEM item, std::vector<std::pair<HTREEITEM, std::string>>* children);
  // Asks the tree to expand the item: the browser fills in its children then.
  bool Expand(HTREEITEM item);
  bool Select(HTREEITEM item);
  HTREEITEM Selected();

 private:
  bool Query(UINT message, WPARAM wParam, LPARAM lParam, DWORD_PTR* result);
  bool Label(HTREEITEM item, std::string* label);

  HANDLE process_;
  HWND tree_;
  void* block_;
};

// The item of the path, expanding the tree on the way. False names what was
// not found and the labels that were there.
bool FindFolderItem(RemoteTree& tree, const std::string& path, HTREEITEM* item, std::string* problem);
