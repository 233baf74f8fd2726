// The directory of an open compound file: look-up, enumeration and the tree of each storage.

#include "CfbFile.h"

#include <algorithm>
#include <functional>

namespace cfb::detail {

Result FileImpl::children(std::uint32_t storage, std::vector<std::uint32_t>& out) const
{
    out.clear();
    std::vector<std::uint32_t> stack;
    std::uint32_t x = dir_[storage].child;
    std::size_t steps = 0;
    while (x != kNoStream || !stack.empty()) {
        while (x != kNoStream) {
            if (x >= dir_.size() || ++steps > dir_.size()) return Result::NotCompoundFile;
            stack.push_back(x);
            x = dir_[x].left;
        }
        x = stack.back();
        stack.pop_back();
        out.push_back(x);
        x = dir_[x].right;
    }
    return Result::Ok;
}

// A linear search over the storage's children: it finds names in any tree, also in files whose
// writers did not keep the order.
Result FileImpl::findChild(std::uint32_t storage, const std::u16string& name, std::uint32_t& out) const
{
    std::vector<std::uint32_t> kids;
    if (Result r = children(storage, kids); r != Result::Ok) return r;
    for (std::uint32_t k : kids) {
        if (sameName(dir_[k].name, name)) {
            out = k;
            return Result::Ok;
        }
    }
    return Result::ElementNotFound;
}

bool FileImpl::isWithin(std::uint32_t inner, std::uint32_t outer) const
{
    if (inner == outer) return true;
    if (dir_[outer].type != kStorage && dir_[outer].type != kRoot) return false;
    std::vector<std::uint32_t> kids;
    if (children(outer, kids) != Result::Ok) return false;
    for (std::uint32_t k : kids)
        if (isWithin(inner, k)) return true;
    return false;
}

// Rebuilds the tree of `storage` from its members as a balanced tree: each subtree is split at
// its middle name, so every level but the deepest is full; entries on an incomplete deepest
// level are red, all others black. That is a valid red-black tree. Only changed entries are
// marked for writing.
void FileImpl::rebuildTree(std::uint32_t storage, std::vector<std::uint32_t> members)
{
    std::sort(members.begin(), members.end(), [&](std::uint32_t a, std::uint32_t b) {
        return compareNames(dir_[a].name, dir_[b].name) < 0;
    });
    const std::size_t n = members.size();
    std::vector<std::uint32_t> left(n, kNoStream), right(n, kNoStream);
    std::vector<int> depth(n, 0);
    int maxDepth = 0;
    std::function<std::uint32_t(std::size_t, std::size_t, int)> build = [&](std::size_t lo, std::size_t hi, int d) -> std::uint32_t {
        if (lo >= hi) return kNoStream;
        const std::size_t mid = lo + (hi - lo) / 2;
        depth[mid] = d;
        maxDepth = std::max(maxDepth, d);
        left[mid] = build(lo, mid, d + 1);
        right[mid] = build(mid + 1, hi, d + 1);
        return members[mid];
    };
    const std::uint32_t top = build(0, n, 0);
    const bool full = n == (std::size_t(1) << (maxDepth + 1)) - 1;
    for (std::size_t i = 0; i < n; ++i) {
        DirEntry& d = dir_[members[i]];
        const std::uint8_t colour = (!full && depth[i] == maxDepth) ? kRed : kBlack;
        if (d.left != left[i] || d.right != right[i] || d.colour != colour) {
            d.left = left[i];
            d.right = right[i];
            d.colour = colour;
            markEntry(members[i]);
        }
    }
    if (dir_[storage].child != top) {
        dir_[storage].child = top;
        markEntry(storage);
    }
}

Result FileImpl::createElement(std::uint32_t storage, const std::u16string& name, std::uint8_t type, std::uint32_t& out)
{
    if (Result r = checkWritable(); r != Result::Ok) return r;
    if (!isValidElementName(name)) return Result::InvalidName;
    std::uint32_t existing;
    if (findChild(storage, name, existing) == Result::Ok)
        if (Result r = destroyElement(storage, dir_[existing].name); r != Result::Ok) return r;
    std::vector<std::uint32_t> members;
    if (Result r = children(storage, members); r != Result::Ok) return r;
    if (Result r = reserve(2); r != Result::Ok) return r;
    const std::uint32_t e = allocDirEntry();
    DirEntry& d = dir_[e];
    d.clear();
    d.name = name;
    d.type = type;
    d.start = type == kStream ? kEndOfChain : 0;
    chains_[e].clear();
    markEntry(e);  // the new entry is written before the links to it
    members.push_back(e);
    rebuildTree(storage, members);
    if (Result r = commit(); r != Result::Ok) return r;
    out = e;
    return Result::Ok;
}

Result FileImpl::destroyElement(std::uint32_t storage, const std::u16string& name)
{
    if (Result r = checkWritable(); r != Result::Ok) return r;
    std::uint32_t x;
    if (Result r = findChild(storage, name, x); r != Result::Ok) return r;
    std::vector<std::uint32_t> members;
    if (Result r = children(storage, members); r != Result::Ok) return r;
    std::vector<std::uint32_t> doomed{x};
    for (std::size_t i = 0; i < doomed.size(); ++i) {
        if (dir_[doomed[i]].type != kStorage) continue;
        std::vector<std::uint32_t> kids;
        if (Result r = children(doomed[i], kids); r != Result::Ok) return r;
        doomed.insert(doomed.end(), kids.begin(), kids.end());
    }
    // Unlink first; the entries and their sectors are freed once nothing refers to them.
    members.erase(std::find(members.begin(), members.end(), x));
    rebuildTree(storage, members);
    if (Result r = commit(); r != Result::Ok) return r;
    for (std::uint32_t y : doomed) {
        if (dir_[y].type == kStream) freeChainOf(y);
        dir_[y].clear();
        ++gen_[y];
        markEntry(y);
    }
    return commit();
}

Result FileImpl::renameElement(std::uint32_t storage, const std::u16string& oldName, const std::u16string& newName)
{
    if (Result r = checkWritable(); r != Result::Ok) return r;
    if (!isValidElementName(newName)) return Result::InvalidName;
    std::uint32_t x, y;
    if (Result r = findChild(storage, oldName, x); r != Result::Ok) return r;
    if (findChild(storage, newName, y) == Result::Ok && y != x) return Result::AlreadyExists;
    dir_[x].name = newName;
    markEntry(x);
    std::vector<std::uint32_t> members;
    if (Result r = children(storage, members); r != Result::Ok) return r;
    rebuildTree(storage, members);
    return commit();
}

}  // namespace cfb::detail
