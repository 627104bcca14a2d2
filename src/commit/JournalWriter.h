#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

#include "platform/DurableFiles.h"
#include "platform/FileIdentity.h"
#include "platform/FileSystem.h"
#include "platform/FileTime.h"

namespace morvalent::commit {

// Writes the records of JournalFormat.h into an open journal file. Records are
// gathered and written out in batches; Flush writes them now, Sync also puts them
// on stable storage.
class JournalWriter {
  public:
    explicit JournalWriter(platform::AppendFile& file) : file_(file) {}
    // What is still gathered is written; a failure here is met again by the next
    // reader, which finds the record missing.
    ~JournalWriter() { (void)Flush(); }
    JournalWriter(const JournalWriter&) = delete;
    JournalWriter& operator=(const JournalWriter&) = delete;

    void Header(platform::FileTime started);
    void Row(std::size_t row, const std::optional<platform::FileIdentity>& identity,
             std::u16string_view source, std::u16string_view target);
    void PlanEnd(std::size_t count);
    void From(std::size_t row, std::u16string_view source, std::u16string_view target);
    void Copy(std::size_t row, const platform::FileIdentity& copy);
    void Spare(std::size_t row, const platform::MoveStep& step);
    void Done(std::size_t row, const std::optional<platform::FileIdentity>& movedIdentity);
    void Failed(std::size_t row);
    void End(platform::FileTime time);
    void UndoStart(platform::FileTime time);
    void Undone(std::size_t row);
    void Kept(std::size_t row);
    void UndoFailed(std::size_t row);
    void UndoEnd(platform::FileTime time);
    // Ends a last line a stop cut short, so that what follows starts afresh.
    void EndCutLine();

    // False once any write has failed: then the journal no longer tells what the
    // disk holds, and nothing more may be moved on its word.
    [[nodiscard]] bool Flush();
    [[nodiscard]] bool Sync();
    bool Ok() const { return ok_; }

  private:
    void Record(std::string_view kind, std::size_t row);
    void Time(std::string_view kind, platform::FileTime time);
    void EndLine();

    platform::AppendFile& file_;
    std::string pending_;
    std::size_t lineStart_ = 0;  // where the record being written starts in pending_
    bool ok_ = true;
};

}  // namespace morvalent::commit
