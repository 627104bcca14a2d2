#include "commit/JournalWriter.h"

#include "commit/Journal.h"
#include "commit/JournalFormat.h"

namespace morvalent::commit {
namespace {

// Large enough that a commit of small renames writes a few times a second at most.
constexpr std::size_t kBatchBytes = 64 * 1024;

// "\tSOURCE\tTARGET", the end of a line that names a move.
void AppendMove(std::string& line, std::u16string_view source, std::u16string_view target) {
    line += '\t';
    journal::AppendText(line, source);
    line += '\t';
    journal::AppendText(line, target);
}

}  // namespace

void JournalWriter::Header(platform::FileTime started) {
    pending_ += "morvalent-journal\t2\n";
    lineStart_ = pending_.size();
    Time("start", started);
}

void JournalWriter::Row(std::size_t row, const std::optional<platform::FileIdentity>& identity,
                        std::u16string_view source, std::u16string_view target) {
    pending_ += "row\t";
    journal::AppendNumber(pending_, row);
    pending_ += '\t';
    journal::AppendIdentity(pending_, identity);
    AppendMove(pending_, source, target);
    EndLine();
}

void JournalWriter::PlanEnd(std::size_t count) { Record("plan", count); }

void JournalWriter::From(std::size_t row, std::u16string_view source, std::u16string_view target) {
    pending_ += "from\t";
    journal::AppendNumber(pending_, row);
    AppendMove(pending_, source, target);
    EndLine();
}

void JournalWriter::Done(std::size_t row,
                         const std::optional<platform::FileIdentity>& movedIdentity) {
    pending_ += "done\t";
    journal::AppendNumber(pending_, row);
    if (movedIdentity) {
        pending_ += '\t';
        journal::AppendIdentity(pending_, movedIdentity);
    }
    EndLine();
}

void JournalWriter::Copy(std::size_t row, const platform::FileIdentity& copy) {
    pending_ += "copy\t";
    journal::AppendNumber(pending_, row);
    pending_ += '\t';
    journal::AppendIdentity(pending_, copy);
    EndLine();
}

void JournalWriter::Spare(std::size_t row, const platform::MoveStep& step) {
    pending_ += "spare\t";
    journal::AppendNumber(pending_, row);
    switch (step.kind) {
        case platform::MoveStep::Kind::Placeholder:
            pending_ += "\tplaceholder\t";
            break;
        case platform::MoveStep::Kind::Link:
            pending_ += "\tlink\t";
            break;
        case platform::MoveStep::Kind::TemporaryName:
            pending_ += "\ttemporary\t";
            break;
    }
    journal::AppendIdentity(pending_, step.made);
    pending_ += '\t';
    journal::AppendText(pending_, step.path);
    EndLine();
}

void JournalWriter::EndCutLine() {
    pending_ += kCutLineEnd;
    lineStart_ = pending_.size();
}

void JournalWriter::Failed(std::size_t row) { Record("failed", row); }
void JournalWriter::End(platform::FileTime time) { Time("end", time); }
void JournalWriter::UndoStart(platform::FileTime time) { Time("undo", time); }
void JournalWriter::Undone(std::size_t row) { Record("undone", row); }
void JournalWriter::Kept(std::size_t row) { Record("kept", row); }
void JournalWriter::UndoFailed(std::size_t row) { Record("undo-failed", row); }
void JournalWriter::UndoEnd(platform::FileTime time) { Time("undo-end", time); }

bool JournalWriter::Flush() {
    if (!pending_.empty()) {
        ok_ = file_.Append(pending_) && ok_;
        pending_.clear();
        lineStart_ = 0;
    }
    return ok_;
}

bool JournalWriter::Sync() {
    ok_ = Flush() && file_.Sync();
    return ok_;
}

void JournalWriter::Record(std::string_view kind, std::size_t row) {
    pending_ += kind;
    pending_ += '\t';
    journal::AppendNumber(pending_, row);
    EndLine();
}

void JournalWriter::Time(std::string_view kind, platform::FileTime time) {
    pending_ += kind;
    pending_ += '\t';
    if (time < 0) pending_ += '-';
    journal::AppendNumber(pending_, time < 0 ? 0 - std::uint64_t(time) : std::uint64_t(time));
    EndLine();
}

void JournalWriter::EndLine() {
    journal::AppendCheck(pending_, lineStart_);
    pending_ += '\n';
    lineStart_ = pending_.size();
    // A failure here stays in ok_ for the writer's next Flush or Sync.
    if (pending_.size() >= kBatchBytes) (void)Flush();
}

}  // namespace morvalent::commit
