// The forms load their dialogs by name from the program: the shipped one
// must carry every template.
#include <gtest/gtest.h>

#include "tests/menus/shipped_program.h"
#include "util/text.h"

TEST(FormTemplates, TheShippedProgramCarriesAllFour) {
  const tv::UniqueModule shipped = tvtest::OpenShippedProgramResources();
  ASSERT_TRUE(shipped) << tv::WideToUtf8(tvtest::ShippedProgramPath());
  for (const wchar_t* name : {L"IDD_INPUTFORM", L"IDD_FORMSIZEFORM", L"IDD_JPEGSETTINGFORM", L"IDD_PROGRESSFORM"})
    EXPECT_NE(::FindResourceW(shipped.get(), name, RT_DIALOG), nullptr) << tv::WideToUtf8(name);
}
