#pragma once

#include "admin/CommandFamily.h"

// qvledger-admin audit verify DB | audit export DB OUT.xls
namespace AuditCommands {

extern const CommandFamily kFamily;

} // namespace AuditCommands
