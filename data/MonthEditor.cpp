#include "data/MonthEditor.h"

using Kind = MonthEditor::Outcome::Kind;

std::optional<MonthEditor::Outcome> MonthEditor::refusal(Command command, MonthKind shown,
                                                         const JobRecord &record) const
{
    if (command == Command::Append && shown == MonthKind::Previous)
        return Outcome{Kind::PreviousMonthRefused, MonthKind::Previous, -1, {}};
    if (record.title.isEmpty())
        return Outcome{Kind::TitleMissing, shown, -1, {}};
    return std::nullopt;
}

MonthEditor::Outcome MonthEditor::run(Command command, MonthKind shown, int slot, const JobRecord &record)
{
    if (const std::optional<Outcome> refused = refusal(command, shown, record))
        return *refused;
    if (slot < 0 || slot >= MonthFile::RecordCount)
        return {Kind::NothingShown, shown, -1, {}};
    switch (command) {
    case Command::Create:
        return write(Kind::Created, MonthKind::Current, 0, record, SafeFile::Tail::Drop);
    case Command::Append:
        return append(shown, slot, record);
    case Command::Update:
        if (shown == MonthKind::Past)
            return {Kind::NothingShown, shown, -1, {}};
        if (!m_session.job(shown, slot).isUsed())
            return append(shown, slot, record);
        return write(Kind::Updated, shown, slot, record);
    }
    return {Kind::NothingShown, shown, -1, {}};
}

MonthEditor::Outcome MonthEditor::append(MonthKind shown, int slot, const JobRecord &record)
{
    if (shown == MonthKind::Previous)
        return {Kind::PreviousMonthRefused, MonthKind::Previous, -1, {}};
    if (m_session.job(MonthKind::Current, slot).isUsed())
        return write(Kind::Updated, MonthKind::Current, slot, record);
    return write(Kind::Appended, MonthKind::Current, slot, record);
}

MonthEditor::Outcome MonthEditor::write(Kind kind, MonthKind month, int slot, const JobRecord &record,
                                        SafeFile::Tail tail)
{
    // The slot is the record's identity: whatever number the entry carried, it is stored as slot + 1.
    JobRecord stored = record;
    stored.dataNo = slot + 1;
    const SafeFile::Result r = m_session.storeRecord(month, slot, stored, tail);
    if (!r)
        return {r.changedOnDisk ? Kind::ChangedOnDisk : Kind::WriteFailed, month, slot, r.error};
    return {kind, month, slot, {}};
}
