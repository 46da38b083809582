#pragma once

#include <cstdint>
#include <filesystem>
#include <memory>
#include <string>
#include <vector>

namespace trevik {

// An allocator whose resize leaves new bytes uninitialised instead of zeroing them.
template <typename T> struct UninitializedAllocator : std::allocator<T> {
    template <typename U> struct rebind { using other = UninitializedAllocator<U>; };
    using std::allocator<T>::allocator;
    template <typename U> void construct(U* p) noexcept { ::new (static_cast<void*>(p)) U; }
    template <typename U, typename... Args> void construct(U* p, Args&&... args) {
        std::allocator_traits<std::allocator<T>>::construct(static_cast<std::allocator<T>&>(*this),
                                                            p, std::forward<Args>(args)...);
    }
};

// A file of fixed-length records with a one-based current position. An operation opens the
// file, works and closes it; while it is open no other process can use it (an exclusive lock
// that others wait for). The file is read whole at Open, and every write goes straight to disk.
class RecordSet {
public:
    // The temporary file a delete rewrites the records into.
    static constexpr const char* kRewriteName = "$$$.$$$";

    virtual ~RecordSet();
    RecordSet(const RecordSet&) = delete;
    RecordSet& operator=(const RecordSet&) = delete;

    // Opens the file for reading and writing, creating it when missing; true when it existed.
    // When it cannot be had, the set is empty and closed and lastError() says why.
    bool Open();
    // Opens the file for reading only, sharing it with other readers; a missing file is empty
    // and is not created. Throws FileError when the file exists but cannot be read.
    bool OpenForReading();
    void Close();

    bool NoCurrent() const;
    bool AtEnd() const;

    void First();
    void Next();
    bool GoTo(std::int32_t n);

    void NewRecord();
    void BeginEdit();
    void Write();
    void Delete(std::int32_t n);
    // Starts a lookup scan at record 1. An empty file is not touched, so its position stays
    // where it was (0 on a fresh file) and a record appended afterwards is not current.
    bool BeginScan();

    std::int32_t count() const { return count_; }
    std::int32_t position() const { return position_; }
    std::int32_t recordSize() const { return recordSize_; }
    const std::filesystem::path& filePath() const { return path_; }
    bool isOpen() const { return fd_ >= 0; }
    // Why the last Open, Write or Delete failed, naming the file; empty when it did not.
    const std::string& lastError() const { return lastError_; }

protected:
    RecordSet(std::filesystem::path directory, const char* fileName, std::int32_t recordSize);

    virtual void AfterRead() {}
    virtual void BeforeWrite() {}
    // Runs after the rewritten file is complete on disk and before it replaces the data file.
    virtual void BeforeReplace() {}

    std::uint8_t* buffer() { return buffer_.data(); }
    const std::uint8_t* buffer() const { return buffer_.data(); }

private:
    enum class Mode { Append, Overwrite };

    bool openWith(int access);
    void readCurrent();
    void fail(const std::string& reason);
    bool writable();

    std::filesystem::path directory_;
    std::filesystem::path path_;
    std::int32_t recordSize_;
    std::vector<std::uint8_t> buffer_;
    // The file's bytes as read at Open, kept in step with every Write.
    // Not zero-filled on resize: every byte is read from the file or written before use.
    std::vector<std::uint8_t, UninitializedAllocator<std::uint8_t>> image_;
    std::int32_t count_ = 0;
    std::int32_t position_ = 0;
    Mode mode_ = Mode::Overwrite;
    int fd_ = -1;
    bool readOnly_ = false;
    std::string lastError_;
    std::string lastReason_;
};

} // namespace trevik
