#pragma once
// Compound-file (structured storage) engine: a file holding a tree of storages and streams.
//
// Writes version 3 files (512-byte sectors), reads versions 3 and 4. Every write goes through to
// the file at once, in an order that keeps the file openable at every instant:
//   new data sectors -> new table sectors -> allocation tables -> header -> mini FAT -> directory
//   entries; sectors are freed only after the entry that referenced them has been rewritten.
// A killed process therefore leaves a file that opens and holds every write that returned.
// (Creating, destroying and renaming elements rewrite several directory entries and are not
// atomic in that sense; appending, rewriting and resizing streams are.)
//
// Handles (Storage, Stream) are cheap values sharing the open file; the file is closed and its
// lock released when the last handle of it is released or destroyed. Not thread-safe: one thread
// uses a file at a time.

#include "CfbResult.h"

#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

namespace cfb {

namespace detail {
class FileImpl;
}

enum class OpenMode : std::uint8_t { ReadOnly, ReadWrite };
enum class ElementType : std::uint8_t { Storage = 1, Stream = 2, Root = 5 };
enum class SeekOrigin : std::uint8_t { Begin, Current, End };

struct ElementInfo {
    std::string name;  // UTF-8
    ElementType type = ElementType::Stream;
    std::uint64_t size = 0;  // stream size in bytes; 0 for storages
};

// What `Storage::validate` found. `problems` empty means the file is consistent.
struct ValidationReport {
    std::vector<std::string> problems;
    std::uint32_t leakedSectors = 0;      // allocated in the FAT but reachable from nothing (harmless)
    std::uint32_t leakedMiniSectors = 0;  // the same for the mini FAT
    std::uint64_t fileSectors = 0;        // sectors in the file after the header
};

class Storage;

class Stream {
public:
    Stream();
    ~Stream();
    Stream(const Stream&);
    Stream& operator=(const Stream&);
    Stream(Stream&&) noexcept;
    Stream& operator=(Stream&&) noexcept;

    bool isValid() const;
    void release();

    // Reads up to `count` bytes at the current position; fewer only at the end of the stream.
    // Reads through different handles (copies) of one file may run on several threads at once,
    // as long as nothing writes to or changes that file meanwhile.
    Result read(void* buffer, std::size_t count, std::size_t* bytesRead = nullptr);
    // Writes at the current position, growing the stream when needed (a gap after the old end
    // reads as zeros). On success the whole count was written and the position moved past it.
    Result write(const void* buffer, std::size_t count, std::size_t* bytesWritten = nullptr);
    // Moves the position; a position past the end is allowed (the next write fills the gap).
    Result seek(std::int64_t offset, SeekOrigin origin, std::uint64_t* newPosition = nullptr);
    std::uint64_t position() const { return pos_; }
    // Grows (zero-filled) or shrinks the stream; shrinking frees the sectors no longer needed.
    Result setSize(std::uint64_t newSize);
    Result stat(ElementInfo& info) const;
    // Size of the stream, 0 for an invalid handle.
    std::uint64_t size() const;

private:
    friend class Storage;
    std::shared_ptr<detail::FileImpl> file_;
    std::uint32_t entry_ = 0;
    std::uint32_t generation_ = 0;
    std::uint64_t pos_ = 0;
};

class Storage {
public:
    Storage();
    ~Storage();
    Storage(const Storage&);
    Storage& operator=(const Storage&);
    Storage(Storage&&) noexcept;
    Storage& operator=(Storage&&) noexcept;

    // Creates a new, empty compound file, replacing any file of that name, opened read-write
    // with exclusive access; `root` receives its root storage.
    static Result createFile(const std::string& path, Storage& root);
    // Opens an existing file with exclusive access (an OS lock on the whole file, held while any
    // handle of it lives). A second opener, in this or another process, gets AccessDenied; the
    // lock of a process that died is gone with it. The file is checked before Ok is returned.
    static Result openFile(const std::string& path, OpenMode mode, Storage& root);

    bool isValid() const;
    void release();
    bool isReadOnly() const;

    // Creates a stream, replacing any element of that name (look-ups ignore case).
    Result createStream(const std::string& name, Stream& out);
    Result openStream(const std::string& name, Stream& out);
    // Creates a sub-storage, replacing any element of that name.
    Result createStorage(const std::string& name, Storage& out);
    Result openStorage(const std::string& name, Storage& out);
    // Removes an element (a storage with everything below it) and frees its sectors.
    Result destroyElement(const std::string& name);
    // AlreadyExists when `newName` is taken by another element.
    Result renameElement(const std::string& oldName, const std::string& newName);
    // The direct children, in the file's directory order.
    Result elements(std::vector<ElementInfo>& out) const;
    Result stat(ElementInfo& info) const;

    // Copies the element `name` (a stream's bytes or a whole storage) into `dest`, which may
    // belong to another file, under `destName` (the same name when empty), replacing an element
    // of that name there. InvalidArgument for a copy onto itself or into its own subtree.
    Result copyElementTo(const std::string& name, Storage& dest, const std::string& destName = {});
    // Copies every element of this storage into `dest`. Copying a root storage into the root of a
    // newly created file gives a compact copy with identical stream bytes (positions stay valid).
    Result copyTo(Storage& dest) const;

    // Forces everything written so far to the disk (fdatasync). The engine's write order keeps
    // the file consistent against a killed process without it; a sync is what makes the writes
    // survive a power loss or system crash. The file manager should call it where losing the
    // last writes would hurt and the cost (milliseconds on a disk) is paid once: after creating a
    // new file and its streams, after Save As / backup copies, after compacting streams when a
    // book is closed, and after writing the options file. Not after every record written through,
    // which would make typing a transaction wait for the disk.
    Result flush();

    // Self-check of the whole file: allocation tables, chains, mini stream, directory tree
    // (search order, red-black shape, no cycles, unique names). Reads the tables from the disk,
    // not from memory, so it also checks that what was written is what the engine believes.
    Result validate(ValidationReport* report = nullptr) const;

private:
    friend class Stream;
    std::shared_ptr<detail::FileImpl> file_;
    std::uint32_t entry_ = 0;
    std::uint32_t generation_ = 0;
};

}  // namespace cfb
