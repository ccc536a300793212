#pragma once

#include "store/AuditEntry.h"

#include <QString>

// The entries of the audit trail in words a reader follows.
namespace Audit {

// "yyyy-MM-dd hh:mm:ss" in the local time the entry was made, then its offset.
QString LocalTimeText(const Entry& entry);
// One line per changed field: "部门：质量部 → 生产部"; a missing value shows as "（空）".
QString ChangesText(const Entry& entry);
// An event's facts, "键：值" joined by "；".
QString DetailText(const Entry& entry);
// The account, with the host after "@".
QString WhoText(const Entry& entry);

} // namespace Audit
