#include <gtest/gtest.h>

#include "app/command_line.h"
#include "app/instance_identity.h"
#include "app/instance_name.h"

using namespace tv;

namespace {
CommandLine Parse(const std::vector<std::wstring>& arguments) {
  return ParseCommandLine(arguments, [](const std::wstring& link) { return L"target of " + link; });
}
}  // namespace

TEST(CommandLine, SwitchesAndPaths) {
  const CommandLine line = Parse({L"C:\\a.jpg", L"/:duplicate", L"/a", L"D:\\folder", L"/b", L"/:uninstall"});
  EXPECT_EQ(line.paths, (std::vector<std::wstring>{L"C:\\a.jpg", L"D:\\folder"}));
  EXPECT_TRUE(line.duplicate);
  EXPECT_TRUE(line.uninstall);
  EXPECT_EQ(line.instanceName, L"b");  // the later name switch wins
}

TEST(CommandLine, SwitchesAreExactAndCaseSensitive) {
  const CommandLine line = Parse({L"/:Uninstall"});
  EXPECT_FALSE(line.uninstall);
  EXPECT_EQ(line.instanceName, L":Uninstall");
  EXPECT_FALSE(Parse({}).instanceName.has_value());
  EXPECT_EQ(Parse({L"/"}).instanceName, L"");
}

TEST(CommandLine, OnlyLongEnoughLnkPathsAreResolved) {
  const CommandLine line = Parse({L"a.lnk", L"ab.lnk", L"C:\\x.LNK", L"C:\\pic.lnk"});
  EXPECT_EQ(line.paths, (std::vector<std::wstring>{L"a.lnk", L"target of ab.lnk", L"C:\\x.LNK",
                                                   L"target of C:\\pic.lnk"}));
}

// The window titles are checked on the real window.
TEST(InstanceIdentity, OnlyOtherNamesMakeANamedInstanceWithItsOwnTrayTip) {
  const InstanceIdentity work = IdentityForName(L"work"), self = IdentityForName(L"taverlune");
  EXPECT_FALSE(InstanceIdentity{}.named);
  EXPECT_TRUE(work.named);
  EXPECT_EQ(work.trayTip, L"taverlune - work");
  EXPECT_FALSE(self.named);
  EXPECT_EQ(self.trayTip, L"taverlune image viewer");
}

TEST(ContrastColour, DarkensLightAndLightensDarkBackgrounds) {
  EXPECT_EQ(ContrastColour(0xFF000000u), 0xFF606060u);
  EXPECT_EQ(ContrastColour(0xFFFFFFFFu), 0xFF9F9F9Fu);
  // pure blue: max(255/2, 0, 0) = 127 stays below 128, so it is lightened
  EXPECT_EQ(ContrastColour(0xFF0000FFu), 0xFF6060FFu);
  // green weighs 3/2: 86 * 3 / 2 = 129 counts as light
  EXPECT_EQ(ContrastColour(0xFF005600u), 0xFF000000u);
  EXPECT_EQ(ContrastColour(0x00000000u) >> 24, 0xFFu);  // always opaque
}

// Names from the command line went straight into the ini file's path.
TEST(InstanceName, OnlyPlainFileNameStemsNameAnInstance) {
  using F = InstanceNameFault;
  const struct {
    std::wstring name;
    F fault;
  } rows[] = {
      {L"work", F::None},
      {L"taverlune", F::None},
      {L"my pictures.2024", F::None},
      {L" leading blank", F::None},
      {L"\u5199\u771F", F::None},
      {L"CONSOLE", F::None},
      {L"COM10", F::None},
      {L"LPT", F::None},
      {L"NUL2", F::None},
      {std::wstring(251, L'a'), F::None},
      {L"", F::Empty},
      {std::wstring(252, L'a'), F::TooLong},
      {L"..\\..\\x", F::ForbiddenCharacter},
      {L"a/b", F::ForbiddenCharacter},
      {L"a:b", F::ForbiddenCharacter},
      {L"C:", F::ForbiddenCharacter},
      {L"a*b", F::ForbiddenCharacter},
      {L"a?b", F::ForbiddenCharacter},
      {L"a\"b", F::ForbiddenCharacter},
      {L"a<b>", F::ForbiddenCharacter},
      {L"a|b", F::ForbiddenCharacter},
      {L"tab\there", F::ForbiddenCharacter},
      {L"..", F::DoubleDot},
      {L"a..b", F::DoubleDot},
      {L".", F::TrailingDotOrSpace},
      {L"name.", F::TrailingDotOrSpace},
      {L"name ", F::TrailingDotOrSpace},
      {L"con", F::ReservedDevice},
      {L"CON.ini", F::ReservedDevice},
      {L"Nul.txt", F::ReservedDevice},
      {L"con .txt", F::ReservedDevice},
      {L"aux", F::ReservedDevice},
      {L"prn", F::ReservedDevice},
      {L"com1", F::ReservedDevice},
      {L"LPT9.x", F::ReservedDevice},
      {L"COM\u00B9", F::ReservedDevice},
      {L"CONOUT$", F::ReservedDevice},
  };
  for (const auto& row : rows)
    EXPECT_EQ(CheckInstanceName(row.name), row.fault) << row.name;
}
