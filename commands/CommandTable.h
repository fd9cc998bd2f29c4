// The command table: each command type with the function that runs it, in
// dispatch order.
#pragma once

#include <cstddef>
#include <string>

#include "CommandRecord.h"

class CCmdOperator;

namespace setup {

using CommandHandler = bool (*)(CCmdOperator& commands, const COMMAND_RECORD& command);

struct CommandEntry {
    const char* name;
    CommandHandler handler;
};

// The first entry whose name equals the type without regard to case; null
// for a type that is not in the table.
const CommandEntry* FindCommand(const std::string& type);

// The whole table, in dispatch order.
const CommandEntry* CommandTableBegin();
const CommandEntry* CommandTableEnd();

}  // namespace setup
