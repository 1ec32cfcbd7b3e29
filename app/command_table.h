#pragma once
// Every menu command in one table. A row names an id or a range of ids, the
// MainForm handler that runs them, and how its menu items show the settings:
// a check mark that follows a flag, a radio mark on the item whose value a
// setting holds, and when the item is greyed. The command message and the
// popup menu's marks both walk this table, so a new command is a new row.
#include <span>
#include <vector>

#include "settings/settings_record.h"

namespace tv {

class MainForm;
struct CommandRow;

// What the rules may read besides the settings.
struct CommandFacts {
  const Settings& settings;
  bool instanceNamed = false;
  bool archiveOpen = false;
  int moveTargetCount = 0;  // entries of the move menu built last
};

// How a row marks its items. At most one of flag and field is set.
struct MarkRule {
  bool Settings::*flag = nullptr;  // check mark, on while the flag is
  int Settings::*field = nullptr;  // radio mark, on the item whose value is field / unit
  std::span<const int> values{};   // value of each item by index; empty: the index itself
  int unit = 1;
};

// index: the item's place in its group (see CommandRow::firstIndex).
using CommandHandler = void (MainForm::*)(const CommandRow& row, int index);
using CommandCondition = bool (*)(const CommandFacts& facts);
using CommandCount = int (*)(const CommandFacts& facts);

struct CommandRow {
  int first;
  int last;                // inclusive; for generated items the most there can be
  CommandHandler handler;  // null: the id has no command of its own (a placeholder item)
  MarkRule mark{};
  CommandCondition greyed = nullptr;  // greyed and disabled while this holds
  CommandCount inUse = nullptr;       // generated items: how many ids from first exist now
  int firstIndex = 0;                 // index of the first id (a group split around a gap)
};

std::span<const CommandRow> CommandRows();

// The row that runs `id` now, or null. Ids outside every row, and generated
// ids beyond those in use, are not ours.
const CommandRow* FindCommandRow(int id, const CommandFacts& facts);

inline int CommandIndex(const CommandRow& row, int id) { return row.firstIndex + (id - row.first); }

// The value the item at `index` stands for in a radio row.
int ItemValue(const MarkRule& mark, int index);

struct MenuItemState {
  int id;
  bool radio = false;  // marked with a radio bullet rather than a tick
  bool hasMark = false;
  bool marked = false;
  bool hasGreyRule = false;
  bool greyed = false;
};

// Every item of a row with a rule, computed from the settings and facts.
std::vector<MenuItemState> MenuItemStates(const CommandFacts& facts);

}  // namespace tv
