// The table of commands other parts of the program register for document windows.
#include "hexview/commands/view_command_table_win.h"

#include <map>

namespace {

std::map<int, ViewCommand>& Table() {
  static std::map<int, ViewCommand> table;
  return table;
}

}  // namespace

void RegisterViewCommand(int id, ViewCommand command) {
  if (command.run == nullptr) {
    Table().erase(id);
  } else {
    Table()[id] = command;
  }
}

const ViewCommand* RegisteredViewCommand(int id) {
  auto it = Table().find(id);
  return it == Table().end() ? nullptr : &it->second;
}

bool ViewCommandAvailable(int id, const Document* doc) {
  const ViewCommand* command = RegisteredViewCommand(id);
  return doc != nullptr && command != nullptr && (command->available == nullptr || command->available(*doc));
}

void ClearViewCommands() { Table().clear(); }
