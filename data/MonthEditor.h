#pragma once

#include "data/JobRecord.h"
#include "data/Session.h"

#include <QString>

#include <optional>

// The rules of the main window's data commands: which month a record goes to, when "append" and
// "update" hand over to each other, and that a failed write changes nothing. Each command returns
// what happened; the window only words it.
class MonthEditor final
{
public:
    enum class Command { Create, Append, Update };

    struct Outcome
    {
        enum class Kind {
            Created,  // this month's file was made with the record as its first
            Appended, // a new record in this month's file
            Updated,  // a used slot rewritten
            TitleMissing,
            PreviousMonthRefused, // records are only ever added to this month
            NothingShown,         // a past month is shown: it is never written from here
            WriteFailed,
            ChangedOnDisk, // another program changed the file since it was read: nothing written
        };
        Kind kind = Kind::NothingShown;
        MonthKind month = MonthKind::Current; // the month written, or whose write failed
        int slot = -1;                        // the slot written
        QString error;                        // the system's reason of a failed write

        bool wrote() const
        {
            return kind == Kind::Created || kind == Kind::Appended || kind == Kind::Updated;
        }
        bool operator==(const Outcome &) const = default;
    };

    explicit MonthEditor(Session &session) : m_session(session) {}

    // Why the command cannot run at all, before anything changes; nothing when it can.
    std::optional<Outcome> refusal(Command command, MonthKind shown, const JobRecord &record) const;

    // Runs the command for `record` in `slot` (0-based) of the shown month. Append writes into this
    // month and updates a used slot instead; update rewrites a used slot of the shown month and
    // appends into an empty one. Create writes slot 0 of a new file for this month, whichever
    // month was shown. A record is always stored with data number slot + 1.
    Outcome run(Command command, MonthKind shown, int slot, const JobRecord &record);

private:
    Outcome append(MonthKind shown, int slot, const JobRecord &record);
    Outcome write(Outcome::Kind kind, MonthKind month, int slot, const JobRecord &record,
                  SafeFile::Tail tail = SafeFile::Tail::Keep);

    Session &m_session;
};
