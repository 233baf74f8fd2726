// Storage and Stream handles: argument checks and conversions around the open file, and copying.

#include "CfbStorage.h"

#include "CfbFile.h"

#include <new>

namespace cfb {

using detail::FileImpl;

namespace {

// Every public call runs inside this, so an allocation failure becomes a result.
template <typename Fn>
Result guarded(Fn&& fn)
{
    try {
        return fn();
    } catch (const std::bad_alloc&) {
        return Result::InsufficientMemory;
    } catch (...) {
        return Result::Other;
    }
}

ElementInfo infoOf(const detail::DirEntry& d)
{
    ElementInfo info;
    info.name = detail::toUtf8(d.name);
    info.type = static_cast<ElementType>(d.type);
    info.size = d.type == detail::kStream ? d.size : 0;
    return info;
}

}  // namespace

// ---- Stream ---------------------------------------------------------------------------------

Stream::Stream() = default;
Stream::~Stream() = default;
Stream::Stream(const Stream&) = default;
Stream& Stream::operator=(const Stream&) = default;
Stream::Stream(Stream&&) noexcept = default;
Stream& Stream::operator=(Stream&&) noexcept = default;

bool Stream::isValid() const { return file_ && file_->alive(entry_, generation_); }

void Stream::release()
{
    file_.reset();
    pos_ = 0;
}

Result Stream::read(void* buffer, std::size_t count, std::size_t* bytesRead)
{
    if (bytesRead) *bytesRead = 0;
    if (!isValid()) return file_ ? Result::ElementNotFound : Result::InvalidArgument;
    return guarded([&] {
        std::size_t got = 0;
        const Result r = file_->readAt(entry_, pos_, buffer, count, got);
        pos_ += got;
        if (bytesRead) *bytesRead = got;
        return r;
    });
}

Result Stream::write(const void* buffer, std::size_t count, std::size_t* bytesWritten)
{
    if (bytesWritten) *bytesWritten = 0;
    if (!isValid()) return file_ ? Result::ElementNotFound : Result::InvalidArgument;
    return guarded([&] {
        const Result r = file_->writeAt(entry_, pos_, buffer, count);
        if (r == Result::Ok) {
            pos_ += count;
            if (bytesWritten) *bytesWritten = count;
        }
        return r;
    });
}

Result Stream::seek(std::int64_t offset, SeekOrigin origin, std::uint64_t* newPosition)
{
    if (!isValid()) return file_ ? Result::ElementNotFound : Result::InvalidArgument;
    std::int64_t base = 0;
    if (origin == SeekOrigin::Current) base = std::int64_t(pos_);
    else if (origin == SeekOrigin::End) base = std::int64_t(file_->entry(entry_).size);
    if ((offset < 0 && base + offset < 0) || (offset > 0 && base > INT64_MAX - offset)) return Result::InvalidArgument;
    pos_ = std::uint64_t(base + offset);
    if (newPosition) *newPosition = pos_;
    return Result::Ok;
}

Result Stream::setSize(std::uint64_t newSize)
{
    if (!isValid()) return file_ ? Result::ElementNotFound : Result::InvalidArgument;
    return guarded([&] { return file_->setSize(entry_, newSize); });
}

Result Stream::stat(ElementInfo& info) const
{
    if (!isValid()) return file_ ? Result::ElementNotFound : Result::InvalidArgument;
    return guarded([&] {
        info = infoOf(file_->entry(entry_));
        return Result::Ok;
    });
}

std::uint64_t Stream::size() const { return isValid() ? file_->entry(entry_).size : 0; }

// ---- Storage --------------------------------------------------------------------------------

Storage::Storage() = default;
Storage::~Storage() = default;
Storage::Storage(const Storage&) = default;
Storage& Storage::operator=(const Storage&) = default;
Storage::Storage(Storage&&) noexcept = default;
Storage& Storage::operator=(Storage&&) noexcept = default;

Result Storage::createFile(const std::string& path, Storage& root)
{
    return guarded([&] {
        std::shared_ptr<FileImpl> f;
        const Result r = FileImpl::create(path, f);
        if (r != Result::Ok) return r;
        root.file_ = std::move(f);
        root.entry_ = 0;
        root.generation_ = 0;
        return Result::Ok;
    });
}

Result Storage::openFile(const std::string& path, OpenMode mode, Storage& root)
{
    return guarded([&] {
        std::shared_ptr<FileImpl> f;
        const Result r = FileImpl::open(path, mode, f);
        if (r != Result::Ok) return r;
        root.file_ = std::move(f);
        root.entry_ = 0;
        root.generation_ = 0;
        return Result::Ok;
    });
}

bool Storage::isValid() const { return file_ && file_->alive(entry_, generation_); }
void Storage::release() { file_.reset(); }
bool Storage::isReadOnly() const { return file_ && file_->readOnly(); }

#define CFB_CHECK_STORAGE()                                                           \
    do {                                                                              \
        if (!isValid()) return file_ ? Result::ElementNotFound : Result::InvalidArgument; \
    } while (0)

#define CFB_NAME(var, from)                                              \
    std::u16string var;                                                  \
    if (!detail::fromUtf8(from, var)) return Result::InvalidName

Result Storage::createStream(const std::string& name, Stream& out)
{
    CFB_CHECK_STORAGE();
    return guarded([&] {
        CFB_NAME(n, name);
        std::uint32_t e;
        const Result r = file_->createElement(entry_, n, detail::kStream, e);
        if (r != Result::Ok) return r;
        out.file_ = file_;
        out.entry_ = e;
        out.generation_ = file_->generation(e);
        out.pos_ = 0;
        return Result::Ok;
    });
}

Result Storage::openStream(const std::string& name, Stream& out)
{
    CFB_CHECK_STORAGE();
    return guarded([&] {
        CFB_NAME(n, name);
        std::uint32_t e;
        const Result r = file_->findChild(entry_, n, e);
        if (r != Result::Ok) return r;
        if (file_->entry(e).type != detail::kStream) return Result::ElementNotFound;
        out.file_ = file_;
        out.entry_ = e;
        out.generation_ = file_->generation(e);
        out.pos_ = 0;
        return Result::Ok;
    });
}

Result Storage::createStorage(const std::string& name, Storage& out)
{
    CFB_CHECK_STORAGE();
    return guarded([&] {
        CFB_NAME(n, name);
        std::uint32_t e;
        const Result r = file_->createElement(entry_, n, detail::kStorage, e);
        if (r != Result::Ok) return r;
        out.file_ = file_;
        out.entry_ = e;
        out.generation_ = file_->generation(e);
        return Result::Ok;
    });
}

Result Storage::openStorage(const std::string& name, Storage& out)
{
    CFB_CHECK_STORAGE();
    return guarded([&] {
        CFB_NAME(n, name);
        std::uint32_t e;
        const Result r = file_->findChild(entry_, n, e);
        if (r != Result::Ok) return r;
        if (file_->entry(e).type != detail::kStorage) return Result::ElementNotFound;
        out.file_ = file_;
        out.entry_ = e;
        out.generation_ = file_->generation(e);
        return Result::Ok;
    });
}

Result Storage::destroyElement(const std::string& name)
{
    CFB_CHECK_STORAGE();
    return guarded([&] {
        CFB_NAME(n, name);
        return file_->destroyElement(entry_, n);
    });
}

Result Storage::renameElement(const std::string& oldName, const std::string& newName)
{
    CFB_CHECK_STORAGE();
    return guarded([&] {
        CFB_NAME(o, oldName);
        CFB_NAME(n, newName);
        return file_->renameElement(entry_, o, n);
    });
}

Result Storage::elements(std::vector<ElementInfo>& out) const
{
    out.clear();
    CFB_CHECK_STORAGE();
    return guarded([&] {
        std::vector<std::uint32_t> kids;
        const Result r = file_->children(entry_, kids);
        if (r != Result::Ok) return r;
        for (std::uint32_t k : kids) out.push_back(infoOf(file_->entry(k)));
        return Result::Ok;
    });
}

Result Storage::stat(ElementInfo& info) const
{
    CFB_CHECK_STORAGE();
    return guarded([&] {
        info = infoOf(file_->entry(entry_));
        return Result::Ok;
    });
}

Result Storage::copyElementTo(const std::string& name, Storage& dest, const std::string& destName)
{
    CFB_CHECK_STORAGE();
    if (!dest.isValid()) return dest.file_ ? Result::ElementNotFound : Result::InvalidArgument;
    return guarded([&] {
        CFB_NAME(n, name);
        std::uint32_t e;
        if (Result r = file_->findChild(entry_, n, e); r != Result::Ok) return r;
        // Copying a storage into itself or below itself would never end.
        if (file_ == dest.file_ && file_->isWithin(dest.entry_, e)) return Result::InvalidArgument;
        const std::string target = destName.empty() ? detail::toUtf8(file_->entry(e).name) : destName;
        // Onto itself: replacing the target would destroy the source first.
        std::u16string target16;
        if (!detail::fromUtf8(target, target16)) return Result::InvalidName;
        if (file_ == dest.file_ && dest.entry_ == entry_ && detail::sameName(target16, n)) return Result::InvalidArgument;
        if (file_->entry(e).type == detail::kStream) {
            Stream from;
            from.file_ = file_;
            from.entry_ = e;
            from.generation_ = file_->generation(e);
            Stream to;
            if (Result r = dest.createStream(target, to); r != Result::Ok) return r;
            std::vector<std::uint8_t> buf(std::size_t(1) << 20);
            for (;;) {
                std::size_t got = 0;
                if (Result r = from.read(buf.data(), buf.size(), &got); r != Result::Ok) return r;
                if (got == 0) break;
                if (Result r = to.write(buf.data(), got); r != Result::Ok) return r;
            }
            return Result::Ok;
        }
        Storage from;
        from.file_ = file_;
        from.entry_ = e;
        from.generation_ = file_->generation(e);
        Storage to;
        if (Result r = dest.createStorage(target, to); r != Result::Ok) return r;
        return from.copyTo(to);
    });
}

Result Storage::copyTo(Storage& dest) const
{
    CFB_CHECK_STORAGE();
    if (!dest.isValid()) return dest.file_ ? Result::ElementNotFound : Result::InvalidArgument;
    return guarded([&] {
        std::vector<ElementInfo> kids;
        if (Result r = elements(kids); r != Result::Ok) return r;
        Storage self = *this;
        for (const ElementInfo& k : kids)
            if (Result r = self.copyElementTo(k.name, dest); r != Result::Ok) return r;
        return Result::Ok;
    });
}

Result Storage::flush()
{
    if (!file_) return Result::InvalidArgument;
    return guarded([&] { return file_->flush(); });
}

Result Storage::validate(ValidationReport* report) const
{
    if (!file_) return Result::InvalidArgument;
    return guarded([&] { return file_->validate(report); });
}

}  // namespace cfb
