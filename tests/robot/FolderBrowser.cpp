#include "tests/robot/FolderBrowser.h"
#include "tests/robot/WindowQuery.h"
#include <deque>

namespace {

const int kLabelCapacity = 260;
// Desktop -> My Computer -> drive: how deep a drive may lie.
const int kDriveDepth = 3;

std::string Lower(std::string text) {
  CharLowerBuffA(&text[0], DWORD(text.size()));
  return text;
}

std::string Listing(const std::vector<std::pair<HTREEITEM, std::string>>& items) {
  std::string shown;
  for (const auto& item : items) shown += (shown.empty() ? "\"" : ", \"") + item.second + "\"";
  return shown.empty() ? "no items" : shown;
}

}  // namespace

std::vector<std::string> SplitFolderPath(const std::string& path) {
  std::vector<std::string> parts;
  std::string part;
  for (char c : path + "\\") {
    if (c != '\\' && c != '/') { part += c; continue; }
    if (!part.empty()) parts.push_back(part);
    part.clear();
  }
  return parts;
}

bool LabelNamesDrive(const std::string& label, const std::string& drive) {
  std::string l = Lower(label), d = Lower(drive);
  return l == d || l == d + "\\" || l.find("(" + d + ")") != std::string::npos;
}

bool LabelNamesFolder(const std::string& label, const std::string& folder) {
  return lstrcmpiA(label.c_str(), folder.c_str()) == 0;
}

RemoteTree::RemoteTree(HANDLE process, HWND tree)
    : process_(process), tree_(tree),
      block_(VirtualAllocEx(process, nullptr, sizeof(TVITEMW) + kLabelCapacity * sizeof(wchar_t),
                            MEM_COMMIT | MEM_RESERVE, PAGE_READWRITE)) {}

RemoteTree::~RemoteTree() {
  if (block_) VirtualFreeEx(process_, block_, 0, MEM_RELEASE);
}

bool RemoteTree::Query(UINT message, WPARAM wParam, LPARAM lParam, DWORD_PTR* result) {
  return SendMessageTimeoutW(tree_, message, wParam, lParam, SMTO_NORMAL, kQueryTimeoutMs, result) != 0;
}

bool RemoteTree::Label(HTREEITEM item, std::string* label) {
  TVITEMW record = {};
  record.mask = TVIF_TEXT | TVIF_HANDLE;
  record.hItem = item;
  record.pszText = reinterpret_cast<wchar_t*>(static_cast<char*>(block_) + sizeof record);
  record.cchTextMax = kLabelCapacity;
  wchar_t text[kLabelCapacity] = L"";
  DWORD_PTR ok = 0;
  if (!WriteProcessMemory(process_, block_, &record, sizeof record, nullptr)) return false;
  if (!WriteProcessMemory(process_, record.pszText, text, sizeof(wchar_t), nullptr)) return false;
  if (!Query(TVM_GETITEMW, 0, reinterpret_cast<LPARAM>(block_), &ok) || !ok) return false;
  if (!ReadProcessMemory(process_, record.pszText, text, sizeof text, nullptr)) return false;
  text[kLabelCapacity - 1] = L'\0';
  *label = Narrow(text);
  return true;
}

bool RemoteTree::Children(HTREEITEM item, std::vector<std::pair<HTREEITEM, std::string>>* children) {
  children->clear();
  DWORD_PTR next = 0;
  if (!Query(TVM_GETNEXTITEM, item ? TVGN_CHILD : TVGN_ROOT, reinterpret_cast<LPARAM>(item), &next))
    return false;
  while (next) {
    HTREEITEM child = reinterpret_cast<HTREEITEM>(next);
    std::string label;
    if (!Label(child, &label)) return false;
    children->push_back({child, label});
    if (!Query(TVM_GETNEXTITEM, TVGN_NEXT, reinterpret_cast<LPARAM>(child), &next)) return false;
  }
  return true;
}

bool RemoteTree::Expand(HTREEITEM item) {
  DWORD_PTR result = 0;
  return Query(TVM_EXPAND, TVE_EXPAND, reinterpret_cast<LPARAM>(item), &result);
}

bool RemoteTree::Select(HTREEITEM item) {
  DWORD_PTR result = 0;
  return Query(TVM_SELECTITEM, TVGN_CARET, reinterpret_cast<LPARAM>(item), &result) && result;
}

HTREEITEM RemoteTree::Selected() {
  DWORD_PTR item = 0;
  if (!Query(TVM_GETNEXTITEM, TVGN_CARET, 0, &item)) return nullptr;
  return reinterpret_cast<HTREEITEM>(item);
}

bool FindFolderItem(RemoteTree& tree, const std::string& path, HTREEITEM* item, std::string* problem) {
  std::vector<std::string> parts = SplitFolderPath(path);
  if (parts.empty()) { *problem = "an empty path"; return false; }
  std::vector<std::pair<HTREEITEM, std::string>> children;
  // The drive: breadth first from the roots, expanding as we go.
  std::deque<std::pair<HTREEITEM, int>> pending = {{nullptr, 0}};
  HTREEITEM found = nullptr;
  std::string seen;
  while (!found && !pending.empty()) {
    auto [parent, depth] = pending.front();
    pending.pop_front();
    if (parent) tree.Expand(parent);
    if (!tree.Children(parent, &children)) { *problem = "the tree did not answer"; return false; }
    if (depth == 0) seen = Listing(children);
    for (const auto& child : children) {
      if (LabelNamesDrive(child.second, parts[0])) { found = child.first; break; }
      if (depth + 1 < kDriveDepth) pending.push_back({child.first, depth + 1});
    }
  }
  if (!found) { *problem = "no drive " + parts[0] + " in the tree (its top items: " + seen + ")"; return false; }
  for (size_t i = 1; i < parts.size(); ++i) {
    tree.Expand(found);
    if (!tree.Children(found, &children)) { *problem = "the tree did not answer"; return false; }
    HTREEITEM next = nullptr;
    for (const auto& child : children)
      if (LabelNamesFolder(child.second, parts[i])) next = child.first;
    if (!next) { *problem = "no folder " + parts[i] + " under " + parts[i - 1] + " (saw " + Listing(children) + ")"; return false; }
    found = next;
  }
  *item = found;
  return true;
}
